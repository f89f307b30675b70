#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, testing and packaging Ambrel needs on Debian 12.
# Usage: scripts/install-deps.sh [--bench]   (--bench adds bench/run's peers)
# The packages are listed in scripts/packages.txt.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

groups='build|test|package'
if [ "${1:-}" = "--bench" ]; then
  groups="$groups|bench"
fi
mapfile -t packages < <(awk -v g="^($groups)\$" '!/^#/ && $1 ~ g { for (i = 2; i <= NF; i++) print $i }' \
  "$here/packages.txt")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
