#!/usr/bin/env bash
# Slideshow under a real X server: a red photo, whole in the middle of an
# 800 x 600 screen with a blurred, darkened fill of itself on both sides,
# then a screenshot part way through the three-second crossfade to a blue
# one shows the two blended, and a photo that cannot be read is skipped
# with a line on standard error.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb 800x600x24
convert -size 400x400 xc:'#FF0000' "$E2E_TEMP/red.png"
convert -size 400x400 xc:'#0000FF' "$E2E_TEMP/blue.png"
e2e_program_folder
e2e_list_pictures "$E2E_TEMP/red.png" "$E2E_TEMP/missing.jpg" "$E2E_TEMP/blue.png"
e2e_set_key saver mode 8
e2e_set_key saver NextImageTime 5
e2e_set_key saver slideshowCrossfade 30
e2e_set_key saver slideshowPanZoom 0
e2e_set_key saver slideshowShuffle 0
e2e_set_key saver slideshowCaption 0
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null

# channels <RRGGBB>: the red and blue of a pixel, in decimal.
channels() { echo "$((16#${1:0:2})) $((16#${1:4:2}))"; }
dark_red() {
    read -r red blue <<<"$(channels "$1")"
    [ "$red" -gt 60 ] && [ "$red" -lt 200 ] && [ "$blue" -lt 20 ]
}
red_on_its_fill() {
    e2e_screenshot
    [ "$(e2e_pixel 400 300)" = FF0000 ] && [ "$(e2e_pixel 101 300)" = FF0000 ] && [ "$(e2e_pixel 698 300)" = FF0000 ] &&
        dark_red "$(e2e_pixel 50 300)" && dark_red "$(e2e_pixel 750 300)"
}
e2e_poll "$E2E_PATIENCE" red_on_its_fill ||
    e2e_fail "no whole red photo on its fill: middle $(e2e_pixel 400 300), sides $(e2e_pixel 50 300) $(e2e_pixel 750 300)"

blended() {
    e2e_screenshot
    read -r red blue <<<"$(channels "$(e2e_pixel 400 300)")"
    [ "$red" -gt 50 ] && [ "$red" -lt 205 ] && [ "$blue" -gt 50 ] && [ "$blue" -lt 205 ]
}
e2e_poll "$E2E_PATIENCE" blended || e2e_fail "no screenshot caught the crossfade: middle $(e2e_pixel 400 300)"
blue() {
    e2e_screenshot
    [ "$(e2e_pixel 400 300)" = 0000FF ]
}
e2e_poll "$E2E_PATIENCE" blue || e2e_fail "the blue photo never stood alone: middle $(e2e_pixel 400 300)"
grep -q "skipped $E2E_TEMP/missing.jpg" "$E2E_TEMP/stderr" || e2e_fail "the missing photo was not said: $(cat "$E2E_TEMP/stderr")"
e2e_running "$E2E_PID" || e2e_fail "the saver ended"
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"
