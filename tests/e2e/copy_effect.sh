# "/s" with one copy effect: the screen shows picture content, changes from
# one moment to the next, and a key still ends the saver.
#   copy_effect.sh <skyfolio> <skyfolio-install> <effect>
source "$(dirname "$0")/lib.sh"
effect=$3
e2e_start_xvfb 1024x768x24
e2e_program_folder
e2e_set_key saver mode "$effect"
e2e_set_key saver newBackColor 16711680  # blue, as 0x00BBGGRR: no sample picture has it

# How many pixels of a screenshot are not the background.
picture_pixels() {
    convert "$1" -fill white +opaque '#0000FF' -fill black -opaque '#0000FF' -format '%[fx:round(mean*w*h)]' info:
}

e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
# Copies fly in and keep moving: one screenshot full of them, then a later
# one that differs from it.
shows_pictures() {
    import -window root "$E2E_TEMP/$1.png"
    shown=$(picture_pixels "$E2E_TEMP/$1.png")
    [ "$shown" -gt 2000 ]
}
moved_on() {
    shows_pictures second || return 1
    differing=$(compare -metric AE "$E2E_TEMP/first.png" "$E2E_TEMP/second.png" null: 2>&1 || true)
    [ "${differing%%.*}" -gt 1000 ]
}
e2e_poll "$E2E_PATIENCE" shows_pictures first || e2e_fail "effect $effect: the screen shows $shown pixels of pictures"
e2e_poll "$E2E_PATIENCE" moved_on || e2e_fail "effect $effect: the pictures do not move ($differing pixels differ)"
e2e_running "$E2E_PID" || e2e_fail "the saver ended by itself"

xdotool key space
e2e_wait_exit "$E2E_PID"
