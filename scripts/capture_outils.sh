#!/usr/bin/env bash
# Pictures of the file tools' dialogs on a private X server (Xvfb), framed by a small window
# manager (openbox) so that their captions show.
# Usage: scripts/capture_outils.sh [output folder]; TULVANE_CAPTURE_OUTILS names the program
# (build/default/tests/capture_outils by default). The pictures go to build/capture/ unless
# told otherwise; docs/ keeps the ones the README shows.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TULVANE_PROGRAMME="${TULVANE_CAPTURE_OUTILS:-$racine/build/default/tests/capture_outils}"
source "$racine/scripts/programme_prive.sh"
sortie="${1:-$racine/build/capture}"
mkdir -p "$sortie"
outils_requis Xvfb openbox xprop
export HOME="$travail"
demarrer_xvfb 1024x768

# Openbox shows its title-bar buttons whatever a window asks; the tools ask for none, as a
# window manager that honours the request shows them.
mkdir -p "$XDG_CONFIG_HOME/openbox"
sed 's|<titleLayout>.*</titleLayout>|<titleLayout>L</titleLayout>|' /etc/xdg/openbox/rc.xml >"$XDG_CONFIG_HOME/openbox/rc.xml"
lancer openbox openbox
gestionnaire_pret() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
# Without it the pictures only lose their frame: the dialogs are still taken.
attendre 15 gestionnaire_pret || { echo "openbox n'est pas prêt :"; cat "$travail/openbox.log"; }

"$programme" "$sortie"
