# "/s" on a headless sway: an overlay of its own on each output, at each
# output's size and scale, over a full-screen window opened before it, with
# nothing of the desktop, another window or a title bar showing, and no
# window of its own among sway's; an output added while it runs is covered,
# one removed ends nothing, and a key ends it; Float drifts there, its
# frames waking none of Qt's threads.
# The pointer, hidden over the overlays, is counted across the outputs as on
# X11, and a click ends it.
# With a password and a copy effect, the key opens the prompt on the primary
# output while the other output goes on animating, and the right password
# ends it.
pointer_program=$(realpath "$3")
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sway_lib.sh"
e2e_require foot
e2e_program_folder
e2e_float_over "$E2E_FOLDER/Image1.jpg"
e2e_set_key saver centerImage 0
e2e_set_key saver newBackColor 16711680  # blue, as 0x00BBGGRR: no sample picture has it
blue=0000FF
sway_start 1280x720

# Every pixel of output `name` is the saver's, pictures among them.
covered() {
    sway_covered "$1" && [ "$(e2e_picture_pixels "$(identify -format %wx%h "$E2E_TEMP/screen.png")+0+0" "$blue")" -gt 1000 ]
}
# Any window of the saver's, which would be tiled or framed: its surfaces are
# layers, not windows.
saver_views() { sway_views | awk '$1 == "skyfolio"'; }
foot_shown() { sway_views | grep -q '^foot 0 HEADLESS-1'; }
foot_full_screen() { sway_views | grep -q '^foot 1 HEADLESS-1'; }

sway_run foot --override colors.background="${E2E_DESKTOP,,}" >/dev/null 2>&1 &
E2E_PIDS+=($!)
e2e_poll "$E2E_PATIENCE" foot_shown || e2e_fail "foot shows no window"
sway_run swaymsg '[app_id=foot]' fullscreen enable >/dev/null
e2e_poll "$E2E_PATIENCE" foot_full_screen || e2e_fail "foot shows no full-screen window: $(sway_views)"
sway_start_program /s
e2e_poll "$E2E_PATIENCE" covered HEADLESS-1 || e2e_fail "HEADLESS-1 shows more than the saver"
[ -z "$(saver_views)" ] || e2e_fail "the saver shows as a window: $(sway_views)"
mv "$E2E_TEMP/screen.png" "$E2E_TEMP/before.png"
# The output's picture is new, as it moves on.
animated() { sway_screenshot "$1" && [ "$(compare -metric AE "$E2E_TEMP/before.png" "$E2E_TEMP/screen.png" null: 2>&1)" -gt 0 ]; }
e2e_poll "$E2E_PATIENCE" animated HEADLESS-1 || e2e_fail "Float stands still"

