#!/usr/bin/env bash
# The contact dialog at 144 DPI (150 %), in a Wine prefix of its own set to
# that scale: each link shows its whole text, as wide as the text is in the
# font the link is drawn in (Arial 10, served by Liberation Sans, 20 px at
# that scale), and the keyboard reaches a link and opens it.
# Expects what the other Windows scenarios do (tests/e2e/windows/CMakeLists.txt)
# and E2E_CONTACT_CONFIG, the build's res/contact_config.h, which holds the
# links' texts.
: "${E2E_CONTACT_CONFIG:?path of contact_config.h in the build folder}"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e_session.sh"
label() { sed -n "s/.*$1 = \"\(.*\)\";/\1/p" "$E2E_CONTACT_CONFIG"; }

readonly LINK_COLOUR=0000EE
readonly FONT=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
[[ -r $FONT ]] || { echo "SKIP: $FONT is missing (fonts-liberation)" >&2; exit 77; }

# The prefix, removed with the session's folder once its server, which
# writes into it to the last, has ended.
VORTEX_WINE_PREFIX=$session_dir/prefix
export VORTEX_WINE_PREFIX
end_prefix_then_session() {
  local status=$?
  WINEPREFIX=$VORTEX_WINE_PREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
  WINEPREFIX=$VORTEX_WINE_PREFIX /usr/lib/wine/wineserver -w 2>/dev/null || true
  (exit "$status")
  end_session
}
trap end_prefix_then_session EXIT
WINEPREFIX=$VORTEX_WINE_PREFIX "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-prefix.sh"
cat >"$session_dir/dpi.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:00000090

[HKEY_CURRENT_USER\Software\Wine\Fonts]
"LogPixels"=dword:00000090
REG
WINEPREFIX=$VORTEX_WINE_PREFIX WINEDEBUG=-all /usr/lib/wine/wine64 regedit /S "$session_dir/dpi.reg"
WINEPREFIX=$VORTEX_WINE_PREFIX /usr/lib/wine/wineserver -w

# The width of text in the link's font at 20 px, as FreeType lays it out.
text_width() { convert -font "$FONT" -pointsize 20 -density 72 label:"$1" -format %w info:; }

# longest_run PNG TOP BOTTOM: the longest run of link-coloured pixels in a
# row from TOP up to BOTTOM (fractions of the height): the link's underline.
longest_run() {
  local height
  height=$(convert "$1" -format %h info:)
  convert "$1" -alpha off -depth 8 txt:- | awk -F'[,: ]+' -v colour="#$LINK_COLOUR" \
    -v top="$(awk -v h="$height" -v f="$2" 'BEGIN { print int(h * f) }')" \
    -v bottom="$(awk -v h="$height" -v f="$3" 'BEGIN { print int(h * f) }')" '
      /^#/ { next }
      { x = $1; y = $2; hit = index(toupper($0), colour) > 0 }
      y < top || y >= bottom { next }
      y != row { row = y; run = 0; last = -2 }
      hit { run = (x == last + 1) ? run + 1 : 1; last = x; if (run > best) best = run }
      END { print best + 0 }'
}

# whole PNG: each link's underline is as long as its text (within a tenth,
# for the two layouts' hinting and rounding); a cut-off link's is only as
# long as what is shown.
whole() {
  local mail web
  mail=$(longest_run "$1" 0 0.42)
  web=$(longest_run "$1" 0.42 0.75)
  ((mail * 10 >= mail_width * 9 && web * 10 >= web_width * 9))
}
mail_width=$(text_width "$(label kMailLabel)")
web_width=$(text_width "$(label kWebLabel)")
((mail_width > 100 && web_width > 100)) || fail "no link texts in $E2E_CONTACT_CONFIG"

opener_log=$session_dir/xdg-open.log
mkdir "$session_dir/bin"
cat >"$session_dir/bin/xdg-open" <<SH
#!/bin/sh
printf '%s\n' "\$@" >>'$opener_log'
SH
chmod +x "$session_dir/bin/xdg-open"
export PATH=$session_dir/bin:$PATH

start_app
# Exit has the focus; Tab, Tab reach Visit Web Site.
xdotool key Tab Tab space
contact=$(wait_for_window "$CONTACT_TITLE")
focus "$contact"
shot contact-144-dpi "$contact" whole
echo "e-mail link: $(longest_run "$E2E_SCREENSHOTS/contact-144-dpi.png" 0 0.42) of $mail_width px;" \
  "web link: $(longest_run "$E2E_SCREENSHOTS/contact-144-dpi.png" 0.42 0.75) of $web_width px"

# Return has the focus; Tab, Tab reach the web link.
xdotool key Tab Tab Return
wait_until "the opener to be called" test -s "$opener_log"
[[ $(<"$opener_log") == "$E2E_CONTACT_WEB" ]] || fail "the opener was called with: $(<"$opener_log")"
xdotool key Escape
wait_for_close "$CONTACT_TITLE"
focus "$main_window"
xdotool key Escape
expect_exit 0
