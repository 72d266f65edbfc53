# Helpers for the tests of the real program: each test script sources this
# file with the built program and installer as its two arguments, gets its
# own X server and its own program folder, and leaves nothing behind.
#
#   source lib.sh <skyfolio> <skyfolio-install>

set -Eeuo pipefail
# A command that fails where nothing checks it ends the test; say which. A
# command substitution's failure is its caller's to judge.
trap '[ "$BASHPID" != $$ ] || e2e_fail "${BASH_SOURCE[0]##*/}, line $LINENO: \"$BASH_COMMAND\" failed"' ERR

E2E_PROGRAM=$(realpath "$1")
E2E_INSTALLER=$(realpath "$2")
E2E_TEMP=$(mktemp -d)
E2E_FOLDER=$E2E_TEMP/program
E2E_SETTINGS=$E2E_FOLDER/r909izarav.ini
# What e2e_start runs: the copy in the program folder, unless a test installs
# the program elsewhere.
E2E_EXECUTABLE=$E2E_FOLDER/skyfolio
E2E_PIDS=()
# Qt wants a private runtime folder; the single-instance lock lives there too.
export XDG_RUNTIME_DIR=$E2E_TEMP/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$E2E_TEMP"
}
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -s "$E2E_TEMP/stderr" ]; then
        echo "--- the program's error output:" >&2
        cat "$E2E_TEMP/stderr" >&2
    fi
    exit 1
}

# Polls `command...` every 50 ms until it succeeds; fails after `seconds`.
e2e_poll() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# Starts a fresh X server of the given size, e.g. 1024x768x24, and waits
# until it answers. Sets DISPLAY. Further arguments go to Xvfb, as
# "-screen 1 640x480x24" for a second X screen.
e2e_start_xvfb() {
    local screen=${1:-1024x768x24}
    E2E_SCREEN_WIDTH=${screen%%x*}
    Xvfb -displayfd 3 -screen 0 "$screen" "${@:2}" -nolisten tcp -noreset 3>"$E2E_TEMP/display" 2>"$E2E_TEMP/xvfb.log" &
    E2E_PIDS+=($!)
    e2e_poll "$E2E_PATIENCE" grep -q '^[0-9]' "$E2E_TEMP/display" || e2e_fail "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$E2E_TEMP/display")
    e2e_poll "$E2E_PATIENCE" xdpyinfo || e2e_fail "Xvfb on $DISPLAY does not answer"
}

# A program folder as installed: the program (a copy, as its own folder is
# where it keeps its files) with its idle watch, the settings file, samples
# and cache.
e2e_program_folder() {
    rm -rf "$E2E_FOLDER"
    mkdir -p "$E2E_FOLDER"
    cp "$E2E_PROGRAM" "$E2E_FOLDER/skyfolio"
    cp "$(dirname "$E2E_PROGRAM")/skyfolio-watch" "$E2E_FOLDER/skyfolio-watch"
    "$E2E_INSTALLER" "$E2E_FOLDER" || e2e_fail "the installer failed"
}

# Sets one key of the settings file, adding it to its section when missing.
e2e_set_key() {
    local section=$1 key=$2 value=$3
    e2e_remove_key "$section" "$key"
    awk -v section="[$section]" -v line="$key=$value" '
        { print }
        $0 == section { print line }
    ' "$E2E_SETTINGS" >"$E2E_SETTINGS.new"
    mv "$E2E_SETTINGS.new" "$E2E_SETTINGS"
}

# Settings for Float over the given pictures, as a save leaves them: one
# after another, each centred after the Standard pause, on black.
e2e_float_over() {
    e2e_remove_key install firstRun
    e2e_set_key saver mode 1
    e2e_set_key saver newBackColor 0
    e2e_set_key saver randomEffect 0
    e2e_set_key saver effectMode 0
    e2e_set_key saver centerImage 1
    e2e_set_key total newTotal $#
    local index=0 picture
    echo "[images]" >>"$E2E_SETTINGS"
    for picture in "$@"; do
        echo "$index=$picture" >>"$E2E_SETTINGS"
        index=$((index + 1))
    done
}

