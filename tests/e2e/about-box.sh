#!/usr/bin/env bash
# The about box, opened from the launcher's system menu with real keys (Alt+Space, then the last
# item of the menu, which start-up appended): its caption, styles and three controls, centred over
# the launcher, which is disabled meanwhile; Enter closes it and the launcher takes input again.
# Every system command from 0x10 to 0x1F opens it, 0x1F among them; Esc closes it too. Nothing
# is written meanwhile. A picture of the box is kept as about.png.
# Usage: about-box.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"

game="$E2E_WORK/Ghost Recon"
make_game_folder "$game"
register_game_folder "$game" || exit 1
folder_state "$game" >"$E2E_WORK/before.txt"

open_launcher "$E2E_WORK/launcher.txt" || exit 1
launcher_window=$(head -n 1 "$E2E_WORK/launcher.txt")

# expect_launcher_enabled WHAT 0|1
expect_launcher_enabled() {
    inspect "$E2E_WORK/launcher-now.txt" dialog "Velkan Launcher" || true
    expect_equal "$1: launcher enabled" "$2" \
        "$(field "$(window_block "$E2E_WORK/launcher-now.txt" 1011 | head -n 1)" enabled)"
}

# expect_about_closed WHAT: the box is gone and the launcher takes input again.
expect_about_closed() {
    local tries
    for ((tries = 0; tries < 20; tries++)); do
        inspect "$E2E_WORK/about-now.txt" dialog "About Velkan Launcher" || break
        sleep 0.25
    done
    if inspect "$E2E_WORK/about-now.txt" dialog "About Velkan Launcher"; then
        fail "$1: the about box is still open"
    fi
    expect_launcher_enabled "$1" 1
}

echo "opened with Alt+Space and the menu's last item"
focus_window "Velkan Launcher" && user_input key:alt+space key:Up key:Return
report="$E2E_WORK/about.txt"
if wait_for_report "$report" '^control id=1 ' 30 dialog "About Velkan Launcher"; then
    about=$(window_block "$report" 1)
    window=$(head -n 1 <<<"$about")
    window_screenshot about "$window"
    expect_equal "about box class" "#32770" "$(field "$window" class)"
    expect_equal "about box visible" 1 "$(field "$window" visible)"
    # As for the launcher window; a modal frame brings its own extended style.
    expect_style "about box style" WS_POPUP+WS_VISIBLE+WS_CAPTION+WS_SYSMENU+DS_MODALFRAME+DS_SETFONT \
        "$(field "$window" style)" WS_CLIPSIBLINGS+DS_3DLOOK
    expect_style "about box extended style" 0 "$(field "$window" exstyle)" \
        WS_EX_DLGMODALFRAME+WS_EX_WINDOWEDGE+WS_EX_CONTROLPARENT
    inspect "$E2E_WORK/about-client.txt" maprect "About Velkan Launcher" 0 0 256 54
    IFS=, read -r _ _ width height <<<"$(sed -n 's/^maprect .* rect=//p' "$E2E_WORK/about-client.txt")"
    expect_equal "about box client area (256 by 54 dialog units)" "${width}x$height" \
        "$(field "$window" client)"
    # Centred over the launcher window, to the pixel.
    IFS=, read -r left top right bottom <<<"$(field "$window" rect)"
    IFS=, read -r owner_left owner_top owner_right owner_bottom <<<"$(field "$launcher_window" rect)"
    for axis in "horizontally $((left + right)) $((owner_left + owner_right))" \
        "vertically $((top + bottom)) $((owner_top + owner_bottom))"; do
        read -r name twice_centre twice_owner_centre <<<"$axis"
        offset=$((twice_centre - twice_owner_centre))
        if ((offset < -2 || offset > 2)); then
            fail "about box not centred $name over the launcher: $(field "$window" rect)" \
                "over $(field "$launcher_window" rect)"
        fi
    done
    expect_equal "focus in the about box" 1 "$(field "$(grep '^focus ' <<<"$about")" id)"
    # id|class|text|style|extended style|x y width height in dialog units|pixel size if not mapped
    # The icon picture takes the size of its icon (32 by 32 pixels), whatever the template says.
    expect_controls "about box" "$about" "About Velkan Launcher" <<'TABLE'
-1|STATIC||WS_CHILD+WS_VISIBLE+SS_ICON|0|11 17 21 20|32x32
-1|STATIC|Velkan Launcher Version 1.0|WS_CHILD+WS_VISIBLE+SS_LEFT+SS_NOPREFIX+WS_GROUP|0|40 10 119 8|
1|BUTTON|OK|WS_CHILD+WS_VISIBLE+WS_TABSTOP+WS_GROUP+BS_DEFPUSHBUTTON|0|199 7 50 14|
TABLE
    expect_launcher_enabled "while the about box is open" 0
    focus_window "About Velkan Launcher" && press_key Return
    expect_about_closed "after Enter"
else
    fail "the about box did not open from the system menu"
fi

echo "opened with the system command 0x1F"
inspect "$E2E_WORK/syscommand.txt" syscommand "Velkan Launcher" 31 ||
    fail "the system command could not be posted"
if wait_for_report "$report" '^control id=1 ' 30 dialog "About Velkan Launcher"; then
    expect_launcher_enabled "while the about box is open" 0
    focus_window "About Velkan Launcher" && press_key Escape
    expect_about_closed "after Esc"
else
    fail "the about box did not open on the system command 0x1F"
fi

close_with_escape || fail "the launcher did not close on Esc"
folder_state "$game" >"$E2E_WORK/after.txt"
if ! diff -u "$E2E_WORK/before.txt" "$E2E_WORK/after.txt" >"$E2E_WORK/changes.diff"; then
    fail "the game folder changed:"
    cat "$E2E_WORK/changes.diff"
fi

e2e_finish
