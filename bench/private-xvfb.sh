# Sourced by the window benchmarks and the AT-SPI window test: a scratch folder ($work) and a
# private Xvfb on a free display ($display after start_xvfb), both removed when the script ends.
# ZEMTRIX_XVFB_DISPLAY names the display number to take instead of the first free one.

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
    if [ -n "${ZEMTRIX_XVFB_DISPLAY:-}" ]; then
        Xvfb ":$ZEMTRIX_XVFB_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>"$work/xvfb.log" &
        xvfb_pid=$!
        for ((i = 0; i < 200; i++)); do
            [ -e "/tmp/.X11-unix/X$ZEMTRIX_XVFB_DISPLAY" ] && { display=":$ZEMTRIX_XVFB_DISPLAY"; return; }
            sleep 0.05
        done
        echo "error: Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1
    fi
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for ((i = 0; i < 200; i++)); do
        [ -s "$work/display" ] && { display=":$(head -n1 "$work/display")"; return; }
        sleep 0.05
    done
    echo "error: Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1
}
