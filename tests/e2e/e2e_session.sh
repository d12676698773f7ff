# Sourced by every end-to-end scenario: the private display with vortexcalc
# on it (virtual_display.sh), and the means to drive the program and observe
# it.
#
# Expects in the environment (CTest sets them), besides VORTEXCALC:
#   SCREEN_PROBE     the screenshot and pixel tool built beside these tests
#   E2E_SCREENSHOTS  where screenshots are kept

source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/dialog_layouts.sh"
: "${SCREEN_PROBE:?path of screen_probe}" "${E2E_SCREENSHOTS:?folder for screenshots}"

# Starts the display and vortexcalc; main_window is its main dialog.
start_app() {
  start_display
  mkdir -p "$E2E_SCREENSHOTS"
  dialog_font Arial 10
  launch_app
  main_window=$(wait_for_window "$MAIN_TITLE")
  focus "$main_window"
}

# expect_exit STATUS: waits for vortexcalc to end and checks its exit status.
expect_exit() {
  poll_until "vortexcalc to exit" app_ended
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  ((status == $1)) || fail "vortexcalc exited with status $status, expected $1"
}

# --- windows ---------------------------------------------------------------

# wait_for_window TITLE_REGEX: prints the id of the visible window so named.
wait_for_window() {
  wait_until "a window titled /$1/" window_shown "$1"
  visible_window "$1"
}

wait_for_close() { wait_until "the window titled /$1/ to close" window_gone "$1"; }

# The program's visible windows, named or not (menus have no name), by
# their class: the program's name, or E2E_APP_CLASS.
visible_app_windows() { xdotool search --onlyvisible --class "^${E2E_APP_CLASS:-vortexcalc}\$" 2>/dev/null | sort; }

# wait_for_popup KNOWN_IDS: prints the id of a visible window not in KNOWN_IDS.
new_window_shown() { [[ -n $(comm -13 <(echo "$1") <(visible_app_windows)) ]]; }
wait_for_popup() {
  wait_until "a new window" new_window_shown "$1"
  comm -13 <(echo "$1") <(visible_app_windows) | head -n 1
}

# Without a window manager nobody gives a new or uncovered window the focus.
focus() {
  timeout "$E2E_WAIT_SECONDS" xdotool windowfocus --sync "$1" || fail "window $1 did not take the focus"
}

# --- dialog units ----------------------------------------------------------

# dialog_font FACE POINTS: the template font later conversions use. Arial
# is served by the metric-compatible Liberation Sans, whose base units are
# read from the font file: at 13 px (Arial 10) the 52 letters are 394 px wide
# and a line 12 + 3 px high. MS Sans Serif 8 is Liberation Sans at 11 px on
# Linux (334 px, 10 + 2 px); with E2E_WINDOWS_FONTS set it is Windows' own
# bitmap font (Wine's copy), 13 px high.
dialog_font() {
  case "$1 $2" in
    "Arial 10") base_x=8 base_y=15 ;;
    "MS Sans Serif 8")
      base_x=6 base_y=12
      if [[ -n ${E2E_WINDOWS_FONTS:-} ]]; then base_y=13; fi
      ;;
    *) fail "no base units known for $1 $2" ;;
  esac
}

# As the framework converts: rounded du * base / 4 across, du * base / 8 down.
du_x() { echo $(((2 * $1 * base_x + 4) / 8)); }
du_y() { echo $(((2 * $1 * base_y + 8) / 16)); }

# --- input -----------------------------------------------------------------

# click_at WINDOW X Y: a left click at pixel X,Y of WINDOW's client area.
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# click_control WINDOW X Y W H: clicks the middle of a template rectangle.
click_control() {
  click_at "$1" "$(($(du_x "$2") + $(du_x "$4") / 2))" "$(($(du_y "$3") + $(du_y "$5") / 2))"
}

# click_list_row WINDOW X Y W H ROW: clicks a list box row; a row is one
# line of the dialog font high, below the list's two-pixel frame.
click_list_row() {
  click_at "$1" "$(($(du_x "$2") + $(du_x "$4") / 2))" "$(($(du_y "$3") + 2 + $6 * base_y + base_y / 2))"
}

# --- observing -------------------------------------------------------------

# expect_clipboard TEXT: the clipboard comes to hold exactly TEXT (copying
# is the program's to do, so it is waited for).
expect_clipboard() {
  local text deadline=$(($(now_ms) + E2E_WAIT_SECONDS * 1000))
  until text=$("$SCREEN_PROBE" clipboard) && [[ $text == "$1" ]]; do
    (($(now_ms) < deadline)) || fail "the clipboard holds '$text', expected '$1'"
    sleep 0.05
  done
}

# pixels PNG X Y W H [!]RRGGBB: how many pixels of a template rectangle have
# (or, with !, have not) that colour.
pixels() {
  "$SCREEN_PROBE" count "$1" "$(du_x "$2")" "$(du_y "$3")" "$(du_x "$4")" "$(du_y "$5")" "$6"
}

# background PNG: the dialog's own colour, at its top-left corner, which no
# template puts a control on.
background() { "$SCREEN_PROBE" pixel "$1" 1 1; }

# drawn PNG X Y W H: something other than bare dialog lies in the rectangle.
drawn() { (($(pixels "$@" "!$(background "$1")") > 0)); }

# at_least PNG N X Y W H RRGGBB: N or more pixels of that colour there.
at_least() { (($(pixels "$1" "${@:3}") >= $2)); }
# none PNG X Y W H RRGGBB: no pixel of that colour there.
none() { (($(pixels "$@") == 0)); }

# shot NAME WINDOW CHECK [ARGS...]: grabs WINDOW until CHECK PNG ARGS holds,
# then keeps it as NAME.png; a screenshot that never passes is kept too, for
# diagnosis. The check must tell the awaited picture from anything earlier,
# including what a freshly mapped window shows before it is first painted
# (whatever lay beneath it).
shot() {
  local name=$1 window=$2 check=$3
  shift 3
  local kept=$E2E_SCREENSHOTS/$name.png
  local grab=$session_dir/grab.png
  local deadline=$(($(now_ms) + E2E_WAIT_SECONDS * 1000))
  until "$SCREEN_PROBE" shot "$grab" "$window" && "$check" "$grab" "$@"; do
    if (($(now_ms) >= deadline)); then
      [[ -e $grab ]] && mv "$grab" "$kept"
      fail "$name: '$check $*' did not hold within ${E2E_WAIT_SECONDS}s (last grab kept in $kept)"
    fi
    sleep 0.05
  done
  mv "$grab" "$kept"
  echo "screenshot: $kept"
}
