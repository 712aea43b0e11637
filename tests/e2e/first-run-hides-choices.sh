#!/usr/bin/env bash
# Before the first launch the mod's options say FirstRun "TRUE": the launcher opens with the
# three choices hidden (keeping the states read from the file), the address box showing its
# prompt and the focus on Start.
# Usage: first-run-hides-choices.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"

game="$E2E_WORK/Ghost Recon"
make_game_folder "$game"
write_mod_options "$game/Mods/Velkan/vk_options.xml" TRUE TRUE FALSE TRUE
register_game_folder "$game" || exit 1

report="$E2E_WORK/launcher.txt"
open_launcher "$report" || exit 1
screenshot launcher
launcher=$(window_block "$report" 1011)

window=$(head -n 1 <<<"$launcher")
expect_equal "window class" "#32770" "$(field "$window" class)"
expect_equal "window visible" 1 "$(field "$window" visible)"
while read -r id visible check text; do
    line=$(control_line "$launcher" "$id")
    expect_equal "control $id text" "$text" "$(field "$line" text)"
    expect_equal "control $id visible" "$visible" "$(field "$line" visible)"
    expect_equal "control $id check" "$check" "$(field "$line" check)"
done <<'TABLE'
1011 1 0 Start
1004 0 1 Display Intro Movie
1005 0 0 Run in Window Mode
1006 0 1 Show Frame Rate
1007 1 0 Quick Join
1008 1 0 Quick Server
1010 1 - Enter IP Address to Join
TABLE
expect_equal "focus" 1011 "$(field "$(grep '^focus ' <<<"$launcher")" id)"
if inspect "$E2E_WORK/msgbox.txt" msgbox "Velkan Launcher"; then
    fail "unexpected message box: $(cat "$E2E_WORK/msgbox.txt")"
fi

e2e_finish
