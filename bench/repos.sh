#!/usr/bin/env bash
# What the game costs while nobody plays, on a virtual display with openbox: the time from exec to
# the main window mapped and the resident memory after start (several starts, best and median),
# then wake-ups a second and CPU with a game on the board, in view with the clock running and
# minimised.
# Usage: bench/repos.sh [PROGRAMME [ARGUMENTS...]]   (from the repository root; by default the
# build's program, ./build/bin/sudoku-lumio). AFFICHAGE picks the virtual display (:99), ESSAIS
# the number of starts (7), FENETRE the seconds each idle figure is measured over (30).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
programme=${1:-${BUILD:-$racine/build}/bin/sudoku-lumio}
[ $# -gt 0 ] && shift
affichage=${AFFICHAGE:-:99}
essais=${ESSAIS:-7}
fenetre=${FENETRE:-30}
[ -x "$programme" ] || { echo "$programme est introuvable : lancer make test d'abord." >&2; exit 2; }
for outil in Xvfb openbox xdotool xev xprop stdbuf; do
    command -v "$outil" >/dev/null || { echo "$outil manque : lancer scripts/installer-dependances.sh." >&2; exit 2; }
done
if [ -e "/tmp/.X11-unix/X${affichage#:}" ] || [ -e "/tmp/.X${affichage#:}-lock" ]; then
    echo "L'affichage $affichage est déjà pris : en choisir un autre avec AFFICHAGE=:N." >&2
    exit 2
fi

tmp=$(mktemp -d)
pids=()
jeu=""
arreter() {
    local p
    if [ -n "$jeu" ]; then kill "$jeu" 2>/dev/null || true; fi
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
}
trap 'arreter; rm -rf "$tmp"' EXIT
# Settings, kept games and the session's runtime files in a scratch folder: the user's own are
# never read nor written; no session bus, so no desktop service wakes the game either.
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/donnees" XDG_RUNTIME_DIR="$tmp/run"
export DISPLAY="$affichage"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

Xvfb "$affichage" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
xprop -root >/dev/null 2>&1 || { echo "Xvfb n'a pas pu ouvrir l'affichage $affichage." >&2; exit 1; }
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

# Every map of a top-level window, as the window manager shows it, read line by line.
mkfifo "$tmp/cartes"
stdbuf -oL xev -root -event substructure >"$tmp/cartes" 2>/dev/null &
pids+=($!)
exec 3<"$tmp/cartes"
sleep 0.5

# Starts the program and waits for its window: sets `jeu` (its pid) and `ms` (exec to mapped).
lancer() {
    local debut fin ligne suite
    debut=$EPOCHREALTIME
    "$programme" "$@" >/dev/null 2>&1 &
    jeu=$!
    fin=""
    while read -r -t 30 ligne <&3; do
        [[ $ligne == MapNotify* ]] || continue
        read -r -t 5 suite <&3 || break
        if [[ $suite == *"override NO"* ]]; then
            fin=$EPOCHREALTIME
            break
        fi
    done
    [ -n "$fin" ] || { echo "La fenêtre du programme n'est jamais apparue." >&2; exit 1; }
    ms=$(awk -v a="$debut" -v b="$fin" 'BEGIN { printf "%.0f", (b - a) * 1000 }')
}

finir() {
    kill "$jeu" 2>/dev/null || true
    wait "$jeu" 2>/dev/null || true
    jeu=""
}

# One line a thread of the game: id, name, context switches so far (the thread's own, then those
# the scheduler imposed on it), nanoseconds on a CPU so far.
echantillon() {
    local t nom cs ns
    for t in /proc/"$jeu"/task/*; do
        nom=$(tr ' ' '_' <"$t/comm" 2>/dev/null) || continue
        cs=$(awk '/^voluntary_ctxt_switches/ { v = $2 } /^nonvoluntary_ctxt_switches/ { n = $2 }
                  END { print v, n }' "$t/status" 2>/dev/null) || continue
        read -r ns _ <"$t/schedstat" 2>/dev/null || continue
        echo "${t##*/} $nom $cs $ns"
    done
}

# Wake-ups a second and share of a core over `fenetre` seconds; a thread born meanwhile counts
# from nothing, one that ended meanwhile is lost (the few switches of its end).
mesurer() {
    local titre=$1
    echantillon >"$tmp/avant"
    sleep "$fenetre"
    echantillon >"$tmp/apres"
    awk -v f="$fenetre" -v titre="$titre" '
        NR == FNR { v[$1] = $3; n[$1] = $4; ns[$1] = $5; next }
        {
            dv = $3 - v[$1]; dn = $4 - n[$1]; c = $5 - ns[$1]
            total += dv + dn; cpu += c
            detail = detail sprintf("%s%s %.1f (%.1f imposés)", detail == "" ? "" : ", ", $2,
                                    (dv + dn) / f, dn / f)
        }
        END {
            printf "%s : %.1f réveils/s, %.3f %% d'\''un cœur (%.3f s de CPU par minute)\n",
                   titre, total / f, cpu / f / 1e7, cpu / f * 60 / 1e9
            printf "    par fil : %s\n", detail
        }' "$tmp/avant" "$tmp/apres"
}

echo "programme : $programme"
echo "charge : $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) processeurs), $(date '+%Y-%m-%d %H:%M')"

: >"$tmp/temps"
: >"$tmp/memoire"
for i in $(seq "$essais"); do
    lancer "$@"
    # Whatever the game does once shown (its first game, its sounds) is done a few seconds later.
    sleep 3
    rss=$(awk '/^VmRSS/ { print $2 }' /proc/"$jeu"/status)
    finir
    echo "$ms" >>"$tmp/temps"
    echo "$rss" >>"$tmp/memoire"
    echo "démarrage $i : $ms ms, $((rss / 1024)) Mo résidents"
done
sort -n "$tmp/temps" -o "$tmp/temps"
sort -n "$tmp/memoire" -o "$tmp/memoire"
median() { awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }' "$1"; }
echo "démarrage (exec → fenêtre affichée) : meilleur $(head -1 "$tmp/temps") ms, médian $(median "$tmp/temps") ms"
echo "mémoire résidente 3 s après le démarrage : médiane $(median "$tmp/memoire" | awk '{ printf "%.1f", $1 / 1024 }') Mo"

lancer "$@"
sleep 5
mesurer "au repos, fenêtre visible, chrono en marche"
# Asked again until the window manager has done it: a request may come before it is ready.
id=""
for _ in $(seq 100); do
    [ -n "$id" ] || id=$(xdotool search --onlyvisible --pid "$jeu" --name '^Sudoku Lumio$' 2>/dev/null | head -1)
    if [ -n "$id" ]; then
        xprop -id "$id" WM_STATE 2>/dev/null | grep -q Iconic && break
        xdotool windowminimize "$id" 2>/dev/null || true
    fi
    sleep 0.1
done
[ -n "$id" ] && xprop -id "$id" WM_STATE 2>/dev/null | grep -q Iconic ||
    { echo "La fenêtre n'a pas pu être réduite." >&2; exit 1; }
sleep 3
mesurer "au repos, fenêtre réduite"
finir
