# The Debian package: packed by CPack from the build, installed with apt,
# then run from where it was installed as a user runs it (enrolling with
# xscreensaver, "/s" drawing the samples of a program folder made from
# /usr/share/skyfolio, and "--root" from where the daemons find it), and purged again whatever happens. Installing needs
# root and apt; without them, or where a Skyfolio package is installed
# already (not ours to remove), the test is skipped.
#
#   package_install.sh <skyfolio> <skyfolio-install> <build folder> <xscreensaver fixture>
source "$(dirname "$0")/lib.sh"
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "installing a package needs root"
command -v apt-get >/dev/null || skip "apt-get is not here"
# One test at a time may own /usr/libexec/xscreensaver/skyfolio on this machine.
exec 9>/tmp/skyfolio-xscreensaver-hacks.lock
flock 9
! dpkg-query -W -f '${Status}' skyfolio 2>/dev/null | grep -q "install ok installed" ||
    skip "a skyfolio package is installed already"

cpack --config "$3/CPackConfig.cmake" -B "$E2E_TEMP/deb" >"$E2E_TEMP/cpack.log" 2>&1 ||
    e2e_fail "CPack failed: $(tail -n5 "$E2E_TEMP/cpack.log")"
deb=$(echo "$E2E_TEMP"/deb/skyfolio_*_amd64.deb)
[ -f "$deb" ] || e2e_fail "no package in $E2E_TEMP/deb"

apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 "$@" >>"$E2E_TEMP/apt.log" 2>&1; }
purge() { dpkg-query -W skyfolio >/dev/null 2>&1 && apt_get purge skyfolio || true; }
trap 'purge; e2e_cleanup' EXIT
apt_get install "$deb" || e2e_fail "apt could not install the package: $(tail -n5 "$E2E_TEMP/apt.log")"

program=/usr/libexec/xscreensaver/skyfolio
[ -x "$program" ] || e2e_fail "$program is not there"
[ "$(readlink -f /usr/bin/skyfolio)" = "$program" ] || e2e_fail "/usr/bin/skyfolio does not lead to $program"
for file in /usr/share/xscreensaver/config/skyfolio.xml /usr/share/applications/screensavers/skyfolio.desktop \
            /usr/share/applications/skyfolio-settings.desktop /usr/share/icons/hicolor/48x48/apps/skyfolio.png \
            /usr/share/skyfolio/r909izarav.ini /usr/share/skyfolio/Image1.jpg /usr/share/skyfolio/Image2.jpg \
            /usr/share/skyfolio/SkyfolioImg/skyfss0.dib /usr/share/skyfolio/SkyfolioImg/skyfss1.dib \
            /usr/share/skyfolio/skyfolio-help.html; do
    [ -f "$file" ] || e2e_fail "$file was not installed"
done
! ldd "$program" | grep -q "not found" || e2e_fail "missing libraries: $(ldd "$program" | grep "not found")"

# As a user who is nobody special, from PATH.
chmod 755 "$E2E_TEMP"
home=$E2E_TEMP/home
mkdir -p "$home" "$E2E_TEMP/user-runtime"
cp "$4" "$home/.xscreensaver"
chmod 700 "$E2E_TEMP/user-runtime"
chown -R nobody:nogroup "$home" "$E2E_TEMP/user-runtime"
e2e_start_xvfb 800x600x24
# Takes the place of the shell that runs it, so that a background one's $! is the program's.
as_user() {
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups env -i HOME="$home" DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$E2E_TEMP/user-runtime" PATH=/usr/bin:/bin "$@"
}
(as_user skyfolio --add-to-xscreensaver >/dev/null) || e2e_fail "enrolling failed"
grep -q "skyfolio --root" "$home/.xscreensaver" || e2e_fail "enrolling added nothing"

as_user skyfolio /s 2>>"$E2E_TEMP/stderr" &
E2E_PID=$!
E2E_PIDS+=("$E2E_PID")
e2e_wait_window "$E2E_PID" >/dev/null
e2e_poll "$E2E_PATIENCE" e2e_screen_has_colours 20 || e2e_fail "the installed saver shows no pictures"
cmp -s /usr/share/skyfolio/Image1.jpg "$home/.local/share/skyfolio/Image1.jpg" ||
    e2e_fail "the user's folder was not made from /usr/share/skyfolio"
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"

# As a daemon runs it: from its own folder, on the root window, the user's
# folder already made.
xsetroot -solid black
as_user "$program" --root 2>>"$E2E_TEMP/stderr" &
E2E_PID=$!
E2E_PIDS+=("$E2E_PID")
e2e_poll "$E2E_PATIENCE" e2e_screen_has_colours 20 || e2e_fail "the installed hack draws no pictures on the root window"
kill -TERM "$E2E_PID"
e2e_wait_exit "$E2E_PID"

purge
[ ! -e "$program" ] && [ ! -e /usr/share/skyfolio ] || e2e_fail "purging left files behind"
