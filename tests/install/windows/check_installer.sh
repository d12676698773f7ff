#!/usr/bin/env bash
# check_installer.sh WINE_RUN INSTALLER VERSION
# In a fresh Wine prefix, all silent (/S):
# - an install for all users puts the programs, the Start-menu shortcuts (the
#   program's pointing at the installed vortexcalc.exe) and the uninstall
#   entry (with its icon and size) in place, strouhal.exe runs from there,
#   and the uninstaller leaves none of them behind;
# - an upgrade over an install in a folder of the user's choice (/D=) goes
#   into that folder, not a second copy under Program Files;
# - /CurrentUser installs into the user's own programs folder, Start menu and
#   registry (HKCU), nothing for all users, and uninstalls from there.
# Wine's user is always an administrator, so what a user without admin
# rights meets (the per-user install without a switch, no elevation prompt)
# is not shown here.
set -euo pipefail
wine_run=$1 installer=$2 version=$3

VORTEX_WINE_PREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vortex-installer-XXXXXX")
export VORTEX_WINE_PREFIX
trap 'WINEPREFIX=$VORTEX_WINE_PREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$VORTEX_WINE_PREFIX"' EXIT
fail() { echo "check_installer: $*" >&2; exit 1; }

drive=$VORTEX_WINE_PREFIX/drive_c
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\VortexCalc'

# The uninstall entry under ROOT (HKLM or HKCU) as reg lists it, and one of
# its values (each start of Wine is slow: one query for all values).
entry() { "$wine_run" reg query "$1\\$key" 2>/dev/null | tr -d '\r'; }
value_of() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$entry"; }
has_entry() { "$wine_run" reg query "$1\\$key" >/dev/null 2>&1; }

# Installed in FOLDER (Windows path) under ROOT, with the Start menu MENU.
expect_installed() {
  local root=$1 windows_folder=$2 menu=$3
  local folder=$drive/${windows_folder#C:\\}
  folder=${folder//\\//}
  for file in strouhal.exe vortexcalc.exe uninstall.exe; do
    [[ -f $folder/$file ]] || fail "$file is not installed in $windows_folder"
  done
  [[ -f "$menu/Uninstall VortexCalc.lnk" ]] || fail "no Start-menu shortcut to the uninstaller in $menu"
  # A shell link keeps its target's path as text (in the link's ANSI and
  # Unicode path fields): the program's shortcut names the installed program.
  [[ -f "$menu/VortexCalc.lnk" ]] || fail "no Start-menu shortcut to the program in $menu"
  LC_ALL=C grep -aqF "${windows_folder#C:\\}\\vortexcalc.exe" "$menu/VortexCalc.lnk" ||
    fail "the program's shortcut does not point at $windows_folder\\vortexcalc.exe"
  reported=$("$wine_run" "$windows_folder\\strouhal.exe" --version)
  [[ $reported == "strouhal (VortexCalc) $version"* ]] || fail "strouhal.exe --version said: $reported"

  local entry size kib
  entry=$(entry "$root")
  [[ $(value_of DisplayVersion) == "$version" ]] || fail "no $root uninstall entry for $version: $entry"
  [[ $(value_of InstallLocation) == "$windows_folder" ]] ||
    fail "the $root entry's InstallLocation is '$(value_of InstallLocation)', not $windows_folder"
  [[ $(value_of DisplayIcon) == "$windows_folder\\vortexcalc.exe,0" ]] ||
    fail "the $root entry's DisplayIcon is '$(value_of DisplayIcon)'"
  # In KiB: at least what the installed files take.
  size=$(value_of EstimatedSize)
  kib=$(($(cat "$folder"/*.exe | wc -c) / 1024))
  [[ $size =~ ^0x[0-9a-f]+$ ]] && ((size >= kib && size < 2 * kib)) ||
    fail "the $root entry's EstimatedSize is '$size', the files take $kib KiB"
}

# The uninstaller copies itself away and goes on after it returns.
uninstall() {
  local windows_folder=$1
  local folder=$drive/${windows_folder#C:\\}
  folder=${folder//\\//}
  "$wine_run" "$windows_folder\\uninstall.exe" /S || fail "the silent uninstall from $windows_folder failed"
  for _ in $(seq 60); do
    [[ -e $folder ]] || break
    sleep 0.5
  done
  [[ ! -e $folder ]] || fail "left behind in $windows_folder: $(ls "$folder")"
}

"$wine_run" wineboot --init
common_menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/VortexCalc
profile=$(cd "$drive"/users && ls -d */AppData | grep -v '^Public' | head -1)
user_menu=$drive/users/$profile/Roaming/Microsoft/Windows/Start\ Menu/Programs/VortexCalc
user_programs="C:\\users\\${profile%%/*}\\AppData\\Local\\Programs\\VortexCalc"

# For all users, the administrator's default.
"$wine_run" "$installer" /S || fail "the silent install failed"
expect_installed HKLM 'C:\Program Files\VortexCalc' "$common_menu"
uninstall 'C:\Program Files\VortexCalc'
[[ ! -e $common_menu ]] || fail "the Start-menu folder is left behind"
! has_entry HKLM || fail "the uninstall entry is left behind"

# An upgrade finds the earlier folder.
"$wine_run" "$installer" /S '/D=C:\Apps\VortexCalc' || fail "the install into C:\\Apps\\VortexCalc failed"
"$wine_run" "$installer" /S || fail "the upgrade failed"
[[ ! -e "$drive/Program Files/VortexCalc" ]] || fail "the upgrade went to Program Files, not the earlier folder"
expect_installed HKLM 'C:\Apps\VortexCalc' "$common_menu"
uninstall 'C:\Apps\VortexCalc'

# For the current user alone.
"$wine_run" "$installer" /S /CurrentUser || fail "the silent install for the current user failed"
expect_installed HKCU "$user_programs" "$user_menu"
! has_entry HKLM || fail "the install for the current user wrote an entry for all users"
[[ ! -e $common_menu ]] || fail "the install for the current user made a Start-menu folder for all users"
uninstall "$user_programs"
[[ ! -e $user_menu ]] || fail "the user's Start-menu folder is left behind"
! has_entry HKCU || fail "the current user's uninstall entry is left behind"
echo "check_installer: $(basename "$installer") installed, upgraded and removed for all users and for one"
