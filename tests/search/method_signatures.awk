# SPDX-License-Identifier: GPL-3.0-or-later
# Prints each method of interface IFACE in a D-Bus introspection file as
# "Name (in) -> (out)", sorted by the caller.
/<interface / { inside = index($0, "name=\"" IFACE "\"") > 0 }
/<\/interface>/ { inside = 0 }
inside && /<method / { match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7); in_ = ""; out = "" }
inside && /<arg / && name != "" {
  match($0, /type="[^"]*"/); type = substr($0, RSTART + 6, RLENGTH - 7)
  if ($0 ~ /direction="out"/) out = out type; else in_ = in_ type
}
inside && /<\/method>|<method .*\/>/ { if (name != "") print name " (" in_ ") -> (" out ")"; name = "" }
