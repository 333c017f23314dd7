# Real-window test harness: sourced by the scripts of tests/real/. Each test gets its own X
# display (Xvfb) with a window manager (openbox), a fresh working folder holding bin/, and the
# quorvex program started there with the real clock and real files. Input goes through XTEST
# (xdotool), the clipboard through xclip. The program's probe file (QUORVEX_TEST_PROBE) tells
# what X cannot: the focused control, window frames, the answer text.
#
# Environment (set by ctest): QUORVEX_BIN, QUORVEX_DEFAULT_BIN, REAL_ARTIFACTS.
# A failing test keeps its screenshots, the probe file and the program's output in
# $REAL_ARTIFACTS/<test name>/.
set -euo pipefail

REAL_NAME=${REAL_NAME:-$(basename "$0" .sh)}
REAL_TMP=$(mktemp -d)
REAL_WORK=$REAL_TMP/work
REAL_PROBE=$REAL_TMP/probe.txt
REAL_KEEP=${REAL_ARTIFACTS:-$REAL_TMP/artifacts}/$REAL_NAME
REAL_PIDS=()
QUORVEX_PID=
rm -rf "$REAL_KEEP"

real_cleanup() {
  local status=$?
  if [ -n "${QUORVEX_PID:-}" ]; then kill "$QUORVEX_PID" 2>/dev/null || true; fi
  # Reverse order: the window manager before its display.
  local index
  for ((index = ${#REAL_PIDS[@]} - 1; index >= 0; index--)); do
    kill "${REAL_PIDS[index]}" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  if [ "$status" -ne 0 ]; then
    mkdir -p "$REAL_KEEP"
    cp -r "$REAL_TMP"/*.png "$REAL_TMP"/*.log "$REAL_TMP"/*probe.txt "$REAL_KEEP"/ 2>/dev/null || true
    echo "real-window artifacts kept in $REAL_KEEP" >&2
  fi
  rm -rf "$REAL_TMP"
  exit "$status"
}
trap real_cleanup EXIT

real_fail() {
  echo "FAIL [$REAL_NAME]: $*" >&2
  real_shot failure || true
  if [ -f "$REAL_PROBE" ]; then
    echo "--- probe" >&2
    cat "$REAL_PROBE" >&2
  fi
  exit 1
}

real_need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || real_fail "$tool is missing (scripts/setup installs it)"
  done
}

# Starts Xvfb on a free display (WIDTHxHEIGHT, default 1280x1024) and openbox on it.
real_start_display() {
  local size=${1:-1280x1024}
  real_need Xvfb openbox xdotool xclip xprop import
  exec 9>"$REAL_TMP/display"
  Xvfb -displayfd 9 -screen 0 "${size}x24" -nolisten tcp >"$REAL_TMP/xvfb.log" 2>&1 &
  REAL_PIDS+=($!)
  local tries=0
  while [ ! -s "$REAL_TMP/display" ]; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || real_fail "Xvfb did not start"
    sleep 0.1
  done
  exec 9>&-
  export DISPLAY=:$(head -n 1 "$REAL_TMP/display")
  # openbox now and then fails to open a display that has only just come up: start it again.
  local attempt openbox_pid
  for attempt in 1 2 3; do
    openbox --sm-disable >>"$REAL_TMP/openbox.log" 2>&1 &
    openbox_pid=$!
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
      kill -0 "$openbox_pid" 2>/dev/null || break
      tries=$((tries + 1))
      [ "$tries" -lt 100 ] || break
      sleep 0.1
    done
    if kill -0 "$openbox_pid" 2>/dev/null &&
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
      REAL_PIDS+=("$openbox_pid")
      return 0
    fi
    kill "$openbox_pid" 2>/dev/null || true
    sleep 0.5
  done
  cat "$REAL_TMP/openbox.log" >&2
  real_fail "openbox did not start"
}

# A working folder with the default data files; the first-run flag is set to "1" (no welcome)
# unless FIRST_RUN=1.
real_make_workdir() {
  mkdir -p "$REAL_WORK/bin"
  cp "$QUORVEX_DEFAULT_BIN"/*.ini "$REAL_WORK/bin/"
  if [ "${FIRST_RUN:-0}" = 1 ]; then printf '0\r\n' >"$REAL_WORK/bin/other.ini"; else
    printf '1\r\n' >"$REAL_WORK/bin/other.ini"; fi
}

# Starts the program in the working folder with probe file PROBE and output file LOG; extra
# arguments are VAR=value settings for it. The program's pid is in $!.
real_launch() {
  local probe=$1 log=$2
  shift 2
  [ -d "$REAL_WORK/bin" ] || real_make_workdir
  # libxkbcommon-x11 hands strndup a buffer without a terminator, which strict string checks
  # report although strndup stops at its length; the rest of the sanitizer stays on.
  if [ -n "${ASAN_OPTIONS:-}" ] && [[ "$ASAN_OPTIONS" != *strict_string_checks=0* ]]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
  fi
  (cd "$REAL_WORK" && exec env QT_QPA_PLATFORM=xcb QUORVEX_TEST_PROBE="$probe" "$@" \
    "$QUORVEX_BIN" >"$log" 2>&1) &
}

# Starts the program in the working folder; extra arguments are VAR=value settings for it.
real_start_quorvex() {
  real_launch "$REAL_PROBE" "$REAL_TMP/quorvex.log" "$@"
  QUORVEX_PID=$!
}

# Starts a second program in the same working folder beside the first: its pid goes to
# REAL_SECOND_PID, its probe file is REAL_SECOND_PROBE, its output second.log. The probe
# functions watch it when called as REAL_PROBE=$REAL_SECOND_PROBE QUORVEX_PID=$REAL_SECOND_PID.
real_start_second_quorvex() {
  REAL_SECOND_PROBE=$REAL_TMP/second-probe.txt
  real_launch "$REAL_SECOND_PROBE" "$REAL_TMP/second.log" "$@"
  REAL_SECOND_PID=$!
  REAL_PIDS+=("$REAL_SECOND_PID")
}

# Waits up to TIMEOUT seconds (default 10) for the program PID to end and sets REAL_STATUS to
# its exit status.
real_wait_end() {
  local pid=$1 timeout=${2:-10} waited=0
  while kill -0 "$pid" 2>/dev/null; do
    waited=$((waited + 1))
    [ "$waited" -le $((timeout * 10)) ] || real_fail "the program $pid did not end in ${timeout}s"
    sleep 0.1
  done
  REAL_STATUS=0
  wait "$pid" || REAL_STATUS=$?
}

# Fails when the program output LOG holds a sanitizer's report: a program expected to end with
# a failure status would otherwise hide one.
real_no_findings() {
  if grep -Eq 'Sanitizer|runtime error:' "$1"; then
    cat "$1" >&2
    real_fail "a sanitizer reported a finding"
  fi
}

# The value of KEY in the probe file ("" when absent).
real_probe() {
  [ -f "$REAL_PROBE" ] || return 0
  grep -m 1 "^$1=" "$REAL_PROBE" | cut -d= -f2- || true
}

# Waits until the probe's KEY equals VALUE (default timeout 10 s).
real_wait_probe() {
  local key=$1 value=$2 timeout=${3:-10} waited=0
  until [ "$(real_probe "$key")" = "$value" ]; do
    waited=$((waited + 1))
    [ "$waited" -le $((timeout * 10)) ] ||
      real_fail "waited ${timeout}s for $key=$value, it is '$(real_probe "$key")'"
    real_alive
    sleep 0.1
  done
}

# Waits until the probe's KEY matches the extended regular expression PATTERN.
real_wait_probe_match() {
  local key=$1 pattern=$2 timeout=${3:-10} waited=0
  until real_probe "$key" | grep -Eq -- "$pattern"; do
    waited=$((waited + 1))
    [ "$waited" -le $((timeout * 10)) ] ||
      real_fail "waited ${timeout}s for $key ~ /$pattern/, it is '$(real_probe "$key")'"
    real_alive
    sleep 0.1
  done
}

real_alive() {
  kill -0 "$QUORVEX_PID" 2>/dev/null || {
    cat "$REAL_TMP/quorvex.log" >&2
    real_fail "the program ended"
  }
}

# Waits until the main window is active with the splash gone (the input box has the focus).
real_wait_ready() {
  real_wait_probe active TForm1 "${1:-15}"
  real_wait_probe focus input "${1:-15}"
}

# Keys and text through XTEST, to whatever window has the focus, as a user's keyboard would.
real_key() { xdotool key --delay 50 "$@"; sleep 0.2; }
real_type() { xdotool type --delay 20 -- "$1"; sleep 0.2; }

# The X window id of the visible window whose title is exactly TITLE.
real_window_id() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1
}

# Puts TEXT on the clipboard (xclip serves it until the next selection owner).
real_clipboard_set() {
  printf '%s' "$1" | xclip -selection clipboard -i -loops 0 &
  REAL_PIDS+=($!)
  sleep 0.3
}
real_clipboard_get() { xclip -selection clipboard -o 2>/dev/null || true; }

# A screenshot of the whole display, kept when the test fails (or always with REAL_KEEP_SHOTS=1).
real_shot() {
  import -window root "$REAL_TMP/$1.png" 2>/dev/null || return 1
  if [ "${REAL_KEEP_SHOTS:-0}" = 1 ]; then mkdir -p "$REAL_KEEP" && cp "$REAL_TMP/$1.png" "$REAL_KEEP/"; fi
}

# Closes the program through its main window (as the window manager's close does) and waits for
# it to end.
real_quit() {
  local window waited=0
  window=$(real_window_id Quorvex)
  if [ -n "$window" ]; then
    xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null || kill "$QUORVEX_PID"
  else
    kill "$QUORVEX_PID"
  fi
  while kill -0 "$QUORVEX_PID" 2>/dev/null; do
    waited=$((waited + 1))
    [ "$waited" -lt 100 ] || real_fail "the program did not end"
    sleep 0.1
  done
  # A sanitizer's finding at exit shows as the exit status.
  local status=0
  wait "$QUORVEX_PID" || status=$?
  QUORVEX_PID=
  if [ "$status" -ne 0 ]; then
    cat "$REAL_TMP/quorvex.log" >&2
    real_fail "the program ended with status $status"
  fi
}
