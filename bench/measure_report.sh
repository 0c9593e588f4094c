#!/usr/bin/env bash
# Measures toval-tools report on the benchmark inputs: the page's size, the
# time and peak memory of making it, and the time headless Chromium takes to
# open it and print it to PDF, with the PDF's page count.
#
#   bench/measure_report.sh                      # the benchmark inputs and LARGE
#   INPUTS=/path/with/NAME.CMB+NAME.FRC bench/measure_report.sh NAME ...
#
# Target: every page under 25 MB, and Chromium printing it within its own
# default limits (no timeout option given here). Exit status 1 when a
# target is missed or a run fails. Needs CMake, a C++20 compiler,
# /usr/bin/time, Chromium at /usr/bin/chromium and pdfinfo.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench}
INPUTS=${INPUTS:-$BUILD_DIR/bench-inputs}
SIZE_LIMIT=$((25 * 1000 * 1000))

echo "== building toval-tools (Release) and the input generator in $BUILD_DIR"
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DTOVAL_TESTS=OFF -DTOVAL_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j2 --target toval-tools toval_bench_inputs >/dev/null
if [[ $# -eq 0 ]]; then
  mkdir -p "$INPUTS"
  "$BUILD_DIR/bench/toval_bench_inputs" "$INPUTS" >/dev/null
  # The large frame of the export's benchmark, beside the others.
  large=$BUILD_DIR/export-inputs
  mkdir -p "$large"
  [[ -f $large/LARGE.FRC ]] || "$BUILD_DIR/bench/toval_bench_inputs" --export "$large" >/dev/null
  for name in LARGE.CMB LARGE.FRC; do ln -sf "$large/$name" "$INPUTS/$name"; done
  set -- FULL WIDE LARGE
fi

failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in "$@"; do
  page=$work/$name.html
  (cd "$INPUTS" && SOURCE_DATE_EPOCH=0 /usr/bin/time -f "%e %M" -o "$work/time" \
    "$BUILD_DIR/toval-tools" report -o "$page" "$name.CMB" "$name.FRC")
  read -r seconds kib <"$work/time"
  bytes=$(stat -c %s "$page")
  start=$EPOCHREALTIME
  /usr/bin/chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile-$name" --no-pdf-header-footer --print-to-pdf="$work/$name.pdf" \
    "file://$page" >/dev/null 2>&1 || failed=1
  printed=$(echo "$EPOCHREALTIME - $start" | bc)
  pages=$(pdfinfo "$work/$name.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
  printf '%-8s page %10d bytes  made in %5.2f s, %6d KiB  printed in %6.2f s, %s pages\n' \
    "$name" "$bytes" "$seconds" "$kib" "$printed" "${pages:-no}"
  if ((bytes >= SIZE_LIMIT)) || [[ -z ${pages:-} ]]; then failed=1; fi
done
exit $failed
