# The real xscreensaver daemon runs what --add-to-xscreensaver enrolled: in
# a ~/.xscreensaver that xscreensaver-settings wrote, "skyfolio --root" is
# added, and selecting it starts "skyfolio --root" with the daemon's window
# in $XSCREENSAVER_WINDOW. A stand-in records that, so that the test holds
# whatever the saver draws.
#
#   xscreensaver_enrolment.sh <skyfolio> <skyfolio-install> <fixture>
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xscreensaver_lib.sh"

e2e_start_xvfb 800x600x24
seen=$E2E_TEMP/seen
mkdir -p "$seen"
cat >"$XSS_BIN/skyfolio" <<STANDIN
#!/bin/sh
echo "\$\$ \$* \$XSCREENSAVER_WINDOW" >"$seen/hack.new" && mv "$seen/hack.new" "$seen/hack"
exec sleep 600
STANDIN
chmod 755 "$XSS_BIN/skyfolio"
xss_settings_from "$3"
xss_give "$seen"

xss_enrol || e2e_fail "enrolling failed"
entries=$(xss_last_entry)
[ "$(grep '\\n\\$' "$XSS_HOME/.xscreensaver" | tail -n1)" = "$(printf '\t\t\t\tskyfolio --root\t\t\t\t    \\n\\')" ] ||
    e2e_fail "skyfolio --root is not the list's last entry"

stop_hacks() { [ ! -s "$seen/hack" ] || kill "$(cut -d' ' -f1 "$seen/hack")" 2>/dev/null || true; }
xss_start_daemon
# It counts from 1, and Skyfolio is last.
xscreensaver-command -select "$entries" >/dev/null
e2e_poll "$E2E_PATIENCE" test -s "$seen/hack" || e2e_fail "the daemon did not start skyfolio"
read -r pid arguments window <"$seen/hack"
[ "$arguments" = --root ] || e2e_fail "skyfolio was started with \"$arguments\""
[[ $window =~ ^0x[0-9A-F]+$ ]] || e2e_fail "no window in XSCREENSAVER_WINDOW: \"$window\""
xwininfo -id "$window" | grep -q IsViewable || e2e_fail "the daemon's window $window is not shown"
