#!/usr/bin/env bash
# Installs what is missing, builds and starts the player.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
tulvane_setup default
exec "$TULVANE_ROOT/build/default/bin/tulvane" "$@"
