# "/s" on a headless Mutter, GNOME's compositor, which offers no layer
# shell, with two monitors of different sizes: a full-screen window on each
# at its monitor's size, the primary's active, and a key ends it.
remote_keys=$(realpath "$3")
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mutter_lib.sh"
e2e_program_folder
mutter_start 1280x720 800x600
mutter_keyboard "$remote_keys"

# The protocol as the program spoke it: what the compositor made of each
# window. libwayland 1.23 writes an object's id after '#', older ones after '@'.
protocol=$E2E_TEMP/stderr
# The last state Mutter gave the window of each size: full screen, and
# active (two states) or not (one).
last_state() { grep -o "xdg_toplevel[@#][0-9]*\.configure($1, $2, array\[[0-9]*\])" "$protocol" | tail -n1 | grep -o 'array\[[0-9]*\]'; }
settled() { [ "$(last_state 1280 720)" = "array[8]" ] && [ "$(last_state 800 600)" = "array[4]" ]; }

mutter_start_program WAYLAND_DEBUG=1
e2e_poll "$E2E_PATIENCE" settled ||
    e2e_fail "not a full-screen window on each monitor, the primary's active: $(grep -o 'xdg_toplevel[@#][0-9]*\.configure.*' "$protocol")"
[ "$(grep -c 'set_fullscreen(wl_output' "$protocol")" -ge 2 ] || e2e_fail "a window is not full screen on an output of its own"
mutter_key 0x61
e2e_wait_exit "$E2E_PID"
