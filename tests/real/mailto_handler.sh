#!/usr/bin/env bash
# The real shell open of a mail: a fake mail program registered for "mailto:" with a .desktop
# file and xdg-mime in a private XDG data folder records the target it receives; the check
# program decodes it back. On an Xvfb display of its own (Qt's offscreen platform opens
# nothing). Exit 77 (skipped) without xdg-utils or Xvfb.
# Usage: mailto_handler.sh ZORVEL_OPEN_CHECK
set -u
check=$1
for tool in xdg-mime xdg-open Xvfb; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Nothing of the desktop this runs on: a generic desktop with only the fake mail program.
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION \
    GNOME_DESKTOP_SESSION_ID MATE_DESKTOP_SESSION_ID BROWSER WAYLAND_DISPLAY
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_DIRS="$work/data" XDG_CONFIG_DIRS="$work/config"
mkdir -p "$HOME" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
cat >"$work/fake-mailer" <<EOS
#!/bin/sh
printf '%s\n' "\$1" >"$work/received.tmp" && mv "$work/received.tmp" "$work/received"
EOS
chmod +x "$work/fake-mailer"
cat >"$XDG_DATA_HOME/applications/zorvel-fake-mailer.desktop" <<EOS
[Desktop Entry]
Type=Application
Name=Fake mail program
Exec=$work/fake-mailer %u
MimeType=x-scheme-handler/mailto;
NoDisplay=true
EOS
xdg-mime default zorvel-fake-mailer.desktop x-scheme-handler/mailto
[ "$(xdg-mime query default x-scheme-handler/mailto)" = zorvel-fake-mailer.desktop ] || {
    echo "FAILED: the fake mail program could not be registered"
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/display.sh"
start_display 800x600 || { echo "FAILED: Xvfb did not start"; exit 1; }
export QT_QPA_PLATFORM=xcb
"$check" "$work/received"
