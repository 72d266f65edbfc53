# The idle watch under X11, on its own session bus: the saver comes after
# the idle time and not before, a key ends it, input puts it off, a second
# watch ends at once; an inhibition holds it off until it is released or its
# caller leaves; the desktop's lock ends it and holds it off; SIGTERM ends
# the watch and its saver.
source "$(dirname "$0")/lib.sh"
BUS_CLIENT=$(realpath "$3")
for tool in dbus-daemon gdbus; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
IDLE=2

e2e_start_xvfb 640x480x24
e2e_program_folder
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$E2E_TEMP/bus" 4>"$E2E_TEMP/bus.pid"
E2E_PIDS+=($(cat "$E2E_TEMP/bus.pid"))
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_TEMP/bus")

saver_window() { xdotool search --onlyvisible --class skyfolio 2>/dev/null | head -n1; }
no_saver() { [ -z "$(saver_window)" ]; }
# Waits for the saver and checks that it came no sooner than the idle time
# after `since` (seconds since the epoch, fractions included).
expect_saver_after() {
    local since=$1 came
    e2e_poll "$E2E_PATIENCE" saver_window || e2e_fail "no saver after the idle time: $2"
    came=$(date +%s.%N)
    awk -v a="$since" -v b="$came" -v t="$IDLE" 'BEGIN { exit !(b - a >= t) }' ||
        e2e_fail "the saver came before the idle time: $2"
}
# Fails if the saver shows within `seconds`.
expect_no_saver_for() {
    local tries=$(($1 * 20))
    while [ "$tries" -gt 0 ]; do
        no_saver || e2e_fail "the saver started: $2"
        sleep 0.05
        tries=$((tries - 1))
    done
}
end_saver_by_key() {
    e2e_press "$(saver_window)" space
    e2e_poll "$E2E_PATIENCE" no_saver || e2e_fail "a key did not end the saver"
}

start=$(date +%s.%N)
e2e_start --watch --idle-seconds $IDLE
watch=$E2E_PID
expect_saver_after "$start" "first idle period"
end_saver_by_key
e2e_running "$watch" || e2e_fail "the watch ended with its saver"

# Input every half idle time keeps it off; once input stops it comes again.
for _ in 1 2 3 4 5 6; do
    no_saver || e2e_fail "the saver started although the user was busy"
    xdotool mousemove_relative 1 1
    start=$(date +%s.%N)
    sleep $(awk -v t=$IDLE 'BEGIN { print t / 2 }')
done
expect_saver_after "$start" "after input stopped"

"$E2E_EXECUTABLE" --watch 2>"$E2E_TEMP/second" || e2e_fail "a second watch failed"
grep -q "runs already" "$E2E_TEMP/second" || e2e_fail "a second watch did not say why it ended"

# A player's inhibition holds the saver off while it is held. Each player
# starts while a saver runs, so that none can start before it.
coproc PLAYER { "$BUS_CLIENT" inhibit; }
E2E_PIDS+=($PLAYER_PID)
read -r cookie <&"${PLAYER[0]}"
end_saver_by_key
expect_no_saver_for $((IDLE * 2 + 1)) "while inhibited"
start=$(date +%s.%N)
gdbus call --session --dest org.freedesktop.ScreenSaver --object-path /org/freedesktop/ScreenSaver \
    --method org.freedesktop.ScreenSaver.UnInhibit "$cookie" >/dev/null
expect_saver_after "$start" "after UnInhibit"
exec {PLAYER[1]}>&-
wait "$PLAYER_PID" || true
# A player that leaves the bus leaves no inhibition behind.
coproc PLAYER { "$BUS_CLIENT" inhibit; }
E2E_PIDS+=($PLAYER_PID)
read -r cookie <&"${PLAYER[0]}"
end_saver_by_key
expect_no_saver_for $((IDLE + 1)) "while inhibited again"
start=$(date +%s.%N)
kill "$PLAYER_PID"
expect_saver_after "$start" "after the player left"

# The desktop's lock ends the saver, and none starts until it is gone.
coproc LOCKER { "$BUS_CLIENT" lock org.gnome.ScreenSaver; }
E2E_PIDS+=($LOCKER_PID)
read -r _ <&"${LOCKER[0]}"
saver=$(pgrep -P "$watch")
echo true >&"${LOCKER[1]}"
e2e_wait_exit "$saver"
expect_no_saver_for $((IDLE * 2 + 1)) "while the desktop is locked"
start=$(date +%s.%N)
echo false >&"${LOCKER[1]}"
expect_saver_after "$start" "after the desktop's unlock"

saver=$(pgrep -P "$watch")
kill -TERM "$watch"
e2e_wait_exit "$watch"
e2e_wait_exit "$saver"

