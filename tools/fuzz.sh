#!/usr/bin/env bash
# Runs one fuzz target for a while under ASan and UBSan:
#   tools/fuzz.sh <target> <seconds>
# Targets: settings jpeg_header jpeg_dc jpeg bitmap picture numbers xscreensaver.
# Builds build-fuzz/ with clang first. Seeds come from tests/data and, when it
# is beside the checkout, ../shared/corpus; what the fuzzer learns stays in
# build-fuzz/corpus/<target>. An input that breaks a check or crashes is kept
# in build-fuzz/crashes/<target>/, and the script fails: copy it into
# tests/data/fuzz/<target>/, where the unit tests replay it, and fix the cause.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 2 ] || { echo "usage: $0 <target> <seconds>" >&2; exit 2; }
target=$1 seconds=$2

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DSKYFOLIO_FUZZ=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "fuzz_$target" >/dev/null

data=tests/data/corpus shared=../shared/corpus
case $target in
    settings | numbers) seeds=() ;;
    jpeg_header | jpeg_dc | jpeg) seeds=("$data/afl-jpeg" "$shared/jpeg-bugs") ;;
    bitmap) seeds=("$data/bmp-suite" "$data/afl-bmp") ;;
    picture) seeds=("$data/afl-gif" "$data/afl-bmp" "$data/afl-jpeg") ;;
    xscreensaver) seeds=(tests/data/xscreensaver) ;;
    *) echo "no fuzz target $target" >&2; exit 2 ;;
esac
existing=()
for folder in "tests/data/fuzz/$target" "${seeds[@]}"; do
    [ -d "$folder" ] && existing+=("$folder")
done
corpus=build-fuzz/corpus/$target crashes=build-fuzz/crashes/$target
mkdir -p "$corpus" "$crashes"

QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    LSAN_OPTIONS=suppressions="$PWD/tools/lsan-suppressions.txt" \
    "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -max_len=65536 \
    -artifact_prefix="$crashes/" -print_final_stats=1 "$corpus" "${existing[@]}" 2>"build-fuzz/fuzz_$target.log" || {
    tail -n 40 "build-fuzz/fuzz_$target.log" >&2
    echo "fuzz target $target failed; the input is in $crashes/" >&2
    exit 1
}
grep -E '^stat::number_of_executed_units|^stat::new_units_added' "build-fuzz/fuzz_$target.log" | sed "s/^/$target: /"
