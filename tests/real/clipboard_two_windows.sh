#!/usr/bin/env bash
# Two copies of Zorvel List, each in its own program folder, on one X display (Xvfb): Rｺﾋﾟｰ in
# the first, Rﾍﾟｰｽﾄ and 追加 in the second, through the X clipboard. The second folder's data
# file must then hold the entry. Exit 77 (skipped) without Xvfb or xdotool.
# Usage: clipboard_two_windows.sh ZORVEL ZORVEL_SCENARIO
set -u
zorvel=$1
runner=$2
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for tool in Xvfb xdotool iconv; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

source "$here/display.sh"
start_display 3000x1200
started=$?
pids+=("$xvfb_pid")
[ "$started" = 0 ] || fail "Xvfb did not start"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# Where to click, from the same window on the same display and fonts.
declare -A at
while read -r word name x y; do
    [ "$word" = position ] && at[$name]="$x $y"
done < <("$runner" "$here/positions.scn")
for name in line0 1064 1065 1022; do
    [ -n "${at[$name]:-}" ] || fail "no position for $name"
done

# Two program folders, each with the program and its own title.
header='No.,名前,なまえ,〒,住所,電話番号,Eメール or ホームページ,生年月日（記入）,生年月日（西暦）,電話不要,E-Mail不要,チラシ不要,ハガキ不要,登録日,期待度,本人含む票数,備考１,備考２,備考３,連名１,連名２,連名３'
entry='No.0007,山田　太郎,やまだ　たろう,100-0005,東京都千代田区丸の内1-1,03-1234-5678,taro@example.jp,S50.1.1,1975/01/01,OFF,OFF,OFF,OFF,2024/01/10 10:00:00,○,3,備考,,,山田　花子,,'
for f in A B; do
    mkdir -p "$work/$f/data"
    cp "$zorvel" "$work/$f/zorvel"
    printf '[Window]\r\nTitle=Roster %s\r\n' "$f" >"$work/$f/zorvel.ini"
done
printf '%s\r\n%s\r\n' "$header" "$entry" | iconv -f UTF-8 -t CP932 >"$work/A/data/Data.csv"

start() {  # folder x: starts the program there and moves its window to x
    (cd "$work/$1" && exec ./zorvel) >"$work/$1.out" 2>&1 &
    pids+=($!)
    local id
    id=$(timeout 30 xdotool search --sync --name "^Roster $1\$" | head -n1)
    [ -n "$id" ] || fail "the window of folder $1 did not appear"
    xdotool windowmove "$id" "$2" 0
    sleep 1
    echo "$id"
}
click() {  # window name
    # There is no window manager: the window is given the input focus as one would on a click.
    xdotool windowfocus "$1"
    sleep 0.3
    # shellcheck disable=SC2086
    xdotool mousemove --window "$1" ${at[$2]} click 1
    sleep 1
}

a=$(start A 0) || exit 1
b=$(start B 1500) || exit 1
click "$a" line0
click "$a" 1064
if command -v xclip >/dev/null; then
    echo "clipboard: $(timeout 5 xclip -o -selection clipboard)"
fi
click "$b" 1065
click "$b" 1022

# 追加 saves at once; on a busy machine it may take a moment.
for _ in $(seq 100); do
    [ -s "$work/B/data/Data.csv" ] && [ "$(wc -l <"$work/B/data/Data.csv")" -ge 2 ] && break
    sleep 0.1
done
data=$(iconv -f CP932 -t UTF-8 "$work/B/data/Data.csv" 2>/dev/null) || fail "no data file in folder B"
echo "$data"
line=$(printf '%s\n' "$data" | sed -n 2p | tr -d '\r')
expected_start='No.0001,山田　太郎,やまだ　たろう,100-0005,東京都千代田区丸の内1-1,03-1234-5678,taro@example.jp,S50.1.1,1975/01/01,OFF,OFF,OFF,OFF,'
expected_end=',○,3,備考,,,山田　花子,,'
[[ "$line" == "$expected_start"* && "$line" == *"$expected_end" ]] ||
    fail "folder B's entry is: $line"
echo "passed"
