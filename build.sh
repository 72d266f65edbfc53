#!/usr/bin/env bash
# Builds Skyfolio (Release) and lays out the program folder dist/.
# The executable is replaced; settings, sample pictures and cache files that
# are already in dist/ stay as they are.
#
#   ./build.sh          build, and lay out dist/
#   ./build.sh --deb    the same, then pack build/deb/skyfolio_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
    "" | --deb) ;;
    *) echo "usage: ./build.sh [--deb]" >&2; exit 2 ;;
esac
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"

mkdir -p dist
# Copy, then rename: a saver or a watch running from dist/ keeps its old file.
for program in skyfolio skyfolio-watch; do
    cp "build/startup/$program" "dist/.$program.new"
    mv -f "dist/.$program.new" "dist/$program"
done
build/tools/skyfolio-install dist

if [ "${1:-}" = --deb ]; then
    # Its dependencies are read from the program by dpkg-shlibdeps.
    cpack --config build/CPackConfig.cmake
fi
