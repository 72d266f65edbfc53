# On a screen that the toolkit scales twice, the saver still draws in the
# screen's own pixels: Float's 200 x 120 picture shows as 200 x 120 pixels,
# centred, not blown up to 400 x 240.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 1024x768x24
e2e_program_folder
convert -size 200x120 xc:red "$E2E_FOLDER/red.png"
e2e_set_key saver mode 1
e2e_list_pictures "$E2E_FOLDER/red.png"
e2e_set_key saver centerImage 1
e2e_set_key saver randomEffect 0
e2e_set_key saver effectMode 0
e2e_set_key saver newBackColor 16711680  # blue
export QT_SCALE_FACTOR=2

# The box around what is not background, as WIDTHxHEIGHT+X+Y.
picture_box() { convert "$E2E_TEMP/screen.png" -bordercolor blue -border 1 -trim -format '%wx%h%X%Y' info: 2>/dev/null; }
shows_the_picture() {
    e2e_screenshot
    box=$(picture_box)
    [ "$box" != "1x1+0+0" ] && [ "$(e2e_count_colour 1024x768+0+0 FF0000)" -gt 0 ]
}

e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
e2e_poll "$E2E_PATIENCE" shows_the_picture || e2e_fail "the picture never showed"
[ "$box" = "200x120+413+325" ] || e2e_fail "the picture shows as $box, not 200 x 120 pixels in the middle"
xdotool key a
e2e_wait_exit "$E2E_PID"
