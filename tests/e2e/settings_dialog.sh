#!/usr/bin/env bash
# The settings dialog of the real program under a private X server.
#
#   settings_dialog.sh <build folder> cancel
#       "/c" opens " Skyfolio " at its size with the focus on Cancel; Enter
#       leaves, writing nothing.
#   settings_dialog.sh <build folder> save
#       "/c" with three pictures listed; Alt+O saves them into the settings
#       file and the cache and ends; "/s" then shows the new pictures.
set -euo pipefail
build=$(realpath "$1")
case=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Our own display: other X servers may run beside this one.
exec {displayfd}>"$work/display"
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

folder="$work/program folder"
mkdir "$folder"
cp "$build/startup/skyfolio" "$folder/"
"$build/tools/skyfolio-install" "$folder"
settings="$folder/r909izarav.ini"

# A saved settings file (not the first run) listing `pictures`; ClonesOfImage
# is in a form a save would rewrite, so that any save shows.
write_settings() {
    {
        echo "[images]"
        local i=0
        for picture in "$@"; do echo "$i=$picture"; i=$((i + 1)); done
        echo "[total]"; echo "newTotal=$#"; echo "ClonesOfImage=7.0"
        echo "[speed]"; echo "imageSpeed=20"
        echo "[saver]"
        printf '%s\n' mode=0 SpeedofSplat=10 SpeedofJump=10 DeckGradient=10 PsychGradient=10 NextImageTime=10 \
            IntroImageAmount=3 NeverChange=False ChangeNextImage=2 mouseSensitivity=5 newBackColor=0 effectMode=0 \
            randomEffect=1 centerImage=0 floatImageSpeed=3
        echo "[password]"; echo "saverPassword="; echo "saverEnabled=0"
    } >"$settings"
}

start() {
    (cd "$folder" && exec ./skyfolio "$@") &
    app=$!
    pids+=("$app")
}

# The window titled exactly " Skyfolio ", once it is on the screen.
settings_window() {
    for _ in $(seq 100); do
        local id
        id=$(xdotool search --onlyvisible --name '^ Skyfolio $' 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no settings window"
}

ended_with_zero() {
    timeout 20 tail --pid="$app" -f /dev/null || fail "the program did not end"
    wait "$app" || fail "the program ended with $?"
}

case $case in
cancel)
    write_settings "$folder/Image1.jpg" "$folder/Image2.jpg"
    cp "$settings" "$work/before.ini"
    start /c
    window=$(settings_window)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # 7125 twips wide; 6855 twips of client area below the menu bar.
    [ "$WIDTH" -eq 475 ] || fail "width $WIDTH"
    [ "$HEIGHT" -gt 457 ] && [ "$HEIGHT" -le 497 ] || fail "height $HEIGHT"
    xdotool windowfocus --sync "$window"
    xdotool key Return
    ended_with_zero
    cmp "$work/before.ini" "$settings" || fail "the settings file changed"
    ;;
save)
    colours=(red lime blue)
    rgb=(1,0,0 0,1,0 0,0,1)
    pictures=()
    for colour in "${colours[@]}"; do
        convert -size 320x240 "xc:$colour" "$folder/$colour picture ü.jpg"
        pictures+=("$folder/$colour picture ü.jpg")
    done
    write_settings "${pictures[@]}"
    start /c
    window=$(settings_window)
    xdotool windowfocus --sync "$window"
    xdotool key alt+o
    ended_with_zero

    grep -qx "newTotal=3" "$settings" || fail "newTotal"
    grep -qx "ClonesOfImage=7" "$settings" || fail "ClonesOfImage as the dialog holds it"
    [ "$(sed -n '/^\[images\]/,/^\[/p' "$settings" | grep -c '=')" -eq 3 ] || fail "images section"
    for i in 0 1 2; do
        grep -qxF "$i=${pictures[$i]}" "$settings" || fail "picture $i"
        cached="$folder/SkyfolioImg/skyfss$i.dib"
        # 320 x 240 pixels are 4800 x 3600 twips: times 0.82, less the box's border.
        [ "$(identify -format '%wx%h' "bmp:$cached")" = "260x195" ] || fail "size of $cached"
        [ "$(convert "bmp:$cached" -format '%[fx:round(p{9,9}.r)],%[fx:round(p{9,9}.g)],%[fx:round(p{9,9}.b)]' info:)" \
            = "${rgb[$i]}" ] || fail "colour of $cached"
    done

    start /s
    sleep 3
    import -window root "$work/saver.png"
    kill "$app" 2>/dev/null || true
    # Skyflock flies copies of the first picture, which is red.
    red=$(convert "$work/saver.png" -fuzz 30% -fill black +opaque red -fill white -opaque red -format '%[fx:mean]' info:)
    awk -v red="$red" 'BEGIN { exit !(red > 0.001) }' || fail "the saver shows no red picture ($red)"
    ;;
*)
    fail "unknown case $case"
    ;;
esac
echo "PASS: settings dialog, $case"
