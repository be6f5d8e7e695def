#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The game in progress survives every way out of the real program, on a
# virtual X display driven by xdotool. A 5 x 5 sliding board opens from a
# saved game given as the argument; random arrows slide its pieces and the
# program is killed (SIGKILL) at a random moment while they come. Each next
# run starts without an argument and continues with Ctrl+R ("Continuar
# partida"), so that the chain checks that what was kept is what continues:
# after every kill the kept game reads, and its board is the board after
# some of the arrows sent, played from the board that was continued. Then
# the window is closed right after the arrows (its game is the board after
# all of them), the system asks the program to end (SIGTERM: status 0), and
# a board one arrow from home is won, which leaves nothing kept. How far
# behind the arrows each kept board was is printed, never asserted.
#
#   tests/e2e/kill_and_continue.sh PROGRAM_FOLDER KEPT_GAME_TOOL
#
# QUILTO_KILL_SEED repeats a run's random choices; QUILTO_KILLS sets how many kills.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
program=$(cd "${1:?usage: $0 PROGRAM_FOLDER KEPT_GAME_TOOL}" && pwd)
tool=${2:?usage: $0 PROGRAM_FOLDER KEPT_GAME_TOOL}
source "$root/tools/xsession.sh"
require_tools Xvfb openbox xdotool import convert
work=$(mktemp -d)
game_pid=
trap end_x_work EXIT
fail() { echo "kill_and_continue: $*" >&2; exit 1; }
seed=${QUILTO_KILL_SEED:-$((RANDOM * 32768 + RANDOM))}
RANDOM=$seed
echo "seed $seed (QUILTO_KILL_SEED repeats it)"
began=$(now_ms)

cp -r "$program" "$work/quilto"
data=$work/data/Quilto
"$tool" make "$work/start.quilto" "$work/quilto/Imagenes/Paisaje.png" 5 5 300 "$seed" >/dev/null
win_key=$("$tool" make "$work/win.quilto" "$work/quilto/Imagenes/Faro.png" 5 5 1 "$seed")
start_x_session "$work" 1024x768

