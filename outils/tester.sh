#!/usr/bin/env bash
# Installe les dépendances, construit Kovra avec AddressSanitizer et UBSan, passe tous les tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/installer-dependances.sh
bash outils/verifie-couches.sh
cmake -S . -B build/tests -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKOVRA_SANITIZE=ON
cmake --build build/tests
cmake --build build/tests --target bench
# Une minute de fuzzing : la cible reste vivante et ses trouvailles sont vues tôt.
bash outils/fuzz.sh 60 10
# Les tests en dernier : leur bilan clôt la sortie.
ctest --test-dir build/tests --output-on-failure
