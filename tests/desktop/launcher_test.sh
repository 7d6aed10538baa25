#!/usr/bin/env bash
# The launcher: for program folders with awkward names, the desktop entry validates, its Exec
# key reads back as the folder's executable, and its icon is installed.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/launcher.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Exec's quoted argument read back: unescape the string level, then the quoting level.
exec_path() {
    local v
    v="$(sed -n 's/^Exec=//p' "$1")"
    v="${v//\\\\/\\}"
    v="${v#\"}"
    v="${v%\"}"
    v="$(printf '%s' "$v" | sed -e 's/\\\([\\"`$]\)/\1/g')"
    printf '%s' "${v//%%/%}"
}

status=0
for folder in "ZorvelList" "後援会 名簿" 'a "q" $x `b` \c 100%'; do
    export HOME="$work/home"
    unset XDG_DATA_HOME
    rm -rf "$HOME"
    program="$work/$folder"
    install_launcher "$program"
    entry="$HOME/.local/share/applications/zorvel-list.desktop"
    if ! desktop-file-validate "$entry"; then
        echo "FAIL: $entry does not validate for folder [$folder]"
        status=1
    fi
    got="$(exec_path "$entry")"
    if [ "$got" != "$program/zorvel" ]; then
        echo "FAIL: Exec gives [$got], expected [$program/zorvel]"
        status=1
    fi
    for size in 32 64; do
        [ -s "$HOME/.local/share/icons/hicolor/${size}x${size}/apps/zorvel-list.png" ] ||
            { echo "FAIL: no ${size}px icon"; status=1; }
    done
    grep -qx 'Name=Zorvel List' "$entry" || { echo "FAIL: no name"; status=1; }
done

# A second install replaces the entry rather than adding one.
install_launcher "$work/other"
[ "$(ls "$HOME/.local/share/applications" | grep -c '^zorvel-list')" = 1 ] ||
    { echo "FAIL: more than one entry"; status=1; }
grep -q "other/zorvel" "$HOME/.local/share/applications/zorvel-list.desktop" ||
    { echo "FAIL: entry not replaced"; status=1; }
[ "$status" = 0 ] && echo "launcher: ok"
exit "$status"
