# The pointer crossing from one monitor's window to the other's is measured
# across the desktop: back and forth over the edge by 3 pixels never counts,
# and with "mouseSensitivity" 5 the fifth larger move within 2 seconds ends
# the saver, whichever windows the moves fell on.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 3840x1080x24
e2e_set_monitors 1920x1080+0+0 1920x1080+1920+0
e2e_program_folder
e2e_set_key saver mouseSensitivity 5

# The pointer waits where the saver puts it, so only our moves are events.
xdotool mousemove 1919 1079
e2e_start /s
e2e_poll "$E2E_PATIENCE" eval '[ "$(e2e_windows_of "$E2E_PID" | wc -l)" -eq 2 ]' || e2e_fail "not two windows"
xdotool mousemove 1918 500  # the first movement only gives the position
# Paced, so that the toolkit does not merge movements queued together.
for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove 1921 500
    sleep 0.05
    xdotool mousemove 1918 500
    sleep 0.05
done
sleep 0.3
e2e_running "$E2E_PID" || e2e_fail "crossing the edge by 3 pixels ended the saver"

for x in 1878 1958 2038 1958; do
    xdotool mousemove "$x" 500
    sleep 0.15
done
e2e_running "$E2E_PID" || e2e_fail "four movements ended the saver"
xdotool mousemove 1878 500
e2e_wait_exit "$E2E_PID"
