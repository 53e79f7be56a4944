#!/usr/bin/env bash
# Makes a fresh, private Wine prefix at $1. The first prefix of a Wine version
# is booted once into ~/.cache/lumor and copied from then on, since a boot
# takes a minute and a copy a few seconds.
set -euo pipefail
target="$1"
version="$(wine --version 2>/dev/null | tr -c 'A-Za-z0-9.\n-' '_')"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/lumor"
template="$cache/wine-prefix-$version"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f "$template/.complete" ]]; then
  echo "wine-prefix: booting a Wine prefix into $template (once per machine)" >&2
  rm -rf "$template"
  mkdir -p "$cache"
  # No display: nothing is shown while it boots.
  WINEPREFIX="$template" DISPLAY= wineboot --init >/dev/null 2>&1
  WINEPREFIX="$template" wineserver --wait
  touch "$template/.complete"
fi
rm -rf "$target"
mkdir -p "$(dirname "$target")"
cp -a "$template" "$target"
rm -f "$target/.complete"
