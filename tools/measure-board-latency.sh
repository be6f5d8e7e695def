#!/usr/bin/env bash
# Measures from outside the program how long the player waits for a 65 x 65
# board: the real program on Xvfb (1600 x 1000) with openbox, a 24-megapixel
# photo-like JPEG loaded through the file dialog, then Return sent to the
# configuration dialog as a key press to the X server, and the screen read
# about every 10 ms until it settles (tools/key-to-screen.c). Prints the
# median, lowest and highest of RUNS runs for each kind of board. Not part of
# the test suite: the figures depend on the machine and its load.
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

# One run: start the program, load the photo, wait for the dialog, then time Return.
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
  press "$main" F3
  chooser=$(wait_window "$game_pid" '^(Abrir|Open)')
  type_text "$chooser" "$work/photo.jpg"
  press "$chooser" Return
  config=$(wait_window "$game_pid" '^Configuración$')
  sleep 1
  xdotool windowactivate --sync "$config" >/dev/null 2>&1 || xdotool windowfocus --sync "$config"
  sleep 0.3
  "$work/key-to-screen" Return 1500
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

echo "Return in the dialog to the settled screen, $runs runs each, median (lowest–highest):"
for mode in "regular sliding:0:1" "regular free:0:0" "irregular sliding:1:1"; do
  IFS=: read -r name irregular slide <<<"$mode"
  : >"$work/times"
  for _ in $(seq "$runs"); do measure_once "$irregular" "$slide" >>"$work/times"; done
  printf '  %-18s board %s   busy caption %s   (poll every %s ms)\n' "$name" \
    "$(cut -d' ' -f2 "$work/times" | stats)" "$(cut -d' ' -f1 "$work/times" | stats)" \
    "$(cut -d' ' -f4 "$work/times" | stats | cut -d' ' -f1)"
done
