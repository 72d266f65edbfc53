# An installed copy, staged with the build's own install rules: started with
# an empty home, "/s" makes the user's program folder from the package's
# template and shows its pictures, also when several start at once; "/c"
# saves into that folder; a reinstall never touches it; a folder that
# cannot be made is said in a message box and nothing is left.
#
#   per_user_folder.sh <skyfolio> <skyfolio-install> <build folder>
source "$(dirname "$0")/lib.sh"
stage=$E2E_TEMP/stage
install_stage() { cmake --install "$3" --prefix "$stage/usr" >/dev/null || e2e_fail "the staged install failed"; }
install_stage "$@"
E2E_EXECUTABLE=$stage/usr/libexec/xscreensaver/skyfolio
template=$stage/usr/share/skyfolio
export HOME=$E2E_TEMP/home
unset XDG_DATA_HOME
mkdir "$HOME"
user=$HOME/.local/share/skyfolio
e2e_start_xvfb 800x600x24

# What a user's folder holds, with every file's bytes; the settings file
# aside, as a start names the samples in it.
listing() { (cd "$1" && find . -type f ! -name skyfolio-help.html ! -name r909izarav.ini -exec md5sum {} + | sort -k2); }

# Each with a runtime folder of its own, so that none is a second instance.
pids=()
for i in 1 2 3 4; do
    runtime=$E2E_TEMP/runtime-$i
    mkdir -m 700 "$runtime"
    XDG_RUNTIME_DIR=$runtime e2e_start /s
    pids+=("$E2E_PID")
done
for pid in "${pids[@]}"; do e2e_wait_window "$pid" >/dev/null; done
e2e_poll "$E2E_PATIENCE" e2e_screen_has_colours 20 || e2e_fail "the saver shows no pictures"
kill "${pids[@]}"
for pid in "${pids[@]}"; do e2e_wait_exit "$pid"; done
[ "$(listing "$user")" = "$(listing "$template")" ] || e2e_fail "the user's folder is not the template"
grep -qxF "0=$user/Image1.jpg" "$user/r909izarav.ini" || e2e_fail "the first sample is not named in $user"
[ "$(ls -A "$HOME/.local/share")" = skyfolio ] || e2e_fail "left behind: $(ls -A "$HOME/.local/share")"
[ "$(stat -c %a "$user/r909izarav.ini")" = 600 ] || e2e_fail "the settings file is readable by others"

# The dialog works on the same folder: its save ends the first-run state there.
e2e_start /c
e2e_press "$(e2e_wait_titled " Skyfolio ")" alt+o
e2e_wait_exit "$E2E_PID"
! grep -q '^\[install\]' "$user/r909izarav.ini" || e2e_fail "the dialog did not save into $user"
grep -q '^\[install\]' "$template/r909izarav.ini" || e2e_fail "the template was changed"

# A later build, installed over the old one, leaves the user's files alone.
printf 'a newer sample' >"$template/Image1.jpg"
before=$(listing "$user"; md5sum <"$user/r909izarav.ini")
install_stage "$@"
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
e2e_press "$(e2e_wait_window "$E2E_PID")" Escape
e2e_wait_exit "$E2E_PID"
[ "$(listing "$user"; md5sum <"$user/r909izarav.ini")" = "$before" ] || e2e_fail "a reinstall changed the user's folder"

# A file where a folder must go stops root as well as anyone.
printf 'not a folder' >"$E2E_TEMP/file"
for switch in /s /c; do
    XDG_DATA_HOME=$E2E_TEMP/file/share e2e_start $switch
    e2e_answer "$(e2e_wait_message "$E2E_PID")"
    status=0
    wait "$E2E_PID" || status=$?
    [ "$status" = 1 ] || e2e_fail "$switch ended with $status after its message"
done
[ "$(cat "$E2E_TEMP/file")" = "not a folder" ] || e2e_fail "the file in the way was changed"
