#!/usr/bin/env bash
# Measures toval-tools export on frames of today's size: LARGE (3000 nodes,
# 5000 bars, 40 cases, 200 combinations of 20 terms: a million slots, a
# forces file of 65 MB) and LARGE4X (the same with four times the bars).
# For each, the export as JSON into a file, as every CSV table into a
# folder (-o DIR/) and as a workbook of every table (.xlsx): the wall time and peak resident memory from
# /usr/bin/time -v, the size written; then LARGE4X's time over LARGE's.
#
#   bench/measure_export.sh
#   TOOLS=/path/to/another/toval-tools bench/measure_export.sh   # e.g. an older build
#
# Targets: peak RSS under 256 MiB on LARGE; LARGE4X in at most 4.5 times
# LARGE's time. Exit status 1 when one is missed or a run fails. Needs CMake,
# a C++20 compiler and /usr/bin/time (the Debian package `time`, installed
# with apt-get when missing).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench}
INPUTS=$BUILD_DIR/export-inputs
RSS_LIMIT_KIB=$((256 * 1024))
RATIO_LIMIT=4.5

if [[ ! -x /usr/bin/time ]]; then
  echo "/usr/bin/time is missing: installing the package 'time' with apt-get"
  if [[ $(id -u) -eq 0 ]]; then apt-get install -y time; else sudo apt-get install -y time; fi
fi

echo "== building toval-tools (Release) and the input generator in $BUILD_DIR"
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DTOVAL_TESTS=OFF -DTOVAL_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j2 --target toval-tools toval_bench_inputs >/dev/null
TOOLS=${TOOLS:-$BUILD_DIR/toval-tools}

echo "== writing LARGE and LARGE4X into $INPUTS"
"$BUILD_DIR/bench/toval_bench_inputs" --export "$INPUTS"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$INPUTS"

declare -A SECONDS_OF
failed=0
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(uname -srm), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
printf '%-8s %9s %-5s %10s %14s %12s  %s\n' input "forces MB" form "wall s" "peak RSS KiB" "written MB" verdict
for name in LARGE LARGE4X; do
  for form in json csv xlsx; do
    out=$work/$name.$form
    case $form in
      json) args=(-o "$out") ;;
      csv) args=(--format csv -o "$out/") ;;
      xlsx) args=(--format xlsx -o "$out") ;;
    esac
    if ! /usr/bin/time -v -o "$work/time" "$TOOLS" export "${args[@]}" "$name.CMB" "$name.FRC" 2>"$work/err"; then
      echo "export failed on $name ($form):" >&2
      cat "$work/err" >&2
      exit 1
    fi
    wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s}' "$work/time")
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2 + 0}' "$work/time")
    written=$(du -sb "$out" | awk '{printf "%.1f", $1 / 1e6}')
    size=$(awk -v b="$(wc -c <"$name.FRC")" 'BEGIN {printf "%.1f", b / 1e6}')
    SECONDS_OF[$name.$form]=$wall
    verdict=ok
    if [[ $name == LARGE ]] && ((rss >= RSS_LIMIT_KIB)); then verdict="MISSED (memory)"; failed=1; fi
    printf '%-8s %9s %-5s %10s %14s %12s  %s\n' "$name" "$size" "$form" "$wall" "$rss" "$written" "$verdict"
    rm -rf "$out"
  done
done
for form in json csv xlsx; do
  ratio=$(awk -v a="${SECONDS_OF[LARGE4X.$form]}" -v b="${SECONDS_OF[LARGE.$form]}" 'BEGIN {printf "%.2f", a / b}')
  verdict=ok
  if awk -v r="$ratio" -v l="$RATIO_LIMIT" 'BEGIN {exit !(r > l)}'; then verdict="MISSED (linearity)"; failed=1; fi
  printf 'LARGE4X over LARGE, %s: %s times the time (limit %s)  %s\n' "$form" "$ratio" "$RATIO_LIMIT" "$verdict"
done
exit $failed
