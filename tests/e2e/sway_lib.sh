# A headless sway for the tests of the real program, sourced after lib.sh,
# run with every client in it as the test's user (test_user.sh). Outputs
# are named HEADLESS-1, HEADLESS-2, ...; the desktop, the title bars and the
# borders are all E2E_DESKTOP, so a screenshot tells where anything but the
# saver shows.
source "$(dirname "${BASH_SOURCE[0]}")/test_user.sh"

# Starts sway with one output of `size` (WIDTHxHEIGHT) and waits until it
# answers. Sets SWAY_RUN, the prefix that runs a command in it as its user.
sway_start() {
    local size=${1:-1280x720}
    e2e_require sway swaymsg grim wtype jq
    e2e_give_test_user
    cat >"$E2E_TEMP/sway.cfg" <<CFG
output HEADLESS-1 resolution $size
output * bg #$E2E_DESKTOP solid_color
xwayland disable
client.focused #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP
client.focused_inactive #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP
client.unfocused #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP #$E2E_DESKTOP
CFG
    "${E2E_AS[@]}" "${E2E_SESSION_ENV[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$E2E_TEMP/sway.cfg" >"$E2E_TEMP/sway.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_poll "$E2E_PATIENCE" compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" || e2e_fail "sway did not start"
    local socket
    socket=$(cd "$XDG_RUNTIME_DIR" && compgen -G "wayland-[0-9]" | head -n1)
    SWAY_RUN=("${E2E_AS[@]}" "${E2E_SESSION_ENV[@]}" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
              SWAYSOCK="$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -n1)")
    e2e_poll "$E2E_PATIENCE" "${SWAY_RUN[@]}" swaymsg -t get_outputs || e2e_fail "sway does not answer"
    # A keyboard plugged in for the whole test: a headless sway has none, and
    # a client takes its keyboard only once one exists, too late for the
    # first key of a wtype that brings its own.
    "${SWAY_RUN[@]}" wtype -s 3600000 &
    E2E_PIDS+=($!)
    e2e_poll "$E2E_PATIENCE" sway_has_keyboard || e2e_fail "sway shows no keyboard"
}

sway_has_keyboard() { sway_run swaymsg -t get_inputs | jq -e 'any(.[]; .type == "keyboard")'; }

# Runs a command in sway, in the foreground.
sway_run() { "${SWAY_RUN[@]}" "$@"; }

# Starts the program in sway, as e2e_start does.
sway_start_program() {
    e2e_give_test_user
    "${SWAY_RUN[@]}" "$E2E_EXECUTABLE" "$@" 2>>"$E2E_TEMP/stderr" &
    E2E_PID=$!
    E2E_PIDS+=($E2E_PID)
}

# Takes a screenshot of output `name` into the file the e2e_ helpers read.
sway_screenshot() { sway_run grim -o "$1" "$E2E_TEMP/screen.png"; }

# Nothing of the desktop shows on output `name`: the saver's overlay, which
# is no window in sway's tree, covers it.
sway_covered() {
    sway_screenshot "$1" || return 1
    [ "$(e2e_count_colour "$(identify -format %wx%h "$E2E_TEMP/screen.png")+0+0" "$E2E_DESKTOP")" -eq 0 ]
}

# The views of sway's tree, one a line: app id or title, full-screen mode,
# output, size.
sway_views() {
    sway_run swaymsg -t get_tree | jq -r '
        .nodes[] | .name as $output | .. | objects | select(.pid? != null and (.visible // false))
        | "\(.app_id // .name) \(.fullscreen_mode) \($output) \(.rect.width)x\(.rect.height)"' | sort
}

sway_add_output() { sway_run swaymsg create_output >/dev/null; }

# Unplugs output `name`; fails on a sway before 1.8, which cannot (and
# keeps a headless output that is switched off).
sway_remove_output() { sway_run swaymsg output "$1" unplug >/dev/null 2>&1; }

# The names of sway's outputs, one a line.
sway_outputs() { sway_run swaymsg -t get_outputs | jq -r '.[].name' | sort; }

# Plugs a pointer in, which headless sway has none of, through PROGRAM
# (skyfolio-test-pointer), moved over a desktop of WIDTH x HEIGHT: by
# sway_point X Y to a point of it, by sway_point click pressing its button.
sway_pointer() {
    mkfifo "$E2E_TEMP/pointer"
    # Copied where the test's user may run it.
    cp "$1" "$E2E_TEMP/pointer-program"
    e2e_give_test_user
    sway_run "$E2E_TEMP/pointer-program" "$2" "$3" <"$E2E_TEMP/pointer" >"$E2E_TEMP/pointer.log" 2>&1 &
    E2E_PIDS+=($!)
    exec 8>"$E2E_TEMP/pointer"
    e2e_poll "$E2E_PATIENCE" grep -q plugged "$E2E_TEMP/pointer.log" || e2e_fail "no pointer: $(cat "$E2E_TEMP/pointer.log")"
}
sway_point() { echo "$*" >&8; }
