#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite. Non-zero exit on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
preset="${1:-default}"
tulvane_setup "$preset"
ctest --preset "$preset"
