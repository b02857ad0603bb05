#!/usr/bin/env bash
# Runs a program as a screen reader's user would: on a virtual display with a window manager,
# with a session bus and the accessibility bus, and Qt's bridge to that bus on.
# Usage: sous-lecteur.sh PROGRAM [ARGUMENTS...]. Exit 77: skipped (a tool is missing).
set -u
lanceur=/usr/libexec/at-spi-bus-launcher
if ! command -v dbus-run-session >/dev/null || ! command -v dbus-send >/dev/null || [ ! -x "$lanceur" ]; then
  echo "dbus or at-spi2-core missing: skipped"
  exit 77
fi
ici=$(cd "$(dirname "$0")" && pwd)

if [ -z "${LUMIO_SOUS_LECTEUR:-}" ]; then
  # The buses' sockets go in a folder of this run's own, so that runs side by side never share
  # one; with no display yet, the accessibility bus is found through the session bus alone.
  LUMIO_SOUS_LECTEUR=$(mktemp -d)
  export LUMIO_SOUS_LECTEUR XDG_RUNTIME_DIR="$LUMIO_SOUS_LECTEUR" XDG_CACHE_HOME="$LUMIO_SOUS_LECTEUR/cache"
  unset DISPLAY
  exec dbus-run-session -- bash "$0" "$@"
fi

# Inside the private session bus: the accessibility bus first, then the program.
"$lanceur" --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null; wait 2>/dev/null; rm -rf "$LUMIO_SOUS_LECTEUR"' EXIT
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus 2>/dev/null | grep -q true && break
  sleep 0.1
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
bash "$ici/sous-bureau.sh" "$@"
