# Helpers for the tests that run the real xscreensaver daemon: sourced after
# lib.sh. The daemon runs as a plain user with a scratch HOME, quiet and
# unlocked as a daemon with nobody at the keyboard must be; as it refuses to
# start hacks for root, root runs it as "nobody".

xss_skip() { echo "SKIPPED: $*"; exit 77; }
command -v xscreensaver >/dev/null || xss_skip "xscreensaver is not installed"
# Hacks are looked for there first; an installed Skyfolio would be run instead.
exec 9>/tmp/skyfolio-xscreensaver-hacks.lock
flock 9
[ ! -e /usr/libexec/xscreensaver/skyfolio ] || xss_skip "a Skyfolio is installed in /usr/libexec/xscreensaver"

XSS_AS=()
if [ "$(id -u)" = 0 ]; then XSS_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups); fi
chmod 755 "$E2E_TEMP"
XSS_HOME=$E2E_TEMP/home
# Put first on the daemon's PATH: where its `skyfolio` is found.
XSS_BIN=$E2E_TEMP/bin
mkdir -p "$XSS_HOME" "$XSS_BIN"
XSS_DAEMON=

# The daemon's settings, from an ~/.xscreensaver that xscreensaver-settings
# wrote: unlocked, no fade or splash, no timeout or cycle while the test runs,
# one hack at a time.
xss_settings_from() {
    sed -e 's/^lock:.*/lock:\t\tFalse/' -e 's/^splash:.*/splash:\t\tFalse/' -e 's/^fade:.*/fade:\t\tFalse/' \
        -e 's/^unfade:.*/unfade:\t\tFalse/' -e 's/^timeout:.*/timeout:\t0:30:00/' -e 's/^cycle:.*/cycle:\t\t0:00:00/' \
        -e 's/^mode:.*/mode:\t\tone/' -e 's/^dpmsEnabled:.*/dpmsEnabled:\tFalse/' "$1" >"$XSS_HOME/.xscreensaver"
    xss_give "$XSS_HOME"
}

# Hands these files and folders to the daemon's user.
xss_give() { [ ${#XSS_AS[@]} -eq 0 ] || chown -R nobody:nogroup "$@"; }

xss_run_as_user() {
    (cd "$XSS_HOME" && exec "${XSS_AS[@]}" env -i HOME="$XSS_HOME" DISPLAY="$DISPLAY" PATH="$XSS_BIN:/usr/bin:/bin" "$@")
}

# Enrols Skyfolio in the daemon's user's ~/.xscreensaver, through a copy of
# the program that user may run: a build in root's home is closed to others.
xss_enrol() {
    install -m 755 "$E2E_PROGRAM" "$E2E_TEMP/skyfolio-enrolling"
    xss_run_as_user "$E2E_TEMP/skyfolio-enrolling" --add-to-xscreensaver >/dev/null
}

# The number xscreensaver-command -select takes for the list's last entry.
xss_last_entry() { grep -c '\\n\\$' "$XSS_HOME/.xscreensaver"; }

# Starts the daemon and waits until it answers; it is stopped on exit, and
# `stop_hacks`, when a test defines it, ends what the daemon left.
xss_start_daemon() {
    xss_run_as_user xscreensaver --no-splash 2>>"$E2E_TEMP/stderr" &
    XSS_DAEMON=$!
    E2E_PIDS+=("$XSS_DAEMON")
    trap 'xss_stop_daemon; e2e_cleanup' EXIT
    e2e_poll "$E2E_PATIENCE" xscreensaver-command -version || e2e_fail "the daemon does not answer"
}

xss_stop_daemon() {
    xscreensaver-command -exit >/dev/null 2>&1 || true
    ! declare -F stop_hacks >/dev/null || stop_hacks
}

# The hacks that this test's xscreensaver-gfx runs now, one process id a
# line. pgrep -x does not match its name, cut to 15 characters.
xss_hacks() {
    local gfx
    for gfx in $(pgrep -f xscreensaver-gfx); do
        tr '\0' '\n' <"/proc/$gfx/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY\(\.[0-9]*\)\?" && pgrep -P "$gfx"
    done
    return 0
}
