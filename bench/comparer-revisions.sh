#!/bin/sh
# Runs the solver of an earlier revision and that of the working tree side by side on the same
# puzzle files and prints, per file, each one's rate, the nodes each search visits and the
# speed-up. The earlier revision is unpacked and built in a temporary folder with this tree's
# benchmark program, so both sides are measured by the same code; the runs alternate (old, new,
# old, new...) so that whatever else the machine does weighs on both, and the best run of each
# side counts.
# With -i, each side also runs once under valgrind's callgrind, and the script prints the
# instructions each executes: slow, but the same on every machine however busy it is.
# Usage: bench/comparer-revisions.sh [-a REVISION] [-r FOIS] [-i] [DOSSIER]   (from anywhere in
# the repository; REVISION defaults to the merge-base of HEAD and main, FOIS to 5 runs a side,
# DOSSIER to tests/data; the working tree builds in ./build unless BUILD says otherwise)
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$racine/build}
revision=""
fois=5
instructions=""
while [ $# -gt 0 ]; do
    case $1 in
    -a) revision=$2; shift 2 ;;
    -r) fois=$2; shift 2 ;;
    -i) instructions=1; shift ;;
    -h | --help) sed -n '2,12p' "$0"; exit 0 ;;
    *) break ;;
    esac
done
dossier=${1:-$racine/tests/data}
if [ -n "$instructions" ] && ! command -v valgrind >/dev/null; then
    echo "valgrind est introuvable (apt-get install valgrind)." >&2
    exit 2
fi
[ -n "$revision" ] || revision=$(git -C "$racine" merge-base HEAD main)
revision=$(git -C "$racine" rev-parse --verify "$revision^{commit}")

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
trap 'exit 130' INT TERM

echo "Avant : $revision ($(git -C "$racine" log -1 --format=%cs "$revision"))"
echo "Après : l'arbre de travail sur $(git -C "$racine" rev-parse --short HEAD)"
mkdir "$tmp/arbre"
git -C "$racine" archive "$revision" | tar -x -C "$tmp/arbre"
# Only the solver's benchmark: the other programs of bench/ may need what the old tree lacks.
cp "$racine/bench/bench-solveur.cpp" "$tmp/arbre/bench/"
cat > "$tmp/arbre/bench/CMakeLists.txt" <<'FIN'
add_executable(bench-solveur bench-solveur.cpp)
target_link_libraries(bench-solveur PRIVATE lumio_core)
target_include_directories(bench-solveur PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_compile_definitions(bench-solveur PRIVATE LUMIO_RACINE="${CMAKE_SOURCE_DIR}")
FIN
cmake -S "$tmp/arbre" -B "$tmp/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$tmp/build" --target bench-solveur -j2 >/dev/null
[ -d "$build" ] || cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target bench-solveur -j2 >/dev/null
avant=$tmp/build/bin/bench-solveur
apres=$build/bin/bench-solveur

echo "Charge au départ :$(uptime | sed 's/.*load average://')"
# One line per run: file, side, nodes, grids per second.
for f in "$dossier"/*.txt; do
    i=0
    while [ $i -lt "$fois" ]; do
        for cote in avant apres; do
            eval "programme=\$$cote"
            "$programme" "$f" | awk -v c="$cote" '{ print $1, c, $(NF-5), $(NF-1) }' >> "$tmp/mesures"
        done
        i=$((i + 1))
    done
done
echo "Charge à la fin :$(uptime | sed 's/.*load average://')"

awk '
    { if (!($1 in vu)) { vu[$1] = 1; ordre[++n] = $1 }
      k = $1 SUBSEP $2; noeuds[k] = $3; if ($4 > taux[k]) taux[k] = $4 }
    END {
        printf "%-26s %12s %12s %12s %12s %9s\n", "fichier", "nœuds avant", "nœuds après", "avant/s", "après/s", "gain"
        for (i = 1; i <= n; i++) {
            f = ordre[i]; a = f SUBSEP "avant"; b = f SUBSEP "apres"
            printf "%-26s %12d %12d %12.0f %12.0f %8.2fx\n", f, noeuds[a], noeuds[b], taux[a], taux[b], taux[b] / taux[a]
        }
    }' "$tmp/mesures"

[ -n "$instructions" ] || exit 0
printf '\n%-26s %16s %16s %9s\n' fichier "instr. avant" "instr. après" gain
for f in "$dossier"/*.txt; do
    for cote in avant apres; do
        eval "programme=\$$cote"
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$programme" -p 1 "$f" 2>&1 |
            awk '/I[ ]+refs/ { gsub(",", "", $NF); print $NF }' > "$tmp/$cote"
    done
    awk -v f="$(basename "$f")" -v a="$(cat "$tmp/avant")" -v b="$(cat "$tmp/apres")" \
        'BEGIN { printf "%-26s %16.0f %16.0f %8.3fx\n", f, a, b, a / b }'
done
