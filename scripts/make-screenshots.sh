#!/usr/bin/env bash
# Makes the screenshots the store metadata shows, from the real window on a private Xvfb: the
# design's light look (doc/screenshot.png) and the dark look (doc/screenshot-dark.png), each
# after evaluating 1000*1.08 (the price with 8 % tax). The look comes from the stand-in Settings
# portal on a private session bus, as a desktop's would.
#   make-screenshots.sh [path-to-zemtrix] [output folder]   (defaults: build/bin/zemtrix, doc)
# Needs Xvfb, xdotool, dbus-daemon and Python's D-Bus binding (python3-dbus, python3-gi).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zemtrix=$(realpath "${1:-$root/build/bin/zemtrix}")
out=$(realpath "${2:-$root/doc}")
python=/usr/bin/python3

# shellcheck source=bench/private-xvfb.sh
source "$root/bench/private-xvfb.sh"
start_xvfb

# One look: the program from a copy in a fresh folder (no settings), a formula evaluated, the
# window saved.
shoot() {
    local scheme=$1 file=$2
    rm -rf "${work:?}/run" && mkdir -p "$work/run/home"
    cp "$zemtrix" "$work/run/zemtrix"
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" HOME="$work/run/home" \
        dbus-run-session -- bash -c '
        set -euo pipefail
        exec 3> >("$1" "$2/tests/ui/desktop/fake-portal.py" \
            --set org.freedesktop.appearance color-scheme u "$3" >"$4/portal.out" 2>"$4/portal.err")
        for _ in $(seq 100); do grep -q ready "$4/portal.out" 2>/dev/null && break; sleep 0.05; done
        "$4/zemtrix" & program=$!
        window=$(xdotool search --sync --onlyvisible --name "^Zemtrix$" | head -n1)
        xdotool windowfocus --sync "$window"
        xdotool type --delay 20 "1000*1.08"
        xdotool key Return
        sleep 1
        "$1" "$2/scripts/grab-window.py" "$window" "$5"
        kill "$program"; wait "$program" || true
        exec 3>&-' shoot "$python" "$root" "$scheme" "$work/run" "$file"
}

shoot 0 "$out/screenshot.png"
shoot 1 "$out/screenshot-dark.png"
echo "saved $out/screenshot.png and $out/screenshot-dark.png"
