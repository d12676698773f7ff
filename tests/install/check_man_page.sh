#!/usr/bin/env bash
# The installed manual page of strouhal formats without warnings and says
# everything the installed strouhal's --help says:  check_man_page.sh ROOT
set -uo pipefail
source "$(dirname "$0")/check_lib.sh"
root=$1
page=$root/share/man/man1/strouhal.1

[[ -f $page ]] || { fail "no manual page $page"; finish; }

warnings=$(groff -man -ww -z "$page" 2>&1)
[[ -z $warnings ]] || fail "groff warns: $warnings"

# The page fills running text into lines of its own, so text is compared with
# all white space runs made single spaces.
squeeze() { tr -s '[:space:]' ' ' | sed 's/^ //; s/ $//'; }
rendered=$(groff -man -Tascii -P-cbou "$page" 2>/dev/null | squeeze)
[[ $rendered == *"NAME strouhal - "* ]] || fail "no NAME line 'strouhal - ...' for whatis"

help=$("$root/bin/strouhal" --help) || fail "strouhal --help failed"
while IFS= read -r line; do
  # Section headings are set apart as the page's own headings.
  [[ -z ${line// /} || $line =~ ^[^\ ].*:$ ]] && continue
  wanted=$(squeeze <<<"$line")
  [[ $rendered == *"$wanted"* ]] || fail "the page lacks the --help line '$wanted'"
done <<<"$help"
finish
