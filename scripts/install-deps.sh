#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Korvan need. Safe to run again:
# nothing is fetched when everything is already there.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev clang-format binutils clang libclang-rt-14-dev
    libpg-query-dev nlohmann-json3-dev
    qt6-base-dev libqt6sql6-sqlite qt6-tools-dev designer-qt6 fonts-dejavu-core python3)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
