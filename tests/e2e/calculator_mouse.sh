#!/usr/bin/env bash
# The typical request, with the mouse: main dialog -> "Calculate Strouhal
# Number" -> "Diameter" -> "metric" -> 0.2, 10, 5 -> Enter shows 0.1 m;
# "Return", then "Exit" ends the program cleanly.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_session.sh"

start_app
shot main-dialog "$main_window" drawn "${MAIN_ANALYSIS_LIST[@]}"

click_list_row "$main_window" "${MAIN_ANALYSIS_LIST[@]}" "$MAIN_ROW_CALCULATOR"
calculator=$(wait_for_window "$CALCULATOR_TITLE")
focus "$calculator"

click_list_row "$calculator" "${CALCULATOR_ANALYSIS_LIST[@]}" "$CALCULATOR_ROW_DIAMETER"
click_list_row "$calculator" "${CALCULATOR_UNITS_LIST[@]}" "$CALCULATOR_ROW_METRIC"
# The slot labels above the inputs are tab stops too, so each input is clicked.
click_control "$calculator" "${CALCULATOR_SLOT_INPUT1[@]}"
xdotool type 0.2
click_control "$calculator" "${CALCULATOR_SLOT_INPUT2[@]}"
xdotool type 10
click_control "$calculator" "${CALCULATOR_SLOT_INPUT3[@]}"
xdotool type 5
xdotool key Return
shot calculator-result "$calculator" drawn "${CALCULATOR_RESULT_VALUE[@]}"

# The read-only result fields give their text to the clipboard.
click_control "$calculator" "${CALCULATOR_RESULT_VALUE[@]}"
xdotool key ctrl+a ctrl+c
expect_clipboard "         0.1"
click_control "$calculator" "${CALCULATOR_RESULT_LABEL[@]}"
xdotool key ctrl+a ctrl+c
expect_clipboard "Diameter (m)"

click_control "$calculator" "${CALCULATOR_RETURN[@]}"
wait_for_close "$CALCULATOR_TITLE"
focus "$main_window"
click_control "$main_window" "${MAIN_EXIT[@]}"
expect_exit 0
