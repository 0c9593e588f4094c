#!/usr/bin/env bash
# Times toval on the benchmark inputs against `wc -l` over the same forces file.
#
#   bench/run_benchmark.sh            # 11 timed runs of each after a warm-up
#   RUNS=21 bench/run_benchmark.sh    # more runs
#   BUILD_DIR=/tmp/b bench/run_benchmark.sh
#
# It builds toval in Release with the C++ runtime linked statically, builds the
# input generator, writes FULL, WIDE and PADDED (about 100 MB) into
# $BUILD_DIR/bench-inputs, then for each input runs toval and `wc -l` in turn,
# both started the same way from this shell, and prints the median wall time
# of each, their ratio and toval's peak resident memory (from /usr/bin/time -v).
# Exit status 1 when a target is missed or a run fails.
#
# Needs bash 5 (for EPOCHREALTIME), CMake, a C++20 compiler and /usr/bin/time;
# when /usr/bin/time is missing the script installs the Debian package `time`
# with apt-get (as root, or through sudo).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench}
RUNS=${RUNS:-11}
INPUTS=$BUILD_DIR/bench-inputs

# Targets: the run's median over wc -l's median, per input; memory for all.
declare -A RATIO_LIMIT=([FULL]=2.0 [PADDED]=1.3)
MEMORY_LIMIT_KIB=$((8 * 1024))

if [[ ! -x /usr/bin/time ]]; then
  echo "/usr/bin/time is missing: installing the package 'time' with apt-get"
  if [[ $(id -u) -eq 0 ]]; then
    apt-get install -y time
  else
    sudo apt-get install -y time
  fi
fi

echo "== building toval (Release, static runtime) and the input generator in $BUILD_DIR"
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DTOVAL_STATIC_RUNTIME=ON -DTOVAL_TESTS=OFF \
  -DTOVAL_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" --target toval toval_bench_inputs -j2 >/dev/null
TOVAL=$BUILD_DIR/toval

echo "== writing the inputs into $INPUTS"
"$BUILD_DIR/bench/toval_bench_inputs" "$INPUTS"
cd "$INPUTS"

# Wall time of one run in microseconds, read from bash's own clock right
# before and after the command (no process started for the reading).
# toval reads its answers on standard input.
time_toval() {
  local start=$EPOCHREALTIME
  "$TOVAL" <"$1.ANS" >"$1.out" 2>"$1.err" || { echo "toval failed on $1:" >&2; cat "$1.err" >&2; exit 1; }
  local end=$EPOCHREALTIME
  echo $((${end//[!0-9]/} - ${start//[!0-9]/}))
}
time_wc() {
  local start=$EPOCHREALTIME
  wc -l "$1.FRC" >/dev/null
  local end=$EPOCHREALTIME
  echo $((${end//[!0-9]/} - ${start//[!0-9]/}))
}
median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
ms() { awk -v us="$1" 'BEGIN {printf "%.2f", us / 1000}'; }

echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(uname -srm), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
echo "== $RUNS timed runs of each after one warm-up run"
printf '%-7s %10s %12s %12s %7s %7s %15s  %s\n' input "forces MB" "toval ms" "wc -l ms" ratio limit "peak RSS KiB" verdict
failed=0
for name in FULL WIDE PADDED; do
  time_toval "$name" >/dev/null
  time_wc "$name" >/dev/null
  grep -q 'Stop - Program terminated.' "$name.out" || { echo "toval did not end normally on $name" >&2; exit 1; }
  toval_runs=() wc_runs=()
  for ((i = 0; i < RUNS; i++)); do
    toval_runs+=("$(time_toval "$name")")
    wc_runs+=("$(time_wc "$name")")
  done
  toval_median=$(median "${toval_runs[@]}")
  wc_median=$(median "${wc_runs[@]}")
  ratio=$(awk -v a="$toval_median" -v b="$wc_median" 'BEGIN {printf "%.2f", a / b}')
  rss=$(/usr/bin/time -v "$TOVAL" <"$name.ANS" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ {print $2 + 0}')
  size=$(awk -v b="$(wc -c <"$name.FRC")" 'BEGIN {printf "%.1f", b / 1e6}')
  limit=${RATIO_LIMIT[$name]:--}
  verdict=ok
  if [[ $limit != - ]] && awk -v r="$ratio" -v l="$limit" 'BEGIN {exit !(r > l)}'; then verdict="MISSED (ratio)"; fi
  if ((rss >= MEMORY_LIMIT_KIB)); then verdict="MISSED (memory)"; fi
  [[ $verdict == ok ]] || failed=1
  printf '%-7s %10s %12s %12s %7s %7s %15s  %s\n' "$name" "$size" "$(ms "$toval_median")" "$(ms "$wc_median")" \
    "$ratio" "$limit" "$rss" "$verdict"
done
exit $failed
