#!/usr/bin/env bash
# Start-up time to the first painted window, and peak resident memory, of
# vortexcalc beside SpeedCrunch, measured alternately in one session under a
# private Xvfb.
#
#   bench/startup_vs_speedcrunch.sh PATH/TO/vortexcalc [RUNS]
#
# RUNS measured starts of each program (default 11) follow one warm-up start
# of each. The two take turns, and which goes first alternates from pair to
# pair, so that a change in the machine's load falls on both alike.
#
# First paint: the time from just before the program is forked to the first
# moment one of its top-level windows (_NET_WM_PID = its pid) is mapped and
# its area on screen is painted: at least half of the area differs from the
# root background it covers and the area is not one flat colour. A new window
# shows the root beneath it until its program paints, so mapping alone is not
# enough. A small Xlib probe, compiled here, waits for the map event and then
# reads the window's area back every 2 ms.
#
# Peak memory: VmHWM from /proc/PID/status, read SETTLE_MS (default 500) after
# first paint, just before the program is stopped with SIGTERM; every start
# of both programs is stopped the same way.
#
# Both programs run with the same minimal environment (LANG=C.UTF-8, no
# desktop, a D-Bus session bus of this script's own so that the toolkits'
# accessibility bridges take their usual path) and a fresh empty HOME and XDG
# folders for each start, so neither finds settings or a saved session. On
# such a first start SpeedCrunch opens its main window (640x480: menus, an
# empty result display, the expression editor) with a "Type an expression
# here" hint beside the editor.
#
# Environment: SPEEDCRUNCH (default: speedcrunch on PATH; "none" measures
# vortexcalc alone; or another program to compare, named BENCH_OTHER_NAME,
# as bench/startup_windows.sh does); SETTLE_MS;
# BENCH_DESKTOP, given to both as XDG_CURRENT_DESKTOP (with GNOME both
# toolkits load their GTK 3 platform theme where it is installed, as
# qt6-gtk-platformtheme is wherever libqt6gui6's recommendations are);
# E2E_WAIT_SECONDS, the most any start may take (default 10).
# On a busy machine, running the script under a real-time policy (as root:
# chrt -f 10 bench/startup_vs_speedcrunch.sh ...) lets Xvfb, the probe and
# both programs run ahead of the other work, much as on a quiet machine.
#
# Needs Xvfb and xdotool (scripts/install-deps.sh), a C compiler and the Xlib
# headers for the probe (apt-get install gcc libx11-dev), dbus-daemon, and
# SpeedCrunch itself (apt-get install speedcrunch).
set -euo pipefail
if [[ $# -lt 1 || $# -gt 2 ]]; then
  echo "usage: $0 PATH/TO/vortexcalc [RUNS]" >&2
  exit 2
fi
VORTEXCALC=$(realpath "$1")
runs=${2:-11}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "RUNS must be a positive number" >&2; exit 2; }
SETTLE_MS=${SETTLE_MS:-500}
[[ $SETTLE_MS =~ ^[0-9]+$ ]] || { echo "SETTLE_MS must be a number of milliseconds" >&2; exit 2; }
[[ -x $VORTEXCALC ]] || { echo "$VORTEXCALC is not a program" >&2; exit 1; }
# The programs measured, by name, and their paths.
declare -A programs=([vortexcalc]=$VORTEXCALC)
names=(vortexcalc)
other=${BENCH_OTHER_NAME:-speedcrunch}
if [[ ${SPEEDCRUNCH:-} != none ]]; then
  programs[$other]=$(command -v "${SPEEDCRUNCH:-speedcrunch}") || {
    echo "SpeedCrunch is not installed: apt-get install speedcrunch (or set SPEEDCRUNCH, or SPEEDCRUNCH=none)" >&2
    exit 1
  }
  names+=("$other")
fi
# The whole measurement runs on a session bus of its own, ended with it.
if [[ -z ${STARTUP_BENCH_BUS:-} ]]; then
  command -v dbus-run-session >/dev/null || { echo "dbus-run-session is missing: apt-get install dbus-daemon" >&2; exit 1; }
  STARTUP_BENCH_BUS=1 exec dbus-run-session -- "$0" "$VORTEXCALC" "$runs"
fi
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/virtual_display.sh"

# The probe: starts a program, prints paint_ms=... hwm_kb=... on success.
probe=$session_dir/first_paint_probe
if ! cc -O2 -o "$probe" -x c - -lX11 2>"$session_dir/cc.log" <<'EOF'; then
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { POLL_MS = 2, MAX_WINDOWS = 16 };

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

static long window_pid(Display* d, Window w) {
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = NULL;
  long pid = -1;
  if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_PID", False), 0, 1, False, XA_CARDINAL, &type, &format,
                         &items, &after, &data) == Success && data && items == 1 && format == 32) {
    pid = (long)*(unsigned long*)data;
  }
  if (data) XFree(data);
  return pid;
}

