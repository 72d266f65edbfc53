#!/usr/bin/env bash
# Draws docs/effect-<N>.png, one still of each copy effect, with skyfolio-sim:
# a 1920 x 1080 screen with the installed settings (10 copies, a tick every
# 20 ms) 16 seconds in, shrunk to half size; and docs/slideshow.png,
# Slideshow over four photos drawn here, a portrait pair fading in over a
# landscape photo. Needs a build and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
sim=build/tools/skyfolio-sim
[ -x "$sim" ] || { echo "build first: ./build.sh" >&2; exit 1; }

frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
mkdir -p docs
for effect in 0 2 3 4 5 6 7; do
    "$sim" --effect "$effect" --width 1920 --height 1080 --copies 10 --ticks 800 --seed 3 \
        --png "$frames/$effect" --every 800 >/dev/null
    # Without the metadata a redraw of the same pictures leaves the files unchanged.
    convert "$frames/$effect/frame-000800.png" -resize 960x540 -strip "docs/effect-$effect.png"
done

photos=$frames/photos
mkdir -p "$photos"
convert -size 1600x1200 -seed 5 plasma:fractal "$photos/a.jpg"
convert -size 900x1200 gradient:orange-purple "$photos/b.jpg"
convert -size 900x1200 -seed 6 plasma:green-blue "$photos/c.jpg"
convert -size 1200x800 gradient:skyblue-darkgreen "$photos/d.png"
"$sim" --effect 8 --pictures "$photos" --width 1920 --height 1080 --ticks 630 --seed 3 \
    --png "$frames/8" --every 630 >/dev/null
convert "$frames/8/frame-000630.png" -resize 960x540 -strip docs/slideshow.png
