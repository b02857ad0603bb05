#!/usr/bin/env bash
# Runs a test program on a virtual X display with a window manager, where frames, placement and
# focus behave as on a desktop. Usage: sous-bureau.sh PROGRAM [ARGUMENTS...]. Exit 77: skipped.
set -u
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  echo "Xvfb or openbox missing: skipped"
  exit 77
fi
dossier=$(mktemp -d)
xvfb=0
wm=0
finir() {
  [ "$wm" -ne 0 ] && kill "$wm" 2>/dev/null
  [ "$xvfb" -ne 0 ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$dossier"
}
trap finir EXIT

# The server picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dossier/ecran" 2>"$dossier/xvfb.log" &
xvfb=$!
# Waits up to ten seconds for a file to have content.
attendre() {
  for _ in $(seq 100); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  echo "$2"
  cat "$dossier"/*.log
  exit 1
}
attendre "$dossier/ecran" "Xvfb did not start"
export DISPLAY=":$(head -n1 "$dossier/ecran")"
HOME="$dossier" openbox --startup "cp $dossier/ecran $dossier/openbox" >"$dossier/openbox.log" 2>&1 &
wm=$!
attendre "$dossier/openbox" "openbox did not start"

QT_QPA_PLATFORM=xcb HOME="$dossier" "$@"