# The settings the CPU benchmarks measure effect $1 with, in a fresh program
# folder: the installed ones, or for Float a 960 x 540 picture floating at
# its fastest and changing every 5 seconds through random transitions.
e2e_measured_effect() {
    e2e_program_folder >/dev/null
    e2e_set_key saver mode "$1"
    [ "$1" = 1 ] || return 0
    [ -f "$E2E_TEMP/photo.jpg" ] || convert -size 960x540 gradient:skyblue-darkgreen "$E2E_TEMP/photo.jpg"
    e2e_float_over "$E2E_TEMP/photo.jpg"
    e2e_set_key saver centerImage 0
    e2e_set_key saver randomEffect 1
    e2e_set_key saver floatImageSpeed 5
    e2e_set_key saver NextImageTime 5
}

e2e_remove_key() {
    local section=$1 key=$2
    awk -v section="[$section]" -v key="$key" '
        /^\[/ { inside = ($0 == section) }
        inside && index($0, key "=") == 1 { next }
        { print }
    ' "$E2E_SETTINGS" >"$E2E_SETTINGS.new"
    mv "$E2E_SETTINGS.new" "$E2E_SETTINGS"
}

# The settings of an earlier save of these pictures, in this order, in
# place of any list the file held.
e2e_list_pictures() {
    local i=0 path
    e2e_remove_key install firstRun
    e2e_set_key total newTotal $#
    awk '/^\[/ { inside = ($0 == "[images]") } !inside { print }' "$E2E_SETTINGS" >"$E2E_SETTINGS.new"
    mv "$E2E_SETTINGS.new" "$E2E_SETTINGS"
    printf '[images]\n' >>"$E2E_SETTINGS"
    for path in "$@"; do
        printf '%d=%s\n' "$i" "$path" >>"$E2E_SETTINGS"
        i=$((i + 1))
    done
}

# Starts the program in the background with the given arguments; E2E_PID is
# its process id.
e2e_start() {
    "$E2E_EXECUTABLE" "$@" 2>>"$E2E_TEMP/stderr" &
    E2E_PID=$!
    E2E_PIDS+=($E2E_PID)
}

e2e_running() { kill -0 "$1" 2>/dev/null; }
e2e_ended() { ! kill -0 "$1" 2>/dev/null; }

# How long a wait may take before it fails: generous, as other builds may
# share the machine. A test that passes never waits this long.
E2E_PATIENCE=30

# Waits until process `pid` ends; fails after `seconds`.
e2e_wait_exit() {
    local pid=$1 seconds=${2:-$E2E_PATIENCE}
    e2e_poll "$seconds" e2e_ended "$pid" || e2e_fail "process $pid still runs after ${seconds}s"
    wait "$pid" 2>/dev/null || true
}

# Whether window `id` is gone or hidden.
e2e_ended_window() { ! xdotool getwindowname "$1" >/dev/null 2>&1 || ! xwininfo -id "$1" | grep -q "IsViewable"; }

# The ids of the visible windows of process `pid`.
e2e_windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null; }

# Waits until process `pid` shows a window and prints its id.
e2e_wait_window() {
    local pid=$1 seconds=${2:-$E2E_PATIENCE}
    e2e_poll "$seconds" e2e_windows_of "$pid" || e2e_fail "process $pid shows no window after ${seconds}s"
    e2e_windows_of "$pid" | head -n1
}

# Waits until a visible window titled exactly `title` exists and prints its id.
e2e_wait_titled() {
    local title=$1 seconds=${2:-$E2E_PATIENCE}
    e2e_poll "$seconds" xdotool search --onlyvisible --name "^$title\$" || e2e_fail "no window \"$title\""
    xdotool search --onlyvisible --name "^$title\$" | head -n1
}

