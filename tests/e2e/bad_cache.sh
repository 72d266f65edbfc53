# A cache picture that is missing, empty, truncated or no picture at all:
# the fixed message and a clean exit, the settings file unchanged. A picture
# of 1 x 1 pixel and a negative number of copies still make a saver.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
e2e_program_folder
e2e_set_key install firstRun 0
cache=$E2E_FOLDER/SkyfolioImg/skyfss0.dib
cp "$cache" "$E2E_TEMP/good.dib"

for fault in missing empty truncated text; do
    case $fault in
        missing) rm -f "$cache" ;;
        empty) : >"$cache" ;;
        truncated) head -c 100 "$E2E_TEMP/good.dib" >"$cache" ;;
        text) echo "not a picture" >"$cache" ;;
    esac
    e2e_expect_refused_start "$fault"
done

run_and_end() {
    e2e_start /s
    e2e_wait_window "$E2E_PID" >/dev/null
    xdotool key space
    e2e_wait_exit "$E2E_PID"
}
convert -size 1x1 xc:orange "BMP3:$cache"
run_and_end
cp "$E2E_TEMP/good.dib" "$cache"
e2e_set_key total ClonesOfImage -5
run_and_end
