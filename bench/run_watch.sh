#!/usr/bin/env bash
# The idle watch while it waits, and how fast its saver comes, on a
# 1920 x 1080 Xvfb and a session bus of its own:
#  - its resident memory once it waits (goal: under 15 MB) and the processor
#    time it takes over a waiting period (goal: none; 10 minutes by default);
#  - from the idle notification to the saver's first frame, against "/s"
#    started by hand, side by side in alternating runs: the watch waits
#    1 second from the moment it says it listens, so its time from then,
#    less that second, is the one.
#   bench/run_watch.sh [seconds to wait, default 600] [runs, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
runs=${2:-10}
installer=build/tools/skyfolio-install
timer=build/bench/first_frame_time
[ -x "$installer" ] && [ -x "$timer" ] || { echo "build first: ./build.sh" >&2; exit 1; }

source tests/e2e/lib.sh build/startup/skyfolio "$installer"
e2e_start_xvfb 1920x1080x24
e2e_program_folder >/dev/null
e2e_remove_key install firstRun
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$E2E_TEMP/bus" 4>"$E2E_TEMP/bus.pid"
E2E_PIDS+=($(cat "$E2E_TEMP/bus.pid"))
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_TEMP/bus")

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
e2e_start --watch --idle-seconds 43200
watch=$E2E_PID
e2e_poll "$E2E_PATIENCE" grep -q "listens to" "$E2E_TEMP/stderr" || e2e_fail "the watch did not start"
before=$(cpu_ticks "$watch")
echo "waiting $seconds s ..."
sleep "$seconds"
after=$(cpu_ticks "$watch")
echo "the watch while it waits"
echo "  resident memory   $(awk '/^VmRSS/ { printf "%.1f MB", $2 / 1024 }' "/proc/$watch/status")"
echo "  processor time    $(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.2f s", t / hz }') over $seconds s"
kill "$watch"
e2e_wait_exit "$watch"

declare -A times
for _ in $(seq "$runs"); do
    xsetroot -solid '#FF00FF'
    times[watch]+="$(awk -v t="$("$timer" --from "listens to" 960 540 "$E2E_EXECUTABLE" --watch --idle-seconds 1)" 'BEGIN { print t - 1000 }') "
    xsetroot -solid '#FF00FF'
    times[saver]+="$("$timer" 960 540 "$E2E_EXECUTABLE" /s) "
done
summary() {  # min and median of the numbers given
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { printf "min %6.1f ms  median %6.1f ms", v[1], v[int((NR + 1) / 2)] }'
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "first frame at 1920 x 1080, $runs runs each"
echo "  idle notification to the watch's saver  $(summary ${times[watch]})"
echo "  \"/s\" started by hand                    $(summary ${times[saver]})"
awk -v w="$(median ${times[watch]})" -v s="$(median ${times[saver]})" \
    'BEGIN { printf "  watch / \"/s\" (medians): %.2f\n", w / s }'
