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
e2e_remove_key install firstRun
e2e_set_key saver mode 1
e2e_set_key saver newBackColor 0
e2e_set_key saver randomEffect 0
e2e_set_key saver effectMode 0
e2e_set_key saver centerImage 1
e2e_set_key total newTotal 1
printf '[images]\n0=%s\n' "$E2E_TEMP/scan.tif" >>"$E2E_SETTINGS"
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
e2e_poll 10 shows_upright_scan || e2e_fail "the scan is not shown upright and centred: $(picture_box)"
echo "PASS: float_formats"
