# The idle watch gives way to the real xscreensaver running on its display:
# it says so and ends.
#   watch_daemon.sh <skyfolio> <skyfolio-install> <xscreensaver fixture>
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
source "$(dirname "$0")/xscreensaver_lib.sh"
e2e_program_folder
xss_settings_from "$3"
xss_start_daemon
"$E2E_EXECUTABLE" --watch --idle-seconds 1 2>"$E2E_TEMP/watch" || e2e_fail "the watch failed: $(cat "$E2E_TEMP/watch")"
grep -q "xscreensaver runs" "$E2E_TEMP/watch" || e2e_fail "the watch did not give way: $(cat "$E2E_TEMP/watch")"
