#!/usr/bin/env bash
# A night of running unattended, shortened: bench/soak.sh [minutes] (10 by
# default, half for each saver). On an Xvfb of its own at 1920 x 1080, "/s"
# flies 21 copies of the pictures and changes the picture every second, then
# Float changes its picture every second through a random transition. For
# each it prints the resident memory after the first minute and at the end,
# the CPU share of the saver and of the X server, and the picture changes
# seen (each change reads a picture file). It fails when the saver ends or
# its memory grows by more than 1 MB after the first minute.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb inotify-tools
minutes=${1:-10}
[ "$minutes" -ge 2 ] || { echo "usage: $0 [minutes, at least 2]" >&2; exit 2; }
phase_seconds=$((minutes * 60 / 2))
./build.sh >/dev/null

source tests/e2e/lib.sh build/startup/skyfolio build/tools/skyfolio-install
e2e_start_xvfb 1920x1080x24
xserver=${E2E_PIDS[-1]}

e2e_program_folder >/dev/null
folder=$E2E_FOLDER
e2e_set_key total ClonesOfImage 21
e2e_set_key saver NextImageTime 1
e2e_set_key saver IntroImageAmount 21
# As after a save of the two sample pictures, which Float reads too.
e2e_list_pictures "$folder/Image1.jpg" "$folder/Image2.jpg"

kilobytes() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Runs the saver for the phase, watching `watched` for the picture reads.
soak() {
    local name=$1 watched=$2
    inotifywait -m -q -e open --format '%f' "$watched" >"$E2E_TEMP/opens" 2>/dev/null &
    local watcher=$!
    E2E_PIDS+=("$watcher")
    e2e_start /s
    local saver=$E2E_PID
    local saver_start server_start
    saver_start=$(cpu_ticks "$saver")
    server_start=$(cpu_ticks "$xserver")
    sleep 60
    local after_minute
    after_minute=$(kilobytes "$saver")
    sleep $((phase_seconds - 60))
    e2e_running "$saver" || e2e_fail "$name: the saver ended"
    local at_end ticks=$(getconf CLK_TCK)
    at_end=$(kilobytes "$saver")
    local saver_share server_share changes
    saver_share=$(awk -v t=$(($(cpu_ticks "$saver") - saver_start)) -v s="$phase_seconds" -v hz="$ticks" 'BEGIN { printf "%.1f", 100 * t / hz / s }')
    server_share=$(awk -v t=$(($(cpu_ticks "$xserver") - server_start)) -v s="$phase_seconds" -v hz="$ticks" 'BEGIN { printf "%.1f", 100 * t / hz / s }')
    changes=$(grep -cE 'skyfss[0-9]+\.dib|Image[12]\.jpg' "$E2E_TEMP/opens" || true)
    kill "$saver" "$watcher"
    wait "$saver" "$watcher" 2>/dev/null || true
    printf '%-12s %6d s  memory %7.1f MB after 1 min, %7.1f MB at the end  CPU saver %5s %%, X server %5s %%  picture changes %d\n' \
        "$name" "$phase_seconds" "$(awk -v k="$after_minute" 'BEGIN { print k / 1024 }')" "$(awk -v k="$at_end" 'BEGIN { print k / 1024 }')" \
        "$saver_share" "$server_share" "$changes"
    [ $((at_end - after_minute)) -le 1024 ] || { echo "$name: memory grew by $((at_end - after_minute)) kB" >&2; exit 1; }
}

soak "Skyflock" "$folder/SkyfolioImg"
e2e_set_key saver mode 1
e2e_set_key saver randomEffect 1
soak "Float" "$folder"
