#!/usr/bin/env bash
# Runs the real Unzelmo under Xvfb as a user would: an installation in a temporary home, a click
# on "は　い", the completion awaited, a screenshot of each stage, a click on "O K", exit 0.
#   unzelmo_under_xvfb.sh <Unzelmo> <unzelmo_test_helper> <folder for the screenshots>
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    unzelmo="$1" helper="$2" shots="$3"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    export XDG_DATA_HOME="$work/home/.local/share" ZELMO_REGISTRY_DIR="$work/registry"
    mkdir -p "$HOME" "$ZELMO_REGISTRY_DIR" "$shots"
    "$helper" install "$work"
    unset QT_QPA_PLATFORM
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$unzelmo" "$shots" "$work"
    presence="$("$helper" presence "$work")"
    echo "after the removal: $presence"
    expected="settings key 0, desktop shortcut 0, programs shortcut 0, folder 0, uninstall entry 0, neighbours intact 1"
    [ "$presence" = "$expected" ]
    exit 0
fi

unzelmo="$2" shots="$3" work="$4"
caption="ゼルモ団 のアンインストール"

# Waits up to ten seconds for a condition, checking every tenth of a second.
await() {
    for _ in $(seq 100); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    echo "gave up waiting for: $*" >&2
    return 1
}

"$unzelmo" &
pid=$!
window_of_unzelmo() { window="$(xdotool search --name "^${caption}\$" 2>/dev/null | head -n1)"; [ -n "$window" ]; }
await window_of_unzelmo
await xdotool getwindowgeometry "$window" >/dev/null
[ "$(xdotool getwindowname "$window")" = "$caption" ]

# The progress bar's last pixels take the highlight colour only once the bar is full.
bar_is_full() {
    import -window "$window" "$work/now.png"
    local pixel
    pixel="$(convert "$work/now.png" -format '%[fx:int(255*p{420,98}.b)] %[fx:int(255*p{420,98}.r)]' info:)"
    local blue="${pixel% *}" red="${pixel#* }"
    [ $((blue - red)) -gt 60 ]
}
window_shown() { import -window "$window" "$work/now.png" 2>/dev/null; }
await window_shown
import -window root "$shots/unzelmo_asking.png"

xdotool mousemove --window "$window" 248 144 click 1
await bar_is_full
import -window root "$shots/unzelmo_completed.png"

xdotool mousemove --window "$window" 376 144 click 1
exited() { ! kill -0 "$pid" 2>/dev/null; }
await exited
wait "$pid"
