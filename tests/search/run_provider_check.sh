#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs provider_check.sh on a session bus of its own, which starts the
# provider from SHARE/dbus-1/services, with no stored settings and a stand-in
# for the desktop program that notes how it was started.
#   run_provider_check.sh SHARE GNOME-INTERFACE-XML
set -eu
share=$1
gnome_xml=$2
if [[ ! -f $gnome_xml ]]; then
  echo "$gnome_xml is missing: install gnome-shell-common" >&2
  exit 1
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cat >"$scratch/desktop" <<EOS
#!/bin/sh
printf '%s|' "\$@" >"$scratch/launched.part" && mv "$scratch/launched.part" "$scratch/launched"
EOS
chmod +x "$scratch/desktop"
export XDG_DATA_DIRS=$share XDG_CONFIG_HOME=$scratch/config AMBREL_DESKTOP_PROGRAM=$scratch/desktop
export AMBREL_SEARCH_IDLE_MS=2000 LC_ALL=C.UTF-8
dbus-run-session -- "$(dirname "$0")/provider_check.sh" "$scratch" "$gnome_xml"
