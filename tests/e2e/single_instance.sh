# While one instance runs, any further start ends at once and shows nothing,
# whatever its switch; an instance that crashed blocks nothing.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
e2e_program_folder

e2e_start /s
first=$E2E_PID
e2e_wait_window "$first" >/dev/null
for switch in /s /c "/p 1" ""; do
    e2e_start $switch
    e2e_wait_exit "$E2E_PID"
done
[ "$(xdotool search --onlyvisible --class skyfolio | wc -l)" -eq 1 ] || e2e_fail "a second window was shown"

kill -KILL "$first"
e2e_wait_exit "$first"
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
xdotool key space
e2e_wait_exit "$E2E_PID"
