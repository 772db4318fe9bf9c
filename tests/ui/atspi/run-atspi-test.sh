#!/usr/bin/env bash
# The window as a screen reader sees it: window_atspi_test.py on a private Xvfb, inside a D-Bus
# session of its own (which starts the AT-SPI bus and registry on demand).
#   run-atspi-test.sh PROGRAM
# Exits 77 (skipped) where the platform cannot provide AT-SPI, saying what is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1

skip() { echo "SKIPPED: $*"; exit 77; }
# Debian's Python, which python3-pyatspi extends, whatever python3 comes first on the path.
python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3 || true)
[ -n "$python" ] || skip "no python3"
command -v Xvfb >/dev/null || skip "Xvfb is not installed (xvfb)"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (dbus)"
command -v xdotool >/dev/null || skip "xdotool is not installed (xdotool)"
"$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi is not installed (python3-pyatspi)"
[ -x /usr/libexec/at-spi-bus-launcher ] || [ -x /usr/lib/at-spi2-core/at-spi-bus-launcher ] ||
    skip "the AT-SPI bus is not installed (at-spi2-core)"

# shellcheck source=../../../bench/private-xvfb.sh
source "$here/../../../bench/private-xvfb.sh"
start_xvfb
export DISPLAY=$display
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# libatspi aborts the process when the accessibility bus cannot be reached: a probe tells that
# apart from a failing test.
dbus-run-session -- bash -c '
    "$1" -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" >/dev/null 2>&1 ||
        { echo "SKIPPED: the AT-SPI bus cannot be reached in a D-Bus session"; exit 77; }
    exec "$1" "$2/window_atspi_test.py" "$3" "$4"' probe "$python" "$here" "$program" "$work"
