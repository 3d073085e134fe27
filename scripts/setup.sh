#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs what is missing, configures and builds one preset.
# Usage: source scripts/setup.sh; tulvane_setup [preset]
set -euo pipefail

TULVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

tulvane_install_packages() {
    local wanted missing=()
    wanted=$(grep -v -E '^\s*(#|$)' "$TULVANE_ROOT/scripts/packages.txt")
    for pkg in $wanted; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installation des paquets manquants : ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

tulvane_setup() {
    local preset="${1:-default}"
    tulvane_install_packages
    cd "$TULVANE_ROOT"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
}
