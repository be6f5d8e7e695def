#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs Quilto from a build folder into a temporary prefix, checks that
# every file lies where a desktop looks for it, and plays the start of a game
# with the installed program on a virtual X display, its folder read-only
# with a settings file of 6 x 4 pieces in it: the about box closes on a key,
# F3 opens the file dialog, a sample picture is chosen, the configuration
# (read from the file beside the program) is accepted, and the new puzzle
# saves those settings in the user's configuration folder.
#
#   tools/test-install.sh BUILD_FOLDER
#
# Run as root, the program runs as the unprivileged user 65534, for whom the
# folder is really read-only. Exits 77 (skipped) without Xvfb, openbox or xdotool.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: $0 BUILD_FOLDER}" && pwd)
source "$root/tools/xsession.sh"
require_tools Xvfb openbox xdotool

work=$(mktemp -d)
game_pid=
trap end_x_work EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
chmod 755 "$work"

echo "-- install"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
app=$prefix/lib/quilto
expected=(games/quilto lib/quilto/quilto lib/quilto/Instrucciones.htm
  lib/quilto/Cambia.wav lib/quilto/NoMueve.wav lib/quilto/Desplaza.wav lib/quilto/Marca.wav lib/quilto/Acaba.wav
  share/applications/org.example.quilto.desktop share/metainfo/org.example.quilto.metainfo.xml
  share/man/man6/quilto.6.gz share/doc/quilto/copyright share/doc/quilto/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/quilto.png"); done
for file in "${expected[@]}"; do [ -e "$prefix/$file" ] || fail "$file is not installed"; done
# Everything the build puts beside the program is installed beside it.
(cd "$build/quilto" && find . -type f ! -name Quilto.ini) | while read -r file; do
  [ -e "$app/$file" ] || fail "${file#./} lies beside the program in the build but is not installed"
done
[ "$(readlink -f "$prefix/games/quilto")" = "$(readlink -f "$app/quilto")" ] || fail "games/quilto does not lead to the program"
[ "$(ls "$app/Imagenes" | wc -l)" -ge 4 ] || fail "fewer than four sample pictures"

echo "-- start the installed program with a read-only folder and settings beside it"
printf 'Columnas (1-50):\r\n 6 \r\nFilas (1-50):\r\n 4 \r\nTipo de ajuste de imagen (1-4):\r\n 3 \r\n'\
'Piezas irregulares (T/F):\r\n 0 \r\nDesplazar piezas (T/F):\r\n 0 \r\nPiezas m\363viles (T/F):\r\n 0 \r\n' \
  >"$app/Quilto.ini"
cp "$app/Quilto.ini" "$work/beside.ini"
chmod -R a-w "$app"
home=$work/home runtime=$work/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
as_player=()
if [ "$(id -u)" = 0 ]; then
  chown 65534:65534 "$home" "$runtime"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
start_x_session "$work"
# The player's own environment: nothing of the test's (such as an offscreen Qt platform).
env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" DISPLAY="$DISPLAY" \
  "${as_player[@]}" "$prefix/games/quilto" >"$work/quilto.log" 2>&1 &
game_pid=$!

about=$(wait_window "$game_pid" '^Quilto$') || fail "no about box at start-up"
xdotool search --all --onlyvisible --pid "$game_pid" --name 'Quilto 1.0' >/dev/null && fail "the main window opened before the about box was closed"
press "$about" space
main=$(wait_window "$game_pid" '^Quilto 1\.0$') || fail "the main window did not open after the about box"

echo "-- F3, a sample picture, accept the configuration"
press "$main" F3
chooser=$(wait_window "$game_pid" '^(Abrir|Open)') || fail "F3 opened no file dialog"
type_text "$chooser" "$app/Imagenes/Colcha.png"
press "$chooser" Return
wait_window_gone "$game_pid" "$chooser" || fail "the file dialog stayed open"
config=$(wait_window "$game_pid" '^Configuración$') || fail "the first picture did not open the configuration"
press "$config" Return  # "Aceptar" has the focus
settings=$home/.config/Quilto/Quilto.ini
wait_until "$x_wait" "the settings saved in the user's folder" test -s "$settings" ||
  fail "the new puzzle saved no settings in the user's folder (log: $(cat "$work/quilto.log"))"
cmp -s "$app/Quilto.ini" "$work/beside.ini" || fail "the settings file beside the program changed"
cmp "$settings" "$work/beside.ini" || fail "the settings beside the program were not the ones read: $(cat -A "$settings")"
kill -0 "$game_pid" || fail "the program ended"
echo "installed program: started, and saved its settings in $settings"
