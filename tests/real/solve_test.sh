#!/usr/bin/env bash
# A user types an expression, inserts it and solves it with the keyboard; the answer shows, the
# log file holds the expression, and closing the window writes the first-run flag.
source "$(dirname "$0")/harness.sh"

real_start_display
real_start_quorvex
real_wait_ready

real_type '2*sqrt[16]+pi'
real_key Return
real_wait_probe TForm1.input ''
real_key Return
real_wait_probe TForm1.answer '= 11,1415926535898'
real_shot solved
grep -q '^2\*sqrt\[16\]+pi' "$REAL_WORK/bin/log.ini" || real_fail "log.ini does not hold the expression"

real_quit
[ "$(head -c 1 "$REAL_WORK/bin/other.ini")" = 1 ] || real_fail "other.ini was not written on close"
