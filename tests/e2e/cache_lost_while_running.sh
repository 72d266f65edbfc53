# A cache picture that disappears or is damaged while the saver runs: at the
# next picture change the saver window goes, the fixed message shows, and
# the program ends once it is read.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
e2e_program_folder
e2e_set_key install firstRun 0
# Every copy admitted at the first clock tick, the change at the second.
e2e_set_key saver NextImageTime 1
e2e_set_key saver IntroImageAmount 21
cache=$E2E_FOLDER/SkyfolioImg/skyfss0.dib
cp "$cache" "$E2E_TEMP/good.dib"

for fault in missing overwritten; do
    cp "$E2E_TEMP/good.dib" "$cache"
    e2e_start /s
    saver=$(e2e_wait_window "$E2E_PID")
    # Picture 0 is next after picture 1; the sets already hold both.
    case $fault in
        missing) rm -f "$cache" ;;
        overwritten) echo "not a picture" >"$cache" ;;
    esac
    another_window() { e2e_windows_of "$E2E_PID" | grep -vqx "$saver"; }
    e2e_poll "$E2E_PATIENCE" another_window || e2e_fail "$fault: no message"
    ! e2e_windows_of "$E2E_PID" | grep -qx "$saver" || e2e_fail "$fault: the saver window stays above the message"
    message=$(e2e_windows_of "$E2E_PID" | head -n1)
    [ "$(xdotool getwindowname "$message")" = Skyfolio ] || e2e_fail "$fault: the message has another title"
    e2e_answer "$message"
    e2e_wait_exit "$E2E_PID"
done
