# Three monitors of different sizes: one left of the primary, one right of
# it past a gap and lower down. Each is covered, shows pictures and keeps
# them moving; a click on a screen other than the primary ends the saver.
# (An X server's screen starts at 0, so the monitor left of the primary lies
# there and the primary to its right.)
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 3780x1024x24
monitors=(1600x900+1280+0 1280x1024+0+0 800x600+2980+100)
e2e_set_monitors "${monitors[@]}"
e2e_paint_desktop
e2e_program_folder
e2e_set_key saver newBackColor 16711680  # blue
blue=0000FF

three_windows() { [ "$(e2e_window_places "$E2E_PID" | tr '\n' ' ')" = "$(printf '%s\n' "${monitors[@]}" | sort | tr '\n' ' ')" ]; }
all_show_pictures() {
    local area
    e2e_screenshot
    cp "$E2E_TEMP/screen.png" "$E2E_TEMP/$1.png"
    for area in "${monitors[@]}"; do
        [ "$(e2e_count_colour "$area" "$E2E_DESKTOP")" -eq 0 ] || return 1
        [ "$(e2e_picture_pixels "$area" "$blue")" -gt 1000 ] || return 1
    done
}
all_moved_on() {
    local area differing
    all_show_pictures second || return 1
    for area in "${monitors[@]}"; do
        differing=$(compare -metric AE "$E2E_TEMP/first.png[$area]" "$E2E_TEMP/second.png[$area]" null: 2>&1 || true)
        [ "${differing%%.*}" -gt 500 ] || return 1
    done
}

e2e_start /s
e2e_poll "$E2E_PATIENCE" three_windows || e2e_fail "not one window on each monitor: $(e2e_window_places "$E2E_PID")"
e2e_poll "$E2E_PATIENCE" all_show_pictures first || e2e_fail "a monitor shows the desktop or no pictures"
e2e_poll "$E2E_PATIENCE" all_moved_on || e2e_fail "a monitor's pictures do not move"
[ "$(xdotool getmouselocation --shell | head -n2 | tr '\n' ' ')" = "X=2879 Y=899 " ] ||
    e2e_fail "the pointer is not in the primary screen's bottom-right corner"

xdotool mousemove 100 100 click 1  # one move is no reason to end
e2e_wait_exit "$E2E_PID"
