#!/usr/bin/env bash
# Runs the real Unzelmo under Xvfb as a user would: an installation in a temporary home, a click
# on "は　い", the completion awaited, a screenshot of each stage, a click on "O K", exit 0.
#   unzelmo_under_xvfb.sh <Unzelmo> <unzelmo_test_helper> <folder for the screenshots>
set -euo pipefail
# shellcheck source=../lib/xvfb.sh
source "$(dirname "$0")/../lib/xvfb.sh"

if [ "${1:-}" != "--inside" ]; then
    unzelmo="$1" helper="$2" shots="$3"
    private_home
    mkdir -p "$shots"
    "$helper" install "$work"
    unset QT_QPA_PLATFORM
    under_xvfb 1024x768x24 "$0" --inside "$unzelmo" "$shots" "$work"
    presence="$("$helper" presence "$work")"
    echo "after the removal: $presence"
    expected="settings key 0, desktop shortcut 0, programs shortcut 0, folder 0, uninstall entry 0, neighbours intact 1"
    [ "$presence" = "$expected" ]
    exit 0
fi

unzelmo="$2" shots="$3" work="$4"
caption="ゼルモ団 のアンインストール"

"$unzelmo" &
pid=$!
started+=("$pid")
await 10 find_window "$caption"
window="$window_id"
await 10 xdotool getwindowgeometry "$window" >/dev/null
[ "$(xdotool getwindowname "$window")" = "$caption" ]

# The progress bar's last pixels take the highlight colour only once the bar is full.
bar_is_full() {
    import -window "$window" "$work/now.png"
    local pixel
    pixel="$(convert "$work/now.png" -format '%[fx:int(255*p{420,98}.b)] %[fx:int(255*p{420,98}.r)]' info:)"
    local blue="${pixel% *}" red="${pixel#* }"
    [ $((blue - red)) -gt 60 ]
}
window_drawn() { import -window "$window" "$work/now.png" 2>/dev/null; }
await 10 window_drawn
import -window root "$shots/unzelmo_asking.png"

xdotool mousemove --window "$window" 248 144 click 1
await 10 bar_is_full
import -window root "$shots/unzelmo_completed.png"

xdotool mousemove --window "$window" 376 144 click 1
wait_exit "$pid" 10
[ "$exit_status" = 0 ]
