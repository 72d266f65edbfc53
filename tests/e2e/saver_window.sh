# "/s" covers the screen in the background colour, hides the pointer in the
# bottom-right corner, and any key ends it, a modifier alone included.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 1024x768x24
e2e_program_folder
e2e_set_key saver newBackColor 16711680  # blue, as 0x00BBGGRR
e2e_set_key total ClonesOfImage 0        # nothing but the background

screen_is_blue() {
    e2e_screenshot
    for at in "0 0" "1023 0" "0 767" "1023 767" "512 384"; do
        [ "$(e2e_pixel $at)" = 0000FF ] || return 1
    done
}

for key in a shift; do
    xdotool mousemove 300 200
    e2e_start /s
    window=$(e2e_wait_window "$E2E_PID")
    [ "$(e2e_windows_of "$E2E_PID" | wc -l)" -eq 1 ] || e2e_fail "more than one window"
    xwininfo -id "$window" | grep -q 'geometry 1024x768+0+0' || e2e_fail "the window does not cover the screen"
    e2e_poll "$E2E_PATIENCE" screen_is_blue || e2e_fail "the screen is not the background colour"
    [ "$(xdotool getmouselocation --shell | head -n2 | tr '\n' ' ')" = "X=1023 Y=767 " ] ||
        e2e_fail "the pointer is not in the bottom-right corner"
    xdotool key "$key"
    e2e_wait_exit "$E2E_PID"
    [ -z "$(xdotool search --onlyvisible --class skyfolio)" ] || e2e_fail "a window stayed after $key"
done
