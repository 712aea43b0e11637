#!/usr/bin/env bash
# Once the game has been launched (FirstRun no longer the exact word "TRUE") the three choices
# are shown, each checked exactly when its setting in the mod's options is the word "TRUE".
# Usage: saved-choices-shown.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"

game="$E2E_WORK/Ghost Recon"
make_game_folder "$game"
register_game_folder "$game" || exit 1

# case | FirstRun | DoIntro | WindowMode | ShowFPSRate | checks of 1004 1005 1006
while IFS='|' read -r name first_run intro window_mode fps_rate checks; do
    echo "case $name"
    write_mod_options "$game/Mods/Velkan/vk_options.xml" "$first_run" "$intro" "$window_mode" "$fps_rate"
    report="$E2E_WORK/$name.txt"
    if ! open_launcher "$report"; then
        fail "$name: the launcher window did not open"
        continue
    fi
    screenshot "$name"
    launcher=$(window_block "$report" 1011)
    read -r intro_check window_check fps_check <<<"$checks"
    for expected in "1004 $intro_check" "1005 $window_check" "1006 $fps_check"; do
        read -r id check <<<"$expected"
        line=$(control_line "$launcher" "$id")
        expect_equal "$name: control $id visible" 1 "$(field "$line" visible)"
        expect_equal "$name: control $id check" "$check" "$(field "$line" check)"
    done
    expect_equal "$name: focus" 1011 "$(field "$(grep '^focus ' <<<"$launcher")" id)"
    close_with_escape || fail "$name: the launcher did not close on Esc"
done <<'CASES'
saved-choices|FALSE|TRUE|FALSE|TRUE|1 0 1
exact-words-only|true|True|TRUE|1|0 1 0
CASES

e2e_finish
