#!/usr/bin/env bash
# The installed AppStream metainfo is valid, its launchable desktop entry is
# installed, and so is every binary it provides:  check_metainfo.sh ROOT APP_ID
set -uo pipefail
source "$(dirname "$0")/check_lib.sh"
root=$1 app_id=$2
metainfo=$root/share/metainfo/$app_id.metainfo.xml

[[ -f $metainfo ]] || { fail "no metainfo $metainfo"; finish; }

report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
# The installed tree as a whole, which also finds the launchable desktop entry.
report=$(appstreamcli validate-tree --no-net "$root" 2>&1) || fail "appstreamcli validate-tree: $report"

binaries=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
[[ -n $binaries ]] || fail "the metainfo provides no binaries"
for binary in $binaries; do
  [[ -x $root/bin/$binary ]] || fail "the metainfo provides '$binary', which is not installed in bin/"
done
finish