# The id of the message box of process `pid`: a window titled "Skyfolio"
# narrower than the screen (the saver window has the same title and covers it).
e2e_message_box_of() {
    local id WIDTH=0
    for id in $(e2e_windows_of "$1"); do
        [ "$(xdotool getwindowname "$id")" = Skyfolio ] || continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" -lt "$E2E_SCREEN_WIDTH" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Waits until process `pid` shows its message box and prints its id.
e2e_wait_message() {
    local pid=$1 seconds=${2:-$E2E_PATIENCE}
    e2e_poll "$seconds" e2e_message_box_of "$pid" || e2e_fail "process $pid shows no message"
    e2e_message_box_of "$pid"
}

# Presses `key` in `window`. A window takes the keyboard focus a little after
# it appears, so it is given the focus first: a key sent before would go to
# the window that had it.
e2e_press() {
    xdotool windowfocus --sync "$1" key "$2"
}

# Answers a message box with Enter.
e2e_answer() { e2e_press "$1" Return; }

# Starts the saver and expects it to refuse: its message box, answered with
# Enter, then a clean end with the settings file as it was. `what` names the
# case in a failure.
e2e_expect_refused_start() {
    local what=$1 before
    before=$(md5sum <"$E2E_SETTINGS")
    e2e_start /s
    e2e_answer "$(e2e_wait_message "$E2E_PID")"
    e2e_wait_exit "$E2E_PID"
    [ "$(md5sum <"$E2E_SETTINGS")" = "$before" ] || e2e_fail "$what: the settings file changed"
}

# A picture of the whole screen, for e2e_pixel.
e2e_screenshot() { import -window root "$E2E_TEMP/screen.png"; }

# Whether the screen shows more than `count` colours: pictures, not a blank.
e2e_screen_has_colours() {
    e2e_screenshot
    [ "$(identify -format %k "$E2E_TEMP/screen.png")" -gt "$1" ]
}

# The colour of one pixel of the last screenshot, as RRGGBB in hex.
e2e_pixel() { convert "$E2E_TEMP/screen.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }

# Splits the X server's screen into RandR monitors, which the program takes
# for screens of their own: each argument is WIDTHxHEIGHT+X+Y, the first one
# the primary. They are named M0, M1, ... in that order. A message box is
# then a window narrower than the narrowest of them.
e2e_set_monitors() {
    local n=0 geometry size width height name output
    for geometry in "$@"; do
        size=${geometry%%+*}
        width=${size%x*}
        height=${size#*x}
        [ "$width" -ge "$E2E_SCREEN_WIDTH" ] || E2E_SCREEN_WIDTH=$width
        name=M$n
        output=none
        # The primary takes the server's one output, which ends its own
        # monitor of the whole screen.
        if [ "$n" -eq 0 ]; then
            name="*M0"
            output=screen
        fi
        # Millimetres for 96 pixels an inch.
        xrandr --setmonitor "$name" "$width/$((width * 254 / 960))x$height/$((height * 254 / 960))${geometry#"$size"}" \
            "$output" >/dev/null
        n=$((n + 1))
    done
}

# The desktop behind every window in a colour no saver shows here, so that a
# screenshot tells where the desktop shows.
E2E_DESKTOP=FF00FF
e2e_paint_desktop() { xsetroot -solid "#$E2E_DESKTOP"; }

# Where the visible windows of process `pid` lie, WIDTHxHEIGHT+X+Y, one a
# line, sorted.
e2e_window_places() {
    local id
    for id in $(e2e_windows_of "$1"); do
        (
            eval "$(xdotool getwindowgeometry --shell "$id")"
            echo "${WIDTH}x$HEIGHT+$X+$Y"
        )
    done | sort
}

# How many pixels of the last screenshot within `area` (WIDTHxHEIGHT+X+Y)
# have the colour RRGGBB.
e2e_count_colour() {
    convert -precision 12 "$E2E_TEMP/screen.png" -crop "$1" +repage -fill black +opaque "#$2" -fill white -opaque "#$2" \
        -format '%[fx:round(mean*w*h)]\n' info:
}

# How many pixels of the last screenshot within `area` are neither the
# background colour RRGGBB nor the desktop: the pictures shown there.
e2e_picture_pixels() {
    local size=${1%%+*}
    echo $((${size%x*} * ${size#*x} - $(e2e_count_colour "$1" "$2") - $(e2e_count_colour "$1" "$E2E_DESKTOP")))
}
