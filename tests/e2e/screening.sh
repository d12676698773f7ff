#!/usr/bin/env bash
# Lock-in screening from the main dialog: fresh water at 20 C past a 0.1 m
# cylinder at 1.5 m/s, first with a natural frequency of 3 Hz (lock-in),
# then of 10 Hz (safe). The frequency ratio shown is the one strouhal screen
# prints for the same case; a screenshot of each, chart and all.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_session.sh"
: "${STROUHAL:?path of strouhal}"

# ratio FN: the frequency ratio strouhal prints for the case.
ratio() {
  "$STROUHAL" screen --fluid water --temperature 20 --velocity 1.5 --diameter 0.1 --natural-frequency "$1" |
    sed -n 's/^Frequency ratio fs\/fn: //p'
}

# screen_case FN NAME: types the natural frequency, calculates, checks the
# ratio shown and keeps a screenshot.
screen_case() {
  click_control "$screening" "${SCREENING_NATURAL_FREQUENCY[@]}"
  xdotool key ctrl+a
  xdotool type "$1"
  click_control "$screening" "${SCREENING_CALCULATE[@]}"
  shot "$2" "$screening" drawn "${SCREENING_CHART[@]}"
  click_control "$screening" "${SCREENING_RATIO_VALUE[@]}"
  xdotool key ctrl+a ctrl+c
  expect_clipboard "$(ratio "$1")"
}

start_app

click_list_row "$main_window" "${MAIN_ANALYSIS_LIST[@]}" "$MAIN_ROW_SCREENING"
screening=$(wait_for_window "$SCREENING_TITLE")
focus "$screening"

click_control "$screening" "${SCREENING_VELOCITY[@]}"
xdotool type 1.5
click_control "$screening" "${SCREENING_DIAMETER[@]}"
xdotool type 0.1
screen_case 3 screening-lock-in
screen_case 10 screening-safe

click_control "$screening" "${SCREENING_RETURN[@]}"
wait_for_close "$SCREENING_TITLE"
focus "$main_window"
click_control "$main_window" "${MAIN_EXIT[@]}"
expect_exit 0
