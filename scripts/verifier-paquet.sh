#!/usr/bin/env bash
# Builds the Debian package of the game into a scratch folder and checks it as Debian would:
# lintian --pedantic with no error and no warning, the program in /usr/games, no maintainer
# script, Qt's Wayland plugin recommended, hardened binaries. Usage: verifier-paquet.sh [BUILD].
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=$(cd "${1:-build}" && pwd)
if ! command -v lintian >/dev/null; then
  echo "paquet: lintian missing (make test installs it): skipped"
  exit 0
fi
TMP=$(mktemp -d)
trap '[ -n "${GARDER:-}" ] || rm -rf "$TMP"' EXIT
echec() {
  echo "paquet: $*" >&2
  exit 1
}

(cd "$BUILD" && cpack -G DEB -B "$TMP" >"$TMP/cpack.log" 2>&1) || { cat "$TMP/cpack.log"; echec "cpack failed"; }
DEB=$(ls "$TMP"/sudoku-lumio_*.deb)

# What lintian says, down to its pedantic remarks; errors and warnings fail.
lintian --pedantic -I --tag-display-limit 0 "$DEB" >"$TMP/lintian" 2>"$TMP/lintian.err" || true
grep -v '^running with root privileges' "$TMP/lintian.err" >&2 || true
if grep -q '^[EW]:' "$TMP/lintian"; then
  cat "$TMP/lintian"
  echec "lintian has errors or warnings"
fi

dpkg-deb -c "$DEB" | awk '{print $6}' >"$TMP/fichiers"
grep -qx './usr/games/sudoku-lumio' "$TMP/fichiers" || echec "the program is not in /usr/games"
! grep -q '^\./usr/bin/' "$TMP/fichiers" || echec "something is installed in /usr/bin"
mkdir "$TMP/controle"
dpkg-deb -e "$DEB" "$TMP/controle"
for s in preinst postinst prerm postrm; do [ ! -e "$TMP/controle/$s" ] || echec "the package has a $s"; done
dpkg-deb -f "$DEB" Recommends | grep -qw qt6-wayland || echec "qt6-wayland is not recommended"

# The program and its private library bound at start-up, with fortified functions.
mkdir "$TMP/arbre"
dpkg-deb -x "$DEB" "$TMP/arbre"
for f in usr/games/sudoku-lumio usr/lib/sudoku-lumio/libtovxp.so.1; do
  readelf -d "$TMP/arbre/$f" >"$TMP/dynamique"
  grep -q 'BIND_NOW\|FLAGS.*NOW' "$TMP/dynamique" || echec "$f is not bound at start-up"
done
readelf --dyn-syms --wide "$TMP/arbre/usr/games/sudoku-lumio" >"$TMP/symboles"
grep -q '__[a-z_]*printf_chk' "$TMP/symboles" || echec "the program calls no fortified function"

echo "paquet: $(basename "$DEB") is clean for lintian ($(grep -c . "$TMP/lintian" || true) remarks of information)"
