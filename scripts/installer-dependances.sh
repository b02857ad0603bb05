#!/usr/bin/env bash
# Installs the Debian packages the game needs, when they are missing: those that building and
# running need (`make run`), and with `test` also those only the tests use (`make test`).
# Usage: installer-dependances.sh [execution|test]
set -euo pipefail

# To build the game and its help, and to run it.
EXECUTION=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n
  qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite
  fonts-comic-neue fonts-liberation
  qt6-wayland
)
# Only for the tests, the sanitizer and fuzz builds, the benchmarks and the package.
TEST=(
  xvfb xauth openbox xdotool x11-utils imagemagick poppler-utils sox qqwing valgrind
  clang libclang-rt-dev
  desktop-file-utils appstream shared-mime-info libfile-mimeinfo-perl libxml2-utils groff-base
  strace dpkg-dev
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  lintian file qt6-gtk-platformtheme
  weston cups printer-driver-cups-pdf
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng locales
)

PAQUETS=("${EXECUTION[@]}")
case "${1:-execution}" in
  execution) ;;
  test) PAQUETS+=("${TEST[@]}") ;;
  *) echo "usage: $0 [execution|test]" >&2; exit 2 ;;
esac

manquants=()
for p in "${PAQUETS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    manquants+=("$p")
  fi
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${manquants[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# Another install may hold the package lock for a while: wait for it rather than fail.
APT=(apt-get -o DPkg::Lock::Timeout=900)
$SUDO "${APT[@]}" update -qq
$SUDO "${APT[@]}" install -y -qq --no-install-recommends "${manquants[@]}"
