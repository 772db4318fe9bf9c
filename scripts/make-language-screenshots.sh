#!/usr/bin/env bash
# Screenshots of the real window in each language, for reading the translations where they are
# shown: the window after two evaluations, a header key's tooltip, the popup menu, the history
# and the about box, on a private Xvfb under LC_ALL=<locale> and LANGUAGE=<language>.
#   make-language-screenshots.sh [path-to-zemtrix] [output folder] [language ...]
#   (defaults: build/bin/zemtrix, build/language-shots, en de fr ja)
# Needs Xvfb, xdotool and xwininfo.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zemtrix=$(realpath "${1:-$root/build/bin/zemtrix}")
mkdir -p "${2:-$root/build/language-shots}"
out=$(realpath "${2:-$root/build/language-shots}")
shift $(($# < 2 ? $# : 2))
languages=("$@")
((${#languages[@]})) || languages=(en de fr ja)

# shellcheck source=bench/private-xvfb.sh
source "$root/bench/private-xvfb.sh"
start_xvfb
screen=$(DISPLAY=$display xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')

declare -A locales=([en]=en_US.UTF-8 [de]=de_DE.UTF-8 [fr]=fr_FR.UTF-8 [ja]=ja_JP.UTF-8)

# The screen's top left corner, where the window opens without a window manager.
grab() {
    DISPLAY=$display python3 "$root/scripts/grab-window.py" "$screen" "$work/screen.png"
    python3 - "$work/screen.png" "$out/$1.png" <<'CROP'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
width, height = struct.unpack(">II", data[16:24])
raw = zlib.decompress(data[data.index(b"IDAT") + 4:data.index(b"IEND") - 8])
cut_width, cut_height = min(width, 800), min(height, 640)
stride = 1 + width * 3
rows = b"".join(raw[y * stride:y * stride + 1 + cut_width * 3] for y in range(cut_height))
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
open(sys.argv[2], "wb").write(b"\x89PNG\r\n\x1a\n" +
    chunk(b"IHDR", struct.pack(">IIBBBBB", cut_width, cut_height, 8, 2, 0, 0, 0)) +
    chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
CROP
}
key() { DISPLAY=$display xdotool key --clearmodifiers "$@"; }

for language in "${languages[@]}"; do
    rm -rf "${work:?}/run" && mkdir -p "$work/run/home" && chmod 700 "$work/run"
    cp "$zemtrix" "$work/run/zemtrix" # settings beside the copy: a fresh start
    env -i PATH=/usr/bin:/bin HOME="$work/run/home" XDG_RUNTIME_DIR="$work/run" DISPLAY="$display" \
        LC_ALL="${locales[$language]:-C.UTF-8}" LANGUAGE="$language" "$work/run/zemtrix" &
    program=$!
    window=$(DISPLAY=$display xdotool search --sync --onlyvisible --name '^Zemtrix$' | head -n1)
    DISPLAY=$display xdotool windowfocus --sync "$window"
    DISPLAY=$display xdotool type --delay 20 '1000*1.08'
    key Return
    DISPLAY=$display xdotool type --delay 20 '2*3'
    key Return
    sleep 1
    grab "$language-window"
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")"
    DISPLAY=$display xdotool mousemove $((X + 50)) $((Y + 14))
    sleep 2
    grab "$language-tooltip"
    DISPLAY=$display xdotool mousemove $((X + 400)) $((Y + 300))
    key shift+F10
    sleep 1
    grab "$language-menu"
    key Escape
    key F3
    sleep 1.5
    grab "$language-history"
    key Escape
    sleep 1
    key shift+F10
    key Up
    key Return
    sleep 1
    grab "$language-about"
    key Escape
    sleep 0.5
    kill "$program"
    wait "$program" || true
done
echo "saved ${#languages[@]} languages' screenshots in $out"
