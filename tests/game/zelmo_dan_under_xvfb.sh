#!/usr/bin/env bash
# Runs the real game under Xvfb as a user would: waits for the title to pass, clicks Start,
# types a wrong answer and Enter, clicks End; the program must end with status 0, print no
# sanitizer report, and leave the game it played in the registry.
#   zelmo_dan_under_xvfb.sh <zelmo_dan> <store_helper> <folder for the program's error output>
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    game="$1" helper="$2" out="$3"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    export XDG_DATA_HOME="$work/home/.local/share" ZELMO_REGISTRY_DIR="$work/registry"
    export ZELMO_WINDOWS_DIR="$work/windows"
    mkdir -p "$HOME" "$ZELMO_REGISTRY_DIR" "$ZELMO_WINDOWS_DIR" "$out"
    unset QT_QPA_PLATFORM
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$game" "$out" "$work"
    records="$("$helper" show 0)"
    echo "records of the first category: $records"
    read -r best hits misses time <<<"$records"
    [ "$misses" = 1 ] && [ "$hits" = 0 ] && [ "$best" = 0 ] && [ -n "$time" ]
    exit 0
fi

game="$2" out="$3" work="$4"
height=768

# Waits up to thirty seconds for a condition, checking every tenth of a second.
await() {
    for _ in $(seq 300); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    echo "gave up waiting for: $*" >&2
    return 1
}

# The leak checker runs too, apart from what system libraries keep until the end.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp:print_suppressions=0"
"$game" 2>"$out/zelmo_dan.stderr" &
pid=$!
window_of_game() { window="$(xdotool search --name '^ゼルモ団$' 2>/dev/null | head -n1)"; [ -n "$window" ]; }
await window_of_game

# The title is drawn across the middle of the field for its first 40 ticks, then cleared.
middle_lit() {
    import -window root "$work/now.png" 2>/dev/null || return 1
    [ "$(convert "$work/now.png" -crop 1024x80+0+300 -format '%[fx:maxima.intensity>0.2]' info:)" = 1 ]
}
middle_dark() { ! middle_lit; }
await middle_lit
await middle_dark

xdotool mousemove 86 $((height - 52 + 17)) click 1
xdotool type --delay 30 "zzzzz"
xdotool key Return
xdotool mousemove $((164 + 50)) $((height - 52 + 17)) click 1

exited() { ! kill -0 "$pid" 2>/dev/null; }
await exited
status=0
wait "$pid" || status=$?
cat "$out/zelmo_dan.stderr" >&2
if [ "$status" != 0 ]; then
    echo "zelmo_dan ended with status $status" >&2
    exit 1
fi
if grep -E -q 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: .*Sanitizer' \
    "$out/zelmo_dan.stderr"; then
    echo "zelmo_dan printed a sanitizer report" >&2
    exit 1
fi
