# The settings window's captions on X11, where the dialog runs, in the fonts
# this machine has: the unit test of them, on an Xvfb of its own.
#
#   dialog_captions.sh <skyfolio> <skyfolio-install> <dialog_tests>
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 1024x768x24
QT_QPA_PLATFORM=xcb "$3" --gtest_filter='DialogCaptionsTest.*' >"$E2E_TEMP/stderr" 2>&1 ||
    e2e_fail "captions are cut off or misplaced on X11"
cat "$E2E_TEMP/stderr"
echo "PASS: dialog_captions"
