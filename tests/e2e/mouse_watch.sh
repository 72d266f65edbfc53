# Pointer movements of 3 pixels or less never end the saver; with
# "mouseSensitivity" 5, five larger ones within 2 seconds do; so does a click.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 1024x768x24
e2e_program_folder
e2e_set_key saver mouseSensitivity 5

# The pointer waits where the saver puts it, so only our moves are events.
xdotool mousemove 1023 767
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
xdotool mousemove 500 400  # the first movement only gives the position
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove_relative -- 3 3
    xdotool mousemove_relative -- -3 -3
done
sleep 0.3
e2e_running "$E2E_PID" || e2e_fail "small movements ended the saver"

# Paced, so that the toolkit does not merge movements queued together.
for x in 540 580 620 660; do
    xdotool mousemove "$x" 400
    sleep 0.15
done
e2e_running "$E2E_PID" || e2e_fail "four movements ended the saver"
xdotool mousemove 700 400
e2e_wait_exit "$E2E_PID"

xdotool mousemove 1023 767
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
xdotool click 3
e2e_wait_exit "$E2E_PID"
