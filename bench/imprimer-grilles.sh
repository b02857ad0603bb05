#!/bin/sh
# Times the whole program writing a batch of 99 grids and their solutions to a PDF, several
# runs, and prints each run and the best one (the machine may be busy with other work).
# Usage: bench/imprimer-grilles.sh [RUNS]   (from the repository root; the build folder is
# ./build unless BUILD says otherwise)
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$racine/build}
essais=${1:-7}
programme=$build/bin/sudoku-lumio
[ -x "$programme" ] || { echo "$programme est introuvable : lancer make test d'abord." >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Settings in a scratch folder: the user's own are never read nor written.
export XDG_CONFIG_HOME="$tmp"

echo "charge : $(cut -d' ' -f1-3 /proc/loadavg)"
meilleur=""
i=1
while [ "$i" -le "$essais" ]; do
    debut=$(date +%s%N)
    "$programme" --imprimer-grilles 99 "$tmp/lot.pdf" --graine "$i" 2>/dev/null
    fin=$(date +%s%N)
    ms=$(( (fin - debut) / 1000000 ))
    echo "essai $i : $ms ms"
    if [ -z "$meilleur" ] || [ "$ms" -lt "$meilleur" ]; then meilleur=$ms; fi
    i=$((i + 1))
done
pages=$(pdfinfo "$tmp/lot.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
echo "meilleur : $meilleur ms pour 99 grilles et leurs solutions ($pages pages, $(stat -c %s "$tmp/lot.pdf") octets)"
