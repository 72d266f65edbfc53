# "/c" with twenty pictures, OK, and a SIGKILL at a different moment of the
# save each time: while the pictures convert, as the new cache files appear,
# as the settings file is replaced, after. Whenever it lands, the settings
# file is the old one or the new one byte for byte, every cache file it names
# is there and decodes, and "/s" starts and draws. The next save removes what
# a killed one left.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 1024x768x24
e2e_program_folder
cache=$E2E_FOLDER/SkyfolioImg

# Noisy photos take a while to convert, so the kills spread over the save.
convert -size 3000x2000 xc:gray +noise Random -quality 92 "$E2E_TEMP/noise.jpg"
pictures=()
for i in $(seq 0 19); do
    cp "$E2E_TEMP/noise.jpg" "$E2E_TEMP/photo $i.jpg"
    pictures+=("$E2E_TEMP/photo $i.jpg")
done
# As after an earlier save of twenty pictures, with a value any save rewrites.
e2e_remove_key install firstRun
e2e_remove_key images 0
e2e_remove_key images 1
e2e_set_key total newTotal 20
e2e_set_key total ClonesOfImage 7.0
e2e_set_key saver newBackColor 16711680  # blue: no photo has it
printf '[images]\n' >>"$E2E_SETTINGS"
for i in $(seq 0 19); do printf '%s=%s\n' "$i" "${pictures[$i]}" >>"$E2E_SETTINGS"; done
for i in $(seq 2 19); do cp "$cache/skyfss0.dib" "$cache/skyfss$i.dib"; done
cp "$E2E_SETTINGS" "$E2E_TEMP/old.ini"
cp -a "$cache" "$E2E_TEMP/old cache"

restore_old() {
    cp "$E2E_TEMP/old.ini" "$E2E_SETTINGS"
    rm -rf "$cache"
    cp -a "$E2E_TEMP/old cache" "$cache"
}

# Opens the dialog and presses OK; E2E_PID is the dialog.
start_save() {
    e2e_start /c
    e2e_press "$(e2e_wait_titled " Skyfolio ")" alt+o
}

pending_files() { find "$cache" -name '*.new*' | wc -l; }

# A save left alone gives the new settings file.
start_save
e2e_wait_exit "$E2E_PID" 60
cmp -s "$E2E_SETTINGS" "$E2E_TEMP/old.ini" && e2e_fail "the save changed nothing"
cp "$E2E_SETTINGS" "$E2E_TEMP/new.ini"

# The moment of kill k: after k pending cache files have appeared, once the
# settings file has changed, or after a spread of short waits.
wait_for_moment() {
    local k=$1 deadline=$((SECONDS + 60))
    while e2e_running "$E2E_PID" && [ $SECONDS -lt $deadline ]; do
        if [ "$k" -lt 20 ]; then
            [ "$(pending_files)" -ge "$k" ] && return 0
        elif [ "$k" -lt 26 ]; then
            cmp -s "$E2E_SETTINGS" "$E2E_TEMP/old.ini" || return 0
        else
            sleep "0.$((k - 26))"
            return 0
        fi
    done
    return 0  # the save was done before the moment came
}

screen_shows_pictures() {
    e2e_screenshot
    [ "$(convert "$E2E_TEMP/screen.png" -fill black +opaque '#0000FF' -fill white -opaque '#0000FF' \
        -format '%[fx:mean < 0.99]' info:)" = 1 ]
}

old_kept=0 new_kept=0 left_over=0
for k in $(seq 0 33); do
    restore_old
    start_save
    wait_for_moment "$k"
    kill -KILL "$E2E_PID" 2>/dev/null || true
    e2e_wait_exit "$E2E_PID"

    if cmp -s "$E2E_SETTINGS" "$E2E_TEMP/old.ini"; then
        old_kept=$((old_kept + 1))
    elif cmp -s "$E2E_SETTINGS" "$E2E_TEMP/new.ini"; then
        new_kept=$((new_kept + 1))
    else
        e2e_fail "kill $k: the settings file is neither the old one nor the new one"
    fi
    [ "$(pending_files)" -gt 0 ] && left_over=$((left_over + 1))
    for i in $(seq 0 19); do
        identify "bmp:$cache/skyfss$i.dib" >/dev/null 2>&1 || e2e_fail "kill $k: cache file $i does not decode"
    done

    e2e_start /s
    saver=$(e2e_wait_window "$E2E_PID")
    e2e_poll "$E2E_PATIENCE" screen_shows_pictures || e2e_fail "kill $k: the saver draws no picture"
    e2e_press "$saver" space
    e2e_wait_exit "$E2E_PID"
done
echo "kills that kept the old settings: $old_kept, the new: $new_kept, that left temporary files: $left_over"

# Whatever the kills left, the next save removes; and ones left on purpose,
# the settings file's by a writer that has ended.
sleep 0 &
ended=$!
wait "$ended"
touch "$cache/skyfss25.dib.new" "$E2E_SETTINGS.new-$ended"
start_save
e2e_wait_exit "$E2E_PID" 60
cmp "$E2E_SETTINGS" "$E2E_TEMP/new.ini" || e2e_fail "the save after the kills wrote another settings file"
[ "$(pending_files)" -eq 0 ] || e2e_fail "temporary cache files stayed: $(find "$cache" -name '*.new*')"
[ -z "$(find "$E2E_FOLDER" -maxdepth 1 -name 'r909izarav.ini.*')" ] || e2e_fail "a temporary settings file stayed"
echo "PASS: save_killed"
