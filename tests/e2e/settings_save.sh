# "/c" with three pictures listed: Alt+O saves them into the settings file
# and the cache and ends the program; "/s" then shows the new pictures. All
# under a umask that lets anyone read anything: the installed settings file,
# with its password, is the owner's alone, a save keeps the mode the file
# has, and the cache follows the umask.
source "$(dirname "$0")/lib.sh"
umask 000
e2e_start_xvfb 1024x768x24
e2e_program_folder
[ "$(stat -c %a "$E2E_SETTINGS")" = 600 ] || e2e_fail "the installed settings file has mode $(stat -c %a "$E2E_SETTINGS")"
pictures_folder="$E2E_TEMP/my pictures ü"
mkdir "$pictures_folder"
colours=(red lime blue)
rgb=(1,0,0 0,1,0 0,0,1)
pictures=()
for colour in "${colours[@]}"; do
    convert -size 320x240 "xc:$colour" "$pictures_folder/$colour.jpg"
    pictures+=("$pictures_folder/$colour.jpg")
done
e2e_remove_key install firstRun
e2e_set_key total newTotal 3
e2e_set_key total ClonesOfImage 7.0
chmod 640 "$E2E_SETTINGS"
printf '[images]\n0=%s\n1=%s\n2=%s\n' "${pictures[@]}" >>"$E2E_SETTINGS"

e2e_start /c
window=$(e2e_wait_titled " Skyfolio ")
e2e_press "$window" alt+o
e2e_poll "$E2E_PATIENCE" e2e_ended "$E2E_PID" || e2e_fail "Alt+O did not save and end"
wait "$E2E_PID" || e2e_fail "the dialog ended with $?"

grep -qx "newTotal=3" "$E2E_SETTINGS" || e2e_fail "newTotal is not 3"
[ "$(stat -c %a "$E2E_SETTINGS")" = 640 ] || e2e_fail "the save changed the settings file's mode"
[ "$(stat -c %a "$E2E_FOLDER/SkyfolioImg/skyfss2.dib")" = 666 ] || e2e_fail "a cache file does not follow the umask"
grep -qx "ClonesOfImage=7" "$E2E_SETTINGS" || e2e_fail "ClonesOfImage is not as the dialog holds it"
[ "$(sed -n '/^\[images\]/,/^\[/p' "$E2E_SETTINGS" | grep -c '=')" -eq 3 ] || e2e_fail "the images section"
for i in 0 1 2; do
    grep -qxF "$i=${pictures[$i]}" "$E2E_SETTINGS" || e2e_fail "picture $i"
    cached="$E2E_FOLDER/SkyfolioImg/skyfss$i.dib"
    # 320 x 240 pixels are 4800 x 3600 twips: times 0.82, less the box's border.
    [ "$(identify -format '%wx%h' "bmp:$cached")" = 260x195 ] || e2e_fail "the size of $cached"
    [ "$(convert "bmp:$cached" -format '%[fx:round(p{9,9}.r)],%[fx:round(p{9,9}.g)],%[fx:round(p{9,9}.b)]' info:)" \
        = "${rgb[$i]}" ] || e2e_fail "the colour of $cached"
done

# Skyflock flies copies of the first picture, which is red.
saver_shows_red() {
    e2e_screenshot
    local red
    red=$(convert "$E2E_TEMP/screen.png" -fuzz 30% -fill black +opaque red -fill white -opaque red -format '%[fx:mean]' info:)
    awk -v red="$red" 'BEGIN { exit !(red > 0.001) }'
}
e2e_start /s
e2e_poll "$E2E_PATIENCE" saver_shows_red || e2e_fail "the saver shows no red picture"
echo "PASS: settings_save"
