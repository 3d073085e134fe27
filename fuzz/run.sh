#!/usr/bin/env bash
# Runs one fuzz target of the fuzz build on its corpus (build/fuzz/corpus/<target>, new
# inputs land there) and on the seed files the build wrote, with the options of
# fuzz/<target>.options; the arguments after the target go to libFuzzer as well.
# Usage: fuzz/run.sh <target> [-runs=N | -max_total_time=S ...]
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cible="$1"
shift
construction="$racine/build/fuzz"
corpus="$construction/corpus/$cible"
graines="$construction/seeds/$cible"
mkdir -p "$corpus" "$graines"

# "key = value" lines of the [libfuzzer] section become -key=value.
options=()
if [ -f "$racine/fuzz/$cible.options" ]; then
    while IFS='=' read -r cle valeur; do
        cle="${cle//[[:space:]]/}"
        valeur="${valeur//[[:space:]]/}"
        [[ -z "$cle" || "$cle" == \[* || "$cle" == \#* ]] && continue
        options+=("-$cle=$valeur")
    done <"$racine/fuzz/$cible.options"
fi
exec "$construction/fuzz/$cible" "${options[@]}" "$@" "$corpus" "$graines"
