#!/usr/bin/env bash
# The launcher window as its template lays it out: caption, styles, size in dialog units, centred
# on the screen, and its ten controls in template order with their ids, classes, texts, styles
# and places. A picture of the window is kept as window.png.
# Usage: window-layout.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"

# After a first launch every control is shown.
game="$E2E_WORK/Ghost Recon"
make_game_folder "$game"
write_mod_options "$game/Mods/Velkan/vk_options.xml" FALSE TRUE FALSE TRUE
register_game_folder "$game" || exit 1

report="$E2E_WORK/launcher.txt"
open_launcher "$report" || exit 1
launcher=$(window_block "$report" 1011)
window=$(head -n 1 <<<"$launcher")
window_screenshot window "$window"

expect_equal "window class" "#32770" "$(field "$window" class)"
expect_equal "window title" "Velkan Launcher" "$(field "$window" title)"
# Every top-level window clips its siblings, and the dialog manager gives the 3-D look and lets
# the keyboard reach the controls; a caption brings the raised window edge.
expect_style "window style" WS_POPUP+WS_VISIBLE+WS_CAPTION+WS_SYSMENU+DS_SETFONT \
    "$(field "$window" style)" WS_CLIPSIBLINGS+DS_3DLOOK
expect_style "window extended style" WS_EX_APPWINDOW "$(field "$window" exstyle)" \
    WS_EX_WINDOWEDGE+WS_EX_CONTROLPARENT
inspect "$E2E_WORK/client.txt" maprect "Velkan Launcher" 0 0 268 186
IFS=, read -r _ _ width height <<<"$(sed -n 's/^maprect .* rect=//p' "$E2E_WORK/client.txt")"
expect_equal "client area (268 by 186 dialog units)" "${width}x$height" "$(field "$window" client)"

# Centred on the 1024 by 768 screen of the virtual display, to the pixel.
IFS=, read -r left top right bottom <<<"$(field "$window" rect)"
for axis in "horizontally $left $right 1024" "vertically $top $bottom 768"; do
    read -r name low high screen <<<"$axis"
    offset=$((low + high - screen))
    if ((offset < -1 || offset > 1)); then
        fail "window not centred $name: $low..$high on a screen of $screen pixels"
    fi
done

# id|class|text|style|extended style|x y width height in dialog units|pixel size if not mapped
# The template leaves the address box empty; start-up puts the prompt into it.
expect_controls "launcher" "$launcher" "Velkan Launcher" <<'TABLE'
1011|BUTTON|Start|WS_CHILD+WS_VISIBLE+WS_TABSTOP+BS_DEFPUSHBUTTON+BS_FLAT+BS_CENTER+BS_VCENTER|WS_EX_TRANSPARENT|109 136 50 14|
-1|STATIC||WS_CHILD+WS_VISIBLE+SS_BITMAP+SS_CENTERIMAGE|0|0 0 268 185|
1004|BUTTON|Display Intro Movie|WS_CHILD+WS_VISIBLE+WS_TABSTOP+BS_AUTOCHECKBOX+BS_PUSHLIKE|WS_EX_TRANSPARENT|10 112 76 15|
1005|BUTTON|Run in Window Mode|WS_CHILD+WS_VISIBLE+WS_TABSTOP+BS_AUTOCHECKBOX+BS_PUSHLIKE|WS_EX_TRANSPARENT|92 112 85 15|
1006|BUTTON|Show Frame Rate|WS_CHILD+WS_VISIBLE+WS_TABSTOP+BS_AUTOCHECKBOX+BS_PUSHLIKE|WS_EX_TRANSPARENT|185 112 73 15|
1007|BUTTON|Quick Join|WS_CHILD+WS_VISIBLE+WS_TABSTOP+BS_PUSHBUTTON+BS_FLAT|0|23 162 50 14|
1008|BUTTON|Quick Server|WS_CHILD+WS_VISIBLE+WS_TABSTOP+BS_PUSHBUTTON+BS_FLAT|0|192 162 50 14|
1010|EDIT|Enter IP Address to Join|WS_CHILD+WS_VISIBLE+WS_TABSTOP+ES_LEFT+WS_BORDER|0|79 163 85 12|
-1|BUTTON||WS_CHILD+WS_VISIBLE+BS_GROUPBOX+BS_FLAT|0|10 152 167 29|
-1|BUTTON||WS_CHILD+WS_VISIBLE+BS_GROUPBOX+BS_FLAT|0|177 152 81 29|
TABLE

close_with_escape || fail "the launcher did not close on Esc"
e2e_finish
