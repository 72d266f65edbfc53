# A headless sway for the tests of the real program, sourced after lib.sh:
#
#   sway_start             starts sway on a 1280 x 720 output; exits 77 without sway
#   sway_run CMD...        runs CMD in that session in the background; SWAY_PID is the id
#                          of CMD itself, once it runs
#   sway_do CMD...         runs CMD in that session and waits for it
#
# sway refuses to run as root: as root, sway and everything run in it are
# the user "skytest" (made when missing), who gets the test's folder to read
# and its program folder to write.

sway_start() {
    command -v sway >/dev/null || { echo "SKIP: sway is not installed"; exit 77; }
    local as=()
    if [ "$(id -u)" = 0 ]; then
        id skytest >/dev/null 2>&1 || useradd -m skytest
        as=(runuser -u skytest --)
        chmod 755 "$E2E_TEMP"
        chown -R skytest "$E2E_FOLDER"
    fi
    local runtime=$E2E_TEMP/sway-runtime
    mkdir -m 700 "$runtime"
    [ ${#as[@]} -eq 0 ] || chown skytest "$runtime"
    printf 'output HEADLESS-1 resolution 1280x720\nxwayland disable\n' >"$E2E_TEMP/sway.cfg"
    SWAY_ENV=("${as[@]}" env -i HOME="$E2E_TEMP" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LANG=C.UTF-8)
    "${SWAY_ENV[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$E2E_TEMP/sway.cfg" >"$E2E_TEMP/sway.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_poll "$E2E_PATIENCE" compgen -G "$runtime/sway-ipc.*.sock" || e2e_fail "sway did not start"
    local socket
    socket=$(cd "$runtime" && compgen -G "wayland-[0-9]" | head -n1)
    SWAY_ENV+=(WAYLAND_DISPLAY="$socket" SWAYSOCK="$(compgen -G "$runtime/sway-ipc.*.sock" | head -n1)")
}

sway_run() {
    "${SWAY_ENV[@]}" "$@" 2>>"$E2E_TEMP/stderr" &
    SWAY_PID=$!
    E2E_PIDS+=($SWAY_PID)
    # As root, runuser stays the parent of what it runs, which is run by env
    # in the same process.
    if [ "${SWAY_ENV[0]}" = runuser ]; then
        e2e_poll "$E2E_PATIENCE" pgrep -P "$SWAY_PID" || e2e_fail "$1 did not start in sway"
        SWAY_PID=$(pgrep -P "$SWAY_PID")
    fi
}

sway_do() { "${SWAY_ENV[@]}" "$@"; }
