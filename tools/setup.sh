#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and
# generates the locales that the number-format tests run under. Only what is
# missing is installed, so a second run is quick and needs no network.
set -euo pipefail

mode="${1:-run}"

run_pkgs=(make cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libqt6svg6
  fonts-liberation fonts-dejavu-core xdg-utils librsvg2-bin)
test_pkgs=(clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool xclip x11-utils openbox wmctrl imagemagick poppler-utils locales
  at-spi2-core python3-pyatspi dbus)

# The Debian package and its checks, which install it into a fresh Debian root.
package_pkgs=(dpkg-dev file lintian desktop-file-utils appstream man-db debootstrap)

# The Windows build: the cross compiler, its source of Qt, the installer
# maker and Wine to test what it makes.
windows_pkgs=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev perl
  googletest nsis wine wine64 xvfb xauth xdotool xclip x11-utils openbox wmctrl imagemagick)

pkgs=("${run_pkgs[@]}")
case "$mode" in
  test) pkgs+=("${test_pkgs[@]}" "${package_pkgs[@]}") ;;
  package) pkgs+=("${package_pkgs[@]}") ;;
  windows) pkgs+=("${windows_pkgs[@]}") ;;
esac

sudo_cmd=()
if [[ "$(id -u)" -ne 0 ]]; then
  sudo_cmd=(sudo)
fi

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

if [[ "$mode" == test ]]; then
  want=(en_US de_DE tr_TR fr_FR)
  have="$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]')"
  for l in "${want[@]}"; do
    low="$(echo "$l.utf8" | tr '[:upper:]' '[:lower:]')"
    if ! grep -qx "$low" <<<"$have"; then
      echo "setup: generating locale $l.UTF-8"
      "${sudo_cmd[@]}" localedef -i "$l" -f UTF-8 "$l.UTF-8"
    fi
  done
fi
