#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds build/package/lumor_<version>_amd64.deb with Debian's hardening
# flags (fortify, stack protector, relro and now, PIE) and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh package >&2
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
# Build type None: Debian's flags alone decide the optimisation.
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DLUMOR_BUILD_TESTS=OFF -DLUMOR_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >&2
cmake --build build/package >&2
(cd build/package && rm -f lumor_*.deb && cpack -G DEB >&2)
ls "$PWD"/build/package/lumor_*.deb
