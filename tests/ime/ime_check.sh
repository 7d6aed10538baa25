#!/usr/bin/env bash
# The input method switched per field, checked with a real one: a virtual display, a session
# bus, Fcitx 5 with Mozc, and the program from a fresh program folder. Keys are typed with
# xdotool as a user would type them, without touching the input method: readings into the kana,
# name and address fields (Japanese input must be on there), digits into the postal code, phone
# and birthdate fields (it must be off), then 追加. The entry that arrives in data/Data.csv shows
# what each field received.
#
#   bash tests/ime/ime_check.sh [BUILD_DIR]
#
# Mozc refuses to run as root: run as root, the check runs as the unprivileged user
# "zorvel-ime", created when missing. Needs the Debian packages xvfb, fcitx5, fcitx5-mozc,
# fcitx5-frontend-qt6, xdotool and dbus; without them it reports a skip (exit code 77).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
USER_NAME=zorvel-ime

for tool in Xvfb fcitx5 xdotool dbus-run-session dbus-send iconv; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -e /usr/share/fcitx5/inputmethod/mozc.conf ] || { echo "skipped: fcitx5-mozc is not installed"; exit 77; }
compgen -G '/usr/lib/*/qt6/plugins/platforminputcontexts/libfcitx5*' >/dev/null ||
    { echo "skipped: fcitx5-frontend-qt6 is not installed"; exit 77; }

if [ "$(id -u)" = 0 ]; then
    id "$USER_NAME" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$USER_NAME"
    # The X server of an unprivileged user needs the socket folder to exist already.
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
    work="$(mktemp -d /tmp/zorvel-ime.XXXXXX)"
    trap 'rm -rf "$work"' EXIT
    install -m 755 "$BUILD/zorvel" "$work/zorvel"
    install -m 755 "${BASH_SOURCE[0]}" "$work/ime_check.sh"
    chown -R "$USER_NAME" "$work"
    chmod 755 "$work"
    runuser -u "$USER_NAME" -- env -i PATH="$PATH" ZORVEL_IME_WORK="$work" \
        bash "$work/ime_check.sh" "$work"
    exit $?
fi

if [ -z "${ZORVEL_IME_WORK:-}" ]; then
    work="$(mktemp -d /tmp/zorvel-ime.XXXXXX)"
    trap 'rm -rf "$work"' EXIT
    install -m 755 "$BUILD/zorvel" "$work/zorvel"
    export ZORVEL_IME_WORK="$work"
fi
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${ZORVEL_IME_INNER:-}" ]; then
    exec env ZORVEL_IME_INNER=1 dbus-run-session -- bash "${BASH_SOURCE[0]}" "$BUILD"
fi

# --- inside a private session bus, as an unprivileged user ---
work="$ZORVEL_IME_WORK"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/fcitx5" "$XDG_RUNTIME_DIR" "$work/program"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$work/zorvel" "$work/program/zorvel"

# One input-method group: the keyboard, and Mozc as the input method that "on" switches to.
cat > "$XDG_CONFIG_HOME/fcitx5/profile" <<'PROFILE'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=mozc

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=mozc
Layout=

[GroupOrder]
0=Default
PROFILE

pids=()
# Mozc's server detaches from Fcitx 5: the one this check starts is ended by its id at the end,
# one that ran before is left alone.
mozc_servers() { command -v pgrep >/dev/null && pgrep -u "$(id -u)" -x mozc_server || true; }
servers_before=" $(mozc_servers | tr '\n' ' ') "
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in $(mozc_servers); do
        case "$servers_before" in *" $p "*) ;; *) kill "$p" 2>/dev/null || true ;; esac
    done
    wait 2>/dev/null || true
}
trap cleanup EXIT

display=""
for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free display number"; exit 1; }
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

fcitx5 --disable=wayland,xim,ibusfrontend >"$work/fcitx5.log" 2>&1 &
pids+=($!)
has_owner() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 1 100); do has_owner org.fcitx.Fcitx5 && break; sleep 0.1; done
has_owner org.fcitx.Fcitx5 || { echo "Fcitx 5 did not start"; cat "$work/fcitx5.log"; exit 1; }

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_IM_MODULE=fcitx XMODIFIERS=@im=fcitx LANG=C.UTF-8
"$work/program/zorvel" >"$work/zorvel.log" 2>&1 &
pids+=($!)
wid="$(timeout 30 xdotool search --sync --name 'Zorvel List' | head -1)"
[ -n "$wid" ] || { echo "the window did not appear"; exit 1; }
xdotool mousemove --window "$wid" 5 5
xdotool windowfocus --sync "$wid" || true
sleep 1.5  # the input-method connection of the window settles

key() { xdotool key --delay 120 "$@"; sleep 0.4; }
type_text() { xdotool type --delay 120 "$1"; sleep 0.4; }

# Tab order: kana, name, postal code, address, phone, birthdate, 追加.
type_text yamada; key Return           # kana: Japanese input, committed with Enter
key Tab; type_text tarou; key Return   # name: the kana prefill selected, overtyped in Japanese
key Tab; type_text 1000005             # postal code: direct input
key Tab; type_text marunouchi; key Return  # address: the postal code prefill overtyped
key Tab; type_text 0312345678          # phone: direct input
key Tab; type_text S50.1.1             # birthdate: direct input
key Tab; key Return                    # 追加
sleep 1

data="$work/program/data/Data.csv"
[ -s "$data" ] || { echo "no data file written"; cat "$work/zorvel.log"; exit 1; }
line="$(iconv -f CP932 -t UTF-8 "$data" | tr -d '\r' | sed -n 2p)"
echo "entry: $line"
IFS=, read -r -a f <<<"$line"
status=0
check() {  # field number (from 1), expected text, what it shows
    local got="${f[$(($1 - 1))]:-}"
    if [ "$got" = "$2" ]; then
        echo "ok   $3: $got"
    else
        echo "FAIL $3: got [$got], expected [$2]"
        status=1
    fi
}
check 3 "やまだ" "kana field, Japanese input on at start-up"
check 2 "たろう" "name field, Japanese input on"
check 4 "100-0005" "postal code field, direct input"
check 5 "まるのうち" "address field, Japanese input on again after the postal code"
check 6 "0312345678" "phone field, direct input (half-width digits)"
check 8 "S50.1.1" "birthdate field, direct input"
check 9 "1975/01/01" "birthdate read"
[ "$status" = 0 ] && echo "input method check: ok" || echo "input method check: FAILED"
exit "$status"
