#!/usr/bin/env bash
# Real input from the X server: a click into the address box clears the prompt; leaving the box
# keeps what was typed; choices toggled by key and by click return to their start states, and
# the typed text is cleared, as soon as the address box gets the focus again, here by Tab; Esc
# then closes the launcher without writing anything.
# Usage: address-box-focus.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"

game="$E2E_WORK/Ghost Recon"
make_game_folder "$game"
write_mod_options "$game/Mods/Velkan/vk_options.xml" FALSE TRUE FALSE FALSE
register_game_folder "$game" || exit 1
folder_state "$game" >"$E2E_WORK/before.txt"

open_launcher "$E2E_WORK/start.txt" || exit 1
focus_window "Velkan Launcher" || exit 1

# step | input | focus | address box | checks of 1004 1005 1006
# The tab order is 1011, 1004, 1005, 1006, 1007, 1008, 1010.
while IFS='|' read -r step input focus address checks; do
    read -ra actions <<<"$input"
    user_input "${actions[@]}" || fail "$step: input failed"
    report="$E2E_WORK/$step.txt"
    inspect "$report" dialog "Velkan Launcher" || true
    launcher=$(window_block "$report" 1011)
    expect_equal "$step: focus" "$focus" "$(field "$(grep '^focus ' <<<"$launcher")" id)"
    expect_equal "$step: address box" "$address" "$(field "$(control_line "$launcher" 1010)" text)"
    read -r intro window_mode fps_rate <<<"$checks"
    for expected in "1004 $intro" "1005 $window_mode" "1006 $fps_rate"; do
        read -r id check <<<"$expected"
        expect_equal "$step: control $id check" "$check" "$(field "$(control_line "$launcher" "$id")" check)"
    done
done <<'STEPS'
click-clears-prompt|click:1010|1010||1 0 0
typed|text:192.0.2.77|1010|192.0.2.77|1 0 0
toggled-by-key|key:shift+Tab key:shift+Tab key:shift+Tab key:shift+Tab key:space|1005|192.0.2.77|1 1 0
toggled-by-click|click:1004|1004|192.0.2.77|0 1 0
tab-into-box-resets|key:Tab key:Tab key:Tab key:Tab key:Tab|1010||1 0 0
STEPS
screenshot after-input

close_with_escape || fail "the launcher did not close on Esc"
folder_state "$game" >"$E2E_WORK/after.txt"
if ! diff -u "$E2E_WORK/before.txt" "$E2E_WORK/after.txt" >"$E2E_WORK/changes.diff"; then
    fail "the game folder changed:"
    cat "$E2E_WORK/changes.diff"
fi

e2e_finish
