#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs them side by side, each for a bounded time. A crash,
# a hang or a memory blow-up leaves its reproducer among the seeds (tests/data/fuzz/<target>/),
# where the ordinary tests replay it until it is fixed and the file committed.
set -euo pipefail
cd "$(dirname "$0")/.."
DOSSIER=${1:-build-fuzz}
SECONDES=${2:-60}

cmake -S . -B "$DOSSIER" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIO_FUZZ=ON >/dev/null
cmake --build "$DOSSIER" -j "$(nproc)" --target fuzz_partie fuzz_resolution fuzz_reprise

CIBLES=(partie resolution reprise)
pids=()
for cible in "${CIBLES[@]}"; do
  # New inputs go to the build folder; the seeds in the repository are only read.
  corpus="$DOSSIER/corpus/$cible"
  mkdir -p "$corpus"
  "$DOSSIER/bin/fuzz_$cible" "$corpus" "tests/data/fuzz/$cible" -dict="tests/data/fuzz/$cible.dict" \
    -max_len=4096 -timeout=10 -rss_limit_mb=2048 -max_total_time="$SECONDES" -print_final_stats=1 \
    -artifact_prefix="tests/data/fuzz/$cible/" >"$DOSSIER/fuzz_$cible.log" 2>&1 &
  pids+=($!)
done

echec=0
for i in "${!CIBLES[@]}"; do
  cible=${CIBLES[$i]}
  if ! wait "${pids[$i]}"; then
    echec=1
    echo "fuzz_$cible a trouvé une faute (la fin de $DOSSIER/fuzz_$cible.log) :"
    tail -n 40 "$DOSSIER/fuzz_$cible.log"
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$DOSSIER/fuzz_$cible.log")
  parSeconde=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$DOSSIER/fuzz_$cible.log")
  echo "fuzz_$cible : ${executions:-?} exécutions, ${parSeconde:-?} par seconde"
done
exit $echec
