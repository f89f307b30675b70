#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The search provider as the desktops call it: run inside dbus-run-session,
# with XDG_DATA_DIRS naming a share/ whose dbus-1/services starts the program.
#   provider_check.sh FOLDER-FOR-SCRATCH [GNOME-INTERFACE-XML]
set -u
scratch=$1
gnome_xml=${2:-}
here=$(dirname "$0")
name=org.orlune.Ambrel.SearchProvider
gnome=(--session --dest $name --object-path /org/orlune/Ambrel/SearchProvider)
runner=(--session --dest $name --object-path /runner)
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_has() {  # what, text, wanted
  [[ $2 == *"$3"* ]] || fail "$1: no '$3' in: $2"
}
expect_is() {
  [[ $2 == "$3" ]] || fail "$1: '$2', wanted '$3'"
}
call_gnome() { gdbus call "${gnome[@]}" --method org.gnome.Shell.SearchProvider2."$@" 2>&1; }
call_runner() { gdbus call "${runner[@]}" --method org.kde.krunner1."$@" 2>&1; }
owned() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner $name
}
# What the desktop program's stand-in was started with, once it has been.
launched() {
  for _ in $(seq 50); do [[ -s $scratch/launched ]] && break; sleep 0.1; done
  cat "$scratch/launched" 2>/dev/null
  rm -f "$scratch/launched"
}

# The shell's way: the words of the text, then the metas of the ids.
ids=$(call_gnome GetInitialResultSet "['3','mi','to','km']")
expect_has "results of 3 mi to km" "$ids" "4.828032 km"
list=${ids#(}
list=${list%,)}
metas=$(call_gnome GetResultMetas "$list")
expect_has "metas" "$metas" "'name': <'4.828032 km'>"
expect_has "metas" "$metas" "'clipboardText': <'4.828032 km'>"
expect_has "metas" "$metas" "'description': <'3 mi → km · Length'>"
expect_has "metas" "$metas" "'gicon': <'org.orlune.Ambrel'>"
expect_is "metas of an id not ours" "$(call_gnome GetResultMetas "['firefox.desktop']")" "(@aa{sv} [],)"

# The answer follows the text as it grows.
grown=$(call_gnome GetSubsearchResultSet "$list" "['3','mi','to','m']")
expect_has "subsearch 3 mi to m" "$grown" "4828.032 m"
[[ $grown == *"4.828032 km"* ]] && fail "subsearch kept the earlier answer: $grown"
expect_has "subsearch 3 mi to k" "$(call_gnome GetSubsearchResultSet "$list" "['3','mi','to','k']")" "4.828032 km"
expect_has "no target" "$(call_gnome GetInitialResultSet "['1','km']")" "1000 m"
for terms in "['hello']" "['42']" "['firefox']" "[]" "['3','mi','to','kg']"; do
  expect_is "results of $terms" "$(call_gnome GetInitialResultSet "$terms")" "(@as [],)"
done

# Choosing a result leaves the copying to the shell; the search's button
# opens the desktop program with the finder holding the text.
expect_is "ActivateResult" "$(call_gnome ActivateResult "${list%%,*}]" "['3','mi','to','km']" 0 | tr -d '[]')" "()"
sleep 0.3
[[ -e $scratch/launched ]] && fail "ActivateResult started the desktop program"
expect_is "LaunchSearch" "$(call_gnome LaunchSearch "['3','mi']" 0)" "()"
expect_is "program started by LaunchSearch" "$(launched)" "--find|3 mi|"

