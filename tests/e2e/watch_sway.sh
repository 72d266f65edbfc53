# The idle watch under headless sway, through ext_idle_notifier_v1 where it
# is offered (sway 1.9 on) and org_kde_kwin_idle where not (sway 1.7):
# the saver comes after the idle time, a key ends it, and it comes again
# after the next idle time.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sway_lib.sh"
IDLE=2
e2e_program_folder
sway_start

# The saver is the watch's one child.
saver() { pgrep -P "$watch"; }
came_after_idle_time() {
    awk -v a="$1" -v b="$(date +%s.%N)" -v t="$IDLE" 'BEGIN { exit !(b - a >= t) }' ||
        e2e_fail "the saver came before the idle time: $2"
}

start=$(date +%s.%N)
sway_start_program --watch --idle-seconds $IDLE
watch=$E2E_PID
e2e_poll "$E2E_PATIENCE" saver || e2e_fail "no saver after the idle time"
came_after_idle_time "$start" "first idle period"
grep -Eq "ext_idle_notifier_v1|org_kde_kwin_idle" "$E2E_TEMP/stderr" ||
    e2e_fail "the watch did not listen to a Wayland idle protocol"
first=$(saver)
# The saver's overlay holds the keyboard once it is up.
e2e_poll "$E2E_PATIENCE" sway_covered HEADLESS-1 || e2e_fail "the saver does not cover the output"
sway_run wtype -k Escape
start=$(date +%s.%N)
e2e_wait_exit "$first"
e2e_poll "$E2E_PATIENCE" saver || e2e_fail "no saver after the next idle time"
came_after_idle_time "$start" "second idle period"
