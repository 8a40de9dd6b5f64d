# Starts and stops a virtual X server (Xvfb) with the openbox window manager,
# for the scripts that need real windows. Sourced, from the repository root:
# start_x, stop_x; $xdir is a private folder removed at exit.

xdir=$(mktemp -d)
xvfb_pid="" wm_pid=""
stop_x() {
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    xvfb_pid="" wm_pid=""
}
trap 'stop_x; rm -rf "$xdir"' EXIT
trap 'exit 130' INT TERM HUP
x_failed() {
    echo "$1; X server and window manager logs:" >&2
    cat "$xdir/xvfb.log" "$xdir/openbox.log" >&2
    exit 1
}
# The window manager is up once it names its check window on the root window.
wm_up() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
start_x() {
    # Xvfb picks a free display and writes its number once it takes clients.
    : >"$xdir/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$xdir/display" \
        2>"$xdir/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$xdir/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$xdir/display" ] || x_failed "Xvfb did not start"
    DISPLAY=":$(cat "$xdir/display")"
    export DISPLAY
    openbox --sm-disable --config-file "$(dirname "${BASH_SOURCE[0]}")/../tests/support/openbox-rc.xml" >"$xdir/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        wm_up && break
        kill -0 "$wm_pid" 2>/dev/null || break
        sleep 0.1
    done
    wm_up || x_failed "openbox did not start"
    echo "== X server $DISPLAY with openbox"
}
