# shellcheck shell=bash
# Shared helpers of the end-to-end tests, sourced by each test script and by scripts/demo.
#
# A test runs the real launcher under Wine on a virtual X display of its own and looks at it
# from outside with velkan-probe.exe. Everything that a test starts is remembered by pid and
# ended on every way out; wineserver is only ever told about the test's own WINEPREFIX.
#
# Every wine command writes into a file of the work folder, never into a pipe: the wineserver
# and the services that a command starts inherit its output, and would hold a pipe open long
# after the command itself has ended.

E2E_SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

e2e_failures=0
e2e_started_pids=()
e2e_xvfb_pid=
launcher_pid=

export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs and no desktop menu entries for the throwaway prefix.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"

# e2e_init EXE INSPECT WORK [GAME]: remembers the programs (GAME: the stand-in game that tests of
# a launch install), empties the work folder and arms the clean-up. WINEPREFIX must name a
# throwaway prefix (the one the test fixture made), so that nothing here ever touches a player's
# own prefix.
e2e_init() {
    E2E_EXE=$1
    E2E_INSPECT=$2
    E2E_WORK=$3
    E2E_GAME=${4:-}
    if [ -z "${WINEPREFIX:-}" ]; then
        echo "error: WINEPREFIX must name a throwaway prefix" >&2
        exit 2
    fi
    rm -rf "$E2E_WORK"
    mkdir -p "$E2E_WORK/logs"
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
}

# fail MESSAGE: records a failed expectation; the test goes on to show every difference.
fail() {
    echo "FAIL: $*"
    e2e_failures=$((e2e_failures + 1))
}

# expect_equal WHAT EXPECTED ACTUAL
expect_equal() {
    if [ "$2" != "$3" ]; then
        fail "$1: expected '$2', got '$3'"
    fi
}

# e2e_finish: the test's verdict as its exit status.
e2e_finish() {
    if [ "$e2e_failures" -ne 0 ]; then
        echo "$e2e_failures expectation(s) failed; artefacts in $E2E_WORK"
        exit 1
    fi
    echo "passed; artefacts in $E2E_WORK"
    exit 0
}

e2e_cleanup() {
    local status=$?
    local pid
    for pid in "${e2e_started_pids[@]}"; do
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    # Ends the Wine processes of this prefix only, the desktop process included, so that the
    # next test starts a fresh one on its own display.
    wineserver -k >"$E2E_WORK/logs/wineserver-kill.log" 2>&1 || true
    timeout 30 wineserver -w >"$E2E_WORK/logs/wineserver-wait.log" 2>&1 || true
    if [ -n "$e2e_xvfb_pid" ] && kill -0 "$e2e_xvfb_pid" 2>/dev/null; then
        kill "$e2e_xvfb_pid" 2>/dev/null || true
        wait "$e2e_xvfb_pid" 2>/dev/null || true
    fi
    exit "$status"
}

# start_display: a fresh Xvfb on a display number that no other run holds; exports DISPLAY.
# Numbers are drawn at random so that a display left over from an earlier run is never reused.
# e2e_start_test ARGS...: e2e_init, then a display of the test's own.
e2e_start_test() {
    e2e_init "$@"
    start_display || exit 1
}

