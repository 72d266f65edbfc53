#!/usr/bin/env bash
# Float with a photo larger than the screen: shrunk, it is seen whole; left
# at its own size, only its middle. The photo is 4000 x 3000, four coloured
# quarters in a white frame, on a 1024 x 768 screen, which it fills exactly
# once shrunk. Its middle alone shows the four quarters too, meeting at the
# screen's centre, but not the frame.
source "$(dirname "$0")/lib.sh"

photo=$E2E_TEMP/photo.jpg
convert \( -size 1800x1300 xc:red xc:lime +append \) \( -size 1800x1300 xc:blue xc:yellow +append \) -append \
    -bordercolor white -border 200 -quality 95 "$photo"

# One centred picture for the whole run, shrunk to fit or not.
start_float() {
    e2e_program_folder
    e2e_float_over "$photo"
    e2e_set_key saver NeverChange True
    e2e_set_key saver fitLargePictures "$1"
    e2e_start /s
    e2e_wait_window "$E2E_PID" >/dev/null
}

# The colour at a point of the last screenshot, each channel on or off:
# 100 red, 010 green, 001 blue, 110 yellow, 111 white, 000 black.
colour_at() {
    local hex
    hex=$(e2e_pixel "$1" "$2")
    echo "$((16#${hex:0:2} >= 128))$((16#${hex:2:2} >= 128))$((16#${hex:4:2} >= 128))"
}

# The quarters' colours at the middles of the screen's quarters, then the
# colours at two opposite corners of the screen.
shows() {
    e2e_screenshot
    seen="$(colour_at 256 192) $(colour_at 768 192) $(colour_at 256 576) $(colour_at 768 576)"
    seen+=" $(colour_at 20 20) $(colour_at 1003 747)"
    [ "$seen" = "$1" ]
}

e2e_start_xvfb 1024x768x24

start_float 1
whole="100 010 001 110 111 111"
e2e_poll "$E2E_PATIENCE" shows "$whole" || e2e_fail "shrunk, the photo is not seen whole: $seen"
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"

start_float 0
middle="100 010 001 110 100 110"
e2e_poll "$E2E_PATIENCE" shows "$middle" || e2e_fail "at its own size, the photo's middle is not what shows: $seen"
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"
echo "PASS: float_large_picture"
