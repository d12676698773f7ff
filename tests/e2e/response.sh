#!/usr/bin/env bash
# The vortex-induced response from the main dialog: a 1 m stack, 30 m high,
# fn = 1 Hz, me = 500 kg/m, logarithmic decrement 0.005, in a 20 m/s wind,
# typed from the keyboard; then the same stack as a steel tube with an 8 mm
# wall, chosen and typed with the mouse. The figure read back is the one
# strouhal response prints for the same case; a screenshot of each.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_session.sh"
: "${STROUHAL:?path of strouhal}"

readonly STACK=(--diameter 1 --height 30 --log-decrement 0.005 --mean-wind 20)
readonly TUBE=(--wall-thickness 0.008 --youngs-modulus 2.1e11 --material-density 7850)

# figure LABEL ARGS...: the value strouhal prints for the figure so labelled.
figure() {
  local label=$1
  shift
  "$STROUHAL" response "$@" | sed -n "s|^$label: ||p"
}

# expect_value X Y W H TEXT: the read-only field there holds TEXT.
expect_value() {
  click_control "$response" "${@:1:4}"
  xdotool key ctrl+a ctrl+c
  expect_clipboard "$5"
}

# replace_text X Y W H TEXT: clicks into a field and types over what it holds.
replace_text() {
  click_control "$response" "${@:1:4}"
  xdotool key ctrl+a
  xdotool type "$5"
}

start_app

click_list_row "$main_window" "${MAIN_ANALYSIS_LIST[@]}" "$MAIN_ROW_RESPONSE"
response=$(wait_for_window "$RESPONSE_TITLE")
focus "$response"

# From the units list: the support list, then b and h; the frequency list,
# fn and me; the damping list, the decrement and the wind.
xdotool key Tab Tab
xdotool type 1
xdotool key Tab
xdotool type 30
xdotool key Tab Tab
xdotool type 1
xdotool key Tab
xdotool type 500
xdotool key Tab Tab
xdotool type 0.005
xdotool key Tab
xdotool type 20
xdotool key Return
shot response-given "$response" drawn "${RESPONSE_CHART[@]}"
expect_value "${RESPONSE_AMPLITUDE_RATIO_VALUE[@]}" \
  "$(figure 'Amplitude ratio yF,max/b' "${STACK[@]}" --natural-frequency 1 --mass 500)"

click_list_row "$response" "${RESPONSE_FREQUENCY_SOURCE[@]}" "$RESPONSE_ROW_TUBE"
replace_text "${RESPONSE_WALL[@]}" 0.008
replace_text "${RESPONSE_MODULUS[@]}" 2.1e11
replace_text "${RESPONSE_DENSITY[@]}" 7850
click_control "$response" "${RESPONSE_CALCULATE[@]}"
shot response-tube "$response" drawn "${RESPONSE_CHART[@]}"
expect_value "${RESPONSE_FREQUENCY_VALUE[@]}" "$(figure 'Natural frequency (Hz)' "${STACK[@]}" "${TUBE[@]}")"

click_control "$response" "${RESPONSE_RETURN[@]}"
wait_for_close "$RESPONSE_TITLE"
focus "$main_window"
click_control "$main_window" "${MAIN_EXIT[@]}"
expect_exit 0
