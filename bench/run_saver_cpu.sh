#!/usr/bin/env bash
# What "/s" costs the processor and memory on a 1920 x 1080 Xvfb of its own:
# each copy effect with the installed settings, and Float with a 960 x 540
# picture floating at its fastest speed and changing every 5 seconds through
# random transitions. Each saver runs for a fixed stretch after a warm-up;
# its CPU time and the X server's in that stretch come from
# /proc/<pid>/stat, its peak and resident memory from /proc/<pid>/status.
# Several programs (an older build, say) are measured case by case, side by
# side, in one run, and so are desktops of several screens side by side
# (RandR monitors of one wider Xvfb), screens of another size, and host mode
# drawing in the root window ("--root") in place of "/s":
#   [SCREENS="1 2"] [SIZE=3840x2160] [ROLES="/s --root"] bench/run_saver_cpu.sh [seconds] [program ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(build/startup/skyfolio)
[ -x build/tools/skyfolio-install ] || { echo "build first: ./build.sh" >&2; exit 1; }
source tests/e2e/lib.sh "${programs[0]}" build/tools/skyfolio-install

screen_counts=(${SCREENS:-1})
roles=(${ROLES:-/s})
size=${SIZE:-1920x1080}
width=${size%x*} height=${size#*x}
most=$(printf '%s\n' "${screen_counts[@]}" | sort -n | tail -n1)
e2e_start_xvfb $((width * most))x${height}x24
xvfb=${E2E_PIDS[-1]}
# The first screen takes the server's output, the others have none; the
# server keeps them as clients come and go (-noreset).
millimetres="$width/$((width * 254 / 960))x$height/$((height * 254 / 960))"
xrandr --setmonitor S0 "$millimetres+0+0" screen >/dev/null

# use_screens <count>: that many screens, left to right.
use_screens() {
    local i
    for ((i = 1; i < most; i++)); do
        xrandr --delmonitor "S$i" >/dev/null 2>&1 || true
        [ "$i" -ge "$1" ] || xrandr --setmonitor "S$i" "$millimetres+$((width * i))+0" none >/dev/null
    done
}

clock_ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# measure <program> <effect> <role>: prints the CPU share of one core, the X
# server's, and the peak and resident memory.
measure() {
    E2E_PROGRAM=$(realpath "$1")
    e2e_measured_effect "$2"
    e2e_start "$3"
    local pid=$E2E_PID
    # Host mode shows no window of its own: its warm-up is the whole wait.
    [ "$3" != /s ] || e2e_wait_window "$pid" >/dev/null
    sleep 2
    local before server_before
    before=$(cpu_ticks "$pid")
    server_before=$(cpu_ticks "$xvfb")
    sleep "$seconds"
    local after server_after peak resident
    after=$(cpu_ticks "$pid")
    server_after=$(cpu_ticks "$xvfb")
    peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    resident=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    e2e_wait_exit "$pid"
    awk -v t=$((after - before)) -v x=$((server_after - server_before)) -v hz="$clock_ticks" -v s="$seconds" \
        -v kb="$peak" -v rss="$resident" \
        'BEGIN { printf "%5.1f%% cpu %5.1f%% X %6.1f MB peak %6.1f MB resident", 100 * t / hz / s, 100 * x / hz / s, kb / 1024, rss / 1024 }'
}

names=(Skyflock Float Warp Psychedelic DeckOfCards JumpingBeans Vortex Splat)
for effect in ${EFFECTS:-0 2 3 4 5 6 7 1}; do
    for role in "${roles[@]}"; do
        for program in "${programs[@]}"; do
            for screens in "${screen_counts[@]}"; do
                use_screens "$screens"
                printf "%-13s %-6s %-40s %d x %s %s\n" "${names[$effect]}" "$role" "$program" "$screens" "$size" \
                    "$(measure "$program" "$effect" "$role")"
            done
        done
    done
done
