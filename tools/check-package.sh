#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a build folder and checks it with Debian's own
# tools; any error or warning fails:
#   - lintian on the package;
#   - reuse lint: every file of the repository states its copyright and
#     licence, and the package's copyright file gives each file the terms that
#     reuse reads (tools/debian-copyright.py --compare-spdx);
#   - appstreamcli validate --pedantic on the AppStream metadata and
#     desktop-file-validate on the desktop entry, both as packaged.
#
#   tools/check-package.sh BUILD_FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: $0 BUILD_FOLDER}" && pwd)
for tool in cpack dpkg-deb lintian reuse appstreamcli desktop-file-validate python3; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is not installed (tools/install-deps.sh installs it)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAILED: $*" >&2; status=1; }

echo "-- cpack -G DEB"
cmake --build "$build" >/dev/null  # cpack packs what is built; nothing to do after a build
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; echo "FAILED: cpack" >&2; exit 1; }
deb=$(echo "$work"/package/quilto_*.deb)
dpkg-deb -x "$deb" "$work/tree"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, $(find "$work/tree" -type f | wc -l) files"

echo "-- lintian"
# Prints nothing when there is nothing to say (besides a note on running as root).
lintian --fail-on error,warning "$deb" 2>&1 || fail "lintian reports errors or warnings"

echo "-- reuse lint"
if (cd "$root" && reuse lint) >"$work/reuse.log" 2>&1; then
  tail -n 1 "$work/reuse.log"
else
  cat "$work/reuse.log"
  fail "reuse lint: some file does not state its copyright and licence"
fi
(cd "$root" && reuse spdx) >"$work/reuse.spdx"
python3 "$root/tools/debian-copyright.py" --source "$root" --compare-spdx "$work/reuse.spdx" || fail "the copyright file's terms differ from reuse's"
python3 "$root/tools/debian-copyright.py" --source "$root" --output "$work/copyright"
cmp -s "$work/copyright" "$work/tree/usr/share/doc/quilto/copyright" || fail "the packaged copyright file is not the one the terms make"

echo "-- appstreamcli validate --pedantic"
metainfo=$work/tree/usr/share/metainfo/org.example.quilto.metainfo.xml
# It fails on errors and warnings only: infos and pedantic notes fail here too.
if ! appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream.log" 2>&1 \
   || grep -qE '^[EWIP]: ' "$work/appstream.log"; then
  fail "appstreamcli: $(cat "$work/appstream.log")"
else
  cat "$work/appstream.log"
fi

echo "-- desktop-file-validate"
# Silent when the entry is clean; it prints hints and warnings without failing.
desktop-file-validate "$work/tree/usr/share/applications/org.example.quilto.desktop" >"$work/desktop.log" 2>&1 || true
if [ -s "$work/desktop.log" ]; then
  fail "desktop-file-validate: $(cat "$work/desktop.log")"
else
  echo "the desktop entry is valid"
fi

[ "$status" = 0 ] && echo "package checks passed"
exit "$status"
