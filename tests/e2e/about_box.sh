#!/usr/bin/env bash
# The About box through the main dialog's system menu, by keyboard alone:
# Alt+Space opens the menu, and the About item's mnemonic chooses it; or,
# where E2E_ABOUT_ITEM_KEYS says so, other keys (under Wine an "About Wine"
# item with the same mnemonic comes first and would be run at once: Up and
# Enter reach the last item, ours).
source "$(dirname "${BASH_SOURCE[0]}")/e2e_session.sh"

start_app

before_menu=$(visible_app_windows)
xdotool key alt+space
menu=$(wait_for_popup "$before_menu")
# shellcheck disable=SC2086  # the keys are words
xdotool key ${E2E_ABOUT_ITEM_KEYS:-a}
about=$(wait_for_window "$ABOUT_TITLE")
visible_app_windows | grep -qx "$menu" && fail "the system menu stayed open"
focus "$about"

# The icon's blue vortices tell the painted box from what lay beneath it.
readonly ICON_BLUE=0000FF
dialog_font "${ABOUT_FONT[@]}"
shot about-box "$about" at_least 20 "${ABOUT_ICON[@]}" "$ICON_BLUE"

# The focus starts on "OK", the only tab stop.
xdotool key Return
wait_for_close "$ABOUT_TITLE"
focus "$main_window"
xdotool key Escape
expect_exit 0
