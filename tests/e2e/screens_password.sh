# With password protection on two monitors, the prompt opens on the primary
# screen (here the right one) while the other keeps its saver running and
# the desktop covered; the right password ends the saver on both.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 3840x1080x24
primary=1920x1080+1920+0
other=1920x1080+0+0
e2e_set_monitors "$primary" "$other"
e2e_paint_desktop
e2e_program_folder
e2e_set_key saver newBackColor 16711680  # blue
e2e_set_key password saverEnabled 1
e2e_set_key password saverPassword Secret
blue=0000FF

covered_and_showing() {
    e2e_screenshot
    cp "$E2E_TEMP/screen.png" "$E2E_TEMP/$1.png"
    [ "$(e2e_count_colour 3840x1080+0+0 "$E2E_DESKTOP")" -eq 0 ] && [ "$(e2e_picture_pixels "$other" "$blue")" -gt 2000 ]
}
other_moved_on() {
    covered_and_showing second || return 1
    differing=$(compare -metric AE "$E2E_TEMP/first.png[$other]" "$E2E_TEMP/second.png[$other]" null: 2>&1 || true)
    [ "${differing%%.*}" -gt 1000 ]
}

e2e_start /s
e2e_poll "$E2E_PATIENCE" eval '[ "$(e2e_windows_of "$E2E_PID" | wc -l)" -eq 2 ]' || e2e_fail "not two windows"
xdotool key a
prompt=$(e2e_wait_titled "Password Protection")
eval "$(xdotool getwindowgeometry --shell "$prompt")"
[ "$X" -ge 1920 ] && [ $((X + WIDTH)) -le 3840 ] || e2e_fail "the prompt is not on the primary screen: x $X, width $WIDTH"
e2e_poll "$E2E_PATIENCE" covered_and_showing first || e2e_fail "behind the prompt, the desktop shows"
e2e_poll "$E2E_PATIENCE" other_moved_on || e2e_fail "the other monitor's saver stopped behind the prompt"
e2e_running "$E2E_PID" || e2e_fail "the saver ended"

xdotool type --delay 20 Secret
xdotool key Return
e2e_wait_exit "$E2E_PID"
[ -z "$(xdotool search --onlyvisible --class skyfolio)" ] || e2e_fail "a window stayed after the password"
