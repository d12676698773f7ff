#!/usr/bin/env bash
# check_zip.sh WINE_RUN ZIP FOLDER VERSION
# The portable zip holds one folder with the programs, and strouhal.exe runs
# from where it was unpacked.
set -euo pipefail
wine_run=$1 zip=$2 folder=$3 version=$4

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vortex-zip-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check_zip: $*" >&2; exit 1; }

(cd "$scratch" && cmake -E tar xf "$zip")
[[ $(ls "$scratch") == "$folder" ]] || fail "not one folder $folder: $(ls "$scratch")"
for program in strouhal.exe vortexcalc.exe; do
  [[ -f $scratch/$folder/$program ]] || fail "no $program"
done
reported=$("$wine_run" "$scratch/$folder/strouhal.exe" --version)
[[ $reported == "strouhal (VortexCalc) $version"* ]] || fail "strouhal.exe --version said: $reported"
echo "check_zip: $(basename "$zip") holds $(cd "$scratch/$folder" && echo *)"
