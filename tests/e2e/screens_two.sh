# Two monitors side by side: each gets a window of its own, both show
# pictures at once and nothing of the desktop shows; the pointer waits in
# the primary screen's corner, and a key ends the saver with all its windows.
# Float with a picture that is gone when it is due fails on both screens at
# once and says so once.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 3840x1080x24
e2e_set_monitors 1920x1080+0+0 1920x1080+1920+0
e2e_paint_desktop
e2e_program_folder
e2e_set_key saver newBackColor 16711680  # blue, as 0x00BBGGRR: no sample picture has it
blue=0000FF
left=1920x1080+0+0
right=1920x1080+1920+0

two_windows() { [ "$(e2e_window_places "$E2E_PID" | tr '\n' ' ')" = "$left $right " ]; }
both_show_pictures() {
    e2e_screenshot
    [ "$(e2e_count_colour 3840x1080+0+0 "$E2E_DESKTOP")" -eq 0 ] || return 1
    [ "$(e2e_picture_pixels "$left" "$blue")" -gt 2000 ] && [ "$(e2e_picture_pixels "$right" "$blue")" -gt 2000 ]
}

xdotool mousemove 2500 500
e2e_start /s
e2e_poll "$E2E_PATIENCE" two_windows || e2e_fail "not one window on each monitor: $(e2e_window_places "$E2E_PID")"
# Counted in tries, so that a busy machine only stretches it.
e2e_poll 2 both_show_pictures || e2e_fail "within 2 seconds, not both monitors showed pictures without the desktop"
[ "$(xdotool getmouselocation --shell | head -n2 | tr '\n' ' ')" = "X=1919 Y=1079 " ] ||
    e2e_fail "the pointer is not in the primary screen's bottom-right corner"

xdotool key a
e2e_wait_exit "$E2E_PID"
[ -z "$(xdotool search --onlyvisible --class skyfolio)" ] || e2e_fail "a window stayed after the key"

e2e_list_pictures "$E2E_FOLDER/gone.jpg"
e2e_set_key saver mode 1
e2e_start /s
message=$(e2e_wait_message "$E2E_PID")
[ "$(e2e_windows_of "$E2E_PID" | wc -l)" -eq 1 ] || e2e_fail "more than the one message shows: $(e2e_window_places "$E2E_PID")"
e2e_answer "$message"
e2e_wait_exit "$E2E_PID"
