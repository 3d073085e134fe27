#!/usr/bin/env bash
# Seeds for fuzz_lecture_fichier: MPEG-1 Layer III frame sequences (128 kbit/s, 44100 Hz,
# 417 bytes a frame) with an ID3v1 tag at the end, of sizes around the reader's limits.
# Usage: graines_lecture_fichier.sh <folder>
set -euo pipefail
dossier=${1:?folder for the seeds}
mkdir -p "$dossier"

trames() {  # $1 frames, each a header and 413 bytes of 0x55
    local n
    for ((n = 0; n < $1; n++)); do
        printf '\xff\xfb\x90\x64'
        head -c 413 /dev/zero | tr '\0' '\125'
    done
}
tag() {  # "TAG", title, artist, album, year, comment (blank-padded), genre 17 (Rock)
    printf 'TAG%-30s%-30s%-30s%-4s%-30s\x11' 'Titre' 'Auteur' 'Album' '2024' 'Commentaire'
}

{ trames 8; tag; } >"$dossier/huit_trames.mp3"
{ trames 3; } >"$dossier/sans_tag.mp3"
{ head -c 897 /dev/zero; tag; } >"$dossier/1025_octets.mp3"
# The tag beyond the 51445 bytes read for the frames: read on its own.
{ head -c 9000 /dev/zero; trames 120; tag; } >"$dossier/tag_au_loin.mp3"
