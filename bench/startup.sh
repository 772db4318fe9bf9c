#!/usr/bin/env bash
# Start-up of the zemtrix window beside a peer desktop calculator (speedcrunch) on a private Xvfb:
# the time from starting the program until its first top-level window is mapped and until it is
# first drawn, the processor time it used until mapped (steadier than the wall time when the
# machine is busy), the resident memory when mapped and 0.5 s later, the shared libraries loaded
# and whether an OpenGL driver is among them (the small dispatch libraries that Qt links directly
# are listed apart). The programs take turns within each round, so all see the same machine
# state; one warm-up round is discarded. A third row forces Qt's GLX integration on zemtrix: it
# matches the first row as long as nothing in the window asks for an OpenGL context.
#
# Usage: bash bench/startup.sh [path-to-zemtrix]   (default build/bin/zemtrix)
#   RUNS=N        rounds measured (default 9)
#   SESSION_ENV   extra variables for every program, to mimic a desktop session, for example
#                 SESSION_ENV="XDG_CURRENT_DESKTOP=GNOME" (Qt then picks its GTK theme plugin)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zemtrix=$(realpath "${1:-$root/build/bin/zemtrix}")
runs=${RUNS:-9}
session_env=${SESSION_ENV:-}
peer=/usr/bin/speedcrunch
rss_target_mb=45

[ -x "$zemtrix" ] || { echo "error: no zemtrix executable at $zemtrix" >&2; exit 1; }
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "error: RUNS must be a positive number" >&2; exit 1; }
bash "$root/scripts/install-deps.sh" xvfb x11-utils speedcrunch libx11-dev libxdamage-dev g++

# shellcheck source=bench/private-xvfb.sh
source "$root/bench/private-xvfb.sh"

# The helper ends every program it starts, so the only process left to us is Xvfb.
helper_for() {
    local built source="$root/bench/WaitForWindow.cpp"
    built="$(dirname "$zemtrix")/wait_for_window"
    if [ -x "$built" ] && [ "$built" -nt "$source" ]; then echo "$built"; return; fi
    c++ -std=c++20 -O2 "$source" -lX11 -lXdamage -o "$work/wait_for_window" &&
        echo "$work/wait_for_window"
}

# A bare session: nothing from the caller's environment (QT_QPA_PLATFORM=offscreen, themes,
# input methods) may change what is measured; the home folder is a throw-away one.
run_once() {
    local label=$1; shift
    # shellcheck disable=SC2086  # the session variables are split on purpose
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" HOME="$work/home" \
        XDG_RUNTIME_DIR="$work/runtime" $session_env "$@" \
        >>"$work/$label.out" 2>>"$work/$label.err" || true
}

labels=(zemtrix speedcrunch zemtrix+GLX)
declare -A programs=([zemtrix]=$zemtrix [speedcrunch]=$peer [zemtrix+GLX]=$zemtrix)
declare -A extra_env=([zemtrix]="" [speedcrunch]="" [zemtrix+GLX]=QT_XCB_GL_INTEGRATION=xcb_glx)

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
field() { sed -n "s/.*\\b$2=\\([^ ]*\\).*/\\1/p" "$work/$1.out"; }
ms() { awk '{ printf "%.1f", $1 / 1000 }'; }
mb() { awk '{ printf "%.1f", $1 / 1024 }'; }
spread() {
    sort -n | awk 'NR == 1 { low = $1 } { high = $1 }
        END { printf "%.1f - %.1f", low / 1000, high / 1000 }'
}
last_or_none() { field "$1" "$2" | tail -n1 | sed 's/^-$/none/'; }
row() { printf '%-12s %10s %15s %9s %7s %7s %9s %5s  %s\n' "$@"; }

summarise() {
    local label=$1 ok paint
    ok=$(field "$label" map_us | wc -l)
    if [ "$ok" -eq 0 ]; then
        printf '%-12s  no window mapped in %d runs\n' "$label" "$runs"
        return
    fi
    paint=$(field "$label" paint_us | grep -v '^-' | median | ms)
    row "$label" "$(field "$label" map_us | median | ms)" \
        "$(field "$label" map_us | spread)" \
        "${paint:-none}" "$(field "$label" cpu_us | median | ms)" \
        "$(field "$label" rss_kb | median | mb)" \
        "$(field "$label" settled_rss_kb | median | mb)" \
        "$(field "$label" libs | median)" "$(last_or_none "$label" gl_driver)"
    if [ "$ok" -lt "$runs" ]; then
        printf '%-12s  (%d of %d runs mapped no window)\n' "" $((runs - ok)) "$runs"
    fi
    return 0
}

verdict() {
    local ours peers rss
    ours=$(field zemtrix map_us | median); peers=$(field speedcrunch map_us | median)
    rss=$(field zemtrix rss_kb | median)
    if [ -z "$ours" ] || [ -z "$peers" ]; then
        echo "verdict: incomplete, see the rows above"
        return
    fi
    echo "OpenGL driver in zemtrix: $(last_or_none zemtrix gl_driver)" \
        "(dispatch stubs mapped: $(last_or_none zemtrix gl_stubs))"
    awk -v a="$ours" -v b="$peers" -v r="$rss" -v t="$rss_target_mb" 'BEGIN {
        printf "start-up: zemtrix mapped in %.1f ms, speedcrunch in %.1f ms: %s\n",
            a / 1000, b / 1000, a <= b ? "target met (no slower)" : "target missed (slower)"
        printf "memory: zemtrix %.1f MB resident when mapped: %s\n", r / 1024,
            r / 1024 < t ? "target met (under " t " MB)" : "target missed (" t " MB or more)" }'
}

helper=$(helper_for) || { echo "error: cannot build the window-wait helper" >&2; exit 1; }
mkdir -p "$work/home" && mkdir -m 700 "$work/runtime"
start_xvfb
header="display $display, zemtrix $zemtrix, $runs runs each after a warm-up"
echo "$header${session_env:+; session $session_env}"
for ((r = 0; r <= runs; r++)); do
    for label in "${labels[@]}"; do
        # shellcheck disable=SC2086  # an empty extra_env must vanish
        run_once "$label" ${extra_env[$label]} "$helper" -- "${programs[$label]}"
    done
    if [ "$r" -eq 0 ]; then
        for label in "${labels[@]}"; do : >"$work/$label.out"; : >"$work/$label.err"; done
    fi
done

row program "mapped ms" "min - max ms" "drawn ms" "CPU ms" "RSS MB" "RSS+0.5s" libs "OpenGL driver"
for label in "${labels[@]}"; do summarise "$label"; done
verdict
for label in "${labels[@]}"; do
    if [ -s "$work/$label.err" ]; then
        echo "--- $label stderr (first lines):"
        sort -u "$work/$label.err" | head -n5
    fi
done
exit 0
