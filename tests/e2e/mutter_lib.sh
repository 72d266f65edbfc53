# A headless Mutter, GNOME's compositor, for the tests of the real program,
# sourced after lib.sh: in a D-Bus session of its own, run with every client
# in it as the test's user (test_user.sh).
#
#   mutter_start [SIZE...]       starts Mutter with a virtual monitor of each
#                                size (WIDTHxHEIGHT; one of 1280x720 if none),
#                                the first the primary, and waits for its idle
#                                monitor; exits 77 without Mutter
#   mutter_keyboard REMOTE_KEYS  plugs a keyboard in through Mutter's remote
#                                desktop: REMOTE_KEYS types the lines of fd 9
#   mutter_key KEYSYM            types a key by its X key symbol (0x61: "a")
#   mutter_run CMD...            runs CMD in the session in the background;
#                                MUTTER_PID is its id
#   mutter_do CMD...             runs CMD in the session and waits for it
#   mutter_start_program VAR=value...
#                                starts "/s" as e2e_start does, in the session
source "$(dirname "${BASH_SOURCE[0]}")/test_user.sh"

mutter_start() {
    local size monitors=()
    e2e_require mutter dbus-run-session gdbus
    for size in "${@:-1280x720}"; do monitors+=(--virtual-monitor "$size"); done
    e2e_give_test_user
    # Mutter's own process id is kept: the session ends, its bus with it, when
    # Mutter does, but ended itself it would leave Mutter running.
    "${E2E_AS[@]}" "${E2E_SESSION_ENV[@]}" dbus-run-session -- sh -c \
        'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0.new" && echo $$ >"$0.pid" && mv "$0.new" "$0" && exec "$@"' \
        "$E2E_TEMP/bus" mutter --wayland --headless --no-x11 "${monitors[@]}" >"$E2E_TEMP/mutter.log" 2>&1 &
    e2e_poll "$E2E_PATIENCE" test -s "$E2E_TEMP/bus" || e2e_fail "Mutter's D-Bus session did not start"
    E2E_PIDS+=($(cat "$E2E_TEMP/bus.pid"))
    MUTTER_RUN=("${E2E_AS[@]}" "${E2E_SESSION_ENV[@]}" WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland
                DBUS_SESSION_BUS_ADDRESS="$(cat "$E2E_TEMP/bus")")
    e2e_poll "$E2E_PATIENCE" mutter_do gdbus call --session --dest org.gnome.Mutter.IdleMonitor \
        --object-path /org/gnome/Mutter/IdleMonitor/Core --method org.gnome.Mutter.IdleMonitor.GetIdletime ||
        e2e_fail "Mutter's idle monitor does not answer: $(cat "$E2E_TEMP/mutter.log")"
}

mutter_keyboard() {
    mkfifo "$E2E_TEMP/keys"
    # Copied where the test's user may run it.
    cp "$1" "$E2E_TEMP/remote-keys"
    e2e_give_test_user
    "${MUTTER_RUN[@]}" "$E2E_TEMP/remote-keys" <"$E2E_TEMP/keys" >"$E2E_TEMP/keyboard" 2>&1 &
    E2E_PIDS+=($!)
    exec 9>"$E2E_TEMP/keys"
    e2e_poll "$E2E_PATIENCE" grep -q plugged "$E2E_TEMP/keyboard" || e2e_fail "no keyboard: $(cat "$E2E_TEMP/keyboard")"
}

mutter_key() { echo "$1" >&9; }

# setpriv and env each become what they run: $! is the command's own id.
mutter_run() {
    e2e_give_test_user
    "${MUTTER_RUN[@]}" "$@" 2>>"$E2E_TEMP/stderr" &
    MUTTER_PID=$!
    E2E_PIDS+=($MUTTER_PID)
}

mutter_do() { "${MUTTER_RUN[@]}" "$@"; }

mutter_start_program() {
    mutter_run "$@" "$E2E_EXECUTABLE" /s
    E2E_PID=$MUTTER_PID
}
