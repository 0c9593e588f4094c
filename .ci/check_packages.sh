#!/usr/bin/env bash
# Packaging check: builds the Debian package from the native build directory
# and the zip from the Windows build directory, unpacks each into a scratch
# root and runs the installed toval on the installed example; its report must
# equal the hand-checked one byte for byte. Also checks that each package
# holds both programs, both manual pages, the guide and the example.
#   usage: .ci/check_packages.sh NATIVE_BUILD_DIR [WINDOWS_BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
native=$1
windows=${2:-}
reference=$PWD/tests/e2e/data/example/GALPAO.TOV
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

holds() {  # ROOT FILE...: every FILE is in ROOT
  local root=$1
  shift
  for f in "$@"; do
    [ -f "$root/$f" ] || { echo "package check: $f is missing from the package" >&2; exit 1; }
  done
}

run_example() {  # DOC_DIR COMMAND...: runs the installed toval on the installed example
  local doc=$1
  shift
  local run=$scratch/run-$RANDOM
  mkdir "$run"
  cp "$doc"/examples/GALPAO.CMB "$doc"/examples/GALPAO.ESF "$run"/
  (cd "$run" && "$@" <"$doc"/examples/galpao.answers >stdout 2>stderr) ||
    { echo "package check: the installed toval failed:" >&2; cat "$run/stderr" >&2; exit 1; }
  cmp "$run/GALPAO.TOV" "$reference" ||
    { echo "package check: the installed toval's report differs from $reference" >&2; exit 1; }
}

# The Debian package.
(cd "$native" && cpack -G DEB -B "$scratch/deb" >/dev/null)
deb=$(ls "$scratch"/deb/toval-*.deb)
dpkg-deb --info "$deb" >/dev/null
dpkg -x "$deb" "$scratch/root"
holds "$scratch/root/usr" bin/toval bin/toval-tools share/man/man1/toval.1 share/man/man1/toval-tools.1 \
  share/doc/toval/guide.md share/doc/toval/examples/GALPAO.CMB share/doc/toval/examples/GALPAO.ESF \
  share/doc/toval/examples/galpao.answers
run_example "$scratch/root/usr/share/doc/toval" "$scratch/root/usr/bin/toval"
"$scratch/root/usr/bin/toval-tools" --version | grep -q '^toval-tools '
echo "package check: $(basename "$deb") installs and runs the example"

# The Windows zip, its toval.exe run under wine.
if [ -n "$windows" ]; then
  (cd "$windows" && cpack -G ZIP -B "$scratch/zip" >/dev/null)
  zip=$(ls "$scratch"/zip/toval-*.zip)
  mkdir "$scratch/unzipped"
  (cd "$scratch/unzipped" && cmake -E tar xf "$zip")
  top=$(ls -d "$scratch"/unzipped/toval-*)
  holds "$top" bin/toval.exe bin/toval-tools.exe share/man/man1/toval.1 share/man/man1/toval-tools.1 \
    share/doc/toval/guide.md share/doc/toval/examples/GALPAO.CMB share/doc/toval/examples/GALPAO.ESF \
    share/doc/toval/examples/galpao.answers
  run_example "$top/share/doc/toval" wine "$top/bin/toval.exe"
  echo "package check: $(basename "$zip") holds both programs and its toval.exe runs the example"
fi
