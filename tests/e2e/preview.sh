# "/p <id>" paints the preview picture into the top-left 160 x 120 of another
# client's window and ends; an unusable id, or no X display, ends quietly.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
e2e_program_folder

xlogo -bw 0 -geometry 320x240+0+0 2>/dev/null &
E2E_PIDS+=($!)
host=$(xdotool search --sync --onlyvisible --class xlogo | head -n1)
logo_is_drawn() {
    e2e_screenshot
    [ "$(e2e_pixel 5 5)" = FFFFFF ] && [ "$(e2e_pixel 155 60)" = FFFFFF ]
}
e2e_poll "$E2E_PATIENCE" logo_is_drawn || e2e_fail "xlogo did not draw"
outside=$(e2e_pixel 200 200)

e2e_start /p "$host"
e2e_wait_exit "$E2E_PID"
e2e_screenshot
[ "$(e2e_pixel 155 60)" = D4D0C8 ] || e2e_fail "right of the picture is not the box colour"
[ "$(e2e_pixel 60 119)" = D4D0C8 ] || e2e_fail "below the picture is not the box colour"
sky=$(e2e_pixel 5 5)
[ "${sky:4:2}" \> "${sky:0:2}" ] || e2e_fail "the top-left corner is not sky: $sky"
[ "$(e2e_pixel 200 200)" = "$outside" ] || e2e_fail "the preview painted outside its block"

for switch in "/p" "/p " "/p 0" "/p abc" "/p 99999999" "/p -4711"; do
    e2e_start "$switch"
    e2e_wait_exit "$E2E_PID"
done
DISPLAY= e2e_start /p "$host"
e2e_wait_exit "$E2E_PID"
[ ! -s "$E2E_TEMP/stderr" ] || e2e_fail "the preview printed something"
