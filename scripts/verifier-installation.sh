#!/usr/bin/env bash
# Installs the game into a scratch folder and checks that it works from there alone: files in
# place, a run path that leads to its own library, the program run with the build folder hidden,
# and the desktop files accepted by their validators.
set -euo pipefail
cd "$(dirname "$0")/.."
RACINE=$(pwd)
BUILD=$(cd "${1:-build}" && pwd)
ID=$(sed -n 's/^LUMIO_ID_APPLICATION:STRING=//p' "$BUILD/CMakeCache.txt")

TMP=$(mktemp -d)
trap '[ -n "${GARDER:-}" ] || rm -rf "$TMP"' EXIT
DEST=$TMP/dest
P=$DEST/usr
DESTDIR=$DEST cmake --install "$BUILD" --prefix /usr >/dev/null

echec() {
  echo "installation: $*" >&2
  exit 1
}

# What must be there.
attendus=(
  bin/sudoku-lumio
  lib/sudoku-lumio/libtovxp.so.1
  share/applications/$ID.desktop
  share/icons/hicolor/scalable/apps/$ID.svg
  share/mime/packages/$ID.xml
  share/metainfo/$ID.metainfo.xml
  share/man/man6/sudoku-lumio.6.gz
  share/doc/sudoku-lumio/copyright
  share/doc/sudoku-lumio/changelog.gz
  share/sudoku-lumio/Aide/Aide-Sudoku.qhc
  share/sudoku-lumio/Aide/Aide-Sudoku.qch
  share/sudoku-lumio/Aide/.Aide-Sudoku/fts
)
for n in 16 22 24 32 48 64 128 256; do attendus+=(share/icons/hicolor/${n}x$n/apps/$ID.png); done
for f in "${attendus[@]}"; do [ -e "$P/$f" ] || echec "$f is missing"; done
[ "$(ls "$P"/share/sudoku-lumio/Sons/*.wav | wc -l)" -eq 8 ] || echec "the eight sounds are not all there"
for n in 16 48 256; do
  taille=$(identify -format '%wx%h' "$P/share/icons/hicolor/${n}x$n/apps/$ID.png")
  [ "$taille" = "${n}x$n" ] || echec "the ${n}px icon is $taille"
done
[ ! -e "$P/include" ] || echec "headers of the private library were installed"

# The program finds its library through its own run path, nothing of the build.
runpath=$(readelf -d "$P/bin/sudoku-lumio" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
[ "$runpath" = '$ORIGIN/../lib/sudoku-lumio' ] || echec "run path is '$runpath'"

# Runs the installed program as a user would, from another folder, with the build folder
# hidden under an empty one when the machine allows it.
cp tests/data/jeu_ecrit.sdk "$TMP/partie.sdk"
mkdir -p "$TMP/home"
cat >"$TMP/lancer.sh" <<EOF
#!/bin/sh
if [ "\$1" = cacher ]; then shift; mount -t tmpfs tmpfs "$BUILD" || exit 97; fi
cd "$TMP" && exec env -i PATH=/usr/bin:/bin HOME="$TMP/home" XDG_CONFIG_HOME="$TMP/home/.config" \
  XDG_RUNTIME_DIR="$TMP" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "\$@"
EOF
chmod +x "$TMP/lancer.sh"
if unshare --mount --propagation private true 2>/dev/null; then
  lancer() { unshare --mount --propagation private "$TMP/lancer.sh" cacher "$@"; }
elif unshare --user --map-root-user --mount true 2>/dev/null; then
  lancer() { unshare --user --map-root-user --mount "$TMP/lancer.sh" cacher "$@"; }
else
  echo "installation: cannot hide the build folder on this machine; running beside it" >&2
  lancer() { "$TMP/lancer.sh" "$@"; }
fi
lancer "$P/bin/sudoku-lumio" --version >"$TMP/version" || echec "--version failed"
grep -q "^Sudoku Lumio 3.3" "$TMP/version" || echec "--version printed: $(cat "$TMP/version")"
grille=53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79
lancer "$P/bin/sudoku-lumio" --resoudre - <<<"$grille" >"$TMP/solution" || echec "--resoudre failed"
grep -qx '534678912672195348198342567859761423426853791713924856961537284287419635345286179' \
  "$TMP/solution" || echec "--resoudre printed: $(cat "$TMP/solution")"
lancer strace -f -qq -e trace=openat -o "$TMP/appels" "$P/bin/sudoku-lumio" --capture "$TMP/capture.png" \
  "$TMP/partie.sdk" 2>"$TMP/erreurs" || echec "--capture failed: $(cat "$TMP/erreurs")"
[ "$(identify -format '%wx%h' "$TMP/capture.png")" = 730x517 ] || echec "the capture is not 730x517"
grep -E "\"$P/share/sudoku-lumio/Sons/[A-Za-z]+\.wav\", O_RDONLY[^=]*= [0-9]" "$TMP/appels" >/dev/null ||
  echec "no sound was read from the prefix"
if grep -F "$BUILD" "$TMP/appels" | grep -v ENOENT | grep -q .; then echec "the program read the build folder"; fi

# The validators of the freedesktop files.
desktop-file-validate "$P/share/applications/$ID.desktop"
# Clean even of AppStream's pedantic remarks.
appstreamcli validate --pedantic --no-net --explain "$P/share/metainfo/$ID.metainfo.xml" >"$TMP/appstream" ||
  { cat "$TMP/appstream"; echec "AppStream metadata refused"; }
if grep -q '^[EWIP]:' "$TMP/appstream"; then cat "$TMP/appstream"; echec "AppStream metadata not clean"; fi
xmllint --noout "$P/share/mime/packages/$ID.xml"
zcat "$P/share/man/man6/sudoku-lumio.6.gz" | LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z 2>"$TMP/man"
[ ! -s "$TMP/man" ] || { cat "$TMP/man"; echec "manual page warnings"; }

# The saved-game type, known by its name and by its first bytes.
mkdir -p "$TMP/mime/mime/packages"
cp "$P/share/mime/packages/$ID.xml" "$TMP/mime/mime/packages/"
update-mime-database "$TMP/mime/mime" >/dev/null 2>&1
cp "$TMP/partie.sdk" "$TMP/sans-extension"
for f in partie.sdk sans-extension; do
  type=$(XDG_DATA_HOME="$TMP/mime" XDG_DATA_DIRS="$TMP/mime:/usr/share" mimetype -b "$TMP/$f")
  [ "$type" = application/x-sudoku-lumio-partie ] || echec "$f is seen as $type"
done

echo "installation: the installed game works from $P alone"
