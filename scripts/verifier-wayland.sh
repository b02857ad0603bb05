#!/usr/bin/env bash
# Installs the Debian package with apt-get and runs the installed game natively under a Wayland
# compositor (weston, nested in a virtual X display so that keys can be sent to it): the main
# window, then each of its windows opened from the keyboard and closed again, a picture of each
# kept in the output folder; then the game quit from its menu. Fails when the game dies, when a
# key opens nothing, or when the terminal shows more than the game's own lines.
# Usage: verifier-wayland.sh [PAQUET.deb] [SORTIE]   (needs root or sudo for apt-get)
set -euo pipefail
cd "$(dirname "$0")/.."
PAQUET=${1:-build/sudoku-lumio_3.3_amd64.deb}
SORTIE=$(mkdir -p "${2:-wayland}" && cd "${2:-wayland}" && pwd)
for outil in Xvfb weston xdotool import compare; do
  command -v $outil >/dev/null || { echo "wayland: $outil missing (make test installs it)" >&2; exit 2; }
done
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
  "$(realpath "$PAQUET")" >/dev/null
dpkg-query -W -f='${Status}' qt6-wayland | grep -q "install ok installed" || {
  echo "wayland: qt6-wayland did not come with the package" >&2
  exit 1
}

TMP=$(mktemp -d)
chmod 700 "$TMP"
pids=()
finir() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$TMP"
}
trap finir EXIT
echec() {
  echo "wayland: $*" >&2
  exit 1
}

Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$TMP/ecran" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$TMP/ecran" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$TMP/ecran")"
export XDG_RUNTIME_DIR=$TMP HOME=$TMP XDG_CONFIG_HOME=$TMP/config
SOCKET=wayland-verifier-$$
weston --backend=x11-backend.so --width=1500 --height=1100 --socket=$SOCKET --idle-time=0 \
  >"$TMP/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$TMP/$SOCKET" ] && break; sleep 0.1; done
[ -S "$TMP/$SOCKET" ] || { cat "$TMP/weston.log"; echec "weston did not start"; }

env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$SOCKET /usr/games/sudoku-lumio \
  >"$TMP/sortie" 2>"$TMP/erreurs" &
jeu=$!
pids+=($jeu)

# A key as a person presses it: down, a moment, up.
touches() {
  for k in "$@"; do
    IFS=+ read -ra t <<<"$k"
    for p in "${t[@]}"; do xdotool keydown "$p"; done
    sleep 0.25
    for ((i = ${#t[@]} - 1; i >= 0; i--)); do xdotool keyup "${t[$i]}"; done
    sleep 0.5
  done
}
vivant() { kill -0 $jeu 2>/dev/null || echec "the game ended after $1: $(cat "$TMP/erreurs")"; }
image() { sleep 1.5; import -window root "$SORTIE/$1.png"; }
difference() { compare -metric AE "$SORTIE/$1.png" "$SORTIE/$2.png" null: 2>&1 | cut -d' ' -f1 || true; }

sleep 5
vivant "its start"
image principale
sleep 0.5
fenetres=("options:F2" "impression:ctrl+i" "lot:alt+p m" "apropos:alt+question p" "scores:alt+p t"
          "solution:F7" "aide:F1" "ouvrir:ctrl+o")
for f in "${fenetres[@]}"; do
  nom=${f%%:*}
  read -ra cles <<<"${f#*:}"
  touches "${cles[@]}"
  image "$nom"
  vivant "$nom"
  n=$(difference principale "$nom")
  [ "${n%.*}" -gt 2000 ] || echec "$nom did not open (${n} pixels changed)"
  touches Escape
  sleep 1
  vivant "closing $nom"
done
image fin
touches alt+p q
sleep 1
touches Return
for _ in $(seq 50); do kill -0 $jeu 2>/dev/null || break; sleep 0.2; done
kill -0 $jeu 2>/dev/null && echec "the game did not quit"
wait $jeu || echec "the game quit with code $?"
if grep -v '^sudoku-lumio : ' "$TMP/erreurs" | grep -q .; then cat "$TMP/erreurs"; echec "the terminal shows more than the game's lines"; fi
echo "wayland: the installed game ran natively under weston; pictures in $SORTIE"
