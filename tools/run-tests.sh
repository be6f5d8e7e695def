#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Quilto and runs the whole test suite: the unit and offscreen Qt
# tests, one game played on a real X server, the Debian package and the
# licence terms checked by Debian's tools, a scripted game under valgrind,
# the tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# short fuzz runs of the toolkit-free code and of the picture loader.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
# Every build here has its tests and turns warnings into errors.
checks=(-DQUILTO_TESTS=ON -DQUILTO_WERROR=ON)

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${checks[@]}" -DQUILTO_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== a whole game on a real X server"
tests/e2e/play_in_x.sh build/quilto

echo "== the Debian package: lintian, reuse lint, appstreamcli, desktop-file-validate"
tools/check-package.sh build

echo "== a scripted game under valgrind"
tools/valgrind-game.sh build

echo "== build and test under ASan + UBSan"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug "${checks[@]}" -DQUILTO_SANITIZE=ON -DQUILTO_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
# Qt's own libraries are not built with the sanitizers; leaks inside them are not ours.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
# The toolkit-free code is checked for leaks as well.
ASAN_OPTIONS=detect_leaks=1 build-asan/tests/core_tests --gtest_brief=1

echo "== short fuzz runs"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILTO_WERROR=ON -DQUILTO_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
for target in build-fuzz/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  flags=(-max_total_time=30 -rss_limit_mb=1024 -print_final_stats=1)
  [ -f "fuzz/${name#fuzz_}.dict" ] && flags+=("-dict=fuzz/${name#fuzz_}.dict")
  if [ "$name" = fuzz_picture ]; then
    # Pictures over a megapixel are refused under the fuzzer: no allocation may
    # need 32 MiB, no file may keep a reader busy for seconds. The readers'
    # complaints about broken files (stderr) are dropped.
    flags+=(-timeout=3 -malloc_limit_mb=32 -close_fd_mask=2)
  else
    flags+=(-timeout=10)
  fi
  echo "-- $name"
  "$target" "$work" "${flags[@]}" 2>&1 | tail -n 5
  rm -rf "$work"
done
echo "all test stages passed"
