# The dialog's idle watch: saved checked, it writes a valid autostart entry
# and starts a watch; saved clear, it removes both. A stored idle time the
# spin box cannot take is saved as installed.
source "$(dirname "$0")/lib.sh"
for tool in dbus-daemon desktop-file-validate; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
e2e_start_xvfb 1024x768x24
e2e_program_folder
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$E2E_TEMP/bus" 4>"$E2E_TEMP/bus.pid"
E2E_PIDS+=($(cat "$E2E_TEMP/bus.pid"))
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_TEMP/bus")
export XDG_CONFIG_HOME=$E2E_TEMP/config
entry=$XDG_CONFIG_HOME/autostart/skyfolio-watch.desktop

save_in_dialog() {
    e2e_start /c
    e2e_press "$(e2e_wait_titled " Skyfolio ")" alt+o
    e2e_wait_exit "$E2E_PID"
}
watch_pid() { cat "$XDG_RUNTIME_DIR"/skyfolio-watch-*.lock 2>/dev/null; }
watch_runs() { local pid; pid=$(watch_pid) && [ -n "$pid" ] && e2e_running "$pid"; }

e2e_set_key saver startWhenIdle 1
e2e_set_key saver idleMinutes abc
# On the search path, the entry names the command alone.
PATH=$E2E_FOLDER:$PATH save_in_dialog
[ -f "$entry" ] || e2e_fail "no autostart entry was written"
desktop-file-validate "$entry" || e2e_fail "the autostart entry is not valid"
grep -qx "Exec=skyfolio --watch" "$entry" || e2e_fail "the entry's command: $(grep Exec= "$entry")"
grep -qx "idleMinutes=10" "$E2E_SETTINGS" || e2e_fail "idleMinutes was not saved as installed"
e2e_poll "$E2E_PATIENCE" watch_runs || e2e_fail "no watch was started"
watch=$(watch_pid)
E2E_PIDS+=($watch)
grep -q -- --watch "/proc/$watch/cmdline" || e2e_fail "the lock names no watch"

e2e_set_key saver startWhenIdle 0
save_in_dialog
[ ! -e "$entry" ] || e2e_fail "the autostart entry is still there"
e2e_poll "$E2E_PATIENCE" e2e_ended "$watch" || e2e_fail "the watch still runs"
