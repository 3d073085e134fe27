#!/usr/bin/env bash
# Real sound through the real program, without a sound card or a sound server of the machine:
# a private PulseAudio server with a null sink, the program on a private X server (Xvfb)
# driven with xdotool, and the sink's monitor recorded and measured with sox.
#   1. a 440 Hz tone from the play list, through the file player, at full volume;
#   2. the same with the volume slider at its lowest: the level must fall;
#   3. an 880 Hz station from a web server on 127.0.0.1, through the radio player.
# Every process it starts is ended on exit. Usage: scripts/son_reel.sh;
# TULVANE_PROGRAMME names another build of the program, TULVANE_CHIFFRER its station-list tool.
source "$(dirname "${BASH_SOURCE[0]}")/programme_prive.sh"
chiffrer="${TULVANE_CHIFFRER:-$(dirname "$programme")/../tools/chiffrer_radios}"
[ -x "$chiffrer" ] || { echo "Outil absent : $chiffrer (construire d'abord)"; exit 1; }
outils_requis pulseaudio parecord pactl sox xdotool gst-launch-1.0 python3 Xvfb xwininfo

# The sound server of this run only.
export HOME="$travail/home" PULSE_RUNTIME_PATH="$travail/runtime/pulse" PULSE_STATE_PATH="$travail/etat"
export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH" "$HOME" "$travail/media"
chmod 700 "$PULSE_RUNTIME_PATH"

cat >"$travail/serveur.pa" <<EOF
load-module module-null-sink sink_name=nul rate=44100 channels=2
load-module module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native
set-default-sink nul
EOF
# --system=false keeps a per-user server also for root, which PulseAudio only warns about.
lancer pulseaudio pulseaudio -n --daemonize=no --system=false --exit-idle-time=-1 --use-pid-file=false \
    --disable-shm=yes -F "$travail/serveur.pa"
attendre 10 pactl info >/dev/null 2>&1 || echec "le serveur PulseAudio privé n'a pas démarré"

demarrer_xvfb 1024x768

# The media: a 440 Hz tone for the play list, an 880 Hz station in MP3 on a local web server.
sox -n -r 44100 -c 2 -b 16 "$travail/media/la 440.wav" synth 60 sine 440 gain -6
gst-launch-1.0 -q audiotestsrc freq=880 volume=0.5 num-buffers=1300 ! audioconvert \
    ! lamemp3enc target=bitrate bitrate=128 ! filesink location="$travail/media/station.mp3" >"$travail/gst.log" 2>&1 \
    || echec "l'encodage MP3 de la station a échoué"
python3 -c '
import http.server, socketserver, sys
class Discret(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args): pass
serveur = socketserver.TCPServer(("127.0.0.1", 0), lambda *a: Discret(*a, directory=sys.argv[1]))
print(serveur.server_address[1], flush=True)
serveur.serve_forever()
' "$travail/media" >"$travail/port" 2>"$travail/http.log" &
pids+=($!)
attendre 5 test -s "$travail/port" || echec "le serveur web local n'a pas démarré"
adresse="http://127.0.0.1:$(cat "$travail/port")/station.mp3"
printf 'Station de test\n%s\n%s\n' "$adresse" "$adresse" >"$travail/radios.txt"
"$chiffrer" "$travail/radios.txt" "$TULVANE_DOSSIER/Radios.sys" >/dev/null

# A play list holding the tone, and the settings that reopen it with the station highlighted.
ton="$travail/media/la 440.wav"
{
    printf '### Tulvane PlayList\r\n'
    for champ in "la 440.wav" "" "" "" "" "" "$ton" "" ""; do printf '"%s"\r\n' "$champ"; done
} >"$travail/media/essai.tvl4"
printf '[General]\nListeAdresse=%s\nListePose=1\nRadio=0\n' "$travail/media/essai.tvl4" \
    >"$XDG_CONFIG_HOME/Tulvane Adv 4.2.conf"

