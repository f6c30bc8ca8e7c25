#!/usr/bin/env bash
# Construit la cible de fuzzing (clang, libFuzzer, AddressSanitizer, UBSan) et la lance SECONDES
# secondes (300 par défaut ; LIMITE, en secondes par entrée, 1 par défaut), semée des fichiers de données des tests. Code non nul sur une
# trouvaille, écrite dans build/fuzz/trouvailles/ : la garder dans tests/donnees/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
duree=${1:-300}
# Au-delà d'une seconde, une entrée est une trouvaille ; la salve de la commande de test laisse
# plus de marge pour qu'une machine chargée ne prenne pas la lenteur du système pour celle de Kovra.
limite=${2:-1}
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVRA_FUZZ=ON -DKOVRA_TESTS=OFF \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang "${lanceur[@]}" >/dev/null
cmake --build build/fuzz --target fuzz_fichier_donnees
mkdir -p build/fuzz/corpus build/fuzz/trouvailles
# Le premier dossier reçoit ce que le fuzzer découvre ; les suivants ne servent que de semence.
build/fuzz/bin/fuzz_fichier_donnees -max_total_time="$duree" -timeout="$limite" -max_len=16384 -print_final_stats=1 \
    -artifact_prefix=build/fuzz/trouvailles/ build/fuzz/corpus tests/donnees tests/donnees/fuzz
