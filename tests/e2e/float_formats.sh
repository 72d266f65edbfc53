#!/usr/bin/env bash
# Float shows the user's own files of the newer formats too, upright: a scan
# stored lying on its side stands centred on the screen as its file says.
source "$(dirname "$0")/lib.sh"

picture_box() { convert "$E2E_TEMP/screen.png" -format "%@" info: 2>/dev/null; }
shows_upright_scan() {
    e2e_screenshot
    [ "$(picture_box)" = 240x320+280+140 ] || return 1
    # Blue on the left as stored: on top when upright.
    [ "$(e2e_pixel 400 150)" = 0000FF ] && [ "$(e2e_pixel 400 450)" = FF0000 ]
}

e2e_start_xvfb 800x600x24
e2e_program_folder
convert -size 160x240 xc:blue -size 160x240 xc:red +append -orient RightTop "$E2E_TEMP/scan.tif"
e2e_float_over "$E2E_TEMP/scan.tif"
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
e2e_poll 10 shows_upright_scan || e2e_fail "the scan is not shown upright and centred: $(picture_box)"
echo "PASS: float_formats"
