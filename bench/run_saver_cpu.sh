#!/usr/bin/env bash
# What "/s" costs the processor and memory on a 1920 x 1080 Xvfb of its own:
# each copy effect with the installed settings, and Float with a 960 x 540
# picture floating at its fastest speed and changing every 5 seconds through
# random transitions. Each saver runs for a fixed stretch after a warm-up;
# its CPU time comes from /proc/<pid>/stat, its peak memory from
# /proc/<pid>/status. Several programs (an older build, say) are measured
# case by case, side by side, in one run, and so are desktops of several
# 1920 x 1080 screens side by side (RandR monitors of one wider Xvfb):
#   [SCREENS="1 2"] bench/run_saver_cpu.sh [seconds] [program ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(build/startup/skyfolio)
[ -x build/tools/skyfolio-install ] || { echo "build first: ./build.sh" >&2; exit 1; }
source tests/e2e/lib.sh "${programs[0]}" build/tools/skyfolio-install

screen_counts=(${SCREENS:-1})
most=$(printf '%s\n' "${screen_counts[@]}" | sort -n | tail -n1)
e2e_start_xvfb $((1920 * most))x1080x24
# The first screen takes the server's output, the others have none; the
# server keeps them as clients come and go (-noreset).
xrandr --setmonitor S0 1920/508x1080/286+0+0 screen >/dev/null

# use_screens <count>: that many 1920 x 1080 screens, left to right.
use_screens() {
    local i
    for ((i = 1; i < most; i++)); do
        xrandr --delmonitor "S$i" >/dev/null 2>&1 || true
        [ "$i" -ge "$1" ] || xrandr --setmonitor "S$i" "1920/508x1080/286+$((1920 * i))+0" none >/dev/null
    done
}
convert -size 960x540 gradient:skyblue-darkgreen "$E2E_TEMP/photo.jpg"

clock_ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# measure <program> <effect>: prints the CPU share of one core and the peak memory.
measure() {
    E2E_PROGRAM=$(realpath "$1")
    e2e_program_folder >/dev/null
    e2e_set_key saver mode "$2"
    if [ "$2" = 1 ]; then
        e2e_float_over "$E2E_TEMP/photo.jpg"
        e2e_set_key saver centerImage 0
        e2e_set_key saver randomEffect 1
        e2e_set_key saver floatImageSpeed 5
        e2e_set_key saver NextImageTime 5
    fi
    e2e_start /s
    local pid=$E2E_PID
    e2e_wait_window "$pid" >/dev/null
    sleep 2
    local before
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    local after peak
    after=$(cpu_ticks "$pid")
    peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    e2e_wait_exit "$pid"
    awk -v t=$((after - before)) -v hz="$clock_ticks" -v s="$seconds" -v kb="$peak" \
        'BEGIN { printf "%5.1f%% cpu %6.1f MB peak", 100 * t / hz / s, kb / 1024 }'
}

names=(Skyflock Float Warp Psychedelic DeckOfCards JumpingBeans Vortex Splat)
for effect in ${EFFECTS:-0 2 3 4 5 6 7 1}; do
    for program in "${programs[@]}"; do
        for screens in "${screen_counts[@]}"; do
            use_screens "$screens"
            printf "%-13s %-40s %d screen(s) %s\n" "${names[$effect]}" "$program" "$screens" "$(measure "$program" "$effect")"
        done
    done
done
