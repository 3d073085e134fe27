#!/usr/bin/env bash
# Starts the real program on a private X server (Xvfb, black root window) and checks:
# the splash appears (and how long after the process start), the player window appears
# shaped (outside its outline the root window shows, no key colour anywhere), the splash is
# gone once the player window is up, and a second instance ends at once without a window.
# Writes the player window's picture to the path given (build/capture/lecteur.png by default).
# Usage: scripts/capture_ecran.sh [output.png]; TULVANE_PROGRAMME names another build of the program.
source "$(dirname "${BASH_SOURCE[0]}")/programme_prive.sh"
sortie="${1:-$racine/build/capture/lecteur.png}"
mkdir -p "$(dirname "$sortie")"
outils_requis Xvfb xwininfo import convert
demarrer_xvfb 1024x768 -br

absente() { [ -z "$(fenetre "$1")" ]; }
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

debut=$(date +%s%N)
lancer lecteur "$programme"
lecteur=${pids[-1]}
attendre 5 fenetre_visible 431x318 || echec "le splash n'est pas apparu"
echo "Splash à l'écran $(( ($(date +%s%N) - debut) / 1000000 )) ms après le lancement du processus"

attendre 15 fenetre_visible 329x317 || echec "la fenêtre du lecteur n'est pas apparue"
geometrie="$(fenetre 329x317)"
# The splash goes when the player window becomes active; a sanitizer build takes its time.
attendre 10 absente 431x318 || echec "le splash est resté après le démarrage"
sleep 0.3
echo "Fenêtre du lecteur : $geometrie ; splash fermé"

import -window root "$travail/ecran.png"
x=$(echo "$geometrie" | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1/')
y=$(echo "$geometrie" | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\2/')
convert "$travail/ecran.png" -crop "329x317+$x+$y" +repage "$sortie"
for point in "0 0" "328 0" "0 316" "328 316" "164 1" "164 316" "3 160" "327 160"; do
    set -- $point
    couleur="$(pixel "$sortie" "$1" "$2")"
    case "$couleur" in
        black|"srgb(0,0,0)") ;;
        *) echec "hors du contour ($1, $2) montre $couleur au lieu de la fenêtre racine" ;;
    esac
done
couleur="$(pixel "$sortie" 164 150)"
case "$couleur" in black|"srgb(0,0,0)") echec "l'intérieur du lecteur (164, 150) montre la fenêtre racine" ;; esac
magenta=$(convert "$sortie" -fill black +opaque "#FF00FF" -fill white -opaque "#FF00FF" -format "%[fx:round(mean*w*h)]" info:)
[ "$magenta" -eq 0 ] || echec "$magenta pixels de la couleur clé sont visibles"
echo "Contour découpé : la fenêtre racine se voit autour du lecteur, aucune couleur clé"

debut=$(date +%s%N)
timeout 10 "$programme" >"$travail/seconde.log" 2>&1 || echec "la seconde instance a fini en erreur ($?)"
seconde_ms=$(( ($(date +%s%N) - debut) / 1000000 ))
absente 431x318 || echec "la seconde instance a montré un splash"
kill -0 "$lecteur" || echec "la première instance s'est arrêtée"
echo "Seconde instance terminée seule en ${seconde_ms} ms, sans fenêtre ; la première tourne encore"
echo "Capture : $sortie"
