#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the package, when CMake used a file from a Debian package that
# scripts/packages.txt neither lists nor pulls in through Depends/Pre-Depends
# (recursively, recommends left out). CI runs on a machine that may hold more
# than a fresh one; this is how a missing package shows up there.
# Usage: scripts/check-deps.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${1:?usage: check-deps.sh BUILD_DIR}/CMakeCache.txt"

listed=$(awk '!/^#/ && NF > 1 { for (i = 2; i <= NF; i++) print $i }' "$here/packages.txt")

# Every installed package with what it depends on and what it provides, as
# "name<TAB>depends<TAB>provides"; the closure is taken over these.
closure=$(dpkg-query -W -f='${db:Status-Abbrev}\t${Package}\t${Depends}, ${Pre-Depends}\t${Provides}\n' |
  awk -F'\t' -v listed="$listed" '
    $1 ~ /^ii/ {
      deps[$2] = $3
      n = split($4, prov, /, */)
      for (i = 1; i <= n; i++) { sub(/ .*/, "", prov[i]); if (prov[i] != "") providers[prov[i]] = providers[prov[i]] " " $2 }
      installed[$2] = 1
    }
    function visit(p,    n, alts, i, m, choice, j, name, k, who, w) {
      if (p in seen) return
      seen[p] = 1
      if (!(p in installed)) {           # a virtual package: whoever provides it
        w = split(providers[p], who, " ")
        for (k = 1; k <= w; k++) visit(who[k])
        return
      }
      n = split(deps[p], alts, /, */)
      for (i = 1; i <= n; i++) {
        m = split(alts[i], choice, / *\| */)
        for (j = 1; j <= m; j++) {
          name = choice[j]; sub(/[ (:].*/, "", name)
          if (name != "") visit(name)
        }
      }
    }
    END {
      n = split(listed, l, "\n")
      for (i = 1; i <= n; i++) visit(l[i])
      for (p in seen) print p
    }')

# The package configuration files CMake loaded: those behind the cache's *_DIR
# entries, and the files of its own AMBREL_* lookups. (Libraries that find modules merely noticed, such as FindOpenGL's
# optional EGL and GLU, are left out: the build works without them.)
files=()
while IFS= read -r value; do
  if [ -d "$value" ]; then
    for f in "$value"/*[Cc]onfig.cmake; do
      [ -f "$f" ] && files+=("$f")
    done
  fi
done < <(grep -E '^[A-Za-z0-9_]+_DIR:PATH=/' "$cache" |
  grep -vE '^CMAKE_' | sed 's/^[^=]*=//')

# Libraries and headers found one by one (find_library, find_file).
while IFS= read -r value; do
  [ -f "$value" ] && files+=("$value")
done < <(grep -E '^AMBREL_[A-Za-z0-9_]+:FILEPATH=/' "$cache" | sed 's/^[^=]*=//')

status=0
checked=0
declare -A reported
for f in "${files[@]}"; do
  owner=$(dpkg -S "$f" 2>/dev/null || dpkg -S "$(readlink -f "$f")" 2>/dev/null || true)
  if [ -z "$owner" ]; then
    continue          # not from a Debian package (built here, or /usr/local)
  fi
  pkg=${owner%%:*}
  pkg=${pkg%%,*}
  checked=$((checked + 1))
  if ! grep -qxF "$pkg" <<<"$closure" && [ -z "${reported[$pkg]:-}" ]; then
    reported[$pkg]=1
    echo "check-deps: CMake used $f from the package '$pkg'," >&2
    echo "            which scripts/packages.txt neither lists nor pulls in" >&2
    status=1
  fi
done
if [ "$status" -eq 0 ]; then
  echo "check-deps: the ${checked} files CMake used all come from listed packages"
fi
exit "$status"
