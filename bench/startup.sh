#!/usr/bin/env bash
# Start-up of the zemtrix window beside the floor (bench/FloorWindow.cpp: the least a Qt Widgets
# window of its kind costs) and, where installed, a peer desktop calculator (speedcrunch), on a
# private Xvfb: the time from starting the program until its first top-level window is mapped and
# until it is first drawn, the processor time it used until mapped (steadier than the wall time
# when the machine is busy), the time until a key typed right after the map is taken by the line
# ("input") and drawn ("key"), the resident memory when mapped and 1 s after, the anonymous and
# the private dirty memory 1 s after (smaps_rollup; private dirty pages are what no other process
# can share), the shared libraries loaded and whether an OpenGL driver is among them. The programs
# take turns within each round, so all see the same machine state, each with a fresh home folder
# (no settings); one warm-up round is discarded. The last row forces Qt's GLX integration on
# zemtrix: it matches the zemtrix row as long as nothing in the window asks for an OpenGL context.
#
# The key: wait_for_window gives the mapped window the input focus and types "7" through XTEST;
# the program, started with ZEMTRIX_INPUT_PROBE=1, writes "input" on stdout when its line's text
# first changes (the floor does the same), and the next drawing of the window is the digit shown.
#
# Usage: bash bench/startup.sh [path-to-zemtrix]   (default build/bin/zemtrix; the floor and the
#                                                   waiter are taken from beside it)
#   RUNS=N        rounds measured (default 9)
#   KEPT_HISTORY=N  also start zemtrix with a kept history of N entries (row zemtrix+history) and
#                 compare its map time with zemtrix's own
#   SESSION_ENV   extra variables for every program, to mimic a desktop session, for example
#                 SESSION_ENV="XDG_CURRENT_DESKTOP=GNOME" (Qt then picks its GTK theme plugin)
#   ZEMTRIX_XVFB_DISPLAY  the display number of the private Xvfb (default: the first free one)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zemtrix=$(realpath "${1:-$root/build/bin/zemtrix}")
floor="$(dirname "$zemtrix")/floor_window"
runs=${RUNS:-9}
kept_history=${KEPT_HISTORY:-0}
session_env=${SESSION_ENV:-}
peer=/usr/bin/speedcrunch
map_target_ratio=1.15
rss_target_extra_mb=5

[ -x "$zemtrix" ] || { echo "error: no zemtrix executable at $zemtrix" >&2; exit 1; }
[ -x "$floor" ] || { echo "error: no floor_window beside zemtrix (build it first)" >&2; exit 1; }
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "error: RUNS must be a positive number" >&2; exit 1; }
[[ "$kept_history" =~ ^[0-9]+$ ]] || { echo "error: KEPT_HISTORY must be a number" >&2; exit 1; }
bash "$root/scripts/install-deps.sh" xvfb x11-utils libx11-dev libxdamage-dev libxtst-dev g++

# shellcheck source=bench/private-xvfb.sh
source "$root/bench/private-xvfb.sh"

# The helper ends every program it starts, so the only process left to us is Xvfb.
helper_for() {
    local built source="$root/bench/WaitForWindow.cpp"
    built="$(dirname "$zemtrix")/wait_for_window"
    if [ -x "$built" ] && [ "$built" -nt "$source" ]; then echo "$built"; return; fi
    c++ -std=c++20 -O2 "$source" -lX11 -lXdamage -lXtst -o "$work/wait_for_window" &&
        echo "$work/wait_for_window"
}

