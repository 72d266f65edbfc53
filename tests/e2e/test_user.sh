# The unprivileged user that the Wayland compositors of the tests, and the
# clients in them, run as: sway refuses to run as root. Sourced after lib.sh.
# As root, E2E_AS runs a command as "skytest" (made if missing); otherwise
# it is empty and the tests run as their own user.
E2E_AS=()
if [ "$(id -u)" = 0 ]; then
    id skytest >/dev/null 2>&1 || useradd -m skytest
    E2E_AS=(setpriv --reuid=skytest --regid=skytest --init-groups --)
fi
mkdir -p "$E2E_TEMP/home"

# Gives the test's folder, with what it now holds, to the test's user.
e2e_give_test_user() { [ "$(id -u)" != 0 ] || chown -R skytest "$E2E_TEMP"; }
# What a client of the compositor sees of the environment; it starts at home,
# as the test's own folder may be one that its user cannot enter.
E2E_SESSION_ENV=(env -i --chdir="$E2E_TEMP/home" HOME="$E2E_TEMP/home" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" PATH=/usr/bin:/bin LANG=C.UTF-8)

# Exits with 77, which CTest counts as skipped, where a program is missing.
e2e_require() {
    local program
    for program in "$@"; do
        command -v "$program" >/dev/null || { echo "SKIP: $program is not installed (./test.sh installs it)"; exit 77; }
    done
}
