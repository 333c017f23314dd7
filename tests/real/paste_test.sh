#!/usr/bin/env bash
# A user pastes a text of several lines into the input box with ctrl+v: the box keeps the first
# line, Enter inserts it as one item, and the solve writes one line to the log.
source "$(dirname "$0")/harness.sh"

real_start_display
real_start_quorvex
real_wait_ready

real_clipboard_set $'2+3\r\n4*5\n'
real_key ctrl+v
real_wait_probe TForm1.input '2+3'
real_shot pasted
real_key Return
real_wait_probe TForm1.input ''
# A second paste of the same text into the now empty box, with the cursor after "(".
real_type '('
real_key ctrl+v
real_wait_probe TForm1.input '(2+3'
real_type ')*2'
real_key Return
real_wait_probe TForm1.input ''
real_key Return
real_wait_probe TForm1.answer '= 10'
real_shot solved
log=$(od -An -c "$REAL_WORK/bin/log.ini" | tr -s ' ')
[ "$(cat "$REAL_WORK/bin/log.ini")" = $'2+3\r\n(2+3)*2\r' ] ||
  real_fail "log.ini should hold the two pasted first lines, it holds:$log"

real_quit
