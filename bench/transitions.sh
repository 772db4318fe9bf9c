#!/usr/bin/env bash
# Frames and timing of the page and key-area transitions on the real window, under a private
# Xvfb: per transition and scale step the wall time against the nominal duration, the frames
# painted and their rate, the time to the first frame, the longest gap between frames and the
# painting time per frame. Targets: 55 frames per second or more, no gap over 33 ms, the wall
# time within 5 % of the nominal duration. The machine's load is printed with the figures.
#
# Usage: bash bench/transitions.sh [build-dir]   (default build)
#   STEPS=0,10   scale steps measured
#   ROUNDS=N     rounds measured after one warm-up round (default 5)
#   SHOTS=DIR    also save screenshots at the middle of a slide, a cube turn and a flip in DIR
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath "${1:-$root/build}")
bench="$build/bin/transition_bench"
steps=${STEPS:-0,10}
rounds=${ROUNDS:-5}

[ -x "$bench" ] || { echo "error: no transition_bench in $build/bin (build the target first)" >&2; exit 1; }
[[ "$rounds" =~ ^[1-9][0-9]*$ ]] || { echo "error: ROUNDS must be a positive number" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "error: Xvfb is not installed" >&2; exit 1; }

# shellcheck source=bench/private-xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/private-xvfb.sh"
start_xvfb

# A bare session: nothing from the caller's environment (offscreen platform, themes) may change
# what is measured.
run() {
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" HOME="$work/home" \
        XDG_RUNTIME_DIR="$work/runtime" "$bench" "$@"
}
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
status=0
run --steps "$steps" --rounds "$rounds" || status=$?
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ -n "${SHOTS:-}" ]; then
    run --steps "$steps" --shots "$(realpath -m "$SHOTS")"
    echo "screenshots in $SHOTS"
fi
exit "$status"
