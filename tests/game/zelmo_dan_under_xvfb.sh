#!/usr/bin/env bash
# Runs the real game under Xvfb as a user would: waits for the title to pass, clicks Start,
# types a wrong answer and Enter, clicks End; the program must end with status 0, print no
# sanitizer report, and leave the game it played in the registry.
#   zelmo_dan_under_xvfb.sh <zelmo_dan> <store_helper> <folder for the program's error output>
set -euo pipefail
tests="$(cd "$(dirname "$0")/.." && pwd)"
# shellcheck source=../lib/xvfb.sh
source "$tests/lib/xvfb.sh"

if [ "${1:-}" != "--inside" ]; then
    game="$1" helper="$2" out="$3"
    private_home
    export ZELMO_WINDOWS_DIR="$work/windows"
    mkdir -p "$ZELMO_WINDOWS_DIR" "$out"
    unset QT_QPA_PLATFORM
    under_xvfb 1024x768x24 "$0" --inside "$game" "$out" "$work"
    records="$("$helper" show 0)"
    echo "records of the first category: $records"
    read -r best hits misses time <<<"$records"
    [ "$misses" = 1 ] && [ "$hits" = 0 ] && [ "$best" = 0 ] && [ -n "$time" ]
    exit 0
fi

game="$2" out="$3" work="$4"
height=768

# The leak checker runs too, apart from what system libraries keep until the end.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$tests/lsan.supp:print_suppressions=0"
"$game" 2>"$out/zelmo_dan.stderr" &
pid=$!
started+=("$pid")
await 30 find_window "ゼルモ団"

# The title is drawn across the middle of the field for its first 40 ticks, then cleared.
middle_lit() {
    import -window root "$work/now.png" 2>/dev/null || return 1
    [ "$(convert "$work/now.png" -crop 1024x80+0+300 -format '%[fx:maxima.intensity>0.2]' info:)" = 1 ]
}
middle_dark() { ! middle_lit; }
await 30 middle_lit
await 30 middle_dark

xdotool mousemove 86 $((height - 52 + 17)) click 1
xdotool type --delay 30 "zzzzz"
xdotool key Return
xdotool mousemove $((164 + 50)) $((height - 52 + 17)) click 1

wait_exit "$pid" 30
cat "$out/zelmo_dan.stderr" >&2
if [ "$exit_status" != 0 ]; then
    echo "zelmo_dan ended with status $exit_status" >&2
    exit 1
fi
if grep -E -q 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: .*Sanitizer' \
    "$out/zelmo_dan.stderr"; then
    echo "zelmo_dan printed a sanitizer report" >&2
    exit 1
fi
