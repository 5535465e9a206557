#!/usr/bin/env bash
# Installs what Scrivix needs to build, test and benchmark on Debian 12.
# Idempotent: installs only the packages that are missing, and refreshes the
# package lists only when it has something to install.
set -euo pipefail

packages=(
    build-essential
    cmake
    ninja-build
    pkg-config
    qt6-base-dev
    qt6-base-dev-tools
    qt6-tools-dev
    qt6-tools-dev-tools
    libqt6svg6
    libgl-dev
    adwaita-icon-theme
    libgtest-dev
    libbenchmark-dev
    clang-format
    locales
    libreoffice-writer
    fonts-dejavu-core
    fonts-liberation2
    poppler-utils
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
