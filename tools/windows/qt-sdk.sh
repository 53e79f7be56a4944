#!/usr/bin/env bash
# Prints the prefix of a Qt 6 (qtbase) SDK for 64-bit Windows, building it
# first when this machine has none. Debian ships no such binary, but ships
# the source and the host tools (moc, rcc, uic) of the same version, so it is
# cross-built here once and kept outside the tree. LUMOR_WINDOWS_QT names an
# existing SDK instead. Progress goes to stderr; only the prefix to stdout.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
qt_version=6.4.2

say() { echo "qt-sdk: $*" >&2; }

if [[ -n "${LUMOR_WINDOWS_QT:-}" ]]; then
  [[ -x "$LUMOR_WINDOWS_QT/bin/qt-cmake" ]] || { say "LUMOR_WINDOWS_QT=$LUMOR_WINDOWS_QT holds no Qt SDK"; exit 1; }
  echo "$LUMOR_WINDOWS_QT"
  exit 0
fi

# What lumor does not use is left out; OpenGL stays (the Windows platform
# plugin of this version does not build without it) and tablet events go
# (Debian's source lacks the wintab header).
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_openssl=OFF
)
key="$(printf '%s\n' "$qt_version" "${options[@]}" | cat - "$here/mingw64.cmake" | sha256sum | cut -c1-12)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/lumor"
prefix="$cache/qt-$qt_version-mingw64-$key"
if [[ -f "$prefix/.complete" ]]; then
  echo "$prefix"
  exit 0
fi

say "no Qt SDK for Windows on this machine yet: building one into $prefix"
say "this happens once per machine and takes 30 to 55 minutes"
bash "$here/../setup.sh" windows >&2

work="$cache/qt-src-$key"
rm -rf "$work"
mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial" "$work/src"
# A private source list, so the machine's own lists stay as they are.
cat >"$work/apt/sources.list.d/qt-src.sources" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
apt_opts=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
  -o "Dir::State::Lists=$work/apt/lists" -o "APT::Sandbox::User=root")
apt-get "${apt_opts[@]}" update -qq >&2
(cd "$work/src" && apt-get "${apt_opts[@]}" source -qq qt6-base >&2)
srcdir="$(find "$work/src" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)"
[[ -n "$srcdir" ]] || { say "the qt6-base source did not unpack"; exit 1; }

rm -rf "$prefix"
start=$SECONDS
cmake -G Ninja -S "$srcdir" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${options[@]}" >&2
nice cmake --build "$work/build" --parallel "${LUMOR_JOBS:-2}" >&2
cmake --install "$work/build" >&2
cp "$srcdir/LICENSES/LGPL-3.0-only.txt" "$prefix/" 2>/dev/null || true
echo "Qt $qt_version qtbase, Debian source package qt6-base $(basename "$srcdir")" >"$prefix/SOURCE"
touch "$prefix/.complete"
rm -rf "$work"
say "built in $(((SECONDS - start) / 60)) minutes"
echo "$prefix"
