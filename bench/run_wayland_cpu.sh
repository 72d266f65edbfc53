#!/usr/bin/env bash
# What "/s" costs the processor and memory on a 1920 x 1080 headless sway,
# beside the same saver on a 1920 x 1080 Xvfb, case by case in one run: each
# copy effect with the installed settings, and Float with a 960 x 540
# picture floating at its fastest speed and changing every 5 seconds through
# random transitions. Only the saver's own process is counted, not the
# X server or the compositor: its CPU time from /proc/<pid>/stat over a
# fixed stretch after a warm-up, its peak memory from /proc/<pid>/status.
# With BASELINE set to another build's directory (main's, say), its saver
# runs on the same sway between the two, as "base". With ROUNDS, each case
# runs that many times, the sessions taking turns, and its median share is
# given: a share of a few percent moves by a third from run to run.
#   [BASELINE=dir] [ROUNDS=n] bench/run_wayland_cpu.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
[ -x build/tools/skyfolio-install ] || { echo "build first: ./build.sh" >&2; exit 1; }
source tests/e2e/lib.sh build/startup/skyfolio build/tools/skyfolio-install
source tests/e2e/sway_lib.sh
e2e_start_xvfb 1920x1080x24
sway_start 1920x1080

clock_ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

sessions=(x11 wayland)
[ -z "${BASELINE:-}" ] || sessions=(x11 base wayland)
ours=$E2E_EXECUTABLE

# measure <x11|wayland> <effect>: prints the CPU share of one core and the peak memory.
measure() {
    e2e_measured_effect "$2"
    # In the program folder, which holds its settings.
    [ "$E2E_EXECUTABLE" = "$ours" ] || cp "$BASELINE/startup/skyfolio" "$E2E_EXECUTABLE"
    if [ "$1" = x11 ]; then
        e2e_start /s
        e2e_wait_window "$E2E_PID" >/dev/null
    else
        sway_start_program /s
        e2e_poll "$E2E_PATIENCE" sway_covered HEADLESS-1 || e2e_fail "sway shows no saver"
    fi
    local pid=$E2E_PID before after peak
    sleep 2
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    e2e_wait_exit "$pid"
    awk -v t=$((after - before)) -v hz="$clock_ticks" -v s="$seconds" -v kb="$peak" \
        'BEGIN { printf "%5.1f%% cpu %6.1f MB peak", 100 * t / hz / s, kb / 1024 }'
}

# median <measures...>: the median share and the highest peak.
median() {
    printf '%s\n' "$@" | sort -n | awk '{ cpu[NR] = $1; if ($3 > peak) peak = $3 }
        END { printf "%5.1f%% cpu %6.1f MB peak", cpu[int((NR + 1) / 2)], peak }'
}


names=(Skyflock Float Warp Psychedelic DeckOfCards JumpingBeans Vortex Splat)
for effect in ${EFFECTS:-0 2 3 4 5 6 7 1}; do
    declare -A measures=()
    for ((round = 0; round < ${ROUNDS:-1}; ++round)); do
        for session in "${sessions[@]}"; do
            E2E_EXECUTABLE=$ours
            [ "$session" != base ] || E2E_EXECUTABLE=$E2E_FOLDER/base
            measures[$session]+="$(measure "${session/base/wayland}" "$effect" | tr -d '%')"$'\n'
        done
    done
    for session in "${sessions[@]}"; do
        mapfile -t runs < <(printf '%s' "${measures[$session]}")
        printf "%-13s %-8s %s\n" "${names[$effect]}" "$session" "$(median "${runs[@]}")"
    done
    unset measures
done
