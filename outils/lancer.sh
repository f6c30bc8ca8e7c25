#!/usr/bin/env bash
# Installe les dépendances, construit Kovra en Release et le lance.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/installer-dependances.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOVRA_TESTS=OFF
cmake --build build/release --target kovra kovra-calcul
exec build/release/bin/kovra
