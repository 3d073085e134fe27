#!/usr/bin/env bash
# Shared by the scripts that run the real program on a private X server: a work folder and
# the processes started, both cleaned up on exit; the program's runtime, settings and data
# folders inside it; a failure that shows the logs; a bounded wait; Xvfb.
# Usage: source scripts/programme_prive.sh; then `outils_requis`, `demarrer_xvfb WxH`,
# `lancer command...` for every background process, `attendre`, `echec`, `fenetre WxH`.
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
programme="${TULVANE_PROGRAMME:-$racine/build/default/bin/tulvane}"
[ -x "$programme" ] || { echo "Programme absent : $programme (construire d'abord)"; exit 1; }

travail="$(mktemp -d)"
pids=()
finir() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$travail"
}
trap finir EXIT

# Starts a command in the background, ended on exit; its output goes to $travail/<name>.log.
lancer() {  # name, command...
    local nom="$1"
    shift
    "$@" >"$travail/$nom.log" 2>&1 &
    pids+=($!)
}

echec() {
    echo "ÉCHEC : $*"
    local journal
    for journal in "$travail"/*.log; do
        if [ -s "$journal" ]; then echo "--- $(basename "$journal")"; tail -n 20 "$journal"; fi
    done
    exit 1
}

attendre() {  # seconds, command...: true once the command succeeds
    local fin=$(( $(date +%s%N) + $1 * 1000000000 ))
    shift
    while [ "$(date +%s%N)" -lt "$fin" ]; do "$@" && return 0; sleep 0.02; done
    return 1
}

# The geometry "WxH+X+Y" of the viewable top-level window of that size, "" when none.
fenetre() {
    xwininfo -root -children 2>/dev/null | awk -v taille="$1" '$0 ~ " " taille "\\+" { print $1 }' |
        while read -r id; do
            if xwininfo -id "$id" | grep -q "IsViewable"; then
                xwininfo -id "$id" | awk '/-geometry/ { print $2 }'
                break
            fi
        done
}
fenetre_visible() { [ -n "$(fenetre "$1")" ]; }

outils_requis() {
    local outil
    for outil in "$@"; do
        command -v "$outil" >/dev/null || { echo "Outil absent : $outil (voir scripts/packages.txt)"; exit 1; }
    done
}

export XDG_RUNTIME_DIR="$travail/runtime" XDG_CONFIG_HOME="$travail/config" TULVANE_DOSSIER="$travail/dossier"
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$TULVANE_DOSSIER"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS  # no desktop bus: the X11 tray and sound server of this run

demarrer_xvfb() {  # screen size WxH, then Xvfb's own options; exports DISPLAY
    local taille="$1"
    shift
    Xvfb -displayfd 3 -screen 0 "${taille}x24" -nolisten tcp "$@" 3>"$travail/ecran" >/dev/null 2>&1 &
    pids+=($!)
    attendre 15 test -s "$travail/ecran" || echec "Xvfb n'a pas démarré"
    export DISPLAY=":$(cat "$travail/ecran")"
}
