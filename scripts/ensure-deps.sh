#!/usr/bin/env bash
# Installs the Debian packages vorsel needs to build, run and test, or says which are missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config        # build tools
    qt6-base-dev                     # Qt 6 Core, Gui, Widgets, Test
    libzip-dev zlib1g-dev            # the archiver vorsel-zip
    7zip                             # the independent reader the tests check archives with
    fonts-crosextra-carlito          # metric twin of Calibri, the window's font
    xdg-utils                        # xdg-open shows the selection report
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "vorsel: missing system packages. Install them, then run this again:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "vorsel: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
