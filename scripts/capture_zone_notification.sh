#!/usr/bin/env bash
# The program's icon in a notification area and its menu: the real program on a private X
# server (Xvfb) with a small tray host (trayer), a right click on the icon, and a picture of
# the screen with the menu open. Checks that the icon docks and that the menu opens.
# Usage: scripts/capture_zone_notification.sh [output.png] (docs/zone_notification.png by default);
# TULVANE_PROGRAMME names another build of the program.
source "$(dirname "${BASH_SOURCE[0]}")/programme_prive.sh"
sortie="${1:-$racine/docs/zone_notification.png}"
outils_requis trayer xdotool xwininfo import Xvfb

demarrer_xvfb 800x600
lancer trayer trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true \
    --transparent true --alpha 0 --tint 0x1c2833
# The notification area is there once trayer owns its selection.
zone_prete() { xwininfo -root -children | grep -q '"panel"'; }
attendre 5 zone_prete || echec "trayer n'a pas démarré"

lancer programme "$programme"
attendre 20 fenetre_visible 329x317 || echec "la fenêtre du lecteur n'est pas apparue"

# The icon docks in trayer's window as a child window of its own size.
icone() {
    local panneau
    panneau="$(xwininfo -root -children | awk '/"panel"/ { print $1; exit }')"
    xwininfo -tree -id "$panneau" | awk '/[0-9]+x[0-9]+\+/ && !/"panel"/ { print $NF; exit }'
}
icone_posee() { [ -n "$(icone)" ]; }
attendre 10 icone_posee || echec "l'icône n'est pas apparue dans la zone de notification"
position="$(icone)"  # "+X+Y" of the icon on the screen
x=$(echo "$position" | sed -E 's/^\+([0-9]+)\+([0-9]+)$/\1/')
y=$(echo "$position" | sed -E 's/^\+([0-9]+)\+([0-9]+)$/\2/')
echo "Icône dans la zone de notification en ($x, $y)"

# The menu is one more viewable window of the program.
fenetres() {
    xwininfo -root -children | awk '/\("tulvane"/ { print $1 }' | while read -r id; do
        if xwininfo -id "$id" | grep -q IsViewable; then echo "$id"; fi
    done | wc -l
}
avant="$(fenetres)"
xdotool mousemove "$((x + 8))" "$((y + 8))" click 3
menu_ouvert() { [ "$(fenetres)" -gt "$avant" ]; }
attendre 5 menu_ouvert || echec "le menu de l'icône ne s'est pas ouvert"
sleep 0.5
mkdir -p "$(dirname "$sortie")"
import -window root "$sortie"
echo "Capture : $sortie"
