# The idle watch under headless mutter, through GNOME's idle monitor: the
# saver comes after the idle time, and the ActiveChanged(true) of a
# stand-in for GNOME's lock screen ends it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mutter_lib.sh"
# Copied where the test's user may run it.
BUS_CLIENT=$E2E_TEMP/bus-client
cp "$3" "$BUS_CLIENT"
IDLE=2
e2e_program_folder
mutter_start

saver() { pgrep -P "$watch"; }
start=$(date +%s.%N)
mutter_run "$E2E_EXECUTABLE" --watch --idle-seconds $IDLE
watch=$MUTTER_PID
e2e_poll "$E2E_PATIENCE" saver || e2e_fail "no saver after the idle time"
awk -v a="$start" -v b="$(date +%s.%N)" -v t="$IDLE" 'BEGIN { exit !(b - a >= t) }' ||
    e2e_fail "the saver came before the idle time"
grep -q "org.gnome.Mutter.IdleMonitor" "$E2E_TEMP/stderr" || e2e_fail "the watch did not listen to GNOME's idle monitor"

coproc LOCKER { mutter_do "$BUS_CLIENT" lock org.gnome.ScreenSaver; }
E2E_PIDS+=($LOCKER_PID)
read -r _ <&"${LOCKER[0]}"
first=$(saver)
echo true >&"${LOCKER[1]}"
e2e_wait_exit "$first"
e2e_running "$watch" || e2e_fail "the watch ended with its saver"
