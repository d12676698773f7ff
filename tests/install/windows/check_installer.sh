#!/usr/bin/env bash
# check_installer.sh WINE_RUN INSTALLER VERSION
# In a fresh Wine prefix: a silent install puts the programs, the Start-menu
# shortcuts (the program's pointing at the installed vortexcalc.exe) and the
# uninstall entry in place, strouhal.exe runs from there, and a silent
# uninstall leaves none of them behind.
set -euo pipefail
wine_run=$1 installer=$2 version=$3

VORTEX_WINE_PREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vortex-installer-XXXXXX")
export VORTEX_WINE_PREFIX
trap 'WINEPREFIX=$VORTEX_WINE_PREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$VORTEX_WINE_PREFIX"' EXIT
fail() { echo "check_installer: $*" >&2; exit 1; }

programs='C:\Program Files\VortexCalc'
folder=$VORTEX_WINE_PREFIX/drive_c/Program\ Files/VortexCalc
menu=$VORTEX_WINE_PREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/VortexCalc
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VortexCalc'

"$wine_run" wineboot --init
"$wine_run" "$installer" /S || fail "the silent install failed"

for file in strouhal.exe vortexcalc.exe uninstall.exe; do
  [[ -f $folder/$file ]] || fail "$file is not installed"
done
[[ -f "$menu/Uninstall VortexCalc.lnk" ]] || fail "no Start-menu shortcut to the uninstaller"
# A shell link keeps its target's path as text (in the link's ANSI and
# Unicode path fields): the program's shortcut names the installed program.
[[ -f "$menu/VortexCalc.lnk" ]] || fail "no Start-menu shortcut to the program"
LC_ALL=C grep -aqF 'Program Files\VortexCalc\vortexcalc.exe' "$menu/VortexCalc.lnk" ||
  fail "the program's shortcut does not point at $programs\vortexcalc.exe"
reported=$("$wine_run" "$programs\\strouhal.exe" --version)
[[ $reported == "strouhal (VortexCalc) $version"* ]] || fail "strouhal.exe --version said: $reported"
"$wine_run" reg query "$uninstall_key" /v DisplayVersion | grep -q "$version" \
  || fail "no uninstall entry for $version"

# The uninstaller copies itself away and goes on after it returns.
"$wine_run" "$programs\\uninstall.exe" /S || fail "the silent uninstall failed"
for _ in $(seq 60); do
  [[ -e $folder ]] || break
  sleep 0.5
done
[[ ! -e $folder ]] || fail "left behind: $(ls "$folder")"
[[ ! -e $menu ]] || fail "the Start-menu folder is left behind"
if "$wine_run" reg query "$uninstall_key" >/dev/null 2>&1; then fail "the uninstall entry is left behind"; fi
echo "check_installer: installed, ran and removed $(basename "$installer")"
