# Monitors that go and come while the saver runs: Float wipes a picture in
# again and again on three monitors; one monitor is removed in the middle of
# a wipe and its window goes, the saver going on on the others; a monitor
# plugged in gets a window of its own. A key still ends it all.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 5120x1080x24
e2e_set_monitors 1920x1080+0+0 1920x1080+1920+0 1280x1024+3840+0
e2e_paint_desktop
e2e_program_folder
# A wipe of a 1900-pixel-wide picture takes about two seconds, and the next
# starts a moment after: a wipe is under way nearly all the time.
convert -size 1900x600 gradient:yellow-darkred "$E2E_FOLDER/wide.jpg"
e2e_set_key saver mode 1
e2e_list_pictures "$E2E_FOLDER/wide.jpg"
e2e_set_key saver centerImage 1
e2e_set_key saver randomEffect 0
e2e_set_key saver effectMode 1  # Left wipe
e2e_set_key saver NextImageTime 0.001
e2e_set_key saver newBackColor 16711680  # blue

places() { e2e_window_places "$E2E_PID" | tr '\n' ' '; }
covered() {
    e2e_screenshot
    [ "$(e2e_count_colour "$1" "$E2E_DESKTOP")" -eq 0 ]
}
wiping() {
    e2e_screenshot
    cp "$E2E_TEMP/screen.png" "$E2E_TEMP/$1.png"
    [ "$(e2e_picture_pixels 1920x1080+1920+0 0000FF)" -gt 1000 ]
}
moved_on() {
    e2e_screenshot
    differing=$(compare -metric AE "$E2E_TEMP/before.png[1920x1080+0+0]" "$E2E_TEMP/screen.png[1920x1080+0+0]" null: 2>&1 || true)
    [ "${differing%%.*}" -gt 1000 ]
}

e2e_start /s
e2e_poll "$E2E_PATIENCE" eval '[ "$(places)" = "1280x1024+3840+0 1920x1080+0+0 1920x1080+1920+0 " ]' ||
    e2e_fail "not one window on each monitor: $(places)"
e2e_poll "$E2E_PATIENCE" wiping before || e2e_fail "no picture comes in on the second monitor"

xrandr --delmonitor M1
e2e_poll "$E2E_PATIENCE" eval '[ "$(places)" = "1280x1024+3840+0 1920x1080+0+0 " ]' ||
    e2e_fail "the removed monitor's window stayed: $(places)"
e2e_running "$E2E_PID" || e2e_fail "removing a monitor ended the saver"
e2e_poll "$E2E_PATIENCE" moved_on || e2e_fail "the saver stopped on the first monitor"

xrandr --setmonitor M3 1024/271x768/203+1920+0 none >/dev/null
e2e_poll "$E2E_PATIENCE" eval '[ "$(places)" = "1024x768+1920+0 1280x1024+3840+0 1920x1080+0+0 " ]' ||
    e2e_fail "the new monitor has no window: $(places)"
e2e_poll "$E2E_PATIENCE" covered 1024x768+1920+0 || e2e_fail "the new monitor shows the desktop"
e2e_running "$E2E_PID" || e2e_fail "a new monitor ended the saver"

xdotool key a
e2e_wait_exit "$E2E_PID"
[ -z "$(xdotool search --onlyvisible --class skyfolio)" ] || e2e_fail "a window stayed after the key"
