#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time on its seed
# corpus (the seeds here, the examples and the regression inputs). Any crash,
# sanitizer finding, timeout or leak ends this script with a non-zero status.
#
#   fuzz/run_fuzzers.sh [build-dir] [seconds for fields] [for combination] [for run] [build-only]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build-fuzz}
times=("${2:-15}" "${3:-15}" "${4:-30}")
separator=$'\n----8<----\n'  # splits a run input into its two files

CXX=clang++ cmake -S . -B "$build" -DTOVAL_FUZZ=ON -DTOVAL_TESTS=OFF -DTOVAL_BENCH=OFF -DTOVAL_WERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_fields fuzz_combination fuzz_run -j2
[ "${5:-}" = build-only ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seeds of the combination-file and whole-run targets from the examples, the
# end-to-end cases and the regression inputs: every *.CMB or COMB file, and
# with the forces file beside it (*.ESF, FORCES) one whole-run input.
mkdir -p "$work/seeds-combination" "$work/seeds-run"
n=0
while IFS= read -r comb; do
  dir=$(dirname "$comb")
  base=$(basename "$comb")
  n=$((n + 1))
  cp "$comb" "$work/seeds-combination/seed-$n"
  forces=""
  case $base in
    *.CMB) forces="$dir/${base%.CMB}.ESF" ;;
    COMB) forces="$dir/FORCES" ;;
  esac
  if [ -f "$forces" ]; then
    { cat "$comb"; printf '%s' "$separator"; cat "$forces"; } >"$work/seeds-run/seed-$n"
  fi
done < <(find examples tests/e2e/data tests/regressions/data -type f \( -name '*.CMB' -o -name COMB \) 2>/dev/null | sort)

status=0
run_target() {
  local target=$1 seconds=$2 dict=$3
  shift 3
  local corpus="$work/corpus-$target" artifacts="$work/artifacts-$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== $target: ${seconds}s"
  # A fresh corpus directory first: new inputs go there, the seeds stay as they are.
  if ! UBSAN_OPTIONS=print_stacktrace=1 "$root/$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -detect_leaks=1 -dict="$root/fuzz/$dict" -artifact_prefix="$artifacts/" -print_final_stats=1 \
      "$corpus" "$@" >"$work/$target.log" 2>&1; then
    status=1
    echo "== $target found a fault:"
    grep -v -E '^#[0-9]+' "$work/$target.log" | tail -60
    for a in "$artifacts"/*; do
      [ -f "$a" ] && { echo "-- input $(basename "$a") (base64):"; base64 -w 100 "$a"; }
    done
  fi
  grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$work/$target.log" || true
}

run_target fuzz_fields "${times[0]}" fields.dict fuzz/corpus/fields tests/regressions/data/fields
run_target fuzz_combination "${times[1]}" input_files.dict fuzz/corpus/combination "$work/seeds-combination"
run_target fuzz_run "${times[2]}" input_files.dict fuzz/corpus/run "$work/seeds-run"
exit $status