# KRunner's way.
actions=$(call_runner Actions)
expect_has "Actions" "$actions" "('copy', 'Copy the result', 'edit-copy')"
expect_has "Actions" "$actions" "('open', 'Open in Ambrel', 'org.orlune.Ambrel')"
match=$(call_runner Match "3 mi in km")
expect_has "Match 3 mi in km" "$match" "'4.828032 km', 'org.orlune.Ambrel', 100, 1.0, {"
expect_has "Match subtext" "$match" "'subtext': <'3 mi → km · Length'>"
expect_has "Match actions" "$match" "'actions': <['copy', 'open']>"
expect_has "Match category" "$match" "'category': <"
expect_is "Match firefox" "$(call_runner Match "firefox")" "(@a(sssida{sv}) [],)"
completions=$(call_runner Match "3 mi to k")
expect_has "Match 3 mi to k" "$completions" "'4.828032 km'"
id=$(sed -E "s/^\(\[\('([^']*)'.*/\1/" <<<"$match")
# Enter copies the result, through Plasma's clipboard keeper.
dbus-monitor --session "interface='org.kde.klipper.klipper'" >"$scratch/monitor" 2>&1 &
monitor=$!
sleep 0.3
expect_is "Run" "$(call_runner Run "'$id'" "''")" "()"
sleep 0.3
kill $monitor
expect_has "Run copies" "$(cat "$scratch/monitor")" "member=setClipboardContents"
expect_has "Run copies" "$(cat "$scratch/monitor")" "string \"4.828032 km\""
expect_is "Run open" "$(call_runner Run "'$id'" "'open'")" "()"
expect_is "program started by Run open" "$(launched)" "--find|3 mi in km|"
expect_is "Run with an id not ours" "$(call_runner Run "'firefox'" "''")" "()"
expect_is "Teardown" "$(call_runner Teardown)" "()"

# The stored choices: the classic tables at two decimals, read as they change.
mkdir -p "$XDG_CONFIG_HOME/Orlune"
printf '[General]\nAmbrelAccuracy=2\nAmbrelExactDefinitions=false\n' >"$XDG_CONFIG_HOME/Orlune/Ambrel.conf"
expect_has "stored choices" "$(call_runner Match "1 m to ft")" "'3.28 ft'"
rm "$XDG_CONFIG_HOME/Orlune/Ambrel.conf"
expect_has "no stored choices" "$(call_runner Match "1 m to ft")" "'3.2808398950131235 ft'"

# A call with the wrong arguments is refused; the service stays.
expect_has "wrong arguments" "$(call_gnome GetInitialResultSet 42)" "Error"
expect_has "unknown method" "$(call_runner Frobnicate)" "UnknownMethod"
expect_has "after refusals" "$(call_runner Match "3 mi in km")" "4.828032 km"

# The methods as the desktops declare them.
introspection=$scratch/introspection.xml
gdbus introspect --session --dest $name --object-path /runner --xml >"$introspection"
served=$(awk -v IFACE=org.kde.krunner1 -f "$here/method_signatures.awk" "$introspection" | sort)
expect_is "org.kde.krunner1 signatures" "$served" "$(sort "$here/krunner1_signatures.txt")"
if [[ -n $gnome_xml ]]; then
  gdbus introspect --session --dest $name --object-path /org/orlune/Ambrel/SearchProvider --xml >"$introspection"
  served=$(awk -v IFACE=org.gnome.Shell.SearchProvider2 -f "$here/method_signatures.awk" "$introspection" | sort)
  declared=$(awk -v IFACE=org.gnome.Shell.SearchProvider2 -f "$here/method_signatures.awk" "$gnome_xml" | sort)
  [[ -n $declared ]] || fail "no methods in $gnome_xml"
  expect_is "org.gnome.Shell.SearchProvider2 signatures" "$served" "$declared"
fi

# Idle, it ends; the next search starts it again.
expect_is "owned while in use" "$(owned)" "(true,)"
sleep $(((AMBREL_SEARCH_IDLE_MS + 1500) / 1000))
expect_is "owned after the idle time" "$(owned)" "(false,)"
expect_has "started again" "$(call_runner Match "3 mi in km")" "4.828032 km"

if ((failures)); then
  echo "$failures failed"
  exit 1
fi
echo "all passed"
