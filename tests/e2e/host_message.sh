# Host mode that cannot run the saver (a missing cache picture, a damaged
# setting, a per-user folder that cannot be made) writes the message to
# standard error and draws it in the window, kept to the window's size, and
# waits until SIGTERM ends it with status 0: there is nobody to answer a
# message box on a locked screen.
#
#   host_message.sh <skyfolio> <skyfolio-install> <skyfolio-test-window>
source "$(dirname "$0")/lib.sh"
window_tool=$(realpath "$3")
e2e_start_xvfb 640x480x24
e2e_program_folder
e2e_set_key install firstRun 0
cp "$E2E_SETTINGS" "$E2E_TEMP/settings.ini"
"$window_tool" 400x300 00FFFF >"$E2E_TEMP/window" &
E2E_PIDS+=($!)
e2e_poll "$E2E_PATIENCE" test -s "$E2E_TEMP/window" || e2e_fail "the test window did not appear"
window=$(cat "$E2E_TEMP/window")

# The message's white text within `area`, and nothing undrawn.
shows_message() {
    e2e_screenshot
    [ "$(e2e_count_colour "$1" 00FFFF)" -eq 0 ] && [ "$(e2e_count_colour "$1" FFFFFF)" -gt 200 ]
}

# Runs `program` in the window and expects `text` on standard error and in
# the window, then a wait for SIGTERM.
expect_message() {
    local program=$1 text=$2 status=0
    : >"$E2E_TEMP/stderr"
    xdotool windowsize "$window" 400 300
    "$program" --window-id "$window" 2>>"$E2E_TEMP/stderr" &
    E2E_PID=$!
    E2E_PIDS+=($E2E_PID)
    e2e_poll "$E2E_PATIENCE" grep -q "$text" "$E2E_TEMP/stderr" || e2e_fail "no \"$text\" on standard error"
    e2e_poll "$E2E_PATIENCE" shows_message 400x300+0+0 || e2e_fail "\"$text\": no message in the window"
    # Still there, and it follows its window: the text comes centred in the new size.
    xdotool windowsize "$window" 640 480
    e2e_poll "$E2E_PATIENCE" shows_message 240x480+400+0 || e2e_fail "\"$text\": the message did not follow the resize"
    e2e_running "$E2E_PID" || e2e_fail "\"$text\": ended without SIGTERM"
    kill -TERM "$E2E_PID"
    e2e_wait_exit "$E2E_PID" 5
    wait "$E2E_PID" || status=$?
    [ "$status" -eq 0 ] || e2e_fail "\"$text\": ended with status $status"
}

mv "$E2E_FOLDER/SkyfolioImg/skyfss0.dib" "$E2E_TEMP/"
expect_message "$E2E_FOLDER/skyfolio" "was not processed correctly"
mv "$E2E_TEMP/skyfss0.dib" "$E2E_FOLDER/SkyfolioImg/"

# A damaged setting ends the set-up with the message a cache picture gives.
e2e_set_key speed imageSpeed "12 or so"
expect_message "$E2E_FOLDER/skyfolio" "was not processed correctly"
cp "$E2E_TEMP/settings.ini" "$E2E_SETTINGS"

# A copy without a settings file beside it keeps the user's files in a
# folder of the user's own, which a file stands in the way of here.
mkdir "$E2E_TEMP/installed"
cp "$E2E_PROGRAM" "$E2E_TEMP/installed/skyfolio"
touch "$E2E_TEMP/not-a-folder"
XDG_DATA_HOME=$E2E_TEMP/not-a-folder/share expect_message "$E2E_TEMP/installed/skyfolio" "could not be created"
