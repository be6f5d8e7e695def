# A virtual X display with a window manager, for driving the real program
# from a script: sourced by tools/test-install.sh and tools/take-screenshots.sh.
# Needs Xvfb, openbox and xdotool. Everything it starts is stopped by
# stop_x_session, by process id.

x_pids=()

# start_x_session WORK_FOLDER [WIDTHxHEIGHT]: sets DISPLAY.
start_x_session() {
  local work=$1 size=${2:-1280x800}
  # The server picks a free display and writes its number once it is ready.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -ac 3>"$work/display" 2>"$work/xvfb.log" &
  x_pids+=($!)
  local i
  for i in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; return 1; }
  export DISPLAY=":$(head -n 1 "$work/display")"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  x_pids+=($!)
  for i in $(seq 100); do
    xdotool get_desktop >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "openbox did not start" >&2
  return 1
}

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

# wait_window PID NAME_REGEX [SECONDS]: prints the id of the first visible
# window of process PID whose title matches; fails after SECONDS (30).
wait_window() {
  local pid=$1 name=$2 seconds=${3:-30} i id
  for i in $(seq $((seconds * 5))); do
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      if [[ "$(xdotool getwindowname "$id" 2>/dev/null)" =~ $name ]]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.2
  done
  echo "no window '$name' of process $pid within $seconds s" >&2
  return 1
}

# wait_window_gone PID ID [SECONDS]
wait_window_gone() {
  local pid=$1 id=$2 seconds=${3:-30} i
  for i in $(seq $((seconds * 5))); do
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$id" || return 0
    sleep 0.2
  done
  echo "window $id of process $pid still open after $seconds s" >&2
  return 1
}

# press ID KEY...: gives the window the focus and presses the keys, as a player would.
press() {
  local id=$1
  shift
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
  xdotool key --delay 80 "$@"
}

# type_text ID TEXT
type_text() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
  xdotool type --delay 20 "$2"
}
