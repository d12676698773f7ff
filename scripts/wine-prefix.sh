#!/usr/bin/env bash
# Makes the Wine prefix in $WINEPREFIX (an empty or missing folder) and sets
# it up as the Windows programs and their tests expect a Windows desktop:
#   scripts/wine-prefix.sh
# - the fonts Windows has under the names the dialogs use: the System font
#   (vgasys.fon) and MS Sans Serif (sserife.fon), Wine's own bitmap fonts
#   from fonts-wine, and Arial served by the metric-compatible Liberation
#   Sans (fonts-liberation), which Wine would otherwise pick only by chance;
#   without vgasys.fon Wine's stock system font is a narrowed Liberation
#   Sans Bold;
# - windows drawn and placed by Wine itself, frames and captions included,
#   as there is no window manager on the tests' display; a managed window
#   would make every dialog's closing wait two seconds for one. The desktop
#   program alone stays managed, so its window on the display is its client
#   area, as on Linux, for the end-to-end scripts to click into.
set -euo pipefail
: "${WINEPREFIX:?the Wine prefix to make}"
export WINEPREFIX WINEDEBUG=-all

wine=${VORTEX_WINE:-/usr/lib/wine/wine64}
fonts=/usr/share/wine/fonts

"$wine" wineboot --init
cp "$fonts/vgasys.fon" "$fonts/sserife.fon" "$WINEPREFIX/drive_c/windows/Fonts/"

settings=$(mktemp "${TMPDIR:-/tmp}/vortex-prefix-XXXXXX.reg")
trap 'rm -f "$settings"' EXIT
cat >"$settings" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\vortexcalc.exe\X11 Driver]
"Managed"="Y"
EOF
"$wine" regedit /S "$settings"
