#!/usr/bin/env bash
# A keyboard user at a first start: the welcome window's links take the focus, "Read tutorial"
# opens a tutorial that can be used (and closed) while the welcome window stays up. A failed
# search in the functions browser leaves the focus in the search box, so the next Enter closes
# the browser instead of solving in the main window. The wheel zooms the chart about the pointer
# and Home undoes it; no window grows at a graph run or past the screen.
source "$(dirname "$0")/harness.sh"

SCREEN_WIDTH=1280
real_start_display "${SCREEN_WIDTH}x1024"
FIRST_RUN=1 real_make_workdir
real_start_quorvex

# The number in "window.NAME=x y width height client cw ch title ..." at position FIELD.
window_field() { real_probe "window.$1" | cut -d' ' -f"$2"; }

# Welcome and tutorial, by keyboard only.
real_wait_probe active TForm14 20
real_wait_probe_match focus '^link$'
real_key Tab
real_wait_probe focus link2
real_key Return
real_wait_probe_match window.TForm12 '.'
real_wait_probe_match window.TForm14 '.'
tutorial=$(real_window_id Tutorial)
[ -n "$tutorial" ] || real_fail "no tutorial window on the display"
xdotool windowactivate "$tutorial" 2>/dev/null || true
real_wait_probe active TForm12
real_shot tutorial-beside-welcome
# The tutorial's default button is Close: Enter there closes it, the welcome window stays.
real_key Return
real_wait_probe window.TForm12 ''
[ -n "$(real_probe window.TForm14)" ] || real_fail "closing the tutorial closed the welcome window"
real_wait_probe active TForm14
real_key shift+Tab
real_wait_probe focus link
real_key space
real_wait_ready

main_width=$(window_field TForm1 6)
main_height=$(window_field TForm1 7)

# A failed search in the functions browser.
real_key F6
real_wait_probe active TForm4
for _ in 1 2 3 4 5 6; do
  [ "$(real_probe focus)" = search ] && break
  real_key Tab
done
real_wait_probe focus search
real_type 'sin['
real_key Return
real_wait_probe_match modal '^(message|QMessageBox)$'
real_shot failed-search
real_key Return
real_wait_probe modal -
real_wait_probe active TForm4
real_wait_probe focus search
# The search box is empty now, so Enter closes the browser; the main window solves nothing.
real_key Return
real_wait_probe window.TForm4 ''
real_wait_probe active TForm1
[ "$(real_probe TForm1.answer)" = '' ] || real_fail "Enter reached the main window"

# A graph run: the graph window opens; the main window keeps its size.
real_type 'sin[x]'
real_key Return
real_key Return
real_wait_probe active TForm6 30
[ "$(window_field TForm1 6)x$(window_field TForm1 7)" = "${main_width}x${main_height}" ] ||
  real_fail "the main window changed size at the graph run"
graph_frame_width=$(window_field TForm6 4)
[ "$graph_frame_width" -le "$SCREEN_WIDTH" ] || real_fail "graph window $graph_frame_width px wide"

graph=$(real_window_id Graph)
eval "$(xdotool getwindowgeometry --shell "$graph")"
chart_x=$((X + WIDTH / 2))
chart_y=$((Y + HEIGHT / 2))
# Pictures of the window with the pointer off the chart, so no readout or marker ring shows.
graph_shot() {
  xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
  sleep 0.4
  import -window "$graph" "$REAL_TMP/$1.png"
}
graph_shot whole
xdotool mousemove "$chart_x" "$chart_y"
sleep 0.2
for _ in 1 2 3; do xdotool click 4; sleep 0.1; done
graph_shot zoomed
changed=$(compare -metric AE "$REAL_TMP/whole.png" "$REAL_TMP/zoomed.png" null: 2>&1 || true)
[ "${changed%% *}" != 0 ] || real_fail "the wheel did not zoom"
real_key Home
graph_shot unzoomed
left=$(compare -metric AE "$REAL_TMP/whole.png" "$REAL_TMP/unzoomed.png" null: 2>&1 || true)
[ "${left%% *}" = 0 ] || real_fail "Home did not undo the zoom ($left pixels differ)"
real_key Escape
real_wait_probe window.TForm6 ''

real_quit
