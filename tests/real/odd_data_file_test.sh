#!/usr/bin/env bash
# A fifo in place of bin/graph.ini, with no writer and with a writer that never writes: the
# program reports the file as unreadable, says it will close and ends, instead of waiting for
# data that never comes.
source "$(dirname "$0")/harness.sh"

GRAPH="$REAL_WORK/bin/graph.ini"

real_start_display
real_make_workdir
rm "$GRAPH"
mkfifo "$GRAPH"
for writer in none silent; do
  # A reader and writer of its own keeps the fifo open without ever writing to it.
  if [ "$writer" = silent ]; then exec 8<>"$GRAPH"; fi
  real_start_quorvex
  # Within a few seconds of the start, hang guards rather than measures.
  real_wait_probe active errorreport 5
  real_wait_probe modal_text "Quorvex could not find or open 'bin/graph.ini'" 5
  real_shot "fifo-$writer"
  real_key Return
  real_wait_probe modal_text 'Quorvex will now be closed' 5
  real_key Return
  real_wait_end "$QUORVEX_PID" 5
  QUORVEX_PID=
  [ "$REAL_STATUS" -eq 1 ] || {
    cat "$REAL_TMP/quorvex.log" >&2
    real_fail "with a fifo ($writer writer) the program ended with status $REAL_STATUS, not 1"
  }
  real_no_findings "$REAL_TMP/quorvex.log"
  [ -p "$GRAPH" ] || real_fail "the fifo was replaced"
  if [ "$writer" = silent ]; then exec 8>&-; fi
  rm -f "$REAL_PROBE"
done
