#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays one game on a virtual X display, as a player would, with a copy of the
# built program's folder: the about box closed by a key, F3 and a sample
# picture, a 2 x 1 board set in the configuration dialog, one drag that wins,
# and the settings file beside the program, byte for byte; alt+F4 ends it.
#
#   tests/e2e/play_in_x.sh PROGRAM_FOLDER     (e.g. build/quilto)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
program=$(cd "${1:?usage: $0 PROGRAM_FOLDER}" && pwd)
source "$root/tools/xsession.sh"
work=$(mktemp -d)
game_pid=
trap end_x_work EXIT
fail() { echo "end-to-end: $*" >&2; exit 1; }

cp -r "$program" "$work/quilto"
rm -f "$work/quilto/Quilto.ini"
start_x_session "$work" 1280x800
env -u QT_QPA_PLATFORM "$work/quilto/quilto" >"$work/quilto.log" 2>&1 &
game_pid=$!

about=$(wait_window "$game_pid" '^Quilto$') || fail "no about box"
xdotool search --all --onlyvisible --pid "$game_pid" --name '^Quilto 1\.0$' >/dev/null &&
  fail "the main window showed before the about box was closed"
press "$about" Return
wait_window_gone "$game_pid" "$about" || fail "a key left the about box open"
main=$(wait_window "$game_pid" '^Quilto 1\.0$') || fail "no main window"
# The lavender board frame, as WIDTHxHEIGHT+LEFT+TOP on the screen, once it is painted.
board_frame() {
  frame=$(import -window root png:- | convert - -fill black +opaque 'rgb(192,192,255)' -format %@ info:)
  IFS='x+' read -r width height left top <<<"$frame"
  [ "$width" -gt 100 ] 2>/dev/null && [ "$height" -gt 100 ]
}
wait_until "$x_wait" "the board frame on the screen" board_frame || fail "no board frame on the screen ($frame)"

press "$main" F3
chooser=$(wait_window "$game_pid" '^Abrir$') || fail "F3 opened no file dialog"
type_text "$chooser" "$work/quilto/Imagenes/Paisaje.png"
press "$chooser" Return
wait_window_gone "$game_pid" "$chooser" || fail "the file dialog stayed open"
# The first picture opens the configuration, "Aceptar" focused: columns to the
# least, "Idénticos." and irregular pieces off, one column more: 2 x 1.
config=$(wait_window "$game_pid" '^Configuración$') || fail "no configuration dialog"
press "$config" Tab Home Tab space Tab space shift+Tab shift+Tab Right shift+Tab Return
wait_window_gone "$game_pid" "$config" || fail "the configuration dialog stayed open"

y=$((top + height / 2)) from=$((left + width / 4)) to=$((left + 3 * width / 4))
# A shuffle of two pieces may leave them at home. A click runs the completion
# check; F4 after it opens the configuration unless "Lo has logrado!" came
# first, whose box, modal, keeps the key from the menu. Events are handled in
# order, so the window that shows tells which, however slow the machine.
for deal in $(seq 10); do
  activate "$main"
  xdotool mousemove "$from" "$y" click 1 key F4
  shown=$(wait_window "$game_pid" '^(Quilto|Configuración)$') || fail "a click and F4 showed no window"
  [ "$(xdotool getwindowname "$shown")" = "Configuración" ] && break
  [ "$deal" -lt 10 ] || fail "every deal came out solved"
  press "$shown" Return
  wait_window_gone "$game_pid" "$shown" || fail "the win message stayed open"
  press "$main" F2  # after a win, a new deal without a question
done
press "$shown" Return  # nothing changed: the puzzle goes on
wait_window_gone "$game_pid" "$shown" || fail "the configuration dialog stayed open"
activate "$main"
xdotool mousemove "$from" "$y" mousedown 1
for step in 1 2 3 4 5; do
  xdotool mousemove $((from + (to - from) * step / 5)) "$y"
  sleep 0.1
done
xdotool mouseup 1
box=$(wait_window "$game_pid" '^Quilto$') || fail 'no "Lo has logrado!" after the drag'
press "$box" Return
wait_window_gone "$game_pid" "$box" || fail 'the "Lo has logrado!" box stayed open'

printf 'Columnas (1-50):\r\n 2 \r\nFilas (1-50):\r\n 1 \r\nTipo de ajuste de imagen (1-4):\r\n 3 \r\n'\
'Piezas irregulares (T/F):\r\n 0 \r\nDesplazar piezas (T/F):\r\n 0 \r\nPiezas m\363viles (T/F):\r\n 0 \r\n' \
  >"$work/expected.ini"
cmp "$work/expected.ini" "$work/quilto/Quilto.ini" || fail "settings file: $(cat -A "$work/quilto/Quilto.ini")"
press "$main" alt+F4
wait_exit "$game_pid" || fail "closing the main window did not end the program (status $?)"
game_pid=
echo "end-to-end: about box, F3, picture, configuration, one drag, win, settings file: passed"
