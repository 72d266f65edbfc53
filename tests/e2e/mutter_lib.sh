# A headless mutter on a session bus of its own, for the tests of the real
# program, sourced after lib.sh:
#
#   mutter_start           starts mutter on a 1280 x 720 virtual monitor and
#                          waits for its idle monitor; exits 77 without mutter
#   mutter_run CMD...      runs CMD in that session in the background;
#                          MUTTER_PID is the id of CMD itself, once it runs
#   mutter_do CMD...       runs CMD in that session and waits for it
#
# As root, mutter and everything run in it are the user "skytest" (made
# when missing), who gets the test's folder to read and its program folder
# to write.

mutter_start() {
    for tool in mutter dbus-daemon gdbus; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    local as=()
    if [ "$(id -u)" = 0 ]; then
        id skytest >/dev/null 2>&1 || useradd -m skytest
        as=(runuser -u skytest --)
        chmod 755 "$E2E_TEMP"
        chown -R skytest "$E2E_FOLDER"
    fi
    local runtime=$E2E_TEMP/mutter-runtime
    mkdir -m 700 "$runtime"
    [ ${#as[@]} -eq 0 ] || chown skytest "$runtime"
    MUTTER_ENV=("${as[@]}" env -i HOME="$E2E_TEMP" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LANG=C.UTF-8)
    "${MUTTER_ENV[@]}" dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$E2E_TEMP/mutter-bus"
    E2E_PIDS+=($(sed -n 2p "$E2E_TEMP/mutter-bus"))
    MUTTER_ENV+=(DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$E2E_TEMP/mutter-bus")" WAYLAND_DISPLAY=wayland-0)
    "${MUTTER_ENV[@]}" mutter --wayland --headless --no-x11 --virtual-monitor 1280x720 \
        >"$E2E_TEMP/mutter.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_poll "$E2E_PATIENCE" mutter_do gdbus call --session --dest org.gnome.Mutter.IdleMonitor \
        --object-path /org/gnome/Mutter/IdleMonitor/Core --method org.gnome.Mutter.IdleMonitor.GetIdletime ||
        e2e_fail "mutter's idle monitor does not answer"
}

mutter_run() {
    "${MUTTER_ENV[@]}" "$@" 2>>"$E2E_TEMP/stderr" &
    MUTTER_PID=$!
    E2E_PIDS+=($MUTTER_PID)
    # As root, runuser stays the parent of what it runs, which is run by env
    # in the same process.
    if [ "${MUTTER_ENV[0]}" = runuser ]; then
        e2e_poll "$E2E_PATIENCE" pgrep -P "$MUTTER_PID" || e2e_fail "$1 did not start in mutter"
        MUTTER_PID=$(pgrep -P "$MUTTER_PID")
    fi
}

mutter_do() { "${MUTTER_ENV[@]}" "$@"; }
