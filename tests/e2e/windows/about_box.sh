#!/usr/bin/env bash
# The About box through the main dialog's system menu, by keyboard alone, as
# on Windows: Alt+Space opens the system's menu, whose last item is the About
# item. It is reached with Up and chosen with Enter, since Wine puts an
# "About Wine" item with the same mnemonic before it and runs the first item
# whose mnemonic is typed.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e_session.sh"

start_app

before_menu=$(visible_app_windows)
xdotool key alt+space
menu=$(wait_for_popup "$before_menu")
xdotool key Up Return
about=$(wait_for_window "$ABOUT_TITLE")
visible_app_windows | grep -qx "$menu" && fail "the system menu stayed open"
focus "$about"

# MS Sans Serif 8 is Windows' bitmap font here (Wine's copy): 13 pixels high,
# so its base units are 6 across and 13 down.
base_x=6 base_y=13
# The icon's blue vortices tell the painted box from what lay beneath it.
readonly ICON_BLUE=0000FF
shot about-box "$about" at_least 20 "${ABOUT_ICON[@]}" "$ICON_BLUE"

# The focus starts on "OK", the only tab stop.
xdotool key Return
wait_for_close "$ABOUT_TITLE"
focus "$main_window"
xdotool key Escape
expect_exit 0
