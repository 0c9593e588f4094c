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

# The Debian package: its Debian file name, gzipped manual pages and
# changelog, a copyright file, and no error from lintian.
(cd "$native" && cpack -G DEB -B "$scratch/deb" >/dev/null)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION \(.*\))$/\1/p' cmake/packaging.cmake)
deb=$scratch/deb/toval_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "package check: no $(basename "$deb") among: $(ls "$scratch/deb")" >&2; exit 1; }
dpkg-deb --info "$deb" >/dev/null
dpkg -x "$deb" "$scratch/root"
holds "$scratch/root/usr" bin/toval bin/toval-tools share/man/man1/toval.1.gz share/man/man1/toval-tools.1.gz \
  share/doc/toval/copyright share/doc/toval/changelog.gz \
  share/doc/toval/guide.md share/doc/toval/toval-results.schema.json share/doc/toval/galpao.svg \
  share/doc/toval/examples/GALPAO.CMB share/doc/toval/examples/GALPAO.ESF share/doc/toval/examples/galpao.answers
cmp <(gzip -dc "$scratch/root/usr/share/man/man1/toval.1.gz") docs/toval.1 ||
  { echo "package check: the packaged toval.1.gz is not docs/toval.1" >&2; exit 1; }
# toval is static: nothing it links may be asked for.
if ldd "$scratch/root/usr/bin/toval" >/dev/null 2>&1; then
  echo "package check: the packaged toval is not static" >&2; exit 1
fi
depends=$(dpkg-deb --field "$deb" Depends)
# toval-tools links the C and C++ runtime, zlib and libxlsxwriter only;
# nothing else may be asked for.
for package in $(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/ //g'); do
  case $package in
    libc6 | libstdc++6 | libgcc-s1 | zlib1g | libxlsxwriter4) ;;
    *) echo "package check: Depends names $package, which neither program links" >&2; exit 1 ;;
  esac
done
echo "package check: Depends: ${depends:-none}"
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$scratch/lintian" 2>&1 ||
    { echo "package check: lintian finds errors in $(basename "$deb"):" >&2; cat "$scratch/lintian" >&2; exit 1; }
  grep -v '^N:' "$scratch/lintian" | sed 's/^/package check: lintian: /' || true
else
  echo "package check: lintian is missing (.ci/install-packages installs it)" >&2
  exit 1
fi
run_example "$scratch/root/usr/share/doc/toval" "$scratch/root/usr/bin/toval"
"$scratch/root/usr/bin/toval-tools" --version | grep -q '^toval-tools '
echo "package check: $(basename "$deb") installs and runs the example"

# The Windows zip, its toval.exe run under wine.
if [ -n "$windows" ]; then
  (cd "$windows" && cpack -G ZIP -B "$scratch/zip" >/dev/null)
  # The layout the README gives: one folder toval-VERSION-Windows-x86_64
  # holding bin, share\man\man1 and share\doc\toval, and nothing else.
  name=toval-$version-Windows-x86_64
  zip=$scratch/zip/$name.zip
  [ -f "$zip" ] || { echo "package check: no $name.zip among: $(ls "$scratch/zip")" >&2; exit 1; }
  mkdir "$scratch/unzipped"
  (cd "$scratch/unzipped" && cmake -E tar xf "$zip")
  [ "$(LC_ALL=C ls "$scratch/unzipped")" = "$name" ] ||
    { echo "package check: the zip should hold the one folder $name: $(ls "$scratch/unzipped")" >&2; exit 1; }
  top=$scratch/unzipped/$name
  [ "$(LC_ALL=C ls "$top" | tr '\n' ' ')" = "bin share " ] && [ "$(LC_ALL=C ls "$top/bin" | tr '\n' ' ')" = "toval-tools.exe toval.exe " ] ||
    { echo "package check: the zip's folder should hold bin (the two programs) and share only" >&2; exit 1; }
  holds "$top" bin/toval.exe bin/toval-tools.exe share/man/man1/toval.1 share/man/man1/toval-tools.1 \
    share/doc/toval/guide.md share/doc/toval/toval-results.schema.json share/doc/toval/galpao.svg \
    share/doc/toval/examples/GALPAO.CMB share/doc/toval/examples/GALPAO.ESF share/doc/toval/examples/galpao.answers
  run_example "$top/share/doc/toval" wine "$top/bin/toval.exe"
  echo "package check: $(basename "$zip") holds both programs and its toval.exe runs the example"
fi
