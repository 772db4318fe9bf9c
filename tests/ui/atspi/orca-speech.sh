#!/usr/bin/env bash
# What the Orca screen reader says while the window is used by keyboard: starts the program and
# Orca (with its debug log) on a private Xvfb in a D-Bus session of its own, walks the window by
# keyboard and prints every line Orca spoke, each step's keys before what they made it say. The
# walk: the header by Tab, the decimals list, the line taking the focus back, two evaluations,
# an operator after the result, an error, the inverse key, the angle-unit list, the key areas
# (F1, F2), the pages (F10, F9) with the option page's edit mode and the variables' rename mode by
# keyboard, the history (open, Shift+Up, Edit, Copy) and the menu. Not part of the test run (Orca
# is heavy); needs orca and xdotool.
#   orca-speech.sh PROGRAM [LOG]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
log=${2:-}

command -v orca >/dev/null || { echo "error: orca is not installed" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "error: xdotool is not installed" >&2; exit 1; }
if [ -z "${INSIDE_SESSION:-}" ]; then
    # shellcheck source=../../../bench/private-xvfb.sh
    source "$here/../../../bench/private-xvfb.sh"
    start_xvfb
    export DISPLAY=$display INSIDE_SESSION=1 SCRATCH=$work
    dbus-run-session -- bash "$0" "$program" "${log:-$work/orca.log}"
    exit
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LC_ALL=C
export HOME=$SCRATCH/home XDG_CONFIG_HOME=$SCRATCH/config XDG_RUNTIME_DIR=$SCRATCH/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Without a sound card the speech synthesizer's module blocks after a line or two, and Orca with
# it; speech-dispatcher's stand-in module takes the speech instead (Orca logs it all the same).
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
orca --debug-file="$log" >"$SCRATCH/orca.out" 2>&1 &
orca_pid=$!
sleep 5 # Orca registers its listeners before the window comes
"$program" -APPDATAFOLDER >"$SCRATCH/program.out" 2>&1 &
program_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Zemtrix$' | head -n1)
xdotool windowfocus "$window"
sleep 2
# Each step is written down with the time it starts, to be sorted in among what Orca spoke.
steps=$SCRATCH/steps.log
step() { echo "$(date +%H:%M:%S.%N | cut -c1-12) STEP: $*" >>"$steps"; }
keys() { step "$@"; for key in "$@"; do xdotool key "$key"; sleep 0.8; done; }
typed() { step "type $1"; xdotool type --delay 150 "$1"; sleep 0.8; }
keys shift+Tab shift+Tab Tab Tab
typed '1+2'
keys Return Return
keys plus                            # an operator right after a result
keys Escape
typed '5+sin30x'
keys Return                          # an error and why
keys Escape
keys shift+Tab Down Down Up Up       # the decimals list
keys Tab
typed '56+10'
keys shift+Tab Tab                   # the line takes the focus back
keys Escape
keys Tab space space                 # the inverse key on and off
keys Tab Tab Tab Tab Tab Down Down Up Up # the angle-unit list
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
keys F1 F1 F2 F2                     # the key areas hidden and shown
keys F10                             # the option page
keys Tab space                       # its edit mode on
keys Tab Tab ctrl+Return ctrl+Return # the first button widened twice from its field
keys shift+Tab shift+Tab space       # edit mode off
keys F10                             # the variables page
keys Tab Tab ctrl+Return ctrl+Return # rename mode by keyboard on its first value field, and off
keys F10
keys F3 Down shift+Up                # the history: open, select two rows
keys Tab Tab Tab Tab Tab Tab space   # its Copy
keys Escape F3 Down Tab Tab Tab Tab Tab Tab Tab space # its Edit
keys F5                              # the result copied
keys Menu Escape                     # the menu
sleep 1
kill "$program_pid" "$orca_pid" 2>/dev/null || true
sleep 2
# A program or an Orca that hangs does not answer SIGTERM.
kill -9 "$program_pid" "$orca_pid" 2>/dev/null || true
wait "$program_pid" "$orca_pid" 2>/dev/null || true
{
    grep -a "SPEECH OUTPUT" "$log" |
        sed -e "s/^\([0-9:.]*\) - SPEECH OUTPUT: \('[^']*'\).*/\1 \2/"
    cat "$steps"
} | sort -s -k1,1 || true
