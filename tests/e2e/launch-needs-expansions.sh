#!/usr/bin/env bash
# Without the second expansion a press of Start shows the stop message captioned "Velkan": the
# launcher stays open, nothing is written and nothing is started. Once an entry named MP2 exists
# in the mods folder, here an ordinary file, the next press launches the game.
# Usage: launch-needs-expansions.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR GAME_STAND_IN
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"
fixtures="$(dirname "$0")/fixtures"

game="$E2E_WORK/Ghost Recon"
make_game_folder "$game"
install_stand_ins "$game" || exit 1
cp "$fixtures/options.xml" "$game/options.xml"
rm -r "$game/Mods/MP2"
register_game_folder "$game" || exit 1
game_path=$(windows_path "$game") || exit 1
folder_state "$game" >"$E2E_WORK/before.txt"

open_launcher "$E2E_WORK/launcher.txt" || exit 1
focus_window "Velkan Launcher" && press_key Return

if wait_for_report "$E2E_WORK/box.txt" '^msgbox ' 30 msgbox "Velkan"; then
    screenshot box
    expect_equal "stop message" \
        'msgbox caption="Velkan" text="Velkan requires both Desert Siege and Island Thunder expansions for Ghost Recon\nto be installed prior to playing it.  Please install and try again." buttons="OK" icon=hand' \
        "$(cat "$E2E_WORK/box.txt")"
    # The message belongs to the launcher window, which takes no input meanwhile.
    inspect "$E2E_WORK/behind-box.txt" dialog "Velkan Launcher" || true
    expect_equal "launcher enabled behind the stop message" 0 \
        "$(field "$(window_block "$E2E_WORK/behind-box.txt" 1011 | head -n 1)" enabled)"
    focus_window "Velkan" && press_key Return
else
    fail "no stop message"
fi

# The launcher is open again and waits for the next press.
wait_for_report "$E2E_WORK/after-box.txt" '^control id=1011 .* visible=1 ' 10 \
    dialog "Velkan Launcher" || fail "the launcher window is gone after the stop message"
if inspect "$E2E_WORK/box-after.txt" msgbox "Velkan"; then
    fail "the stop message is still open: $(cat "$E2E_WORK/box-after.txt")"
fi
kill -0 "$launcher_pid" 2>/dev/null || fail "the launcher ended after the stop message"
expect_equal "launcher enabled" 1 \
    "$(field "$(window_block "$E2E_WORK/after-box.txt" 1011 | head -n 1)" enabled)"
sleep 1
folder_state "$game" >"$E2E_WORK/after.txt"
if ! diff -u "$E2E_WORK/before.txt" "$E2E_WORK/after.txt" >"$E2E_WORK/changes.diff"; then
    fail "the game folder changed after the stop message:"
    cat "$E2E_WORK/changes.diff"
fi

echo "MP2 installed as an ordinary file; Start again"
: >"$game/Mods/MP2"
focus_window "Velkan Launcher" && press_key Return
wait_for_exit "$launcher_pid" 30 || fail "the launcher was still running 30 s after the second press"
wait_for_file "$game/ghostrecon-started.txt" 10
printf '"%s\\ghostrecon.exe"\r\n%s\r\n' "$game_path" "$game_path" >"$E2E_WORK/ghostrecon-started.expected"
expect_file "game start" "$E2E_WORK/ghostrecon-started.expected" "$game/ghostrecon-started.txt"
expect_file "modsset.txt" "$fixtures/modsset.expected.txt" "$game/modsset.txt"

e2e_finish
