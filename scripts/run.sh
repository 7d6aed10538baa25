#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zorvel List.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build
source "$ROOT/scripts/launcher.sh" && install_launcher "${ZORVEL_HOME:-$HOME/ZorvelList}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Zorvel List on a virtual display (Xvfb)."
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$BUILD/zorvel"
fi
exec "$BUILD/zorvel"
