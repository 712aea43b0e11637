#!/usr/bin/env bash
# A mod options file that is missing or not well-formed is reported in a box "Document FAILED
# to load!" captioned with the program's name; once it is confirmed with Enter the launcher
# window opens with the three choices shown and unchecked.
# Usage: failed-load-reported.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"

for name in missing not-well-formed; do
    echo "case $name"
    game="$E2E_WORK/$name/Ghost Recon"
    make_game_folder "$game"
    options="$game/Mods/Velkan/vk_options.xml"
    case $name in
    missing) rm "$options" ;;
    not-well-formed) write_crlf "$options" '<VKOptionsFile>' $'\t<FirstRun>TRUE</FirstRun>' ;;
    esac
    register_game_folder "$game" || exit 1
    start_launcher

    report="$E2E_WORK/$name-box.txt"
    if ! wait_for_report "$report" '^msgbox ' 60 msgbox "Velkan Launcher"; then
        fail "$name: no message box"
        continue
    fi
    screenshot "$name-box"
    expect_equal "$name: message box" \
        'msgbox caption="Velkan Launcher" text="Document FAILED to load!" buttons="OK" icon=exclamation' \
        "$(cat "$report")"
    inspect "$E2E_WORK/$name-behind.txt" dialog "Velkan Launcher"
    if grep -Eq '^control id=1011 .* visible=1 ' "$E2E_WORK/$name-behind.txt"; then
        fail "$name: the launcher window is shown before the box is confirmed"
    fi

    focus_window "Velkan Launcher" && press_key Return
    report="$E2E_WORK/$name-launcher.txt"
    if ! wait_for_report "$report" '^control id=1011 .* visible=1 ' 60 dialog "Velkan Launcher"; then
        fail "$name: the launcher window did not open after the box"
        continue
    fi
    screenshot "$name-launcher"
    if inspect "$E2E_WORK/$name-box-after.txt" msgbox "Velkan Launcher"; then
        fail "$name: a message box is still open: $(cat "$E2E_WORK/$name-box-after.txt")"
    fi
    launcher=$(window_block "$report" 1011)
    for id in 1004 1005 1006; do
        line=$(control_line "$launcher" "$id")
        expect_equal "$name: control $id visible" 1 "$(field "$line" visible)"
        expect_equal "$name: control $id check" 0 "$(field "$line" check)"
    done
    expect_equal "$name: address box" "Enter IP Address to Join" \
        "$(field "$(control_line "$launcher" 1010)" text)"
    close_with_escape || fail "$name: the launcher did not close on Esc"
done

e2e_finish
