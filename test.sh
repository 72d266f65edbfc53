#!/usr/bin/env bash
# Builds Skyfolio and runs every test; exits non-zero on any failure.
# The unit tests run twice: in the Release build and under AddressSanitizer
# and UBSan, which is where the hostile picture files prove harmless; then
# each fuzz target runs briefly.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

./build.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 300

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSKYFOLIO_SANITIZE=ON -DSKYFOLIO_BENCH=OFF
cmake --build build-sanitize --parallel "$(nproc)"
LSAN_OPTIONS=suppressions="$PWD/tools/lsan-suppressions.txt" \
    ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)" --timeout 600 --label-exclude e2e

# Every fuzz target for a short while, about a minute in all, so that none
# of them rots; tools/fuzz.sh runs one for longer.
for target in settings jpeg_header jpeg_dc jpeg bitmap picture numbers xscreensaver; do
    tools/fuzz.sh "$target" 8
done
