#!/usr/bin/env bash
# The contact dialog's web link: a click hands exactly the web address, as one
# argument, to the desktop's opener (a stub here), and the label turns to the
# followed colour while the e-mail label keeps the link colour.
# Expects E2E_CONTACT_WEB, the web address the program was built with.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_session.sh"
: "${E2E_CONTACT_WEB:?web address of the contact dialog}"

readonly LINK_COLOUR=0000EE     # red 0, green 0, blue 238
readonly FOLLOWED_COLOUR=551A8B # red 85, green 26, blue 139

# An opener that records each call: its argument count, then its arguments.
opener_log=$session_dir/xdg-open.log
mkdir "$session_dir/bin"
cat >"$session_dir/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$#" "\$@" >>'$opener_log'
exit 0
EOF
chmod +x "$session_dir/bin/xdg-open"
export PATH=$session_dir/bin:$PATH

unvisited() {
  at_least "$1" 20 "${CONTACT_WEB_LINK_AREA[@]}" "$LINK_COLOUR" &&
    none "$1" "${CONTACT_WEB_LINK_AREA[@]}" "$FOLLOWED_COLOUR"
}
followed() {
  at_least "$1" 20 "${CONTACT_WEB_LINK_AREA[@]}" "$FOLLOWED_COLOUR" &&
    none "$1" "${CONTACT_WEB_LINK_AREA[@]}" "$LINK_COLOUR" &&
    at_least "$1" 20 "${CONTACT_MAIL_LINK_AREA[@]}" "$LINK_COLOUR"
}

start_app

click_control "$main_window" "${MAIN_VISIT_WEB_SITE[@]}"
contact=$(wait_for_window "$CONTACT_TITLE")
focus "$contact"
shot contact-unvisited "$contact" unvisited

click_control "$contact" "${CONTACT_WEB_LINK_START[@]}"
wait_until "the opener to be called" test -s "$opener_log"
shot contact-followed "$contact" followed
expected_call=$(printf '1\n%s' "$E2E_CONTACT_WEB")
[[ $(<"$opener_log") == "$expected_call" ]] ||
  fail "the opener was called with: $(<"$opener_log"); expected the one argument $E2E_CONTACT_WEB"

click_control "$contact" "${CONTACT_RETURN[@]}"
wait_for_close "$CONTACT_TITLE"
window_shown "$MAIN_TITLE" || fail "the main dialog is gone after the contact dialog closed"
focus "$main_window"
click_control "$main_window" "${MAIN_EXIT[@]}"
expect_exit 0
