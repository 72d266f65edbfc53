# A headless Mutter, GNOME's compositor, with several monitors and a keyboard, for the tests of the real program,
# sourced after lib.sh: in a D-Bus session of its own, run with every client
# in it as the test's user (test_user.sh), with a keyboard driven through
# its remote-desktop interface.
source "$(dirname "${BASH_SOURCE[0]}")/test_user.sh"

# Starts Mutter with a virtual monitor of each size given (WIDTHxHEIGHT),
# the first one the primary, and plugs the keyboard in through
# `remote_keys`, the program that types the lines of fd 9. Sets MUTTER_RUN,
# the prefix that runs a command in it as its user.
mutter_start() {
    local remote_keys=$1 size monitors=()
    shift
    e2e_require mutter dbus-run-session
    for size in "$@"; do monitors+=(--virtual-monitor "$size"); done
    e2e_give_test_user
    # Mutter's own process id is kept: the session ends, its bus with it, when
    # Mutter does, but ended itself it would leave Mutter running.
    "${E2E_AS[@]}" "${E2E_SESSION_ENV[@]}" dbus-run-session -- sh -c \
        'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0.new" && echo $$ >"$0.pid" && mv "$0.new" "$0" && exec "$@"' \
        "$E2E_TEMP/bus" mutter --wayland --headless --no-x11 "${monitors[@]}" >"$E2E_TEMP/mutter.log" 2>&1 &
    e2e_poll "$E2E_PATIENCE" test -s "$E2E_TEMP/bus" || e2e_fail "Mutter's D-Bus session did not start"
    E2E_PIDS+=($(cat "$E2E_TEMP/bus.pid"))
    e2e_poll "$E2E_PATIENCE" test -S "$XDG_RUNTIME_DIR/wayland-0" || e2e_fail "Mutter did not start"
    MUTTER_RUN=("${E2E_AS[@]}" "${E2E_SESSION_ENV[@]}" WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland
                DBUS_SESSION_BUS_ADDRESS="$(cat "$E2E_TEMP/bus")")
    mkfifo "$E2E_TEMP/keys"
    # Copied where the test's user may run it.
    cp "$remote_keys" "$E2E_TEMP/remote-keys"
    e2e_give_test_user
    "${MUTTER_RUN[@]}" "$E2E_TEMP/remote-keys" <"$E2E_TEMP/keys" >"$E2E_TEMP/keyboard" 2>&1 &
    E2E_PIDS+=($!)
    exec 9>"$E2E_TEMP/keys"
    e2e_poll "$E2E_PATIENCE" grep -q plugged "$E2E_TEMP/keyboard" || e2e_fail "no keyboard: $(cat "$E2E_TEMP/keyboard")"
}

# Starts "/s" in Mutter, as e2e_start does, with the environment's
# settings given (VARIABLE=value ...).
mutter_start_program() {
    e2e_give_test_user
    "${MUTTER_RUN[@]}" "$@" "$E2E_EXECUTABLE" /s 2>>"$E2E_TEMP/stderr" &
    E2E_PID=$!
    E2E_PIDS+=($E2E_PID)
}

# Types a key, by its X key symbol (0x61 for "a").
mutter_key() { echo "$1" >&9; }
