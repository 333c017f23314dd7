#!/usr/bin/env bash
# A second window on a working folder that a window already uses: it says so, says it will
# close, ends with the failed start-up's status and writes nothing; the first window goes on
# solving and saving.
source "$(dirname "$0")/harness.sh"

IN_USE="Quorvex is already open in this folder. Use that window: a second one could overwrite \
what the first one saves"

# Inode, size and change time: a save (a new file renamed into place) changes them.
identity() { stat -c '%i %s %Z.%z' "$REAL_WORK/bin/$1"; }

# The probe functions on the second program.
second() { REAL_PROBE=$REAL_SECOND_PROBE QUORVEX_PID=$REAL_SECOND_PID "$@"; }

real_start_display
real_start_quorvex
real_wait_ready

before=$(for file in "$REAL_WORK"/bin/*; do identity "$(basename "$file")"; done)
real_start_second_quorvex
second real_wait_probe active message 20
second real_wait_probe modal_text "$IN_USE"
real_shot second-window-refused
real_key Return
second real_wait_probe active errorreport
second real_wait_probe modal_text 'Quorvex will now be closed'
real_key Return
real_wait_end "$REAL_SECOND_PID" 10
[ "$REAL_STATUS" -eq 1 ] || {
  cat "$REAL_TMP/second.log" >&2
  real_fail "the second program ended with status $REAL_STATUS, not 1"
}
real_no_findings "$REAL_TMP/second.log"
after=$(for file in "$REAL_WORK"/bin/*; do identity "$(basename "$file")"; done)
[ "$before" = "$after" ] || real_fail "the second program changed bin/:"$'\n'"$before"$'\n'"$after"

# The first window is untouched: it solves, and its solve reaches the log.
main=$(real_window_id Quorvex)
[ -n "$main" ] || real_fail "the first window is gone"
xdotool windowactivate --sync "$main" 2>/dev/null || true
real_wait_ready
real_type '6*7'
real_key Return
real_wait_probe TForm1.input ''
real_key Return
real_wait_probe TForm1.answer '= 42'
grep -q '^6\*7' "$REAL_WORK/bin/log.ini" || real_fail "log.ini does not hold the first's solve"
other_before=$(identity other.ini)
real_quit
[ "$(identity other.ini)" != "$other_before" ] || real_fail "the first window did not write other.ini on close"
