#!/usr/bin/env bash
# The typical request with the keyboard alone: not one mouse event reaches the
# program. Run under a German locale when one is installed, where a decimal
# comma must not change how "0.2" is read or "0.1" written.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_session.sh"

if locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  export LC_ALL=de_DE.UTF-8
fi

start_app

# The main dialog opens on "Exit"; Tab reaches the list, Home picks its first
# entry.
xdotool key Tab Home
calculator=$(wait_for_window "$CALCULATOR_TITLE")
focus "$calculator"

# "Calculate", "Return", then the analysis list: Home is "Stouhal Number",
# two rows down "Diameter". Tab to the units list: Home is "English", one
# down "metric".
xdotool key Tab Tab Home Down Down
xdotool key Tab Home Down
# Past each read-only slot label to its input; tabbing in selects the blank.
xdotool key Tab Tab
xdotool type 0.2
xdotool key Tab Tab
xdotool type 10
xdotool key Tab Tab
xdotool type 5
xdotool key Return
shot calculator-keyboard "$calculator" drawn "${CALCULATOR_RESULT_VALUE[@]}"

# On to the result and its label, both read-only tab stops.
xdotool key Tab ctrl+a ctrl+c
expect_clipboard "         0.1"
xdotool key Tab ctrl+a ctrl+c
expect_clipboard "Diameter (m)"

xdotool key Escape
wait_for_close "$CALCULATOR_TITLE"
focus "$main_window"
xdotool key Escape
expect_exit 0
