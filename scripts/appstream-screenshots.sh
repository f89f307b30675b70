#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the pictures the metainfo shows in software centres (installed to
# share/ambrel/screenshots) with the screenshot tool, under Xvfb at 1x.
# Usage: scripts/appstream-screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" -j2 --target ambrel-screenshots >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1920x1080x24" "$build/ambrel-screenshots" "$tmp" >/dev/null || true
for f in main-menu.png length.png; do
  [ -s "$tmp/$f" ] || { echo "the screenshot tool made no $f" >&2; exit 1; }
  cp "$tmp/$f" resources/screenshots/
done
