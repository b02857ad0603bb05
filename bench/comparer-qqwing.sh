#!/bin/sh
# Runs the game's solver and qqwing --solve on the same puzzle files, one after the other, and
# prints each one's rate and their ratio per file. Solving time only on both sides: qqwing's own
# per-puzzle times (--timer) added up, the fastest of its runs, against the fastest pass of the
# benchmark program.
# Usage: bench/comparer-qqwing.sh [-n NOMBRE] [-r FOIS] [DOSSIER]   (from the repository root;
# the build folder is ./build unless BUILD says otherwise; qqwing runs FOIS times, 3 by default)
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$racine/build}
nombre=""
fois=3
while [ $# -gt 0 ]; do
    case $1 in
    -n) nombre=$2; shift 2 ;;
    -r) fois=$2; shift 2 ;;
    *) break ;;
    esac
done
dossier=${1:-$racine/tests/data}

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
    meilleur=""
    i=0
    while [ $i -lt "$fois" ]; do
        # One "Time: x milliseconds" line per puzzle.
        s=$(qqwing --solve --timer --one-line < "$tmp/$nom" | awk '
            $1 == "Time:" { t += $2 * ($3 ~ /^micro/ ? 1e-6 : $3 ~ /^milli/ ? 1e-3 : 1) }
            END { printf "%.9f", t }')
        meilleur=$(awk -v a="$s" -v b="$meilleur" 'BEGIN { print (b == "" || a < b) ? a : b }')
        i=$((i + 1))
    done
    awk -v nom="$nom" -v n="$n" -v l="$lumio" -v s="$meilleur" 'BEGIN {
        q = n / s
        printf "%-24s %8d %12.0f %12.0f %7.1fx\n", nom, n, l, q, l / q
    }'
done
