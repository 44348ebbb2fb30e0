#!/usr/bin/env bash
# Starts the real game under Xvfb as a user would and checks what reaches the screen.
#   game_xvfb_test.sh CASE GAME REGTOOL SHOTS_DIR
# CASE: window | second-copy | hiscore | screen-check. Screenshots and the game's output go to
# SHOTS_DIR/CASE. Every wait is bounded; every process started here is ended on exit.
set -euo pipefail
# shellcheck source=../lib/xvfb.sh
source "$(dirname "$0")/../lib/xvfb.sh"

if [ $# -ne 4 ]; then
  echo "usage: $0 window|second-copy|hiscore|screen-check GAME REGTOOL SHOTS_DIR" >&2
  exit 2
fi
case_name="$1"
game="$(realpath "$2")"
regtool="$(realpath "$3")"
if [ "${ZELMO_E2E_INSIDE:-}" = 1 ]; then
  shots="$4"
else
  mkdir -p "$4/$case_name"
  shots="$(realpath "$4/$case_name")"
  rm -f "$shots"/*.png "$shots"/*.log
fi

export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

make_work

fail() {
  echo "FAIL [$case_name]: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    local pid
    for pid in "${started[@]}"; do
      kill -0 "$pid" 2>/dev/null && echo "process $pid still runs" >&2
    done
    xwininfo -root -tree >&2 || true
    tail -n 20 "$shots"/*.log >&2 || true
  fi
  exit 1
}

# Fresh, private folders for the registry, the runtime folder and the window registrations.
fresh_env() {
  rm -rf "$work/env"
  mkdir -p "$work/env/registry" "$work/env/runtime" "$work/env/windows"
  chmod 700 "$work/env/runtime" "$work/env/windows"
  export ZELMO_REGISTRY_DIR="$work/env/registry"
  export XDG_RUNTIME_DIR="$work/env/runtime"
  export ZELMO_WINDOWS_DIR="$work/env/windows"
}

# Starts the game in the background; its id goes to game_pid, its output to SHOTS/NAME.log.
start_game() {
  "$game" >"$shots/$1.log" 2>&1 &
  game_pid=$!
  started+=("$game_pid")
}

# Waits up to $2 seconds for a mapped window titled $1; its id goes to window_id.
wait_window() { await "$2" find_window "$1"; }

# Geometry of a window as "X Y W H" (absolute upper-left corner and size).
geometry_of() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
    END { print x, y, w, h }'
}

# Whether window $1 asks the window manager for no decorations (Motif hints: the decorations
# flag set, no decorations).
no_decorations() {
  local hints
  hints="$(xprop -id "$1" _MOTIF_WM_HINTS)"
  [[ "$hints" =~ =\ (0x[0-9a-f]+),\ 0x[0-9a-f]+,\ (0x[0-9a-f]+) ]] || return 1
  (( (BASH_REMATCH[1] & 2) != 0 && BASH_REMATCH[2] == 0 ))
}

shot() {
  import -window root "$shots/$1.png"
}

# Pixels of colour $3 (red, green, blue, black) in the rectangle $2 (WxH+X+Y) of shot $1, and
# the number of columns holding such a pixel: prints "PIXELS COLUMNS".
count_colour() {
  convert "$shots/$1.png" -crop "$2" +repage -alpha off -depth 8 txt:- | awk -v want="$3" '
    /^#/ { next }
    {
      split($1, xy, ",")
      open = index($0, "("); rgb = substr($0, open + 1, index($0, ")") - open - 1)
      gsub(/ /, "", rgb); split(rgb, c, ",")
      r = c[1] + 0; g = c[2] + 0; b = c[3] + 0
      hit = 0
      if (want == "red") hit = r >= 180 && g <= 70 && b <= 70
      else if (want == "green") hit = g >= 180 && r <= 70 && b <= 70
      else if (want == "blue") hit = b >= 100 && r <= 70 && g <= 70
      else if (want == "black") hit = r <= 10 && g <= 10 && b <= 10
      if (hit) { n++; cols[xy[1]] = 1 }
    }
    END { ncols = 0; for (k in cols) ncols++; print n + 0, ncols }'
}

pixels() { count_colour "$@" | cut -d' ' -f1; }
columns() { count_colour "$@" | cut -d' ' -f2; }

# The areas of a 1024 x 768 screen the checks read: the big line at (347, 323) in 28-point
# text, the life line at (884, 20), the category caption at (20, 20) and the high-score line at
# (432, 20), each in 10-point text.
title_area=340x45+347+323
life_area=100x16+884+20
category_area=120x16+20+20
hiscore_area=128x17+432+20

# Whether shot NAME ($1), taken now, shows the status lines without the title.
stopped_field_shown() {
  shot "$1"
  [ "$(pixels "$1" "$title_area" red)" -eq 0 ] && [ "$(pixels "$1" "$life_area" green)" -gt 0 ]
}

# Waits up to $1 seconds for the title to go and the status lines to stay; shot NAME is $2.
wait_stopped_field() { await "$1" stopped_field_shown "$2"; }

case_window() {
  fresh_env
  start_game window
  wait_window "ゼルモ団" 20 || fail "no main window appeared"
  local first_seen
  first_seen=$(now_ms)

  # The title line shows for 40 ticks (1.2 s) from the first frame.
  local i=0 seen_title=0
  while [ $(($(now_ms) - first_seen)) -lt 6000 ]; do
    i=$((i + 1))
    shot "title-$i"
    if [ "$(pixels "title-$i" "$title_area" red)" -gt 50 ]; then
      seen_title=1
      cp "$shots/title-$i.png" "$shots/title.png"
      break
    fi
  done
  [ "$seen_title" -eq 1 ] || fail "the red title line never showed in $title_area"
  [ "$(pixels title "$life_area" green)" -gt 0 ] || fail "no life line beside the title"

  read -r x y w h <<<"$(geometry_of "$window_id")"
  [ "$x $y $w $h" = "0 0 1024 768" ] || fail "main window at $x,$y ${w}x$h, not the whole screen"
  no_decorations "$window_id" || fail "the window asks for decorations: $(xprop -id "$window_id" _MOTIF_WM_HINTS)"

  wait_stopped_field 10 stopped || fail "the title did not give way to the status lines"
  [ "$(pixels stopped "$category_area" green)" -gt 0 ] || fail "no category caption at (20, 20)"
  [ "$(pixels stopped "$hiscore_area" green)" -gt 0 ] || fail "no high-score line at (432, 20)"
  [ "$(pixels stopped 400x200+300+300 black)" -eq 80000 ] || fail "the field is not black"
  [ "$(pixels stopped 10x10+270+745 blue)" -eq 100 ] || fail "no navy bar at the bottom"
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself"
}

case_second_copy() {
  fresh_env
  # The registrations' default place: the runtime folder.
  unset ZELMO_WINDOWS_DIR
  start_game first
  local first=$game_pid
  wait_window "ゼルモ団" 20 || fail "no main window appeared"
  local before
  before="$(xwininfo -root -children | grep -c '^ *0x')"

  local t0
  t0=$(now_ms)
  start_game second
  wait_exit "$game_pid" 3 || fail "the second copy still runs after 3 s"
  [ "$exit_status" -eq 0 ] || fail "the second copy ended with status $exit_status"
  echo "second copy ended after $(($(now_ms) - t0)) ms"
  shot both
  [ "$(windows_named "ゼルモ団" | wc -l)" -eq 1 ] || fail "more than one main window"
  [ "$(xwininfo -root -children | grep -c '^ *0x')" -eq "$before" ] ||
    fail "the second copy left a window"
  kill -0 "$first" 2>/dev/null || fail "the first copy ended"

  # A copy that is killed leaves nothing that blocks the next start.
  kill -KILL "$first"
  wait "$first" 2>/dev/null || true
  wait_window_gone 10 || fail "the killed copy's window stayed"
  start_game after-kill
  wait_window "ゼルモ団" 20 || fail "no main window after the first copy was killed"
  wait_stopped_field 10 after-kill || fail "the new copy shows no status lines"
}

no_main_window() { [ -z "$(windows_named "ゼルモ団")" ]; }

# Waits up to $1 seconds until no main window is mapped.
wait_window_gone() { await "$1" no_main_window; }

# Runs the game until the stopped field shows, shot NAME is $1, then ends it.
stopped_field_of() {
  start_game "$1"
  wait_window "ゼルモ団" 20 || fail "no main window appeared ($1)"
  wait_stopped_field 10 "$1" || fail "no stopped field ($1)"
  kill -TERM "$game_pid"
  wait_exit "$game_pid" 10 || fail "the game did not end on SIGTERM"
  wait_window_gone 10 || fail "the window stayed after the game ended"
}

case_hiscore() {
  fresh_env
  stopped_field_of hiscore-none
  local none
  none=$(columns hiscore-none "$hiscore_area" green)

  fresh_env
  "$regtool" set HKCU 'Software\zelmo_dan' HiScoreRomajiKiso dword 1234
  [ "$("$regtool" get HKCU 'Software\zelmo_dan' HiScoreRomajiKiso)" = "REG_DWORD 1234" ] ||
    fail "regtool did not store the value"
  stopped_field_of hiscore-1234
  local set
  set=$(columns hiscore-1234 "$hiscore_area" green)

  echo "green columns of the high-score line: $none without data, $set with 1234"
  [ "$none" -gt 0 ] || fail "no high-score line without registry data"
  [ "$set" -gt "$none" ] || fail "the high score 1234 is not wider than 0 ($set vs $none columns)"
}

# Under a screen of $1 x $2: the game either runs full screen or shows the message and ends.
screen_case() {
  local sw=$1 sh=$2
  fresh_env
  start_game "screen-${sw}x$sh"
  if [ "$3" = runs ]; then
    wait_window "ゼルモ団" 20 || fail "no main window at ${sw}x$sh"
    wait_stopped_field_any 10 "screen-${sw}x$sh" || fail "nothing drawn at ${sw}x$sh"
    read -r x y w h <<<"$(geometry_of "$window_id")"
    [ "$x $y $w $h" = "0 0 $sw $sh" ] || fail "main window at $x,$y ${w}x$h on a ${sw}x$sh screen"
    [ -z "$(windows_named "メッセージ")" ] || fail "a message at ${sw}x$sh"
    return 0
  fi
  wait_window "メッセージ" 20 || fail "no message box at ${sw}x$sh"
  local box=$window_id
  shot "screen-${sw}x$sh"
  read -r x y w h <<<"$(geometry_of "$box")"
  { [ "$w" -lt "$sw" ] && [ "$h" -lt "$sh" ]; } || fail "the message box is ${w}x$h"
  [ -z "$(windows_named "ゼルモ団")" ] || fail "a main window beside the message at ${sw}x$sh"
  ! xwininfo -root -children | grep -q " ${sw}x$sh+0+0 " || fail "a full-screen window at ${sw}x$sh"
  [ "$(xwininfo -root -children | grep -c "\"メッセージ\"")" -eq 1 ] || fail "not one message box"
  xdotool windowfocus "$box" key Return
  wait_exit "$game_pid" 10 || fail "the game still runs after the message was closed"
  [ "$exit_status" -eq 0 ] || fail "ended with status $exit_status after the message"
  [ -z "$(ls -A "$ZELMO_REGISTRY_DIR")" ] || fail "the registry was touched before the check"
}

# Whether shot NAME ($1), taken now, shows the status lines of any screen size: the category
# caption at (20, 20).
any_stopped_field_shown() {
  shot "$1"
  [ "$(pixels "$1" "$category_area" green)" -gt 0 ]
}

wait_stopped_field_any() { await "$1" any_stopped_field_shown "$2"; }

# Runs case $2 inside an X server with a screen of $1.
run_case() {
  under_xvfb "$1" env ZELMO_E2E_INSIDE=1 bash "$0" "$2" "$game" "$regtool" "$shots"
}

if [ "${ZELMO_E2E_INSIDE:-}" = 1 ]; then
  case "$case_name" in
    window) case_window ;;
    second-copy) case_second_copy ;;
    hiscore) case_hiscore ;;
    screen-800x600) screen_case 800 600 runs ;;
    screen-799x600) screen_case 799 600 message ;;
    screen-800x599) screen_case 800 599 message ;;
    *) fail "unknown case" ;;
  esac
  echo "PASS [$case_name]"
  exit 0
fi

case "$case_name" in
  window | second-copy | hiscore) run_case 1024x768x24 "$case_name" ;;
  screen-check)
    run_case 800x600x24 screen-800x600
    run_case 799x600x24 screen-799x600
    run_case 800x599x24 screen-800x599
    ;;
  *)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac
