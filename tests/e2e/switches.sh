# The switch: "/S" and "/s:123" start the saver; "s", " /s", "-s", "/x" and
# no switch at all end at once with no window; "/c:4711" opens the settings.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
e2e_program_folder

for switch in /S /s:123 "/s 123"; do
    e2e_start $switch
    e2e_wait_window "$E2E_PID" >/dev/null
    xdotool key Escape
    e2e_wait_exit "$E2E_PID"
done

for switch in s " /s" -s /x "" "/"; do
    e2e_start "$switch"
    e2e_wait_exit "$E2E_PID"
done
e2e_start
e2e_wait_exit "$E2E_PID"
[ -z "$(xdotool search --onlyvisible --class skyfolio)" ] || e2e_fail "a window was shown"

e2e_start /c:4711
e2e_wait_titled " Skyfolio " >/dev/null
kill "$E2E_PID"
