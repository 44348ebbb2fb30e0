# shellcheck shell=bash
# Shared by the tests that run a real program under Xvfb as a user would: a private home, the
# display server, bounded waits, window lookup, and the ending of every process they start.
# Source it; when the script exits, every process id in `started` is killed and the folder made
# by make_work is removed.

started=()
work_to_remove=""

end_started() {
  local pid
  for pid in "${started[@]}"; do
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [ -n "$work_to_remove" ]; then rm -rf "$work_to_remove"; fi
}
trap end_started EXIT
trap 'exit 130' INT TERM

now_ms() { date +%s%3N; }

# make_work: a fresh temporary folder in `work`.
make_work() {
  work="$(mktemp -d "${TMPDIR:-/tmp}/zelmo_xvfb.XXXXXX")"
  work_to_remove="$work"
}

# private_home: make_work, with the user's home, configuration, data and registry folders inside
# it, all exported.
private_home() {
  make_work
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
  export XDG_DATA_HOME="$work/home/.local/share" ZELMO_REGISTRY_DIR="$work/registry"
  mkdir -p "$HOME" "$ZELMO_REGISTRY_DIR"
}

# await SECONDS COMMAND...: runs COMMAND every twentieth of a second until it succeeds; fails
# when SECONDS have passed first.
await() {
  local deadline=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    if [ "$(now_ms)" -ge "$deadline" ]; then
      echo "gave up waiting for: $*" >&2
      return 1
    fi
    sleep 0.05
  done
}

# The ids of the mapped top-level windows titled exactly $1.
windows_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

# find_window TITLE: whether a mapped window titled exactly TITLE is there; its id goes to
# window_id.
find_window() {
  window_id="$(windows_named "$1" | head -n 1)"
  [ -n "$window_id" ]
}

process_ended() { ! kill -0 "$1" 2>/dev/null; }

# wait_exit PID SECONDS: waits for the process to end; its exit status goes to exit_status.
wait_exit() {
  await "$2" process_ended "$1" || return 1
  exit_status=0
  # shellcheck disable=SC2034 # read by the caller
  wait "$1" || exit_status=$?
}

# under_xvfb SCREEN COMMAND...: runs COMMAND under an X server with one screen of SCREEN
# (WxHxDEPTH) and returns its status, retried when the server fails to start (another test may
# take the same display number at the same moment). The server must not reset when its last
# client leaves: the short-lived xdotool and xwininfo clients would otherwise make it reset while
# the program connects, and the program's connection would be refused.
under_xvfb() {
  local screen="$1" mark attempt rc
  shift
  mark="$(mktemp -u "${TMPDIR:-/tmp}/zelmo_xvfb_started.XXXXXX")"
  for attempt in 1 2 3; do
    rm -f "$mark"
    rc=0
    # shellcheck disable=SC2016 # the inner shell expands them
    xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 $screen -noreset" \
      bash -c ': >"$0" && exec "$@"' "$mark" "$@" || rc=$?
    if [ -e "$mark" ]; then
      rm -f "$mark"
      return "$rc"
    fi
    echo "Xvfb did not start (attempt $attempt)" >&2
  done
  echo "Xvfb did not start" >&2
  return 1
}
