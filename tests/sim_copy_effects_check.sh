#!/usr/bin/env bash
# Every copy effect still moves exactly as it did: skyfolio-sim's output for
# a few sizes and seeds against the checksums recorded in tests/data/sim.
#   sim_copy_effects_check.sh <skyfolio-sim> <checksum file>
set -euo pipefail
sim=$1
while read -r expected arguments; do
    # shellcheck disable=SC2086 # the arguments are words of their own
    actual=$("$sim" $arguments | md5sum | cut -d' ' -f1)
    if [ "$actual" != "$expected" ]; then
        echo "FAIL: skyfolio-sim $arguments moves differently" >&2
        exit 1
    fi
done <"$2"
echo "PASS"