# start [SAVED_GAME]: the program started, its about box closed, its empty
# board frame (or the saved game) on the screen.
start() {
  env -u QT_QPA_PLATFORM "$work/quilto/quilto" "$@" >>"$work/quilto.log" 2>&1 &
  game_pid=$!
  about=$(wait_window "$game_pid" '^Quilto$') || fail "no about box"
  press "$about" Return
  main=$(wait_window "$game_pid" '^Quilto 1\.0$') || fail "no main window"
  [ $# -gt 0 ] || wait_until "$x_wait" "the empty board frame" lavender_is whole || fail "no board frame ($box)"
}
# lavender_is whole|EMPTY_SLOT: the lavender of the board frame shows it whole
# (no board yet; its size is noted), or only in the cell of that empty slot.
lavender_is() {
  box=$(import -window root png:- | convert - -fill black +opaque 'rgb(192,192,255)' -format %@ info:)
  local w h x y
  IFS='x+' read -r w h x y <<<"$box"
  [ "$w" -gt 100 ] 2>/dev/null || return 1
  if [ "$1" = whole ]; then
    frame_w=$w frame_h=$h frame_x=$x frame_y=$y
    return 0
  fi
  local cx=$(((x + w / 2 - frame_x) * 5 / frame_w)) cy=$(((y + h / 2 - frame_y) * 5 / frame_h))
  [ "$w" -le $((frame_w / 5 + 4)) ] && [ "$((cy * 5 + cx + 1))" = "$1" ]
}
kept() { "$tool" kept "$data" 2>/dev/null; }
kept_is() { [ "$(kept)" = "$1" ]; }

# continue_game: Ctrl+R, and the board kept (copied to $work/from first) on the screen.
continue_game() {
  local board
  board=$(kept) || fail "no kept game to continue"
  rm -rf "$work/from" && cp -r "$data" "$work/from"
  press "$main" ctrl+r
  wait_until "$x_wait" "the kept board on the screen" lavender_is "${board%%:*}" ||
    fail "the kept board ($board) is not on the screen ($box)"
}
# play COUNT [kill]: COUNT random arrows to the board, some 15 a second;
# with kill, SIGKILL within 90 ms of the last. Sets keys, key_ms (when each
# was sent) and end_ms.
play() {
  local arrows=(Left Up Right Down) _
  keys=() key_ms=()
  activate "$main"
  for _ in $(seq "$1"); do
    keys+=("${arrows[RANDOM % 4]}")
    xdotool key "${keys[-1]}"
    key_ms+=("$(now_ms)")
    sleep "0.0$((RANDOM % 10))"
  done
  end_ms=$(now_ms)
  if [ $# -gt 1 ]; then
    kill -KILL "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
  fi
}
# check START WHAT: the kept game reads and its board is the one after some
# prefix of the arrows played from START; says how far behind it was.
check() {
  local board replays behind last
  board=$(kept) || fail "$2: no kept game reads after it"
  "$tool" replay "$1" "${keys[@]}" >"$work/replay"
  replays=$(grep -nxF "$board" "$work/replay" | cut -d: -f1) ||
    fail "$2: the kept board ($board) is none of the boards after ${#keys[@]} arrows ($(cat "$work/replay"))"
  last=$(tail -n 1 <<<"$replays")
  behind=$((${#keys[@]} + 1 - last))
  printf '%s after %d arrows in %s s: ' "$2" ${#keys[@]} "$(secs $((end_ms - key_ms[0])))"
  if ((behind == 0)); then
    echo "every arrow kept"
  else
    echo "kept $behind arrows behind, the first of them sent $(secs $((end_ms - key_ms[${#keys[@]} - behind]))) s before the end"
  fi
}
secs() { printf '%d.%d' $(($1 / 1000)) $(($1 % 1000 / 100)); }

# First run: the saved game, kept whole soon after it opens.
start "$work/start.quilto"
wait_until "$x_wait" "the saved game kept" kept_is "$("$tool" replay "$work/start.quilto")" || fail "the game opened is not kept"
cp "$work/start.quilto" "$work/from"
kills=${QUILTO_KILLS:-6}
for run in $(seq "$kills"); do
  ((run == 1)) || { start && continue_game; }
  play $((5 + RANDOM % 50)) kill
  check "$work/from" "kill $run"
done

start && continue_game
play $((5 + RANDOM % 30))
xdotool key alt+F4
wait_exit "$game_pid" || fail "closing the window ended the program with status $?"
game_pid=
check "$work/from" "window closed"
[ "$(kept)" = "$(tail -n 1 "$work/replay")" ] || fail "the window closed without keeping every arrow before it"

start && continue_game
play $((5 + RANDOM % 60))
kill -TERM "$game_pid"
wait_exit "$game_pid" || fail "SIGTERM ended the program with status $?"
game_pid=
check "$work/from" "SIGTERM"

# A win lets the kept game go: nothing is left to continue.
start "$work/win.quilto"
wait_until "$x_wait" "the board one arrow from home kept" kept_is "$("$tool" replay "$work/win.quilto")" ||
  fail "the board one arrow from home is not kept"
press "$main" "$win_key"
box=$(wait_window "$game_pid" '^Quilto$') || fail "no \"Lo has logrado!\" after $win_key"
press "$box" Return
wait_window_gone "$game_pid" "$box" || fail 'the "Lo has logrado!" box stayed open'
press "$main" alt+F4
wait_exit "$game_pid" || fail "closing the window after the win ended the program with status $?"
game_pid=
if [ -e "$data/partida-en-curso.quilto" ] || [ -e "$data/partida-en-curso.tablero" ]; then
  fail "a won game left $(ls "$data")"
fi
echo "kill_and_continue: $kills kills, a closed window, SIGTERM and a win: passed in $((($(now_ms) - began) / 1000)) s"
