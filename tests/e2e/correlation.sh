#!/usr/bin/env bash
# The correlation from the main dialog: a Reynolds number of 2e5 gives a
# Strouhal number of 0.196.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_session.sh"

start_app

click_list_row "$main_window" "${MAIN_ANALYSIS_LIST[@]}" "$MAIN_ROW_CORRELATION"
correlation=$(wait_for_window "$CORRELATION_TITLE")
focus "$correlation"

click_control "$correlation" "${CORRELATION_REYNOLDS_INPUT[@]}"
xdotool type 2e5
click_control "$correlation" "${CORRELATION_CALCULATE[@]}"
shot correlation-result "$correlation" drawn "${CORRELATION_STROUHAL_VALUE[@]}"

click_control "$correlation" "${CORRELATION_STROUHAL_VALUE[@]}"
xdotool key ctrl+a ctrl+c
expect_clipboard "0.196"

click_control "$correlation" "${CORRELATION_RETURN[@]}"
wait_for_close "$CORRELATION_TITLE"
focus "$main_window"
click_control "$main_window" "${MAIN_EXIT[@]}"
expect_exit 0
