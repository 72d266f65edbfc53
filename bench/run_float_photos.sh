#!/usr/bin/env bash
# What "/s" with Float holds in memory while it shows three photos of 12
# megapixels (4000 x 3000) on a 1920 x 1080 Xvfb of its own, changing every 2
# seconds through random transitions: with "Shrink pictures larger than the
# screen" off and on, side by side. Prints the saver's peak (VmHWM) and its
# resident memory at the end (VmRSS):
#   bench/run_float_photos.sh [seconds]      (30 by default; ./build.sh first)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
[ -x build/startup/skyfolio ] && [ -x build/tools/skyfolio-install ] || { echo "build first: ./build.sh" >&2; exit 1; }
source tests/e2e/lib.sh build/startup/skyfolio build/tools/skyfolio-install

photos=()
convert -size 4000x3000 -seed 16 plasma:fractal -quality 90 "$E2E_TEMP/photo 1.jpg"
convert "$E2E_TEMP/photo 1.jpg" -flop -modulate 100,60 -quality 90 "$E2E_TEMP/photo 2.jpg"
convert "$E2E_TEMP/photo 1.jpg" -flip -modulate 90,120,40 -quality 90 "$E2E_TEMP/photo 3.jpg"
for n in 1 2 3; do photos+=("$E2E_TEMP/photo $n.jpg"); done

e2e_start_xvfb 1920x1080x24

kilobytes() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }
megabytes() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

measure() {
    local fit=$1 name=$2
    e2e_program_folder
    e2e_float_over "${photos[@]}"
    e2e_set_key saver centerImage 0
    e2e_set_key saver randomEffect 1
    e2e_set_key saver NextImageTime 2
    e2e_set_key saver fitLargePictures "$fit"
    e2e_start /s
    e2e_wait_window "$E2E_PID" >/dev/null
    sleep "$seconds"
    e2e_running "$E2E_PID" || e2e_fail "$name: the saver ended"
    local peak resident
    peak=$(kilobytes "$E2E_PID" VmHWM)
    resident=$(kilobytes "$E2E_PID" VmRSS)
    kill "$E2E_PID"
    e2e_wait_exit "$E2E_PID"
    printf '%-28s peak %6s MB   resident at the end %6s MB\n' "$name" "$(megabytes "$peak")" "$(megabytes "$resident")"
}

echo "Float, 3 photos of 4000 x 3000 on 1920 x 1080, ${seconds} s each"
measure 0 "at their own size"
measure 1 "shrunk to fit the screen"
