#!/usr/bin/env bash
# The window on a Wayland compositor: a private headless weston, Qt's "wayland" platform. The
# window comes up without warnings; SIGTERM writes every setting and ends it with status 0; the
# stored position and "Top most", which a Wayland client cannot apply, are written back as read.
#   run-wayland-test.sh PROGRAM
# Exits 77 (skipped) where weston or Qt's Wayland platform plugin is missing, saying which.
set -euo pipefail
program=$1

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; [ -s "$work/stderr" ] && grep -v '^\[' "$work/stderr" | head -20; exit 1; }
command -v weston >/dev/null || skip "weston is not installed (weston)"
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    skip "Qt's Wayland platform plugin is not installed (qt6-wayland)"

work=$(mktemp -d)
weston_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill -TERM "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 30 s (a loaded machine) for the command to succeed.
wait_for() {
    for _ in $(seq 300); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=zemtrix-test
weston --backend=headless-backend.so --socket=$socket --no-config --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
wait_for test -S "$XDG_RUNTIME_DIR/$socket" || { cat "$work/weston.log"; fail "weston did not start"; }

# A copy of the program keeps its settings beside itself.
cp "$program" "$work/zemtrix"
printf '[Program]\nLeft=40\nTop=30\n[Display]\nTopMost=1\nRoundDecimal=2\n' >"$work/Zemtrix.ini"
# The protocol trace (lines starting with "[") shows when the window is mapped; any other line
# on standard error is a warning of the program or of Qt.
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client LC_ALL=C \
    "$work/zemtrix" >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
wait_for grep -q -- '-> xdg_surface@[0-9]*\.ack_configure' "$work/stderr" ||
    fail "the window was not mapped"
kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status"

warnings=$(grep -v '^\[' "$work/stderr" || true)
[ -z "$warnings" ] || fail "warnings on standard error"
ini=$work/Zemtrix.ini
for line in 'Left=40' 'Top=30' 'TopMost=1' 'RoundDecimal=2' 'WindowScaleNumber=0' 'Transparency=0' \
    'Title1=' 'Value6=0'; do
    grep -qx "$line" "$ini" || { cat "$ini"; fail "the settings file lacks $line"; }
done
echo "PASSED"