start_display() {
    local attempt number
    for attempt in 1 2 3 4 5 6 7 8; do
        number=$((1000 + RANDOM % 30000))
        if [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; then
            continue
        fi
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp \
            >"$E2E_WORK/logs/xvfb-$attempt.log" 2>&1 &
        e2e_xvfb_pid=$!
        if wait_for_display "$number"; then
            export DISPLAY=":$number"
            return 0
        fi
        kill "$e2e_xvfb_pid" 2>/dev/null || true
        wait "$e2e_xvfb_pid" 2>/dev/null || true
        e2e_xvfb_pid=
    done
    echo "error: no virtual display could be started" >&2
    return 1
}

wait_for_display() {
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        if ! kill -0 "$e2e_xvfb_pid" 2>/dev/null; then
            return 1
        fi
        if xdpyinfo -display ":$1" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# wine_logged NAME COMMAND...: runs a Wine command with its output in logs/NAME.log.
wine_logged() {
    local name=$1
    shift
    "$@" </dev/null >"$E2E_WORK/logs/$name.log" 2>&1
}

# make_game_folder DIR: a copy of the demo installation that the repository carries.
make_game_folder() {
    mkdir -p "$1"
    cp -R "$E2E_SOURCE_DIR/demo/Ghost Recon/." "$1"
}

# write_crlf FILE LINE...: a text file as the game writes them, every line ended by CR LF.
write_crlf() {
    local file=$1
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\r\n' "$@" >"$file"
}

# register_game_folder DIR: names DIR as the game folder in the registry of the prefix, as its
# Windows path (drive Z: is the Unix root), without a trailing backslash, as installers do.
# write_mod_options FILE FIRSTRUN DOINTRO WINDOWMODE SHOWFPSRATE: the mod's options file with
# these four values, as the launcher itself writes it.
write_mod_options() {
    write_crlf "$1" '<VKOptionsFile>' $'\t'"<FirstRun>$2</FirstRun>" $'\t'"<DoIntro>$3</DoIntro>" \
        $'\t'"<WindowMode>$4</WindowMode>" $'\t'"<ShowFPSRate>$5</ShowFPSRate>" '</VKOptionsFile>'
}

register_game_folder() {
    local path
    path=$(windows_path "$1") || return 1
    wine_logged reg-add wine reg add \
        'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\GhostRecon.exe' \
        /v Path /t REG_SZ /d "$path" /f
}

# windows_path PATH: PATH as Windows programs in the prefix see it (drive Z: is the Unix root).
windows_path() {
    wine_logged winepath winepath -w "$1" || return 1
    tr -d '\r\n' <"$E2E_WORK/logs/winepath.log"
}

# install_stand_ins DIR: puts into the game folder DIR a stand-in for the game, which records its
# command line and working folder in ghostrecon-started.txt beside it, and a stand-in for the
# mod's batch file, which adds the line "mp32wav.bat ran" to mp32wav-ran.txt beside it.
install_stand_ins() {
    cp "$E2E_GAME" "$1/ghostrecon.exe" &&
        write_crlf "$1/Mods/Velkan/mp32wav.bat" '@echo off' \
            'echo mp32wav.bat ran>>"%~dp0mp32wav-ran.txt"'
}

# start_launcher: starts the launcher in the background from the work folder; sets launcher_pid.
start_launcher() {
    (cd "$E2E_WORK" && exec wine "$E2E_EXE") </dev/null >"$E2E_WORK/logs/launcher.log" 2>&1 &
    launcher_pid=$!
    e2e_started_pids+=("$launcher_pid")
}

# open_launcher REPORT: starts the launcher and waits until its window shows Start; the
# inspection report of the window is left in REPORT.
open_launcher() {
    start_launcher
    wait_for_report "$1" '^control id=1011 .* visible=1 ' 60 dialog "Velkan Launcher"
}

# inspect FILE ARGS...: runs velkan-probe.exe with ARGS; its report goes into FILE.
inspect() {
    local file=$1
    shift
    wine "$E2E_INSPECT" "$@" </dev/null >"$file" 2>>"$E2E_WORK/logs/inspect.log"
}

# wait_for_report FILE PATTERN SECONDS ARGS...: repeats an inspection until a line of its
# report matches the extended regular expression PATTERN. The last report stays in FILE.
wait_for_report() {
    local file=$1 pattern=$2 seconds=$3
    shift 3
    local deadline=$((SECONDS + seconds))
    while true; do
        inspect "$file" "$@" || true
        if grep -Eq -- "$pattern" "$file"; then
            return 0
        fi
        if ((SECONDS >= deadline)); then
            echo "timed out after ${seconds}s waiting for /$pattern/ in: velkan-probe $*"
            cat "$file"
            return 1
        fi
        sleep 0.5
    done
}

# window_block FILE CONTROL_ID: the lines of the window in a dialog report that holds the
# control, from its window line to its focus line. A message box shares the launcher's title.
window_block() {
    awk -v id="$2" '
        /^window / { block = ""; holds = 0 }
        { block = block $0 "\n" }
        $0 ~ "^control id=" id " " { holds = 1 }
        /^focus / && holds { printf "%s", block; exit }
    ' "$1"
}

# field LINE NAME: the value of NAME=value in a report line; quoted texts lose their quotes.
field() {
    local line=$1 name=$2
    if [[ $line =~ (^|[[:space:]])$name=\"(([^\"\\]|\\.)*)\" ]]; then
        printf '%s' "${BASH_REMATCH[2]}"
    elif [[ $line =~ (^|[[:space:]])$name=([^[:space:]]*) ]]; then
        printf '%s' "${BASH_REMATCH[2]}"
    fi
}

# control_line BLOCK ID: the report line of one control.
control_line() {
    grep -E "^control id=$2 " <<<"$1" | head -n 1
}

# focus_window TITLE: gives the keyboard focus to the visible window so titled. Xvfb has no
# window manager, so the X focus is set directly on the X window that Wine shows it in.
focus_window() {
    local report="$E2E_WORK/logs/focus-report.txt"
    local x11 tries
    inspect "$report" dialog "$1" || true
    x11=$(grep -E '^window .* visible=1 ' "$report" | head -n 1 | grep -Eo 'x11=0x[0-9A-F]+' |
        cut -d= -f2 || true)
    if [ -z "$x11" ]; then
        x11=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    fi
    if [ -z "$x11" ]; then
        echo "no visible window titled '$1' to focus"
        return 1
    fi
    for ((tries = 0; tries < 20; tries++)); do
        xdotool windowfocus "$x11" >/dev/null 2>&1 || true
        if [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((x11))" ]; then
            return 0
        fi
        sleep 0.25
    done
    echo "window '$1' ($x11) did not take the focus"
    return 1
}

# press_key KEY: a real key press through the X server (XTEST), to the focused window.
press_key() {
    xdotool key "$1"
}

# wait_for_exit PID SECONDS: whether the process ended in time.
wait_for_exit() {
    local pid=$1 deadline=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null; do
        if ((SECONDS >= deadline)); then
            return 1
        fi
        sleep 0.2
    done
    wait "$pid" 2>/dev/null || true
    return 0
}

# wait_for_file FILE SECONDS: whether FILE exists within SECONDS.
wait_for_file() {
    local deadline=$((SECONDS + $2))
    until [ -f "$1" ]; do
        if ((SECONDS >= deadline)); then
            return 1
        fi
        sleep 0.2
    done
}

# screenshot NAME: the whole display as NAME.png in the work folder.
screenshot() {
    import -window root "$E2E_WORK/$1.png" >"$E2E_WORK/logs/screenshot-$1.log" 2>&1 ||
        echo "screenshot $1 could not be taken (see logs/screenshot-$1.log)"
}

# folder_state DIR: every entry of DIR with its kind, size, time of change and checksum, so that
# any write, even one with the same bytes, shows as a difference.
folder_state() {
    (cd "$1" && find . -printf '%y %p %s %T@\n' | sort &&
        find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}

# close_with_escape: Esc in the launcher window; whether the launcher then ended in time.
close_with_escape() {
    focus_window "Velkan Launcher" && press_key Escape && wait_for_exit "$launcher_pid" 30
}

# click_control TITLE ID: a real mouse click into the middle of a control of the window so titled.
click_control() {
    local report="$E2E_WORK/logs/click-report.txt"
    local block origin_x origin_y left top right bottom
    inspect "$report" dialog "$1" || true
    block=$(window_block "$report" "$2")
    if [ -z "$block" ]; then
        echo "no control $2 in a window titled '$1' to click"
        return 1
    fi
    IFS=, read -r origin_x origin_y <<<"$(field "$(head -n 1 <<<"$block")" origin)"
    IFS=, read -r left top right bottom <<<"$(field "$(control_line "$block" "$2")" rect)"
    xdotool mousemove $((origin_x + (left + right) / 2)) $((origin_y + (top + bottom) / 2)) \
        click 1
}

# user_input ACTION...: real input to the launcher window, one action after the other:
#   key:NAME    a key press (an xdotool key name: Tab, shift+Tab, space, Return)
#   click:ID    a mouse click into the middle of the control ID
#   text:TEXT   TEXT typed key by key
user_input() {
    local action
    for action in "$@"; do
        case $action in
        key:*) press_key "${action#key:}" ;;
        click:*) click_control "Velkan Launcher" "${action#click:}" ;;
        text:*) xdotool type --delay 40 "${action#text:}" ;;
        *)
            echo "unknown input action '$action'"
            false
            ;;
        esac || return 1
        # Lets the launcher handle one action before the next arrives, as a person would.
        sleep 0.3
    done
}

# expect_file WHAT EXPECTED ACTUAL: the file ACTUAL holds exactly the bytes of the file EXPECTED;
# a difference is shown line by line, with tabs as ^I and line ends as ^M$.
expect_file() {
    if [ ! -f "$3" ]; then
        fail "$1: $3 was not written"
    elif ! cmp -s "$2" "$3"; then
        fail "$1: $3 differs from the expected bytes:"
        diff <(cat -A "$2") <(cat -A "$3") | head -n 40
    fi
}

# milliseconds_since START: the time since START, a value of $EPOCHREALTIME, in milliseconds.
milliseconds_since() {
    local now=$EPOCHREALTIME
    echo $(((${now/./} - ${1/./}) / 1000))
}

# window_screenshot NAME WINDOW_LINE: the screen area of the window that a report line describes,
# as NAME.png in the work folder.
window_screenshot() {
    local left top right bottom
    IFS=, read -r left top right bottom <<<"$(field "$2" rect)"
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
        "$E2E_WORK/$1.png" >"$E2E_WORK/logs/screenshot-$1.log" 2>&1 ||
        echo "screenshot $1 could not be taken (see logs/screenshot-$1.log)"
}

# Style bits of windows and controls, named as in the Windows headers.
declare -A E2E_STYLE_BITS=(
    [WS_POPUP]=0x80000000 [WS_CHILD]=0x40000000 [WS_VISIBLE]=0x10000000
    [WS_CLIPSIBLINGS]=0x04000000 [WS_CAPTION]=0x00C00000 [WS_BORDER]=0x00800000
    [WS_SYSMENU]=0x00080000 [WS_GROUP]=0x00020000 [WS_TABSTOP]=0x00010000
    [DS_3DLOOK]=0x0004 [DS_SETFONT]=0x0040 [DS_MODALFRAME]=0x0080
    [BS_PUSHBUTTON]=0x0000 [BS_DEFPUSHBUTTON]=0x0001 [BS_AUTOCHECKBOX]=0x0003
    [BS_GROUPBOX]=0x0007 [BS_CENTER]=0x0300 [BS_VCENTER]=0x0C00 [BS_PUSHLIKE]=0x1000
    [BS_FLAT]=0x8000 [SS_LEFT]=0x0000 [SS_ICON]=0x0003 [SS_BITMAP]=0x000E [SS_NOPREFIX]=0x0080
    [SS_CENTERIMAGE]=0x0200 [ES_LEFT]=0x0000
    [WS_EX_DLGMODALFRAME]=0x0001 [WS_EX_NOPARENTNOTIFY]=0x0004 [WS_EX_TRANSPARENT]=0x0020
    [WS_EX_WINDOWEDGE]=0x0100 [WS_EX_CLIENTEDGE]=0x0200 [WS_EX_CONTROLPARENT]=0x00010000
    [WS_EX_APPWINDOW]=0x00040000
)

# style_bits NAMES: the value of style names joined by "+" ("" or "0" for none), as 0x%08X.
style_bits() {
    local value=0 name names
    IFS='+' read -ra names <<<"$1"
    for name in "${names[@]}"; do
        if [ -n "$name" ] && [ "$name" != 0 ]; then
            value=$((value | E2E_STYLE_BITS[$name]))
        fi
    done
    printf '0x%08X' "$value"
}

# expect_style WHAT EXPECTED_NAMES ACTUAL [IGNORED_NAMES]: the style word ACTUAL holds exactly the
# bits named, apart from the bits named as ignored (those that the system adds of its own).
expect_style() {
    local expected ignored actual
    expected=$(style_bits "$2")
    ignored=$(style_bits "${4:-}")
    actual=$(printf '0x%08X' $(($3 & ~ignored)))
    if [ "$actual" != "$expected" ]; then
        fail "$1: expected $expected ($2), got $actual (of $3, ignoring ${4:-nothing});" \
            "bits that differ: $(printf '0x%08X' $((actual ^ expected)))"
    fi
}

# expect_controls WHAT BLOCK TITLE: the controls of a dialog report BLOCK against the table on
# standard input, one row per control in template order:
#   id|class|text|style names|extended style names|x y width height in dialog units|pixel size
# with style names joined by "+" and 0 for none.
# The position and size, mapped to pixels with the dialog units of the window TITLE, must match
# the control's rectangle; a pixel size WxH, where given, replaces the mapped size. Every control
# must be visible. The dialog manager adds WS_EX_NOPARENTNOTIFY to every control, which is
# ignored, and an edit control shows the border of its template as the sunken
# WS_EX_CLIENTEDGE, which is taken for WS_BORDER.
expect_controls() {
    local what=$1 block=$2 title=$3
    local -a rows lines units parts
    local row line index id class text style exstyle dialog_units size mapped
    local actual_class actual_style actual_exstyle left top width height
    mapfile -t rows
    mapfile -t lines < <(grep '^control ' <<<"$block")
    expect_equal "$what: number of controls" "${#rows[@]}" "${#lines[@]}"
    for row in "${rows[@]}"; do
        IFS='|' read -r _ _ _ _ _ dialog_units _ <<<"$row"
        read -ra parts <<<"$dialog_units"
        units+=("${parts[@]}")
    done
    inspect "$E2E_WORK/logs/maprect.txt" maprect "$title" "${units[@]}" ||
        fail "$what: the dialog units of '$title' could not be mapped"
    mapfile -t mapped < <(sed -n 's/^maprect .* rect=//p' "$E2E_WORK/logs/maprect.txt")
    for index in "${!rows[@]}"; do
        IFS='|' read -r id class text style exstyle dialog_units size <<<"${rows[$index]}"
        line=${lines[$index]:-}
        expect_equal "$what: control $((index + 1)) id" "$id" "$(field "$line" id)"
        actual_class=$(field "$line" class)
        expect_equal "$what: control $id class (in any case)" "${class,,}" "${actual_class,,}"
        expect_equal "$what: control $id text" "$text" "$(field "$line" text)"
        expect_equal "$what: control $id visible" 1 "$(field "$line" visible)"
        actual_style=$(field "$line" style)
        actual_exstyle=$(field "$line" exstyle)
        if [ "${class,,}" = edit ] && ((actual_exstyle & E2E_STYLE_BITS[WS_EX_CLIENTEDGE])); then
            actual_style=$((actual_style | E2E_STYLE_BITS[WS_BORDER]))
            actual_exstyle=$((actual_exstyle & ~E2E_STYLE_BITS[WS_EX_CLIENTEDGE]))
        fi
        expect_style "$what: control $id style" "$style" "${actual_style:-0}"
        expect_style "$what: control $id extended style" "$exstyle" "${actual_exstyle:-0}" \
            WS_EX_NOPARENTNOTIFY
        IFS=, read -r left top width height <<<"${mapped[$index]:-}"
        if [ -n "$size" ]; then
            IFS=x read -r width height <<<"$size"
        fi
        expect_equal "$what: control $id rectangle (dialog units $dialog_units)" \
            "$left,$top,$((left + width)),$((top + height))" "$(field "$line" rect)"
    done
}
