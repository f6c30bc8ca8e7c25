#!/usr/bin/env bash
# Vérifie que chaque fichier de src/ n'inclut que sa couche ou une couche plus basse,
# et seulement les modules Qt permis à sa couche. Code 1 et la liste des fautes sinon.
set -uo pipefail
cd "$(dirname "$0")/.."
qt=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)

rang() {
  case "$1" in
    numerique) echo 1 ;; coeur) echo 2 ;; trace) echo 3 ;; fenetres) echo 4 ;; *) echo 5 ;;
  esac
}
# Modules Qt permis à chaque couche.
modules() {
  case "$1" in
    numerique) echo "" ;; coeur) echo "QtCore" ;; trace) echo "QtCore QtGui QtSvg" ;; *) echo "*" ;;
  esac
}
module_de() {
  local nom=${1#*/}
  [[ $1 == Qt*/* ]] && { echo "${1%%/*}"; return; }
  for m in "$qt"/Qt*; do
    [ -e "$m/$nom" ] && { basename "$m"; return; }
  done
  echo "?"
}

fautes=0
for fichier in src/*/*.h src/*/*.cpp; do
  couche=$(basename "$(dirname "$fichier")")
  r=$(rang "$couche")
  permis=$(modules "$couche")
  while IFS= read -r inclus; do
    haut=${inclus%%/*}
    if [[ $inclus == */* ]] && [ "$(rang "$haut")" -gt "$r" ] && [ "$(rang "$haut")" -lt 5 ]; then
      echo "$fichier : inclut $inclus, d'une couche plus haute"; fautes=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$fichier")
  [ "$permis" = "*" ] && continue
  while IFS= read -r inclus; do
    m=$(module_de "$inclus")
    if [[ " $permis " != *" $m "* ]]; then
      echo "$fichier : inclut <$inclus> ($m), interdit à la couche $couche"; fautes=1
    fi
  done < <(sed -n 's/^#include <\(Q[^>]*\)>.*/\1/p' "$fichier")
done
[ $fautes = 0 ] && echo "Couches respectées."
exit $fautes