# A bare session: nothing from the caller's environment (QT_QPA_PLATFORM=offscreen, themes,
# input methods) may change what is measured; each start gets a new, empty home folder, and no
# settings file beside the program (zemtrix keeps it in its own folder: it runs from a copy).
# Each measured line starts with its round, so that the programs' figures can be paired by round.
run_once() {
    local label=$1 round=$2 line; shift 2
    rm -rf "${work:?}/home" "$work/bin/Zemtrix.ini" "$work/bin/Zemtrix.history" && mkdir -p "$work/home"
    if [ "$label" = zemtrix+history ]; then
        printf '[Display]\nKeepHistory=1\n' >"$work/bin/Zemtrix.ini"
        cp "$work/kept.history" "$work/bin/Zemtrix.history"
    fi
    # shellcheck disable=SC2086  # the session variables are split on purpose
    line=$(env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" HOME="$work/home" \
        XDG_RUNTIME_DIR="$work/runtime" $session_env "$@" 2>>"$work/$label.err") || true
    [ -z "$line" ] || echo "round=$round $line" >>"$work/$label.out"
}

labels=(floor zemtrix)
[ -x "$peer" ] && labels+=(speedcrunch)
labels+=(zemtrix+GLX)
[ "$kept_history" -gt 0 ] && labels+=(zemtrix+history)
declare -A programs=([floor]=$floor [zemtrix]=$zemtrix [speedcrunch]=$peer [zemtrix+GLX]=$zemtrix
    [zemtrix+history]=$zemtrix)
declare -A extra_env=([floor]="" [zemtrix]="" [speedcrunch]="" [zemtrix+GLX]=QT_XCB_GL_INTEGRATION=xcb_glx
    [zemtrix+history]="")
declare -A types_key=([floor]=1 [zemtrix]=1 [speedcrunch]=0 [zemtrix+GLX]=1 [zemtrix+history]=1)

# A history of typical formulas ("SIN 7006+COS 60") and results, as the program writes it.
write_kept_history() {
    awk -v n="$kept_history" 'BEGIN {
        print "Zemtrix history 1"
        for (i = n; i >= 1; i--)
            printf "SIN %d+COS 60\t%.15g\t%d\t0\n", i, sin(i * 3.14159265358979 / 180) + 0.5, i % 7 - 1
    }' >"$work/kept.history"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
field() { sed -n "s/.*\\b$2=\\([^ ]*\\).*/\\1/p" "$work/$1.out"; }
known_median() { field "$1" "$2" | grep -v '^-' | median; }
ms() { awk '{ printf "%.1f", $1 / 1000 }'; }
mb() { awk '{ printf "%.1f", $1 / 1024 }'; }
spread() {
    sort -n | awk 'NR == 1 { low = $1 } { high = $1 }
        END { printf "%.1f - %.1f", low / 1000, high / 1000 }'
}
last_or_none() { field "$1" "$2" | tail -n1 | sed 's/^-$/none/'; }
row() { printf '%-15s %7s %13s %7s %7s %7s %7s %6s %6s %6s %6s %4s  %s\n' "$@"; }
or_none() { local value; value=$(cat); echo "${value:-none}"; }

summarise() {
    local label=$1 ok
    ok=$(field "$label" map_us | wc -l)
    if [ "$ok" -eq 0 ]; then
        printf '%-15s  no window mapped in %d runs\n' "$label" "$runs"
        return
    fi
    row "$label" "$(field "$label" map_us | median | ms)" \
        "$(field "$label" map_us | spread)" \
        "$(known_median "$label" paint_us | ms | or_none)" \
        "$(field "$label" cpu_us | median | ms)" \
        "$(known_median "$label" input_us | ms | or_none)" \
        "$(known_median "$label" key_us | ms | or_none)" \
        "$(field "$label" rss_kb | median | mb)" \
        "$(field "$label" settled_rss_kb | median | mb)" \
        "$(field "$label" anon_kb | median | mb)" \
        "$(field "$label" private_kb | median | mb)" \
        "$(field "$label" libs | median)" "$(last_or_none "$label" gl_driver)"
    if [ "$ok" -lt "$runs" ]; then
        printf '%-15s  (%d of %d runs mapped no window)\n' "" $((runs - ok)) "$runs"
    fi
    local missed
    missed=$(field "$label" input_us | grep -c '^-' || true)
    if [ "${types_key[$label]}" -eq 1 ] && [ "$missed" -gt 0 ]; then
        printf '%-15s  (the typed key did not arrive in %d runs)\n' "" "$missed"
    fi
    return 0
}

# The median of the rounds' own ratios of map times. The programs of a round run one after the
# other and see the same machine, so this is steadier than the ratio of the medians when the
# machine's speed drifts between rounds (as a shared virtual machine's does).
paired_ratio() {
    join <(paste -d' ' <(field "$1" round) <(field "$1" map_us) | sort) \
        <(paste -d' ' <(field "$2" round) <(field "$2" map_us) | sort) |
        awk '{ print $2 / $3 }' | sort -g |
        awk '{ v[NR] = $1 } END { if (NR) printf "%.2f over %d rounds", v[int((NR + 1) / 2)], NR }'
}

verdict() {
    local ours floor_map rss floor_rss private floor_private
    ours=$(field zemtrix map_us | median); floor_map=$(field floor map_us | median)
    rss=$(field zemtrix settled_rss_kb | median); floor_rss=$(field floor settled_rss_kb | median)
    private=$(field zemtrix private_kb | median); floor_private=$(field floor private_kb | median)
    if [ -z "$ours" ] || [ -z "$floor_map" ]; then
        echo "verdict: incomplete, see the rows above"
        return
    fi
    echo "OpenGL driver in zemtrix: $(last_or_none zemtrix gl_driver)" \
        "(dispatch stubs mapped: $(last_or_none zemtrix gl_stubs))"
    awk -v a="$ours" -v f="$floor_map" -v t="$map_target_ratio" 'BEGIN {
        printf "start-up: zemtrix mapped in %.1f ms, the floor in %.1f ms: ratio %.2f, %s\n",
            a / 1000, f / 1000, a / f,
            a / f <= t ? "target met (at most " t ")" : "target missed (more than " t ")" }'
    echo "median of the rounds' own ratios: $(paired_ratio zemtrix floor)"
    if [ "$kept_history" -gt 0 ]; then
        echo "kept history of $kept_history entries ($(stat -c %s "$work/kept.history") bytes):" \
            "zemtrix+history against zemtrix, median of the rounds' own ratios of map times:" \
            "$(paired_ratio zemtrix+history zemtrix)"
    fi
    awk -v r="$rss" -v f="$floor_rss" -v p="$private" -v fp="$floor_private" \
        -v t="$rss_target_extra_mb" 'BEGIN {
        printf "memory 1 s after the map: zemtrix %.1f MB resident, the floor %.1f MB: +%.1f MB, %s\n",
            r / 1024, f / 1024, (r - f) / 1024,
            (r - f) / 1024 <= t ? "target met (at most +" t " MB)" : "target missed (more than +" t " MB)"
        printf "private dirty memory: zemtrix %.1f MB, the floor %.1f MB: +%.1f MB\n",
            p / 1024, fp / 1024, (p - fp) / 1024 }'
}

