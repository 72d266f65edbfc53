# The switch: "/S" and "/s:123" start the saver; "s", " /s", "-s", "/x" and
# no switch at all end at once with no window; "/c:4711" opens the settings;
# "--add-to-xscreensaver" does its job while a saver runs.
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
e2e_wait_exit "$E2E_PID"

# Enrolling with xscreensaver is no instance of the saver: it works while one runs.
e2e_start /s
e2e_wait_window "$E2E_PID" >/dev/null
mkdir "$E2E_TEMP/home"
printf 'programs: deco --root\n' >"$E2E_TEMP/home/.xscreensaver"
HOME=$E2E_TEMP/home "$E2E_EXECUTABLE" --add-to-xscreensaver >/dev/null || e2e_fail "enrolling beside a saver failed"
grep -q "skyfolio --root" "$E2E_TEMP/home/.xscreensaver" || e2e_fail "enrolling beside a saver added nothing"
e2e_running "$E2E_PID" || e2e_fail "the saver ended"
