#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the help page's pictures (and the README's) from the real program on
# a virtual X display: the about box, the configuration dialog and a game in
# progress on an irregular board of a sample picture.
#
#   tools/take-screenshots.sh [BUILD_FOLDER]     (default: build)
#
# Writes assets/app/Ayuda/{acerca,configuracion,partida}.png. Needs Xvfb,
# openbox, xdotool and ImageMagick (import, convert). The shuffle differs
# from run to run; everything else comes out the same.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$root/assets/app/Ayuda
source "$root/tools/xsession.sh"

work=$(mktemp -d)
game_pid=
trap end_x_work EXIT

# A copy of the program's folder, with the settings the pictures show:
# an 8 x 8 board of pieces of different sizes, the picture fitted to it.
cp -r "$build/quilto" "$work/quilto"
rm -f "$work/quilto/Quilto.ini"
printf 'Columnas (1-50):\r\n 8 \r\nFilas (1-50):\r\n 8 \r\nTipo de ajuste de imagen (1-4):\r\n 1 \r\n'\
'Piezas irregulares (T/F):\r\n 1 \r\nDesplazar piezas (T/F):\r\n 0 \r\nPiezas m\363viles (T/F):\r\n 0 \r\n' \
  >"$work/quilto/Quilto.ini"
mkdir -p "$work/home" "$work/runtime" "$out"
chmod 700 "$work/runtime"

start_x_session "$work" 1280x800
env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$DISPLAY" \
  "$work/quilto/quilto" >"$work/quilto.log" 2>&1 &
game_pid=$!

about=$(wait_window "$game_pid" '^Quilto$')
sleep 0.5
import -window "$about" "$out/acerca.png"
press "$about" space
main=$(wait_window "$game_pid" '^Quilto 1\.0$')
sleep 0.5
press "$main" F3
chooser=$(wait_window "$game_pid" '^(Abrir|Open)')
type_text "$chooser" "$work/quilto/Imagenes/Paisaje.png"
press "$chooser" Return
wait_window_gone "$game_pid" "$chooser"
config=$(wait_window "$game_pid" '^Configuración$')
sleep 0.5
import -frame -window "$config" "$out/configuracion.png"
press "$config" Return
sleep 2
import -window root "$work/screen.png"
convert "$work/screen.png" -resize 960x600 "$out/partida.png"
echo "written: $(cd "$out" && ls acerca.png configuracion.png partida.png | tr '\n' ' ')"
