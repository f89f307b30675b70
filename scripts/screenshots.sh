#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of every window under Xvfb, at 1x and 2x scale.
# Usage: scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
build="${1:-build}"
out="${2:-screenshots}"
cmake --build "$build" -j2 --target ambrel-screenshots >/dev/null
for scale in 1 2; do
  QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 2732x1536x24" \
    "$build/ambrel-screenshots" "$out/${scale}x"
done
