# The real xscreensaver daemon runs what --add-to-xscreensaver enrolled: in
# a ~/.xscreensaver that xscreensaver-settings wrote, "skyfolio --root" is
# added, and selecting it starts "skyfolio --root" with the daemon's window
# in $XSCREENSAVER_WINDOW. A stand-in records that, so the test holds before
# the saver draws into foreign windows. As the daemon refuses to start hacks
# for root, root runs everything as "nobody".
#
#   xscreensaver_enrolment.sh <skyfolio> <skyfolio-install> <fixture>
source "$(dirname "$0")/lib.sh"
skip() { echo "SKIPPED: $*"; exit 77; }
command -v xscreensaver >/dev/null || skip "xscreensaver is not installed"
# Hacks are looked for there first; an installed Skyfolio would be run instead.
exec 9>/tmp/skyfolio-xscreensaver-hacks.lock
flock 9
[ ! -e /usr/libexec/xscreensaver/skyfolio ] || skip "a Skyfolio is installed in /usr/libexec/xscreensaver"

e2e_start_xvfb 800x600x24
as=()
if [ "$(id -u)" = 0 ]; then as=(setpriv --reuid=nobody --regid=nogroup --clear-groups); fi
chmod 755 "$E2E_TEMP"
home=$E2E_TEMP/home
seen=$E2E_TEMP/seen
mkdir -p "$home" "$E2E_TEMP/bin" "$seen"
cat >"$E2E_TEMP/bin/skyfolio" <<STANDIN
#!/bin/sh
echo "\$\$ \$* \$XSCREENSAVER_WINDOW" >"$seen/hack.new" && mv "$seen/hack.new" "$seen/hack"
exec sleep 600
STANDIN
chmod 755 "$E2E_TEMP/bin/skyfolio"
# Quiet and unlocked, as a daemon with nobody at the keyboard must be.
sed -e 's/^lock:.*/lock:\t\tFalse/' -e 's/^splash:.*/splash:\t\tFalse/' -e 's/^fade:.*/fade:\t\tFalse/' \
    -e 's/^unfade:.*/unfade:\t\tFalse/' -e 's/^timeout:.*/timeout:\t0:30:00/' -e 's/^cycle:.*/cycle:\t\t0:00:00/' \
    -e 's/^mode:.*/mode:\t\tone/' "$3" >"$home/.xscreensaver"
[ ${#as[@]} -eq 0 ] || chown -R nobody:nogroup "$home" "$seen"

run_as_user() { (cd "$home" && exec "${as[@]}" env -i HOME="$home" DISPLAY="$DISPLAY" PATH="$E2E_TEMP/bin:/usr/bin:/bin" "$@"); }
run_as_user "$E2E_PROGRAM" --add-to-xscreensaver >/dev/null || e2e_fail "enrolling failed"
entries=$(grep -c '\\n\\$' "$home/.xscreensaver")
[ "$(grep '\\n\\$' "$home/.xscreensaver" | tail -n1)" = "$(printf '\t\t\t\tskyfolio --root\t\t\t\t    \\n\\')" ] ||
    e2e_fail "skyfolio --root is not the list's last entry"

run_as_user xscreensaver --no-splash 2>>"$E2E_TEMP/stderr" &
daemon=$!
E2E_PIDS+=("$daemon")
stop_daemon() {
    DISPLAY=$DISPLAY xscreensaver-command -exit >/dev/null 2>&1 || true
    [ ! -s "$seen/hack" ] || kill "$(cut -d' ' -f1 "$seen/hack")" 2>/dev/null || true
}
trap 'stop_daemon; e2e_cleanup' EXIT
e2e_poll "$E2E_PATIENCE" xscreensaver-command -version || e2e_fail "the daemon does not answer"
# It counts from 1, and Skyfolio is last.
xscreensaver-command -select "$entries" >/dev/null
e2e_poll "$E2E_PATIENCE" test -s "$seen/hack" || e2e_fail "the daemon did not start skyfolio"
read -r pid arguments window <"$seen/hack"
[ "$arguments" = --root ] || e2e_fail "skyfolio was started with \"$arguments\""
[[ $window =~ ^0x[0-9A-F]+$ ]] || e2e_fail "no window in XSCREENSAVER_WINDOW: \"$window\""
xwininfo -id "$window" | grep -q IsViewable || e2e_fail "the daemon's window $window is not shown"
