#!/usr/bin/env bash
# The installed manual pages, compressed as Debian installs them, format
# without warnings; strouhal's says everything the installed strouhal's
# --help says, and vortexcalc's names the program:  check_man_page.sh ROOT
set -uo pipefail
source "$(dirname "$0")/check_lib.sh"
root=$1
pages=$root/share/man/man1

# The page fills running text into lines of its own, so text is compared with
# all white space runs made single spaces.
squeeze() { tr -s '[:space:]' ' ' | sed 's/^ //; s/ $//'; }
declare -A rendered
for program in strouhal vortexcalc; do
  page=$pages/$program.1.gz
  [[ -f $page ]] || { fail "no compressed manual page $page"; continue; }
  [[ ! -e $pages/$program.1 ]] || fail "$program.1 is installed uncompressed as well"
  warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
  [[ -z $warnings ]] || fail "groff warns on $program.1: $warnings"
  rendered[$program]=$(zcat "$page" | groff -man -Tascii -P-cbou 2>/dev/null | squeeze)
  [[ ${rendered[$program]} == *"NAME $program - "* ]] || fail "no NAME line '$program - ...' for whatis"
done

help=$("$root/bin/strouhal" --help) || fail "strouhal --help failed"
while IFS= read -r line; do
  # Section headings are set apart as the page's own headings.
  [[ -z ${line// /} || $line =~ ^[^\ ].*:$ ]] && continue
  wanted=$(squeeze <<<"$line")
  [[ ${rendered[strouhal]:-} == *"$wanted"* ]] || fail "strouhal's page lacks the --help line '$wanted'"
done <<<"$help"
finish
