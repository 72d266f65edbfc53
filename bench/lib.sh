# What the benchmark scripts share, sourced at their start: a scratch folder
# `work` with the private runtime folder Qt wants, removed at the end with
# every process listed in `pids` ended, and an Xvfb of their own.

work=$(mktemp -d)
pids=()
bench_cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap bench_cleanup EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Starts an Xvfb of one screen of `size` (WIDTHxHEIGHTxDEPTH) and waits until
# it has a display number; sets DISPLAY, and `xserver` to its process id.
bench_start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
    xserver=$!
    pids+=("$xserver")
    for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.1; done
    grep -q '^[0-9]' "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n1 "$work/display")
}
