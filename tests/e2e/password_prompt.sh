# With password protection on, a key opens the password prompt above the
# saver, which goes on running behind it.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
e2e_program_folder
e2e_set_key password saverEnabled 1

e2e_start /s
saver=$(e2e_wait_window "$E2E_PID")
xdotool key a
prompt=$(e2e_wait_titled "Password Protection" 5)
sleep 0.3
e2e_running "$E2E_PID" || e2e_fail "the saver ended"
e2e_windows_of "$E2E_PID" | grep -qx "$saver" || e2e_fail "the saver window went away"
# xwininfo lists the root's children from the top of the stack down.
[ "$(xwininfo -root -children | grep -o '^ *0x[0-9a-f]*' | head -n1 | tr -d ' ')" = "$(printf '0x%x' "$prompt")" ] ||
    e2e_fail "the prompt is not the topmost window"
