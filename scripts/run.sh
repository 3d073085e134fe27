#!/usr/bin/env bash
# Installs what is missing, builds and starts the player.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
tulvane_setup default
program="$TULVANE_ROOT/build/default/bin/tulvane"
if [ -x "$program" ]; then
    exec "$program" "$@"
fi
echo "Construction terminée ; le lecteur n'a pas encore de fenêtre à ouvrir."
