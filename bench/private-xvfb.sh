# Sourced by the window benchmarks: a scratch folder ($work) and a private Xvfb on a free display
# ($display after start_xvfb), both removed when the script ends.

work=$(mktemp -d)
xvfb_pid=
# shellcheck disable=SC2317  # runs from the trap
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for ((i = 0; i < 200; i++)); do
        [ -s "$work/display" ] && { display=":$(head -n1 "$work/display")"; return; }
        sleep 0.05
    done
    echo "error: Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1
}
