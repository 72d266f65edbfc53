# The real xscreensaver daemon runs Skyfolio as its hack: enrolled and
# chosen, activating the daemon starts "skyfolio --root" in the daemon's
# window on each of two X screens, and it draws pictures there; a RandR
# resize of a screen is followed, pictures reaching the new area; and
# deactivating ends it within 2 s, or as fast as a stock hack, timed beside it.
#
#   xscreensaver_host.sh <skyfolio> <skyfolio-install> <fixture>
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xscreensaver_lib.sh"

e2e_start_xvfb 800x600x24 -screen 1 640x480x24
screen0=$DISPLAY.0
screen1=$DISPLAY.1
e2e_program_folder
e2e_set_key install firstRun 0
ln -s "$E2E_FOLDER/skyfolio" "$XSS_BIN/skyfolio"
xss_settings_from "$3"
xss_give "$E2E_FOLDER"
xss_enrol || e2e_fail "enrolling failed"
# -select counts from 1, the settings' "selected" from 0.
entry_of() { grep '\\n\\$' "$XSS_HOME/.xscreensaver" | grep -n "$1" | head -n1 | cut -d: -f1; }
skyfolio_entry=$(entry_of 'skyfolio --root')
stock_entry=$(entry_of 'deco --root')
sed -i "s/^selected:.*/selected:\t$((skyfolio_entry - 1))/" "$XSS_HOME/.xscreensaver"
stop_hacks() { for pid in $(xss_hacks); do kill "$pid" 2>/dev/null || true; done; }
xss_start_daemon

two_hacks() { [ "$(xss_hacks | wc -l)" -eq 2 ]; }
xscreensaver-command -activate >/dev/null
e2e_poll "$E2E_PATIENCE" two_hacks || e2e_fail "not one hack on each X screen: $(xss_hacks | tr '\n' ' ')"
hacks=$(xss_hacks)
echo "hacks: $hacks"
for pid in $hacks; do
    [ "$(tr '\0' ' ' <"/proc/$pid/cmdline")" = "skyfolio --root " ] ||
        e2e_fail "the hack runs \"$(tr '\0' ' ' <"/proc/$pid/cmdline")\""
    [ "$(readlink "/proc/$pid/exe")" = "$(realpath "$E2E_FOLDER/skyfolio")" ] || e2e_fail "the hack is not Skyfolio"
done

# Pictures of the screen `display`, within `area`, show more than two colours.
shows_pictures() {
    DISPLAY=$1 import -window root -crop "$2" +repage "$E2E_TEMP/part.png" &&
        [ "$(identify -format %k "$E2E_TEMP/part.png")" -gt 2 ]
}
e2e_poll "$E2E_PATIENCE" shows_pictures "$screen0" 800x600+0+0 || e2e_fail "no pictures on the first X screen"
e2e_poll "$E2E_PATIENCE" shows_pictures "$screen1" 640x480+0+0 || e2e_fail "no pictures on the second X screen"

# Shrunk, then grown back: the daemon resizes its window in place, and the
# area that comes back starts black.
window_size() { xwininfo -id "$(tr '\0' '\n' <"/proc/$1/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
first=""
for pid in $hacks; do
    [[ $(tr '\0' '\n' <"/proc/$pid/environ" | grep '^DISPLAY=') == *.0 ]] && first=$pid
done
[ -n "$first" ] || e2e_fail "no hack on the first X screen"
sized() { [ "$(DISPLAY=$screen0 window_size "$first")" = "$1" ]; }
DISPLAY=$screen0 xrandr --newmode shrunk 25.175 640 656 752 800 480 490 492 525
DISPLAY=$screen0 xrandr --addmode screen shrunk
DISPLAY=$screen0 xrandr --output screen --mode shrunk
e2e_poll "$E2E_PATIENCE" sized 640x480 || e2e_fail "the daemon's window did not shrink"
DISPLAY=$screen0 xrandr --output screen --mode 800x600
e2e_poll "$E2E_PATIENCE" sized 800x600 || e2e_fail "the daemon's window did not grow back"
e2e_poll "$E2E_PATIENCE" shows_pictures "$screen0" 160x600+640+0 ||
    e2e_poll "$E2E_PATIENCE" shows_pictures "$screen0" 800x120+0+480 || e2e_fail "no pictures in the area the resize added"
now=$(xss_hacks | sort | tr '\n' ' ')
[ "$now" = "$(echo "$hacks" | sort | tr '\n' ' ')" ] || e2e_fail "the hacks did not live through the resize: $hacks, now $now"

# Milliseconds from deactivating until every hack of this activation ended.
time_deactivation() {
    local pids start gone
    pids=$(xss_hacks)
    start=$(date +%s%N)
    xscreensaver-command -deactivate >/dev/null
    all_gone() { local pid; for pid in $pids; do [ ! -d "/proc/$pid" ] || return 1; done; }
    e2e_poll 10 all_gone || e2e_fail "hacks $pids still run 10 s after deactivating"
    gone=$(date +%s%N)
    echo $(((gone - start) / 1000000))
}
skyfolio_ms=$(time_deactivation)

xscreensaver-command -select "$stock_entry" >/dev/null
e2e_poll "$E2E_PATIENCE" two_hacks || e2e_fail "the stock hack did not start"
stock_ms=$(time_deactivation)
echo "deactivation: Skyfolio ended in $skyfolio_ms ms, the stock hack deco in $stock_ms ms"
# Most of it is the daemon's own way to its hacks, which a busy machine
# slows for every hack alike.
[ "$skyfolio_ms" -le 2000 ] || [ "$skyfolio_ms" -le $((stock_ms + 250)) ] ||
    e2e_fail "Skyfolio took $skyfolio_ms ms to end, the stock hack $stock_ms ms"
