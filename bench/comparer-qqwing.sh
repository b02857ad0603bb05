#!/bin/sh
# Runs the game's solver and qqwing --solve on the same puzzle files, one after the other, and
# prints each one's rate and their ratio per file.
# Usage: bench/comparer-qqwing.sh [-n NOMBRE] [DOSSIER]   (from the repository root; the build
# folder is ./build unless BUILD says otherwise)
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$racine/build}
nombre=""
if [ "${1:-}" = "-n" ]; then nombre=$2; shift 2; fi
dossier=${1:-$racine/../shared/data}

command -v qqwing >/dev/null || { echo "qqwing est introuvable (apt-get install qqwing)." >&2; exit 2; }
cmake --build "$build" --target bench-solveur -j2 >/dev/null
bench=$build/bin/bench-solveur
[ -x "$bench" ] || bench=$(find "$build" -name bench-solveur -type f -perm -u+x | head -n 1)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

printf '%-24s %8s %12s %12s %8s\n' fichier grilles lumio/s qqwing/s rapport
for f in "$dossier"/*.txt; do
    nom=$(basename "$f")
    if [ -n "$nombre" ]; then head -n "$nombre" "$f" > "$tmp/$nom"; else cp "$f" "$tmp/$nom"; fi
    n=$(grep -c '^.\{81\}' "$tmp/$nom" || true)
    lumio=$("$bench" "$tmp/$nom" | awk '{ print $(NF-1) }')
    debut=$(date +%s.%N)
    qqwing --solve --one-line < "$tmp/$nom" > /dev/null
    fin=$(date +%s.%N)
    awk -v nom="$nom" -v n="$n" -v l="$lumio" -v d="$debut" -v f="$fin" 'BEGIN {
        q = n / (f - d)
        printf "%-24s %8d %12.0f %12.0f %7.1fx\n", nom, n, l, q, l / q
    }'
done
