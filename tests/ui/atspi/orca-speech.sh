#!/usr/bin/env bash
# What the Orca screen reader says while the window is used by keyboard: starts the program and
# Orca (with its debug log) on a private Xvfb in a D-Bus session of its own, tabs through the
# header, evaluates 1+2 twice, opens the menu with the Menu key, the history with F3, and prints
# every line Orca spoke. Not part of the test run (Orca is heavy); needs orca and xdotool.
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
orca --debug-file="$log" >"$SCRATCH/orca.out" 2>&1 &
orca_pid=$!
sleep 5 # Orca registers its listeners before the window comes
"$program" -APPDATAFOLDER >"$SCRATCH/program.out" 2>&1 &
program_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Zemtrix$' | head -n1)
xdotool windowfocus "$window"
sleep 2
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.8; done; }
keys shift+Tab shift+Tab Tab Tab
xdotool type --delay 150 '1+2'
keys Return Return Menu Escape F3 Down Up Tab Escape
sleep 1
kill "$program_pid" "$orca_pid" 2>/dev/null || true
wait "$program_pid" "$orca_pid" 2>/dev/null || true
grep -a "SPEECH OUTPUT" "$log" | sed -e "s/^\([0-9:.]*\) - SPEECH OUTPUT: \('[^']*'\).*/\1 \2/"
