#!/usr/bin/env bash
# What "/s" with Slideshow costs on a 1920 x 1080 Xvfb of its own, over a
# list of 10 000 photos of 12 megapixels (the names of three photos, linked
# again and again), shuffled, changing every 5 seconds with a 1.5 s
# crossfade, side by side in one run:
#   - its share of a processor with pan and zoom (30 frames a second all the
#     time), and without it while no change is under way;
#   - its peak (VmHWM) and resident (VmRSS) memory at the end;
#   - the time from its start to the first photo in the middle of the
#     screen, against Float's over the same list, the runs alternating.
#   bench/run_slideshow.sh [seconds, default 20] [runs, default 7]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
runs=${2:-7}
installer=build/tools/skyfolio-install
timer=build/bench/first_frame_time
[ -x build/startup/skyfolio ] && [ -x "$installer" ] && [ -x "$timer" ] || { echo "build first: ./build.sh" >&2; exit 1; }
source tests/e2e/lib.sh build/startup/skyfolio "$installer"

mkdir "$E2E_TEMP/photos"
convert -size 4000x3000 -seed 16 plasma:fractal -quality 90 "$E2E_TEMP/photos/a.jpg"
convert "$E2E_TEMP/photos/a.jpg" -flop -modulate 100,60 -quality 90 "$E2E_TEMP/photos/b.jpg"
convert "$E2E_TEMP/photos/a.jpg" -flip -modulate 90,120,40 -quality 90 "$E2E_TEMP/photos/c.jpg"
photos=()
for n in $(seq 0 9999); do
    photo=$E2E_TEMP/photos/photo-$n.jpg
    ln "$E2E_TEMP/photos/$(printf 'abc' | cut -c$((n % 3 + 1))).jpg" "$photo"
    photos+=("$photo")
done

e2e_start_xvfb 1920x1080x24
clock_ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
kilobytes() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

slideshow_settings() {
    e2e_program_folder
    e2e_list_pictures "${photos[@]}"
    e2e_set_key saver mode 8
    e2e_set_key saver NextImageTime "$1"
    e2e_set_key saver slideshowPanZoom "$2"
}

# measure <name> <NextImageTime> <pan and zoom 0|1>
measure() {
    slideshow_settings "$2" "$3"
    e2e_start /s
    local pid=$E2E_PID
    e2e_wait_window "$pid" >/dev/null
    sleep 3
    local before after
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    e2e_running "$pid" || e2e_fail "$1: the saver ended"
    awk -v name="$1" -v t=$((after - before)) -v hz="$clock_ticks" -v s="$seconds" \
        -v peak="$(kilobytes "$pid" VmHWM)" -v rss="$(kilobytes "$pid" VmRSS)" \
        'BEGIN { printf "%-44s %5.1f%% cpu  %6.1f MB peak  %6.1f MB resident\n", name, 100 * t / hz / s, peak / 1024, rss / 1024 }'
    kill "$pid"
    e2e_wait_exit "$pid"
}

echo "Slideshow, 10 000 photos of 12 MP listed, ${seconds} s each"
measure "pan and zoom, a change every 5 s" 5 1
measure "no pan and zoom, a change every 5 s" 5 0
measure "no pan and zoom, between changes" $((seconds + 10)) 0

# First photo: the background is the desktop's colour, so the middle of the
# screen changes when a photo shows there, not before.
unset XSCREENSAVER_WINDOW
declare -A times
for _ in $(seq "$runs"); do
    for mode in 8 1; do
        slideshow_settings 10 1
        e2e_set_key saver mode "$mode"
        if [ "$mode" = 1 ]; then  # centred, after the Standard pause
            e2e_set_key saver randomEffect 0
            e2e_set_key saver effectMode 0
            e2e_set_key saver centerImage 1
        fi
        e2e_set_key saver newBackColor $((16#FF00FF))
        xsetroot -solid '#FF00FF'
        times[$mode]+="$("$timer" 960 540 "$E2E_EXECUTABLE" /s) "
    done
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
slideshow=$(median ${times[8]})
float=$(median ${times[1]})
echo "start to the first photo, median of $runs runs"
echo "  Slideshow  $slideshow ms"
echo "  Float      $float ms"
awk -v a="$slideshow" -v b="$float" 'BEGIN { printf "  Slideshow / Float: %.2f\n", a / b }'