helper=$(helper_for) || { echo "error: cannot build the window-wait helper" >&2; exit 1; }
mkdir -m 700 "$work/runtime"
mkdir "$work/bin" && cp "$zemtrix" "$work/bin/zemtrix" && zemtrix=$work/bin/zemtrix
# Written back now: pages of a file just written count as private dirty memory of the process
# that maps them until they reach the disk, which an installed program's never are.
sync "$zemtrix"
programs[zemtrix]=$zemtrix programs[zemtrix+GLX]=$zemtrix programs[zemtrix+history]=$zemtrix
[ "$kept_history" -gt 0 ] && write_kept_history
start_xvfb
header="display $display, zemtrix $zemtrix, $runs runs each after a warm-up"
echo "$header${session_env:+; session $session_env}"
for ((r = 0; r <= runs; r++)); do
    for label in "${labels[@]}"; do
        # shellcheck disable=SC2086  # an empty extra_env must vanish
        run_once "$label" "$r" ${extra_env[$label]} "$helper" --key "${types_key[$label]}" \
            -- "${programs[$label]}"
    done
    if [ "$r" -eq 0 ]; then
        for label in "${labels[@]}"; do : >"$work/$label.out"; : >"$work/$label.err"; done
    fi
done

echo "medians in ms and MB; input: the typed key taken by the line, key: the key drawn"
row program mapped "min - max" drawn CPU input key RSS RSS+1s anon priv libs "OpenGL driver"
for label in "${labels[@]}"; do summarise "$label"; done
verdict
for label in "${labels[@]}"; do
    if [ -s "$work/$label.err" ]; then
        echo "--- $label stderr (first lines):"
        sort -u "$work/$label.err" | head -n5
    fi
done
exit 0
