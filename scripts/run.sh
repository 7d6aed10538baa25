#!/usr/bin/env bash
# Installs what is missing, builds, installs Zorvel List into its program folder
# (${ZORVEL_HOME:-~/ZorvelList}) and starts it from there. Only the program's own files are
# replaced: data/, log/ and zorvel.ini in that folder are never touched.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build
mkdir -p "$ZORVEL_HOME"
cmake --install "$BUILD" --prefix "$ZORVEL_HOME" >/dev/null
echo "Program folder: $ZORVEL_HOME (the roster is $ZORVEL_HOME/data/Data.csv)"

source "$ROOT/scripts/launcher.sh" && install_launcher "$ZORVEL_HOME"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    # A virtual display of its own, on the first free number from 99.
    n=99
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null' EXIT
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    echo "No display found: started the virtual display :$n (Xvfb, 1600x1000) for Zorvel List."
    echo "Close the window (its close box, or Alt+F4) to end: closing is what writes the day's"
    echo "backup to $ZORVEL_HOME/data/backup/. Killing the program skips that backup."
    DISPLAY=":$n" "$ZORVEL_HOME/zorvel"
    exit $?
fi
exec "$ZORVEL_HOME/zorvel"