static long peak_rss_kb(pid_t pid) {
  char path[64], line[256];
  long kb = -1;
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (!f) return -1;
  while (fgets(line, sizeof line, f)) {
    if (strncmp(line, "VmHWM:", 6) == 0) kb = strtol(line + 6, NULL, 10);
  }
  fclose(f);
  return kb;
}

// A window may be gone between its map event and the read-back.
static int ignore_error(Display* d, XErrorEvent* e) { (void)d; (void)e; return 0; }

static int painted(Display* d, Window window, unsigned long background) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, window, &a) || a.map_state != IsViewable) return 0;
  int x = a.x, y = a.y, w = a.width + 2 * a.border_width, h = a.height + 2 * a.border_width;
  if (x < 0) w += x, x = 0;
  if (y < 0) h += y, y = 0;
  if (x + w > DisplayWidth(d, 0)) w = DisplayWidth(d, 0) - x;
  if (y + h > DisplayHeight(d, 0)) h = DisplayHeight(d, 0) - y;
  if (w <= 0 || h <= 0) return 0;
  XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, (unsigned)w, (unsigned)h, 0xFFFFFF, ZPixmap);
  if (!image) return 0;
  long differing = 0;
  int flat = 1;
  const unsigned int first = *(const unsigned int*)image->data & 0xFFFFFF;
  for (int row = 0; row < h; ++row) {
    const unsigned int* pixel = (const unsigned int*)(image->data + (long)row * image->bytes_per_line);
    for (int column = 0; column < w; ++column) {
      const unsigned int colour = pixel[column] & 0xFFFFFF;
      differing += colour != background;
      flat &= colour == first;
    }
  }
  XDestroyImage(image);
  return !flat && 2 * differing >= (long)w * h;
}

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  const int settle_ms = atoi(argv[1]), timeout_ms = atoi(argv[2]);
  Display* d = XOpenDisplay(NULL);
  if (!d || DefaultDepth(d, 0) != 24) {
    fprintf(stderr, "probe: needs a 24-bit display\n");
    return 1;
  }
  XSetErrorHandler(ignore_error);
  XImage* corner = XGetImage(d, DefaultRootWindow(d), 0, 0, 1, 1, 0xFFFFFF, ZPixmap);
  const unsigned long background = XGetPixel(corner, 0, 0) & 0xFFFFFF;
  XDestroyImage(corner);
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, False);

  const double started = now_ms();
  const pid_t pid = fork();
  if (pid == 0) {
    close(ConnectionNumber(d));
    execv(argv[3], argv + 3);
    fprintf(stderr, "probe: cannot run %s: %s\n", argv[3], strerror(errno));
    _exit(127);
  }
  if (pid < 0) return 1;

  Window windows[MAX_WINDOWS];
  int count = 0, status;
  double paint_ms = -1;
  for (;;) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == MapNotify && !e.xmap.override_redirect && count < MAX_WINDOWS &&
          window_pid(d, e.xmap.window) == pid) {
        windows[count++] = e.xmap.window;
      }
    }
    for (int i = 0; i < count && paint_ms < 0; ++i) {
      if (painted(d, windows[i], background)) paint_ms = now_ms() - started;
    }
    if (paint_ms >= 0) break;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      fprintf(stderr, "probe: %s ended before painting a window\n", argv[3]);
      return 1;
    }
    if (now_ms() - started > timeout_ms) {
      fprintf(stderr, "probe: %s painted no window within %d ms\n", argv[3], timeout_ms);
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return 1;
    }
    // Before a window is mapped only events are awaited; then the area is
    // read back every POLL_MS.
    struct pollfd connection = {ConnectionNumber(d), POLLIN, 0};
    poll(&connection, 1, count ? POLL_MS : 50);
  }

  const struct timespec settle = {settle_ms / 1000, (long)(settle_ms % 1000) * 1000000L};
  nanosleep(&settle, NULL);
  const long hwm_kb = peak_rss_kb(pid);
  kill(pid, SIGTERM);
  for (int waited = 0; waitpid(pid, &status, WNOHANG) != pid; ++waited) {
    if (waited == 500) kill(pid, SIGKILL);  // after 5 s
    usleep(10000);
  }
  printf("paint_ms=%.1f hwm_kb=%ld\n", paint_ms, hwm_kb);
  return 0;
}
EOF
  cat "$session_dir/cc.log" >&2
  echo "cannot build the probe: it needs a C compiler and the Xlib headers (apt-get install gcc libx11-dev)" >&2
  exit 1
