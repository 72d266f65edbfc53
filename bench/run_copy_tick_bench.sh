#!/usr/bin/env bash
# Runs the copy tick benchmark with a 4K X server of its own, so that the
# "x11" figures include getting the pixels to a screen:
#   bench/run_copy_tick_bench.sh [benchmark options...]
# Repetitions with random interleaving keep a noisy machine's drift from
# falling on one side of a comparison.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/bench/copy_tick_bench
[ -x "$bench" ] || { echo "build first: ./build.sh" >&2; exit 1; }

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 3840x2160x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 50); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }

DISPLAY=":$(head -n1 "$display_file")" "$bench" \
    --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true "$@"
