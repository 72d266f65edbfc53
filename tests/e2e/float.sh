#!/usr/bin/env bash
# Float under a real X server: a floating picture moves between screenshots,
# a centred one stands still in the middle, a wipe is seen while it runs, and
# a picture that is missing when it is due ends the saver with its message.
source "$(dirname "$0")/lib.sh"

# Where the picture stands on the last screenshot: WxH+X+Y of all that is
# not the black background.
picture_box() { convert "$E2E_TEMP/screen.png" -format "%@" info: 2>/dev/null; }

# A Float saver over an 800 x 600 screen with the two 640 x 480 samples.
start_float() {
    e2e_program_folder
    e2e_set_key saver mode 1
    e2e_set_key saver newBackColor 0
    e2e_set_key saver randomEffect 0
    e2e_set_key saver effectMode "$1"
    e2e_set_key saver centerImage "$2"
    e2e_set_key saver NextImageTime "${3:-30}"
    e2e_set_key saver floatImageSpeed 5
    e2e_start /s
    e2e_wait_window "$E2E_PID" >/dev/null
}

e2e_start_xvfb 800x600x24

# Floating: the first picture comes after 0.25 s and a 0.3 s pause, then
# drifts a pixel every frame.
start_float 0 0
whole_picture() {
    e2e_screenshot
    box=$(picture_box)
    [[ $box == 640x480+* ]]
}
moved_from() { whole_picture && [ "$box" != "$1" ]; }
e2e_poll "$E2E_PATIENCE" whole_picture || e2e_fail "the floating picture is not whole: $box"
first=$box
e2e_poll "$E2E_PATIENCE" moved_from "$first" || e2e_fail "the floating picture does not move from $first (last: $box)"
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"

# Centred: in the middle, and there it stays, screenshot after screenshot.
start_float 0 1
centred() {
    e2e_screenshot
    [ "$(picture_box)" = 640x480+80+60 ]
}
e2e_poll "$E2E_PATIENCE" centred || e2e_fail "the centred picture is at $(picture_box)"
for shot in 1 2 3 4 5; do
    centred || e2e_fail "the centred picture moved to $(picture_box)"
done
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"

# A Left wipe takes about 0.64 s. Screenshots taken back to back from before
# the saver starts, each kept when the screen changed, catch it part way
# however busy the machine; they are looked at once the picture stands whole.
shots=$E2E_TEMP/shots
mkdir -p "$shots"
(
    kept=0 last=""
    while [ ! -e "$shots/enough" ] && [ $kept -lt 100 ]; do
        xwd -root -silent >"$shots/next"
        sum=$(md5sum <"$shots/next")
        [ "$sum" = "$last" ] || { mv "$shots/next" "$shots/$kept.xwd"; kept=$((kept + 1)); last=$sum; }
    done
) &
capture=$!
E2E_PIDS+=("$capture")
start_float 1 1
e2e_poll "$E2E_PATIENCE" centred || e2e_fail "after the wipe the picture is at $(picture_box)"
touch "$shots/enough"
wait "$capture"
partial=""
for shot in "$shots"/*.xwd; do
    box=$(convert "xwd:$shot" -format "%@" info: 2>/dev/null)
    if [[ $box =~ ^([0-9]+)x480\+80\+60$ ]] && [ "${BASH_REMATCH[1]}" -lt 640 ]; then partial=$box; fi
done
[ -n "$partial" ] || e2e_fail "no screenshot caught the wipe part way ($(ls "$shots" | wc -l) taken)"
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"

# A missing second picture: the first is shown, then the saver ends with the
# message when the second is due, and nothing is left on the screen.
e2e_program_folder
e2e_remove_key install firstRun  # as after the dialog's first save
e2e_set_key images 0 "$E2E_FOLDER/Image1.jpg"
e2e_set_key images 1 "$E2E_FOLDER/gone.jpg"
e2e_set_key saver mode 1
e2e_set_key saver effectMode 0
e2e_set_key saver randomEffect 0
e2e_set_key saver NextImageTime 1
e2e_start /s
saver=$(e2e_wait_window "$E2E_PID")
# The message box replaces the saver window, which goes first.
message=$(e2e_wait_message "$E2E_PID")
saver_gone() { ! e2e_windows_of "$E2E_PID" | grep -qx "$saver"; }
e2e_poll "$E2E_PATIENCE" saver_gone || e2e_fail "the saver window stays beside the message"
e2e_running "$E2E_PID" || e2e_fail "the saver ended without waiting for its message"
e2e_answer "$message"
e2e_wait_exit "$E2E_PID"
echo "PASS"
