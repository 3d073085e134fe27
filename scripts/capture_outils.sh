#!/usr/bin/env bash
# Pictures of the file tools' dialogs on a private X server (Xvfb), framed by a small window
# manager (openbox) so that their captions show.
# Usage: scripts/capture_outils.sh [output folder]; TULVANE_CAPTURE_OUTILS names the program
# (build/default/tests/capture_outils by default). The pictures go to build/capture/ unless
# told otherwise; docs/ keeps the ones the README shows.
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
programme="${TULVANE_CAPTURE_OUTILS:-$racine/build/default/tests/capture_outils}"
sortie="${1:-$racine/build/capture}"
[ -x "$programme" ] || { echo "Programme absent : $programme (construire d'abord)"; exit 1; }
mkdir -p "$sortie"

travail="$(mktemp -d)"
xvfb=""
gestionnaire=""
finir() {
    for pid in $gestionnaire $xvfb; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$travail"
}
trap finir EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/ecran" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$travail/ecran" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$travail/ecran")"
export XDG_RUNTIME_DIR="$travail/runtime" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export HOME="$travail" XDG_CONFIG_HOME="$travail/config"

# Openbox shows its title-bar buttons whatever a window asks; the tools ask for none, as a
# window manager that honours the request shows them.
mkdir -p "$XDG_CONFIG_HOME/openbox"
sed 's|<titleLayout>.*</titleLayout>|<titleLayout>L</titleLayout>|' /etc/xdg/openbox/rc.xml >"$XDG_CONFIG_HOME/openbox/rc.xml"
openbox >/dev/null 2>&1 &
gestionnaire=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.05; done

"$programme" "$sortie"
