#!/usr/bin/env bash
# On an X server without shared memory (MIT-SHM) the frames go over the
# connection: "/s" and host mode show the very pixels they show with it,
# that is said once on standard error, and a copy effect's pictures move.
source "$(dirname "$0")/lib.sh"
convert -size 320x240 gradient:orange-navy -fill white -draw "rectangle 10,10 60,40" "$E2E_TEMP/photo.png"

# Float's one picture, centred on 1024 x 768, once it stands still.
standing() {
    cp "$E2E_TEMP/screen.png" "$E2E_TEMP/before.png" 2>/dev/null || true
    e2e_screenshot
    [ "$(convert "$E2E_TEMP/screen.png" -format "%@" info:)" = 320x240+352+264 ] &&
        [ "$(compare -metric AE "$E2E_TEMP/before.png" "$E2E_TEMP/screen.png" null: 2>&1)" = 0 ]
}

# shot <name> <switch...>: what the saver run so shows, kept as <name>.png.
shot() {
    local name=$1
    shift
    e2e_program_folder
    e2e_float_over "$E2E_TEMP/photo.png"
    rm -f "$E2E_TEMP/screen.png"
    e2e_start "$@"
    e2e_poll "$E2E_PATIENCE" standing || e2e_fail "$name: no still, centred picture"
    cp "$E2E_TEMP/screen.png" "$E2E_TEMP/$name.png"
    kill "$E2E_PID"
    e2e_wait_exit "$E2E_PID"
}

e2e_start_xvfb 1024x768x24
shot shared /s
shot shared-host --root
grep -q "MIT-SHM" "$E2E_TEMP/stderr" && e2e_fail "the fallback was taken with shared memory at hand"

rm "$E2E_TEMP/display"
e2e_start_xvfb 1024x768x24 -extension MIT-SHM
xdpyinfo | grep -q MIT-SHM && e2e_fail "this Xvfb still offers MIT-SHM"
for run in "" -host; do
    shot "socket$run" $([ -z "$run" ] && echo /s || echo --root)
    differing=$(compare -metric AE "$E2E_TEMP/shared$run.png" "$E2E_TEMP/socket$run.png" null: 2>&1 || true)
    [ "$differing" = 0 ] || e2e_fail "${run:-/s}: $differing pixels differ without shared memory"
done
said=$(grep -c "has no shared memory (MIT-SHM)" "$E2E_TEMP/stderr" || true)
[ "$said" = 2 ] || e2e_fail "the fallback was said $said times in two runs, not once in each"

# A copy effect: pictures show and move on.
e2e_program_folder
e2e_set_key saver mode 5
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
shows() { e2e_screen_has_colours 50 && cp "$E2E_TEMP/screen.png" "$E2E_TEMP/first.png"; }
moved() {
    e2e_screenshot
    differing=$(compare -metric AE "$E2E_TEMP/first.png" "$E2E_TEMP/screen.png" null: 2>&1 || true)
    [ "${differing%%.*}" -gt 1000 ]
}
e2e_poll "$E2E_PATIENCE" shows || e2e_fail "Jumping Beans shows no pictures without shared memory"
e2e_poll "$E2E_PATIENCE" moved || e2e_fail "Jumping Beans does not move without shared memory"
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"
