# Every setting the saver must read as a number or as True/False, missing,
# empty or garbage in turn: the fixed message, a clean exit, and the settings
# file as it was.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb 640x480x24
e2e_program_folder
e2e_set_key install firstRun 0  # as after a save: the saver writes nothing
cp "$E2E_SETTINGS" "$E2E_TEMP/settings.ini"

# section, key, the effect that reads it
cases=(
    "speed imageSpeed 0"
    "saver newBackColor 0"
    "saver NeverChange 2"
    "saver SpeedofSplat 7"
    "saver DeckGradient 4"
    "saver PsychGradient 3"
)
for entry in "${cases[@]}"; do
    read -r section key effect <<<"$entry"
    for fault in missing empty garbage; do
        cp "$E2E_TEMP/settings.ini" "$E2E_SETTINGS"
        e2e_set_key saver mode "$effect"
        case $fault in
            missing) e2e_remove_key "$section" "$key" ;;
            empty) e2e_set_key "$section" "$key" "" ;;
            garbage) e2e_set_key "$section" "$key" "12 or so" ;;
        esac
        e2e_expect_refused_start "$key $fault"
    done
done
