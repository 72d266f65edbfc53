# With password protection on, a key opens the password prompt above the
# saver, which goes on running behind it. A wrong password is refused, Enter
# on the empty box goes back to the saver, and the right password ends it.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
e2e_program_folder
e2e_set_key password saverEnabled 1
e2e_set_key password saverPassword Secret

topmost_window() { xwininfo -root -children | grep -o '^ *0x[0-9a-f]*' | head -n1 | tr -d ' '; }
prompt_shown() { xdotool search --onlyvisible --name '^Password Protection$'; }
prompt_hidden() { ! prompt_shown; }
# "INVALID PASSWORD!" is the only red on the prompt.
prompt_warns() {
    import -window "$prompt" "$E2E_TEMP/prompt.png"
    [ "$(convert "$E2E_TEMP/prompt.png" txt:- | grep -ci '#FF0000')" -gt 20 ]
}

e2e_start /s
saver=$(e2e_wait_window "$E2E_PID")
xdotool key a
prompt=$(e2e_wait_titled "Password Protection")
sleep 0.3
e2e_running "$E2E_PID" || e2e_fail "the saver ended"
e2e_windows_of "$E2E_PID" | grep -qx "$saver" || e2e_fail "the saver window went away"
# xwininfo lists the root's children from the top of the stack down.
[ "$(topmost_window)" = "$(printf '0x%x' "$prompt")" ] || e2e_fail "the prompt is not the topmost window"
! prompt_warns || e2e_fail "the prompt warns before any entry"

# Typed without a click: the password box has the keyboard.
xdotool type --delay 20 secret
xdotool key Return
e2e_poll "$E2E_PATIENCE" prompt_warns || e2e_fail "no INVALID PASSWORD! after a wrong password"
sleep 0.3
e2e_running "$E2E_PID" || e2e_fail "a wrong password ended the saver"
prompt_shown >/dev/null || e2e_fail "a wrong password closed the prompt"

# The wrong entry was emptied, so Enter goes back to the saver. The pointer
# strayed meanwhile, unseen by the disabled saver.
xdotool mousemove 10 10
sleep 0.3
e2e_running "$E2E_PID" || e2e_fail "the pointer ended the saver behind the prompt"
xdotool key Return
e2e_poll "$E2E_PATIENCE" prompt_hidden || e2e_fail "Enter on the empty box did not go back to the saver"
e2e_running "$E2E_PID" || e2e_fail "the saver ended"
[ "$(topmost_window)" = "$(printf '0x%x' "$saver")" ] || e2e_fail "the saver is not topmost again"
[ "$(xdotool getmouselocation --shell | head -n2 | tr '\n' ' ')" = "X=639 Y=479 " ] ||
    e2e_fail "the pointer is not back in the bottom-right corner"

# The saver has the keyboard again: the next key opens the prompt again.
xdotool key a
prompt=$(e2e_wait_titled "Password Protection")
xdotool type --delay 20 Secret
xdotool key Return
e2e_wait_exit "$E2E_PID"
