#!/usr/bin/env bash
# Builds Skyfolio (Release) and lays out the program folder dist/.
# The executable is replaced; settings, sample pictures and cache files that
# are already in dist/ stay as they are.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"

mkdir -p dist
# Copy, then rename: a saver running from dist/ keeps its old file.
cp build/startup/skyfolio dist/.skyfolio.new
mv -f dist/.skyfolio.new dist/skyfolio
build/tools/skyfolio-install dist
