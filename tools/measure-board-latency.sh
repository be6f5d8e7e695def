#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures from outside the program how long the player waits: the real
# program on Xvfb (1600 x 1000) with openbox, a 24-megapixel photo-like JPEG.
# Return is sent as a key press to the X server, first in the file dialog
# (until the configuration dialog is on the screen), then in the
# configuration dialog (until the 65 x 65 board is painted), and the screen
# is read about every 10 ms until it settles (tools/key-to-screen.c). The
# program's resident memory is read before the file dialog opens and once the
# configuration dialog is up. Prints the median, lowest and highest of RUNS
# runs for each kind of board. Not part of the test suite: the figures depend
# on the machine and its load.
#
#   tools/measure-board-latency.sh [BUILD_FOLDER] [RUNS]     (default: build 7)
#
# Needs Xvfb, openbox, xdotool, ImageMagick (convert), a C compiler and the
# headers of libX11 and libXext.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-7}
source "$root/tools/xsession.sh"

work=$(mktemp -d)
game_pid=
trap end_x_work EXIT

cc -O2 -o "$work/key-to-screen" "$root/tools/key-to-screen.c" -lX11 -lXext \
  "$(find /usr/lib /usr/lib64 -name 'libXtst.so*' 2>/dev/null | head -n 1)"
# A landscape with fine grain everywhere, 6000 x 4000, as a camera gives it.
convert "$root/assets/app/Imagenes/Paisaje.png" -resize '6000x4000!' -attenuate 0.6 +noise Gaussian \
  -quality 92 "$work/photo.jpg"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
start_x_session "$work" 1600x1000

# settings_file IRREGULAR SLIDE: a 65 x 65 board, the central part of the picture.
settings_file() {
  printf 'Columnas (1-50):\r\n 65 \r\nFilas (1-50):\r\n 65 \r\nTipo de ajuste de imagen (1-4):\r\n 3 \r\n'
  printf 'Piezas irregulares (T/F):\r\n %s \r\nDesplazar piezas (T/F):\r\n %s \r\n' "$1" "$2"
  printf 'Piezas m\363viles (T/F):\r\n 0 \r\n'
}

# resident_mib PID: the process's resident memory in MiB.
resident_mib() {
  awk '/^VmRSS:/ { printf "%.0f", $2 / 1024 }' "/proc/$1/status"
}

# One run: start the program, time Return in the file dialog with the photo's
# name typed, note the memory, wait for the configuration dialog, then time
# Return in it. Prints "load_ms rss_before rss_after caption_ms board_ms polls interval".
measure_once() {
  rm -rf "$work/quilto"
  cp -r "$build/quilto" "$work/quilto"
  settings_file "$1" "$2" >"$work/quilto/Quilto.ini"
  env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$DISPLAY" \
    "$work/quilto/quilto" >"$work/quilto.log" 2>&1 &
  game_pid=$!
  local about main chooser config
  about=$(wait_window "$game_pid" '^Quilto$')
  sleep 0.3
  press "$about" space
  main=$(wait_window "$game_pid" '^Quilto 1\.0$')
  sleep 0.5
  local before after load
  before=$(resident_mib "$game_pid")
  press "$main" F3
  chooser=$(wait_window "$game_pid" '^(Abrir|Open)')
  type_text "$chooser" "$work/photo.jpg"
  sleep 0.3
  load=$("$work/key-to-screen" Return 1000 | cut -d' ' -f2)
  config=$(wait_window "$game_pid" '^Configuración$')
  after=$(resident_mib "$game_pid")
  sleep 1
  xdotool windowactivate --sync "$config" >/dev/null 2>&1 || xdotool windowfocus --sync "$config"
  sleep 0.3
  echo "$load $before $after $("$work/key-to-screen" Return 1500)"
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=
}

# stats: "median (lowest–highest)" of the numbers on standard input.
stats() {
  sort -n | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.0f ms (%.0f–%.0f)", m, v[1], v[NR] }'
}

echo "Return to the settled screen, $runs runs each, median (lowest–highest):"
: >"$work/all"
for mode in "regular sliding:0:1" "regular free:0:0" "irregular sliding:1:1" "irregular free:1:0"; do
  IFS=: read -r name irregular slide <<<"$mode"
  : >"$work/times"
  for _ in $(seq "$runs"); do measure_once "$irregular" "$slide" >>"$work/times"; done
  cat "$work/times" >>"$work/all"
  printf '  %-18s board %s   busy caption %s   (poll every %s ms)\n' "$name" \
    "$(cut -d' ' -f5 "$work/times" | stats)" "$(cut -d' ' -f4 "$work/times" | stats)" \
    "$(cut -d' ' -f7 "$work/times" | stats | cut -d' ' -f1)"
done
printf '  %-18s dialog %s   resident memory %s MiB before, %s MiB after\n' "file dialog" \
  "$(cut -d' ' -f1 "$work/all" | stats)" "$(cut -d' ' -f2 "$work/all" | stats | cut -d' ' -f1)" \
  "$(cut -d' ' -f3 "$work/all" | stats | cut -d' ' -f1)"
