# Sourced by the checks on a real X display.

# start_display WIDTHxHEIGHT: starts Xvfb on a display of its own at that size, waits until it
# reports the number it took (written to "$work/display") and exports DISPLAY. The server's
# process id is in xvfb_pid. Fails when Xvfb did not start.
start_display() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || return 1
    export DISPLAY=":$(head -n1 "$work/display")"
}
