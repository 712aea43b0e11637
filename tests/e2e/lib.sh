# shellcheck shell=bash
# Shared helpers of the end-to-end tests, sourced by each test script and by scripts/demo.
#
# A test runs the real launcher under Wine on a virtual X display of its own and looks at it
# from outside with velkan-inspect.exe. Everything that a test starts is remembered by pid and
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

# e2e_init EXE INSPECT WORK: remembers the programs, empties the work folder and arms the
# clean-up. WINEPREFIX must name a throwaway prefix (the one the test fixture made), so that
# nothing here ever touches a player's own prefix.
e2e_init() {
    E2E_EXE=$1
    E2E_INSPECT=$2
    E2E_WORK=$3
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
register_game_folder() {
    local windows_path
    wine_logged winepath winepath -w "$1" || return 1
    windows_path=$(tr -d '\r\n' <"$E2E_WORK/logs/winepath.log")
    wine_logged reg-add wine reg add \
        'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\GhostRecon.exe' \
        /v Path /t REG_SZ /d "$windows_path" /f
}

# start_launcher: starts the launcher in the background from the work folder; sets launcher_pid.
start_launcher() {
    (cd "$E2E_WORK" && exec wine "$E2E_EXE") </dev/null >"$E2E_WORK/logs/launcher.log" 2>&1 &
    launcher_pid=$!
    e2e_started_pids+=("$launcher_pid")
}

# inspect FILE ARGS...: runs velkan-inspect.exe with ARGS; its report goes into FILE.
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
            echo "timed out after ${seconds}s waiting for /$pattern/ in: velkan-inspect $*"
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
