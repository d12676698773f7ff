#!/usr/bin/env bash
# The installed programs find every library they need, and the installed
# strouhal calculates and reports the package's version:
#   check_programs.sh ROOT VERSION
set -uo pipefail
source "$(dirname "$0")/check_lib.sh"
root=$1 version=$2
strouhal=$root/bin/strouhal

for program in vortexcalc strouhal; do
  if [[ ! -x $root/bin/$program ]]; then
    fail "$program is not installed in bin/"
  elif ldd "$root/bin/$program" | grep -q 'not found'; then
    fail "$program needs libraries that are not found: $(ldd "$root/bin/$program" | grep 'not found')"
  fi
done

answer=$("$strouhal" solve d 0.2 10 5 2>&1)
[[ $answer == "Diameter (m): 0.1" ]] || fail "strouhal solve d 0.2 10 5 printed '$answer'"

banner=$("$strouhal" --version 2>&1 | head -n 1)
[[ $banner == "strouhal "*" $version" ]] || fail "strouhal --version printed '$banner', not version $version"
finish
