#!/usr/bin/env bash
# Esc closes the launcher window and ends the program without touching the game folder.
# Usage: escape-writes-nothing.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"

game="$E2E_WORK/Ghost Recon"
make_game_folder "$game"
register_game_folder "$game" || exit 1
folder_state "$game" >"$E2E_WORK/before.txt"

open_launcher "$E2E_WORK/launcher.txt" || exit 1
screenshot launcher
focus_window "Velkan Launcher" && press_key Escape
wait_for_exit "$launcher_pid" 30 || fail "the launcher was still running 30 s after Esc"

inspect "$E2E_WORK/after-escape.txt" windows
if grep -q 'title="Velkan Launcher"' "$E2E_WORK/after-escape.txt"; then
    fail "a window titled Velkan Launcher is left: $(grep 'Velkan Launcher' "$E2E_WORK/after-escape.txt")"
fi
folder_state "$game" >"$E2E_WORK/after.txt"
if ! diff -u "$E2E_WORK/before.txt" "$E2E_WORK/after.txt" >"$E2E_WORK/changes.diff"; then
    fail "the game folder changed:"
    cat "$E2E_WORK/changes.diff"
fi

e2e_finish
