#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Debian package as a user and an archive would: its files pass
# Debian's validators, lintian finds nothing wrong, the binaries carry the
# hardening flags, and it installs into a fresh minimal Debian root (kept in
# a cache, copied for each run), works there, and removes cleanly.
set -euo pipefail
cd "$(dirname "$0")/../.."
deb="$(bash tools/package.sh)"
work="$(mktemp -d)"
root="$work/root"
cleanup() {
  mountpoint -q "$root/proc" 2>/dev/null && umount "$root/proc"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "package: $*" >&2; exit 1; }

echo "package: $deb ($(stat -c %s "$deb") bytes)"
dpkg-deb -I "$deb" | grep -E '^ (Depends|Recommends):'
dpkg-deb -x "$deb" "$work/files"
desktop="$(ls "$work"/files/usr/share/applications/*.desktop)"
metainfo="$(ls "$work"/files/usr/share/metainfo/*.metainfo.xml)"

out="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $out"
[[ -z "$out" ]] || fail "desktop-file-validate: $out"
out="$(appstreamcli validate --no-net --explain "$metainfo" 2>&1)" || fail "appstreamcli: $out"
if grep -qE '^(W|E):' <<<"$out"; then fail "appstreamcli: $out"; fi
for page in "$work"/files/usr/share/man/man1/*.1.gz; do
  warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
  [[ -z "$warnings" ]] || fail "man $(basename "$page"): $warnings"
done
lintian --fail-on error,warning "$deb" || fail "lintian"

fortified=0
for binary in "$work"/files/usr/bin/*; do
  name="$(basename "$binary")"
  # Whole outputs first: grep -q would close the pipe on readelf.
  kind="$(file -b "$binary")"
  dynamic="$(readelf -d "$binary")"
  segments="$(readelf -lW "$binary")"
  symbols="$(readelf -sW --dyn-syms "$binary")"
  [[ "$kind" == *"pie executable"* ]] || fail "$name is not PIE"
  [[ "$dynamic" == *BIND_NOW* ]] || fail "$name is not linked with -z now"
  [[ "$segments" == *GNU_RELRO* ]] || fail "$name has no RELRO"
  [[ "$symbols" == *__stack_chk_fail* ]] || fail "$name has no stack protector"
  # Fortify shows only where a checked C library call is made at all.
  if grep -qE '__[a-z]+_chk@' <<<"$symbols"; then fortified=$((fortified + 1)); fi
done
[[ "$fortified" -gt 0 ]] || fail "no binary calls a fortified function"

# A fresh Debian, so that a Depends that is missing cannot be hidden by what
# the build machine happens to have.
cache="${XDG_CACHE_HOME:-$HOME/.cache}/lumor"
base="$cache/bookworm-minbase.tar"
if [[ ! -f "$base" ]]; then
  echo "package: making a minimal Debian bookworm root once: $base"
  mkdir -p "$cache" "$work/base"
  debootstrap --variant=minbase bookworm "$work/base" http://deb.debian.org/debian >"$work/debootstrap.log" 2>&1 ||
    { tail -n 20 "$work/debootstrap.log"; fail "debootstrap"; }
  tar -C "$work/base" -cf "$base.part" . && mv "$base.part" "$base"
  rm -rf "$work/base"
fi
mkdir -p "$root"
tar -C "$root" -xf "$base"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 || { tail -n 20 "$work/install.log"; fail "apt-get install"; }

line="$(in_root lumor-quote C-S-SM-SC-10-SL1800-SC)"
[[ "$line" == *"----- 13.71 EUR/adet" ]] || fail "lumor-quote printed: $line"
status=0
in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp timeout 5 lumor >"$work/lumor.log" 2>&1 || status=$?
[[ "$status" -eq 124 ]] || { cat "$work/lumor.log"; fail "lumor did not stay up (status $status)"; }
exec_line="$(grep '^Exec=' "$desktop")"
in_root sh -c "command -v ${exec_line#Exec=}" >/dev/null || fail "the menu entry's $exec_line is not installed"
echo "package: installed into a fresh bookworm root; lumor-quote priced, lumor stayed up"

in_root dpkg -r lumor >/dev/null
left=()
while read -r path; do
  [[ -e "$root/$path" && ! -d "$root/$path" ]] && left+=("$path")
done < <(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
[[ ${#left[@]} -eq 0 ]] || fail "dpkg -r left ${left[*]}"
echo "package: dpkg -r lumor left nothing behind"
