#!/usr/bin/env bash
# Installe, avec apt-get, les paquets Debian 12 dont Kovra a besoin. Sans effet s'ils sont là.
set -euo pipefail
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"

paquets=(
  build-essential g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  libjpeg-dev libpng-dev libzip-dev zlib1g-dev libpugixml-dev libxlsxwriter-dev
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation qt6-svg-dev desktop-file-utils
  fonts-liberation
  poppler-utils
  clang libfuzzer-14-dev
)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
