# "/c" with an empty list: the Image Files tab's Folder... button (Alt+F)
# adds a folder's pictures of every format, in natural order, without its
# hidden files and a text file named .jpg; Alt+O saves them into the settings
# file and the cache, upright.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 1024x768x24
e2e_program_folder
pictures="$E2E_TEMP/phone photos"
mkdir -p "$pictures/holiday" "$pictures/.thumbnails"
convert -size 320x240 xc:red "$pictures/IMG_10.png"
convert -size 320x240 xc:lime "$pictures/IMG_2.heic"
convert -size 320x240 xc:yellow "$pictures/holiday/beach.webp"
# Stored lying on its side, blue on the left: upright it is blue on top.
convert -size 160x240 xc:blue -size 160x240 xc:red +append -orient RightTop "$pictures/scan.tif"
convert -size 320x240 xc:white "$pictures/.thumbnails/IMG_2.jpg"
convert -size 320x240 xc:white "$pictures/.hidden.jpg"
echo "not a picture" >"$pictures/notes.jpg"
e2e_remove_key install firstRun
e2e_set_key total newTotal 0

e2e_start /c
window=$(e2e_wait_titled " Skyfolio ")
xdotool windowfocus --sync "$window" key alt+f
chooser=$(e2e_wait_titled "Select a folder to add")
xdotool windowfocus --sync "$chooser" type --delay 5 "$pictures"
xdotool key Return
e2e_poll 10 e2e_ended_window "$chooser" || e2e_fail "the folder dialog stays open"

# The pictures come in once the search is done; until then a save finds the
# list empty and says so.
ended_or_told() { e2e_ended "$E2E_PID" || e2e_message_box_of "$E2E_PID"; }
saved=no
for _ in $(seq 40); do
    xdotool windowfocus --sync "$window" key alt+o
    e2e_poll 30 ended_or_told || e2e_fail "Alt+O neither saved nor said why not"
    if e2e_ended "$E2E_PID"; then
        saved=yes
        break
    fi
    message=$(e2e_message_box_of "$E2E_PID")
    xdotool windowfocus --sync "$message" key Return
    e2e_poll 5 e2e_ended_window "$message" || e2e_fail "the message stays open"
done
[ "$saved" = yes ] || e2e_fail "the dialog did not save the folder's pictures"
wait "$E2E_PID" || e2e_fail "the dialog ended with $?"

expected=("$pictures/holiday/beach.webp" "$pictures/IMG_2.heic" "$pictures/IMG_10.png" "$pictures/scan.tif")
grep -qx "newTotal=4" "$E2E_SETTINGS" || e2e_fail "newTotal is not 4"
for i in 0 1 2 3; do
    grep -qxF "$i=${expected[$i]}" "$E2E_SETTINGS" || e2e_fail "picture $i is not ${expected[$i]}"
done
cached() { convert "bmp:$E2E_FOLDER/SkyfolioImg/skyfss$1.dib" -format "%[fx:round(p{$2,$3}.r)],%[fx:round(p{$2,$3}.g)],%[fx:round(p{$2,$3}.b)]" info:; }
colours=(1,1,0 0,1,0 1,0,0)
for i in 0 1 2; do
    # 320 x 240 pixels are 4800 x 3600 twips: times 0.82, less the box's border.
    [ "$(identify -format '%wx%h' "bmp:$E2E_FOLDER/SkyfolioImg/skyfss$i.dib")" = 260x195 ] || e2e_fail "the size of cache picture $i"
    [ "$(cached "$i" 9 9)" = "${colours[$i]}" ] || e2e_fail "the colour of cache picture $i"
done
[ "$(identify -format '%wx%h' "bmp:$E2E_FOLDER/SkyfolioImg/skyfss3.dib")" = 195x260 ] || e2e_fail "the scan is not upright"
[ "$(cached 3 97 9)" = 0,0,1 ] && [ "$(cached 3 97 250)" = 1,0,0 ] || e2e_fail "the scan is not turned as its file says"
echo "PASS: settings_add_folder"
