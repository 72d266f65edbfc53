# BMP pictures larger than any held whole: a 20000 x 20000 one first in the
# list does not keep "/c" from appearing, and then shows reduced in the
# preview without a message; a 9000 x 9000 one converts into the cache.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 1024x768x24
e2e_program_folder

# A 1-bit BMP of `width` x `height` pixels, all of colour 0 (red): sparse on
# disk, so it takes no time to make.
write_bitmap() {
    local path=$1 width=$2 height=$3
    local row=$(((width + 31) / 32 * 4))
    perl -e 'my ($w, $h, $size) = @ARGV;
             print pack("A2 V v v V", "BM", 62 + $size, 0, 0, 62),
                   pack("V l< l< v v V V l< l< V V", 40, $w, $h, 1, 1, 0, $size, 2835, 2835, 2, 2),
                   pack("C8", 0, 0, 255, 0, 255, 255, 255, 0);' "$width" "$height" $((row * height)) >"$path"
    truncate -s $((62 + row * height)) "$path"
}

seconds_since() { awk -v from="$1" -v now="$(date +%s.%N)" 'BEGIN { printf "%.2f", now - from }'; }

write_bitmap "$E2E_TEMP/huge.bmp" 20000 20000
e2e_list_pictures "$E2E_TEMP/huge.bmp"
started=$(date +%s.%N)
e2e_start /c
window=$(e2e_wait_titled " Skyfolio ")
appeared=$(seconds_since "$started")
preview_is_red() {
    import -window "$window" "$E2E_TEMP/dialog.png"
    [ "$(convert "$E2E_TEMP/dialog.png" -fuzz 10% -fill black +opaque red -fill white -opaque red \
        -format '%[fx:round(mean*w*h)]' info:)" -gt 5000 ]
}
e2e_poll "$E2E_PATIENCE" preview_is_red || e2e_fail "the 20000 x 20000 picture is not shown in the preview"
echo "20000 x 20000: the window after $appeared s, its preview after $(seconds_since "$started") s"
! e2e_message_box_of "$E2E_PID" >/dev/null || e2e_fail "a message came with the preview"
kill "$E2E_PID"
e2e_wait_exit "$E2E_PID"

write_bitmap "$E2E_TEMP/large.bmp" 9000 9000
e2e_program_folder
e2e_list_pictures "$E2E_TEMP/large.bmp"
e2e_start /c
window=$(e2e_wait_titled " Skyfolio ")
e2e_poll "$E2E_PATIENCE" preview_is_red || e2e_fail "the 9000 x 9000 picture is not shown in the preview"
e2e_press "$window" alt+o
e2e_wait_exit "$E2E_PID"
cached=$E2E_FOLDER/SkyfolioImg/skyfss0.dib
# 135000 twips a side, times 0.13, less the box's border.
[ "$(identify -format '%wx%h' "bmp:$cached")" = 1168x1168 ] || e2e_fail "the cached picture is $(identify "bmp:$cached")"
[ "$(convert "bmp:$cached" -format '%[hex:p{500,500}]' info: | cut -c1-6)" = FF0000 ] || e2e_fail "the cached picture is not red"
echo "PASS: big_bitmap"
