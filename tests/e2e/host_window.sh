# Host mode in windows the test makes, as a settings program's preview area:
# drawn at the window's size and no window of its own, a resize followed,
# two processes at once, the end on SIGTERM (within half a second, status 0,
# also in the middle of decoding a large picture) and when the window is
# destroyed; an id that names no window is refused with a message.
#
#   host_window.sh <skyfolio> <skyfolio-install> <skyfolio-test-window>
source "$(dirname "$0")/lib.sh"
window_tool=$(realpath "$3")
e2e_start_xvfb 800x600x24
e2e_paint_desktop
e2e_program_folder
e2e_set_key install firstRun 0
# What the window shows before anyone draws in it: no saver shows it here.
UNDRAWN=00FFFF

# Makes a window of `size` at the screen's corner; sets window and window_pid.
make_window() {
    "$window_tool" "$1" "$UNDRAWN" >"$E2E_TEMP/window" &
    window_pid=$!
    E2E_PIDS+=("$window_pid")
    e2e_poll "$E2E_PATIENCE" test -s "$E2E_TEMP/window" || e2e_fail "the test window did not appear"
    window=$(cat "$E2E_TEMP/window")
    rm "$E2E_TEMP/window"
}

# Within `area` nothing is left undrawn and pictures show: more colours
# than the black background.
drawn() {
    e2e_screenshot
    [ "$(e2e_count_colour "$1" "$UNDRAWN")" -eq 0 ] &&
        [ "$(convert "$E2E_TEMP/screen.png" -crop "$1" +repage -format %k info:)" -gt 2 ]
}

# Sends SIGTERM to `pid` and expects it to end within half a second, status 0.
expect_quick_end() {
    local pid=$1 what=$2 status=0 sent
    sent=${EPOCHREALTIME/./}
    kill -TERM "$pid"
    # Timed by the clock: on a busy machine a poll takes longer than its sleep.
    while e2e_running "$pid" && ((${EPOCHREALTIME/./} - sent < 500000)); do sleep 0.01; done
    e2e_ended "$pid" || e2e_fail "$what: still running half a second after SIGTERM"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || e2e_fail "$what: ended with status $status after SIGTERM"
}

make_window 400x300
first_window=$window first_window_pid=$window_pid
e2e_start --window-id "$first_window"
first=$E2E_PID
e2e_poll "$E2E_PATIENCE" drawn 400x300+0+0 || e2e_fail "the window is not drawn in whole"
[ "$(e2e_count_colour 400x300+400+300 "$E2E_DESKTOP")" -eq 120000 ] || e2e_fail "drawn outside the window"
[ -z "$(e2e_windows_of "$first")" ] || e2e_fail "host mode shows a window of its own"

xdotool windowsize "$first_window" 600 500
e2e_poll "$E2E_PATIENCE" drawn 600x500+0+0 || e2e_fail "the window's new area is not drawn in"

# A second process at once, in a window above the first, given its id in
# decimal through the daemon's variable.
make_window 200x150
XSCREENSAVER_WINDOW=$((window)) e2e_start --root
second=$E2E_PID
e2e_poll "$E2E_PATIENCE" drawn 200x150+0+0 || e2e_fail "the second window is not drawn in"
e2e_running "$first" || e2e_fail "the first process ended when a second one started"
expect_quick_end "$second" "the second process"

# The window destroyed with its maker: the process ends, status 0.
kill "$first_window_pid"
e2e_wait_exit "$first"
wait "$first" || e2e_fail "ended with status $? when its window went"

for id in garbage 0x7ffffff0 ""; do
    : >"$E2E_TEMP/stderr"
    status=0
    "$E2E_FOLDER/skyfolio" --window-id $id 2>"$E2E_TEMP/stderr" || status=$?
    [ "$status" -ne 0 ] || e2e_fail "--window-id \"$id\" ended with status 0"
    [ -s "$E2E_TEMP/stderr" ] || e2e_fail "--window-id \"$id\" said nothing"
done
: >"$E2E_TEMP/stderr"

# Float shows a large picture at its own size: decoding it takes longer than
# a stop may wait.
convert -size 6000x6000 gradient:red-blue "$E2E_TEMP/large.png"
e2e_float_over "$E2E_TEMP/large.png"
e2e_set_key saver fitLargePictures 0
make_window 400x300
e2e_start --window-id "$window"
reading() { ls -l "/proc/$E2E_PID/fd" 2>/dev/null | grep -q large.png; }
e2e_poll "$E2E_PATIENCE" reading || e2e_fail "Float did not start reading its picture"
expect_quick_end "$E2E_PID" "Float while decoding"
