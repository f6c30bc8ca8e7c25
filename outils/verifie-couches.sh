#!/usr/bin/env bash
# Vérifie que chaque fichier de src/ n'inclut que sa couche ou une couche plus basse,
# et seulement les modules Qt permis à sa couche, et que les inclusions entre unités de src/
# (un .h et son .cpp, ceux de la racine de src/ compris) vont dans un seul sens : aucun cycle.
# Code 1 et la liste des fautes sinon.
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
# Arêtes « unité qui inclut -> unité incluse » ; l'inclus se cherche à côté du fichier, puis
# depuis src/.
aretes() {
  local fichier dossier unite inclus cible
  for fichier in src/*.h src/*.cpp src/*/*.h src/*/*.cpp; do
    [ -e "$fichier" ] || continue
    dossier=$(dirname "$fichier")
    unite=${fichier%.*}
    while IFS= read -r inclus; do
      if [ -e "$dossier/$inclus" ]; then
        cible=$(realpath -m --relative-to=. "$dossier/$inclus")
      elif [ -e "src/$inclus" ]; then
        cible="src/$inclus"
      else
        continue
      fi
      cible=${cible%.*}
      [ "$cible" != "$unite" ] && echo "$unite $cible"
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$fichier")
  done
}
# tsort nomme les unités de chaque cycle qu'il rencontre.
cycles=$(aretes | sort -u | tsort 2>&1 >/dev/null)
if [ -n "$cycles" ]; then
  echo "$cycles" | awk '/loop/ { if (c != "") print "inclusions en cycle : " c " -> " d; c = ""; next }
    { sub(/^tsort: /, ""); if (c == "") { c = $0; d = $0 } else c = c " -> " $0 }
    END { if (c != "") print "inclusions en cycle : " c " -> " d }'
  fautes=1
fi
[ $fautes = 0 ] && echo "Couches respectées, inclusions sans cycle."
exit $fautes
