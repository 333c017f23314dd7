#!/usr/bin/env bash
# A long graph run in the real window: the reminder comes after the (shortened) calculation
# interval, Stop ends the run with "Operation was canceled"; a second run, continued at every
# reminder, completes, opens the graph window and reports a time that is not 0 ms; its table
# window opens.
source "$(dirname "$0")/harness.sh"

real_start_display
real_make_workdir
# x from 1 to 3000000: long enough for several reminders of 700 ms.
sed -i '2s/.*/3000000\r/' "$REAL_WORK/bin/graph.ini"
# The test-only setting that shortens the 10 s between reminders.
real_start_quorvex QUORVEX_TEST_REMINDER_MS=700
real_wait_ready

real_type 'x*2'
real_key Return
real_wait_probe TForm1.input ''
real_key Return
real_wait_probe active TForm11 30
real_wait_probe focus continue2
real_shot reminder
# Stop is not the default button: Tab reaches it, Space presses it.
real_key Tab
real_wait_probe focus stop
real_key space
real_wait_probe TForm1.answer 'Operation was canceled' 30
[ "$(real_probe active)" = TForm1 ] || real_fail "a window other than the main window is active"

# The same expression again (the input is empty, so Enter solves), continued at every reminder.
real_wait_probe focus input
real_key Return
reminders=0
waited=0
until [ "$(real_probe active)" = TForm6 ]; do
  if [ "$(real_probe active)" = TForm11 ] && [ "$(real_probe focus)" = continue2 ]; then
    reminders=$((reminders + 1))
    real_key Return
  fi
  waited=$((waited + 1))
  [ "$waited" -lt 1200 ] || real_fail "the run did not complete within 120 s"
  real_alive
  sleep 0.1
done
[ "$reminders" -ge 1 ] || real_fail "the completed run showed no reminder"
real_shot graph
answer=$(real_probe TForm1.answer)
echo "$answer" | grep -Eq '^3000000 calculation\(s\) done in [1-9][0-9]* ms \([0-9,]+ ms per calculation\)$' ||
  real_fail "timing message '$answer'"
# The table window of the 3000000 rows opens from the graph window's default button.
real_key Return
real_wait_probe active TForm13 20
real_shot table
real_key Escape
real_wait_probe active TForm6
grep -E '^Vm(HWM|RSS)' "/proc/$QUORVEX_PID/status" || true
real_key Escape
real_wait_probe active TForm1
real_quit
