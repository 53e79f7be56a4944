#!/usr/bin/env bash
# The accessibility test's session: a private D-Bus session bus, on which the
# AT-SPI bus starts on demand, and a calculator that talks to it even though
# no screen reader has asked for it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
# Debian's own interpreter: pyatspi is installed for it, not for any other.
exec dbus-run-session -- /usr/bin/python3 "$here/accessible_tree.py" "$1"
