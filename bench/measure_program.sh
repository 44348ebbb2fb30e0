#!/usr/bin/env bash
# Measures the whole game under Xvfb at 1024 x 768 and 1920 x 1080:
#  - start to first frame: bench/first_frame starts the program and polls the root window every
#    0.5 ms until the field's life line (green, at (W - 140, 20)) shows; median of 5 starts;
#  - CPU while stopped (20 s after the title) and while playing (20 s after a click on the start
#    button), as a share of one core, from utime + stime in /proc/<pid>/stat;
#  - peak memory: "Maximum resident set size" of GNU time -v over the measured run, which ends
#    with a click on the end button.
# Usage: bench/measure_program.sh [BUILD_DIR] (default build/, a release build).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${1:-}" = "--inside" ]; then
  build="$2"; width="$3"; height="$4"
  game="$build/game/zelmo_dan"
  poll="$build/bench/first_frame"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  # A registry and window registrations of its own, so no other copy or record interferes.
  export ZELMO_REGISTRY_DIR="$work/registry" ZELMO_WINDOWS_DIR="$work/windows"
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -p "$ZELMO_REGISTRY_DIR" "$ZELMO_WINDOWS_DIR" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  ticks="$(getconf CLK_TCK)"

  cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
  now_ns() { date +%s%N; }
  # Share of one core used by pid $1 over $2 seconds, in percent.
  cpu_share() {
    local pid="$1" secs="$2" c0 c1 t0 t1
    c0="$(cpu_ticks "$pid")"; t0="$(now_ns)"
    sleep "$secs"
    c1="$(cpu_ticks "$pid")"; t1="$(now_ns)"
    awk -v c="$((c1 - c0))" -v hz="$ticks" -v ns="$((t1 - t0))" \
      'BEGIN { printf "%.2f", 100 * (c / hz) / (ns / 1e9) }'
  }

  firsts=()
  for _ in 1 2 3 4 5; do
    "$poll" "$game" >"$work/first.txt" 2>/dev/null
    pid="$(sed -n 1p "$work/first.txt")"
    firsts+=("$(sed -n 2p "$work/first.txt")")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
  done
  first_median="$(printf '%s\n' "${firsts[@]}" | sort -n | sed -n 3p)"

  "$poll" /usr/bin/time -v -o "$work/time.txt" "$game" >"$work/first.txt" 2>/dev/null
  timepid="$(sed -n 1p "$work/first.txt")"
  pid=""
  while [ -z "$pid" ]; do pid="$(pgrep -P "$timepid" || true)"; done
  sleep 2 # the 1.2 s title, then the stopped state
  stopped="$(cpu_share "$pid" 20)"
  xdotool mousemove 86 $((height - 52 + 17)) click 1
  sleep 1 # the button's 500 ms pause
  playing="$(cpu_share "$pid" 20)"
  [ -n "${ZELMO_SHOT:-}" ] && import -window root "$ZELMO_SHOT-${width}x${height}.png"
  xdotool mousemove 214 $((height - 52 + 17)) click 1
  while kill -0 "$timepid" 2>/dev/null; do sleep 0.05; done
  rss="$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")"
  printf '%sx%s: first frame %s ms (median of 5: %s), CPU stopped %s%%, playing %s%%, peak RSS %s MB\n' \
    "$width" "$height" "$first_median" "${firsts[*]}" "$stopped" "$playing" \
    "$(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }')"
  exit 0
fi

build="$(cd "${1:-$here/build}" && pwd)"
for size in "1024 768" "1920 1080"; do
  read -r w h <<<"$size"
  xvfb-run -a -s "-screen 0 ${w}x${h}x24" "$0" --inside "$build" "$w" "$h"
done
