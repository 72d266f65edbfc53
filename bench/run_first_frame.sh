#!/usr/bin/env bash
# Host mode's first frame against "/s"'s, side by side on one 1920 x 1080
# Xvfb of its own: each run starts the program and times, from outside, how
# long until the middle of the screen leaves the desktop's colour (the
# saver's first present: its background, with the installed settings), then
# stops it. "--root" draws on the root window; "/s" in its own window above
# it. The runs alternate, so that a busy machine burdens both alike.
#   bench/run_first_frame.sh [runs, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
installer=build/tools/skyfolio-install
timer=build/bench/first_frame_time
[ -x "$installer" ] && [ -x "$timer" ] || { echo "build first: ./build.sh" >&2; exit 1; }

source tests/e2e/lib.sh build/startup/skyfolio "$installer"
e2e_start_xvfb 1920x1080x24
unset XSCREENSAVER_WINDOW

e2e_program_folder >/dev/null
# As after a save: nothing is written at a start.
e2e_remove_key install firstRun

declare -A times
for _ in $(seq "$runs"); do
    for mode in --root /s; do
        xsetroot -solid '#FF00FF'
        times[$mode]+="$("$timer" 960 540 "$E2E_EXECUTABLE" "$mode") "
    done
done
summary() {  # min and median of the numbers given
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { printf "min %6.1f ms  median %6.1f ms", v[1], v[int((NR + 1) / 2)] }'
}
root=$(summary ${times[--root]})
saver=$(summary ${times[/s]})
echo "first frame at 1920 x 1080, $runs runs each"
echo "  --root  $root"
echo "  /s      $saver"
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
awk -v r="$(median ${times[--root]})" -v s="$(median ${times[/s]})" \
    'BEGIN { printf "  --root / /s (medians): %.2f\n", r / s }'