fi

start_display

# start_once PROGRAM: one start in a fresh home; sets paint_ms and rss_kb.
start_once() {
  local home result
  home=$(mktemp -d "$session_dir/home.XXXXXX")
  result=$(env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
    XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
    XDG_CURRENT_DESKTOP="${BENCH_DESKTOP:-}" HOME="$home" \
    XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
    "$probe" "$SETTLE_MS" $((E2E_WAIT_SECONDS * 1000)) "$1" 2>"$session_dir/probe.log") ||
    fail "$1: $(<"$session_dir/probe.log")"
  rm -rf "$home"
  [[ $result =~ ^paint_ms=([0-9.]+)\ hwm_kb=([0-9]+)$ ]] || fail "$1: unexpected probe output '$result'"
  paint_ms=${BASH_REMATCH[1]}
  rss_kb=${BASH_REMATCH[2]}
}

declare -A paint_times=() peak_rss=() median_paint=() median_rss=()
megabytes() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }

# measure NAME PROGRAM: one measured start, its figures kept under NAME.
measure() {
  start_once "$2"
  paint_times[$1]+="$paint_ms "
  peak_rss[$1]+="$rss_kb "
  printf '  %-11s first paint %7.1f ms   peak RSS %6s MB\n' "$1" "$paint_ms" "$(megabytes "$rss_kb")"
}

# summary VALUES...: min median max.
summary() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
    END { print v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR] }'
}

load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) CPUs," \
  "$(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo), $(uname -sr)"
echo "versions: SpeedCrunch $(dpkg-query -W -f '${Version}' speedcrunch 2>/dev/null || echo '?')," \
  "Qt $(dpkg-query -W -f '${Version}' libqt6core6 2>/dev/null || echo '?') (vortexcalc)" \
  "and $(dpkg-query -W -f '${Version}' libqt5core5a 2>/dev/null || echo '?') (SpeedCrunch)"
echo "load average before: $(load); $runs runs each after one warm-up; settle $SETTLE_MS ms;" \
  "desktop: ${BENCH_DESKTOP:-none}; scheduling: $(chrt -p $$ | sed -n 's/.*policy: //p')"

for name in "${names[@]}"; do start_once "${programs[$name]}"; done # warm-up: page cache, font cache
for ((run = 1; run <= runs; run++)); do
  echo "run $run:"
  order=("${names[@]}")
  ((run % 2)) || mapfile -t order < <(printf '%s\n' "${names[@]}" | tac)
  for name in "${order[@]}"; do measure "$name" "${programs[$name]}"; done
done
echo "load average after: $(load)"

echo
printf '%-12s %30s   %30s\n' "" "first paint ms (min/median/max)" "peak RSS MB (min/median/max)"
for name in "${names[@]}"; do
  read -r -a paints <<<"${paint_times[$name]}"
  read -r -a rss <<<"${peak_rss[$name]}"
  read -r pmin pmed pmax < <(summary "${paints[@]}")
  read -r rmin rmed rmax < <(summary "${rss[@]}")
  median_paint[$name]=$pmed
  median_rss[$name]=$rmed
  printf '%-12s %30s   %30s\n' "$name" "$pmin / $pmed / $pmax" \
    "$(megabytes "$rmin") / $(megabytes "$rmed") / $(megabytes "$rmax")"
done
[[ -v programs[$other] ]] || exit 0
awk -v p="${median_paint[vortexcalc]}" -v q="${median_paint[$other]}" \
  -v r="${median_rss[vortexcalc]}" -v s="${median_rss[$other]}" -v other="$other" \
  'BEGIN { printf "ratio of medians, vortexcalc / %s: first paint %.2f, peak RSS %.2f\n", other, p / q, r / s }'
