#!/usr/bin/env bash
# The Windows programs' libxlsxwriter: Debian's source package of the library
# the Linux build links, cross-compiled with mingw-w64 as a static library
# against mingw-w64's zlib (package libz-mingw-w64-dev), installed into
# PREFIX (PREFIX/include, PREFIX/lib/libxlsxwriter.a). Does nothing when
# PREFIX holds it already.
#   usage: .ci/build-xlsxwriter-mingw.sh PREFIX
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(realpath -m "$1")
if [ -f "$prefix/lib/libxlsxwriter.a" ] && [ -f "$prefix/include/xlsxwriter.h" ]; then exit 0; fi
work=$prefix-work
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/source"

# apt with a source list, package lists and parts of its own, so that the
# machine's own apt setup is left as it is.
apt_own=(-q -o "Dir::Etc::SourceList=$root/.ci/debian-sources.list" -o "Dir::Etc::SourceParts=$work/apt/parts"
  -o "Dir::State::Lists=$work/apt/lists")
apt-get "${apt_own[@]}" update
(cd "$work" && apt-get "${apt_own[@]}" source --download-only libxlsxwriter)

# Debian builds the upstream source as it is (its packaging carries no
# patches); should a later revision carry some, they must be applied here.
debian_tar=$(ls "$work"/libxlsxwriter_*.debian.tar.*)
if tar tf "$debian_tar" | grep -q '^debian/patches/.'; then
  echo "build-xlsxwriter-mingw: $(basename "$debian_tar") carries patches; apply them" >&2
  exit 1
fi
tar xzf "$work"/libxlsxwriter_*.orig.tar.gz -C "$work/source" --strip-components=1

# Debian's configuration, but static, with the library's own copy of minizip
# (mingw-w64 has no minizip package) and its own MD5 (OpenSSL's is only used
# to find repeated images).
cmake -S "$work/source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
  -DUSE_SYSTEM_MINIZIP=OFF -DUSE_OPENSSL_MD5=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF >"$work/configure.log"
cmake --build "$work/build" -j2 >"$work/build.log"
cmake --install "$work/build" >/dev/null
rm -rf "$work"
echo "build-xlsxwriter-mingw: $prefix/lib/libxlsxwriter.a"