lancer programme "$programme"
attendre 20 fenetre_visible 329x317 || echec "la fenêtre du lecteur n'est pas apparue"
IFS='+' read -r _ gauche haut <<<"$(fenetre 329x317)"
cliquer() {  # x and y in pixels of the player window; a third argument 2 for a double click
    xdotool mousemove "$((gauche + $1))" "$((haut + $2))" click --repeat "${3:-1}" --delay 80 1
    sleep 0.3
}

# Records the sink for 3 seconds and measures the last 2.5, past what the player was still
# changing when the recording began. Prints the rough frequency, the RMS amplitude, and the
# share of that amplitude within 10 % of the frequency given: a dropout of the sink under
# load spoils the rough frequency more than the share.
mesurer() {  # expected frequency
    rm -f "$travail/enregistrement.raw"
    timeout 3 parecord --raw --device=nul.monitor --latency-msec=20 --format=s16le --rate=44100 --channels=2 \
        "$travail/enregistrement.raw" 2>>"$travail/parecord.log" || true
    local enregistrement=(-t raw -r 44100 -e signed -b 16 -c 2 "$travail/enregistrement.raw" -n remix 1 trim 0.5)
    local tout bande
    tout="$(sox "${enregistrement[@]}" stat 2>&1 | awk '/Rough +frequency/ { f = $3 } /RMS +amplitude/ { r = $3 } END { print f, r }')"
    bande="$(sox "${enregistrement[@]}" sinc -t 20 "$(( $1 * 9 / 10 ))-$(( $1 * 11 / 10 ))" stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')"
    awk -v t="$tout" -v b="$bande" 'BEGIN { split(t, v, " "); printf "%s %s %.3f\n", v[1], v[2], (v[2] > 0 ? b / v[2] : 0) }'
}
verifier_frequence() {  # rough frequency, share in the band, expected, what
    awk -v f="$1" -v part="$2" -v a="$3" 'BEGIN { exit !(part > 0.9 && f > a * 0.8 && f < a * 1.2) }' \
        || echec "$4 : fréquence $1 Hz, part de $3 Hz $2"
}
verifier_niveau() {  # measured RMS, minimum, what
    awk -v r="$1" -v m="$2" 'BEGIN { exit !(r >= m) }' || echec "$3 : niveau $1 sous $2"
}

# The player window's controls, in pixels of the window (twips / 15, at their centres).
lecture=(36 288)      # BTNcmd (0)
volume_haut=(240 288)  # right end of the volume track: level 20
volume_bas=(176 288)   # left end: level 0
radio=(156 16)        # BTN9
station=(80 72)       # the first entry of the station list, on the radio panel

cliquer "${volume_haut[@]}"
cliquer "${lecture[@]}"
sleep 1
read -r frequence niveau_fort part <<<"$(mesurer 440)"
echo "Fichier, volume 20/20 : ${frequence} Hz (part à 440 Hz ${part}), niveau RMS ${niveau_fort}"
verifier_frequence "$frequence" "$part" 440 "le fichier"
verifier_niveau "$niveau_fort" 0.05 "le fichier à plein volume"

cliquer "${volume_bas[@]}"
sleep 0.5
read -r frequence niveau_faible part <<<"$(mesurer 440)"
echo "Fichier, volume 0/20 : niveau RMS ${niveau_faible}"
awk -v fort="$niveau_fort" -v faible="$niveau_faible" 'BEGIN { exit !(faible < fort / 10) }' \
    || echec "le curseur de volume n'a pas baissé le niveau ($niveau_fort puis $niveau_faible)"

# The play button stays hidden in radio mode after a file played (the heartbeat that swaps
# it with the pause button is off): the station is tuned by a double click on its name.
cliquer "${volume_haut[@]}"
cliquer "${radio[@]}"
cliquer "${station[@]}" 2
sleep 3
read -r frequence niveau part <<<"$(mesurer 880)"
echo "Radio, volume 20/20 : ${frequence} Hz (part à 880 Hz ${part}), niveau RMS ${niveau}"
verifier_frequence "$frequence" "$part" 880 "la radio"
verifier_niveau "$niveau" 0.05 "la radio"
echo "Son réel vérifié : fichier, curseur de volume et radio"
