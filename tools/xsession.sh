# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# A virtual X display with a window manager, for driving the real program
# from a script: sourced by tests/e2e/play_in_x.sh,
# tests/e2e/kill_and_continue.sh, tools/test-install.sh,
# tools/take-screenshots.sh and tools/measure-board-latency.sh.
# Needs Xvfb, openbox and xdotool. Everything it starts is stopped by
# stop_x_session, by process id.

x_pids=()

# require_tools TOOL...: ends the script as skipped (status 77) when one is missing.
require_tools() {
  local t
  for t in "$@"; do
    command -v "$t" >/dev/null || { echo "skipped: $t is not installed"; exit 77; }
  done
}

# How long any wait here lasts before it fails: long enough for a machine at
# full load, since a test must fail on a wrong result, never on a slow one.
x_wait=${QUILTO_X_WAIT:-120}

# wait_until SECONDS WHAT COMMAND...: runs COMMAND until it succeeds; after
# SECONDS, fails saying that WHAT did not happen and how long it waited.
wait_until() {
  local limit=$1 what=$2 start waited
  shift 2
  start=$(now_ms)
  until "$@"; do
    waited=$(($(now_ms) - start))
    if ((waited >= limit * 1000)); then
      echo "$what: not after $((waited / 1000)).$((waited % 1000 / 100)) s of waiting" >&2
      return 1
    fi
    sleep 0.1
  done
}
now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }

# start_x_session WORK_FOLDER [WIDTHxHEIGHT]: sets DISPLAY.
start_x_session() {
  local work=$1 size=${2:-1280x800}
  # The game in progress is kept in the work folder, not in the user's own.
  export XDG_DATA_HOME="$work/data"
  # The server picks a free display and writes its number once it is ready.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -ac 3>"$work/display" 2>"$work/xvfb.log" &
  x_pids+=($!)
  wait_until "$x_wait" "Xvfb ready" test -s "$work/display" || { cat "$work/xvfb.log" >&2; return 1; }
  export DISPLAY=":$(head -n 1 "$work/display")"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  x_pids+=($!)
  # The window manager is running once it names the current desktop.
  wait_until "$x_wait" "openbox managing the display" desktop_named || { cat "$work/openbox.log" >&2; return 1; }
}

desktop_named() { xdotool get_desktop >/dev/null 2>&1; }

stop_x_session() {
  local pid
  for pid in "${x_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${x_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  x_pids=()
}

# end_x_work: the trap of a script that plays in a session. Stops the game
# ($game_pid, when set) and the session, and removes the work folder $work.
end_x_work() {
  set +e
  if [ -n "${game_pid:-}" ]; then
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
  fi
  stop_x_session
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}

# window_of PID NAME_REGEX: prints the id of the first visible window of
# process PID whose title matches, or fails.
window_of() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    if [[ "$(xdotool getwindowname "$id" 2>/dev/null)" =~ $2 ]]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# wait_window PID NAME_REGEX [SECONDS]: prints the id of the first visible
# window of process PID whose title matches, once there is one.
wait_window() {
  wait_until "${3:-$x_wait}" "a window '$2' of process $1" find_window "$1" "$2" && echo "$found_window"
}
find_window() { found_window=$(window_of "$1" "$2"); }

# wait_window_gone PID ID [SECONDS]
window_gone() { ! xdotool search --onlyvisible --pid "$1" 2>/dev/null | grep -qx "$2"; }
wait_window_gone() {
  wait_until "${3:-$x_wait}" "window $2 of process $1 gone" window_gone "$1" "$2"
}

# wait_exit PID [SECONDS]: waits for the child process PID to end and gives
# its status; kills it after SECONDS (status 124).
wait_exit() {
  local pid=$1
  if ! wait_until "${2:-$x_wait}" "process $pid ended" ended "$pid"; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 124
  fi
  wait "$pid"
}
ended() { [ ! -e "/proc/$1" ] || [ "$(sed -E 's/.*\) (.).*/\1/' "/proc/$1/stat" 2>/dev/null)" = Z ]; }

# activate ID: gives the window the focus, as a player's click would, and
# waits until it has it.
activate() { wait_until "$x_wait" "window $1 active" focus_on "$1"; }
focus_on() {
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
  xdotool windowactivate "$1" >/dev/null 2>&1 || xdotool windowfocus "$1" >/dev/null 2>&1
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# press ID KEY...: gives the window the focus and presses the keys, as a player would.
press() {
  local id=$1
  shift
  activate "$id"
  xdotool key --delay 80 "$@"
}

# type_text ID TEXT
type_text() {
  activate "$1"
  xdotool type --delay 20 "$2"
}
