# Sourced by the end-to-end scripts: a private Xvfb display, the program
# under test on it, and waiting with a time budget. Whatever the script
# started is stopped, and its temporary folder removed, however it ends.
#
# Expects VORTEXCALC, the program under test. Optional: E2E_WAIT_SECONDS, the
# most any single wait may take (default 10).

set -euo pipefail

: "${VORTEXCALC:?path of vortexcalc}"
E2E_WAIT_SECONDS=${E2E_WAIT_SECONDS:-10}

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh brings it)" >&2
    exit 77
  fi
done

session_dir=$(mktemp -d "${TMPDIR:-/tmp}/vortex-e2e.XXXXXX")
xvfb_pid=""
app_pid=""

stop_app() {
  [[ -n $app_pid ]] || return 0
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

end_session() {
  local status=$?
  stop_app
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$session_dir"
  exit "$status"
}
trap end_session EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
  echo "FAIL: $*" >&2
  if [[ -s $session_dir/app.log ]]; then
    echo "--- vortexcalc output ---" >&2
    tail -n 20 "$session_dir/app.log" >&2
  fi
  exit 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

app_ended() { ! app_running; }
app_running() {
  local state=""
  [[ -n $app_pid && -r /proc/$app_pid/stat ]] || return 1
  read -r _ _ state _ <"/proc/$app_pid/stat" || return 1
  [[ $state != Z ]]
}

# poll_until WHAT COMMAND...: polls COMMAND until it succeeds; fails when the
# time budget is spent.
poll_until() {
  local what=$1
  shift
  local deadline=$(($(now_ms) + E2E_WAIT_SECONDS * 1000))
  until "$@"; do
    (($(now_ms) < deadline)) || fail "timed out after ${E2E_WAIT_SECONDS}s waiting for $what"
    sleep 0.02
  done
}

# wait_until WHAT COMMAND...: as poll_until, but fails at once if vortexcalc
# has died meanwhile.
wait_until() { poll_until "$1" while_app_runs "${@:2}"; }
while_app_runs() {
  if [[ -n $app_pid ]] && ! app_running; then fail "vortexcalc ended unexpectedly"; fi
  "$@"
}

# Starts Xvfb on a display number it picks itself, and waits until it serves.
# Without -noreset the server resets whenever its last client leaves, and a
# client connecting during the reset is turned away. The root is black (-br),
# which is what a new window shows until it is first painted.
# With E2E_SHARED_DISPLAY=1 the display in DISPLAY serves instead: the
# Windows runs use the one their Wine prefix lives on.
start_display() {
  if [[ ${E2E_SHARED_DISPLAY:-} != 1 ]]; then
    local display_file=$session_dir/display
    : >"$display_file"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -br 3>"$display_file" >"$session_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    poll_until "Xvfb to start" grep -q '^[0-9][0-9]*$' "$display_file"
    local number
    number=$(head -n 1 "$display_file")
    export DISPLAY=":$number"
  fi
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR=$session_dir/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # The pointer starts outside every window, so nothing is hovered by chance.
  xdotool mousemove 0 0
}

# launch_app: starts vortexcalc in the background, its output kept for fail.
launch_app() {
  "$VORTEXCALC" >"$session_dir/app.log" 2>&1 &
  app_pid=$!
}

# Windows are found by title (a regular expression), visible ones only.
visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
window_shown() { [[ -n $(visible_window "$1") ]]; }
window_gone() { [[ -z $(visible_window "$1") ]]; }
