#!/usr/bin/env bash
# The installed desktop entry is valid, starts an installed program and names
# an icon the hicolor theme holds:  check_desktop_entry.sh ROOT APP_ID
set -uo pipefail
source "$(dirname "$0")/check_lib.sh"
root=$1 app_id=$2
entry=$root/share/applications/$app_id.desktop

[[ -f $entry ]] || { fail "no desktop entry $entry"; finish; }

# Hints count too: one main category, so the program appears once in a menu.
report=$(desktop-file-validate "$entry" 2>&1)
[[ $? -eq 0 && -z $report ]] || fail "desktop-file-validate: $report"

value() { sed -n "s/^$1=//p" "$entry"; }

program=$(value Exec | cut -d' ' -f1)
[[ -n $program && -x $root/bin/$program ]] || fail "Exec names '$program', which is not installed in bin/"

icon=$(value Icon)
for image in 16x16/apps/$icon.png 32x32/apps/$icon.png scalable/apps/$icon.svg; do
  [[ -n $icon && -f $root/share/icons/hicolor/$image ]] || fail "Icon '$icon': no hicolor/$image"
done
finish
