# "/c" opens " Skyfolio " at its design size with the focus on Cancel, and
# Enter leaves without writing anything.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 1024x768x24
e2e_program_folder
# A file saved before (no first-run mark), holding a value that any save
# would rewrite ("7.0" becomes "7").
e2e_remove_key install firstRun
e2e_set_key total ClonesOfImage 7.0
printf '[images]\n0=%s\n1=%s\n' "$E2E_FOLDER/Image1.jpg" "$E2E_FOLDER/Image2.jpg" >>"$E2E_SETTINGS"
cp "$E2E_SETTINGS" "$E2E_TEMP/before.ini"

e2e_start /c
window=$(e2e_wait_titled " Skyfolio ")
eval "$(xdotool getwindowgeometry --shell "$window")"
# 7125 twips wide; 6855 twips of client area below the menu bar.
[ "$WIDTH" -eq 475 ] || e2e_fail "the window is $WIDTH pixels wide"
[ "$HEIGHT" -gt 457 ] && [ "$HEIGHT" -le 497 ] || e2e_fail "the window is $HEIGHT pixels high"
e2e_press "$window" Return
e2e_poll "$E2E_PATIENCE" e2e_ended "$E2E_PID" || e2e_fail "Enter did not end the dialog"
wait "$E2E_PID" || e2e_fail "the dialog ended with $?"
cmp "$E2E_TEMP/before.ini" "$E2E_SETTINGS" || e2e_fail "the settings file changed"
echo "PASS: settings_cancel"