# Its frames go over a connection of its own, which the main thread reads:
# Qt's reader threads, which hand every message to the main thread and back,
# are not woken by them.
switches() { awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }' "$@"; }
main_thread=/proc/$E2E_PID/task/$E2E_PID/status
mapfile -t qt_readers < <(grep -l '^WaylandEventThr' /proc/"$E2E_PID"/task/*/comm | sed 's/comm$/status/')
if [ "${#qt_readers[@]}" -gt 0 ]; then
    readers_before=$(switches "${qt_readers[@]}") main_before=$(switches "$main_thread")
    main_woken() { [ $(($(switches "$main_thread") - main_before)) -ge 300 ]; }
    e2e_poll "$E2E_PATIENCE" main_woken || e2e_fail "the saver's main thread stands still"
    woken=$(($(switches "${qt_readers[@]}") - readers_before))
    [ "$woken" -lt 30 ] || e2e_fail "Qt's Wayland reader threads woke $woken times in 300 of the main thread's: frames go over Qt's connection"
else
    echo "Qt names no Wayland reader thread: the frames' connection is not checked."
fi

# Of another size, and of a high density: 1600 x 1200 device pixels.
sway_add_output
sway_run swaymsg output HEADLESS-2 resolution 1600x1200 scale 2 >/dev/null
e2e_poll "$E2E_PATIENCE" covered HEADLESS-2 || e2e_fail "HEADLESS-2 shows more than the saver"
if sway_remove_output HEADLESS-2; then
    covered HEADLESS-1 || e2e_fail "HEADLESS-1 shows more than the saver once HEADLESS-2 went"
    e2e_running "$E2E_PID" || e2e_fail "removing an output ended the saver"
else
    echo "This sway cannot unplug an output: an output removed is not checked."
fi

sway_run wtype a
e2e_wait_exit "$E2E_PID"

# Back and forth over the outputs' edge by 3 pixels never counts, and with
# "mouseSensitivity" 5 the fifth larger move within 2 seconds ends it, from
# the scale-1 output to the scale-2 one too. A copy effect: over Float's
# picture moves are the picture's own.
e2e_set_key saver mouseSensitivity 5
e2e_set_key saver mode 0
[ "$(sway_outputs | wc -l)" -gt 1 ] || sway_add_output
other=$(sway_outputs | sed -n 2p)
outputs=$(sway_run swaymsg -t get_outputs)
edge=$(jq --arg name "$other" '.[] | select(.name == $name) | .rect.x' <<<"$outputs")
sway_pointer "$pointer_program" $(jq -r '[.[].rect] | "\(map(.x + .width) | max) \(map(.y + .height) | max)"' <<<"$outputs")
sway_point $((edge - 1)) 300
sway_start_program /s
e2e_poll "$E2E_PATIENCE" covered "$other" || e2e_fail "$other is not covered"
e2e_poll "$E2E_PATIENCE" covered HEADLESS-1 || e2e_fail "HEADLESS-1 is not covered"
sway_point $((edge - 2)) 300  # the first movement only gives the position
# Paced, so that no two movements arrive as one.
for step in 1 2 3 4 5 6 7 8; do
    sway_point $((edge + 1)) 300
    sleep 0.05
    sway_point $((edge - 2)) 300
    sleep 0.05
done
sleep 0.3
e2e_running "$E2E_PID" || e2e_fail "crossing the edge by 3 pixels ended the saver"
for x in $((edge - 40)) $((edge + 40)) $((edge + 120)) $((edge + 40)); do
    sway_point "$x" 300
    sleep 0.15
done
e2e_running "$E2E_PID" || e2e_fail "four movements ended the saver"
sway_point $((edge - 40)) 300
e2e_wait_exit "$E2E_PID"
sway_start_program /s
e2e_poll "$E2E_PATIENCE" covered HEADLESS-1 || e2e_fail "HEADLESS-1 is not covered"
# sway 1.10 gives a surface mapped under a still pointer the pointer only
# once it moves.
sway_point $((edge - 41)) 300
sway_point click
e2e_wait_exit "$E2E_PID"

e2e_set_key password saverEnabled 1
e2e_set_key password saverPassword Secret
sway_start_program /s
e2e_poll "$E2E_PATIENCE" covered "$other" || e2e_fail "$other is not covered"
# The prompt's face is the only large area of the style's window colour.
prompted() { sway_screenshot HEADLESS-1 && [ "$(e2e_count_colour 1280x720+0+0 EFEFEF)" -gt 15000 ]; }
! prompted || e2e_fail "a prompt before any key"
sway_run wtype a
e2e_poll "$E2E_PATIENCE" prompted || e2e_fail "no prompt on the primary output after a key"
sway_screenshot "$other"
mv "$E2E_TEMP/screen.png" "$E2E_TEMP/before.png"
e2e_poll "$E2E_PATIENCE" animated "$other" || e2e_fail "the other output stood still behind the prompt"
covered "$other" || e2e_fail "the other output shows more than the saver behind the prompt"
sway_run wtype Secret -k Return
e2e_wait_exit "$E2E_PID"
# Ended by the compositor for a request it refused, or by a sanitizer in
# its build for the tests, the program could not have ended cleanly.
! grep -E -q "Wayland connection experienced a fatal error|ERROR: AddressSanitizer|runtime error:" "$E2E_TEMP/stderr" ||
    e2e_fail "the program ended in error"
