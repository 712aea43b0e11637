#!/usr/bin/env bash
# Each of the three buttons pressed with real input launches the game: the four files are
# written byte for byte, the mod's batch file runs, the game starts in its folder with the command
# line of the mode (its path in quotes, even with blanks in it, then nothing, " -server" or
# " -client " and the address as the box holds it), and the launcher ends about three seconds
# after the press. Enter in the address box is a plain start. Quick Join with an empty address box
# says "Enter an IP Address" and closes without starting the game. A read-only "options.xml" is
# left as it is while the game still starts.
# Usage: launch-modes.sh LAUNCHER_EXE INSPECT_EXE WORK_DIR GAME_STAND_IN
set -uo pipefail
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_start_test "$@"
fixtures="$(dirname "$0")/fixtures"

# expect_closed_in_time WHAT START PID: the launcher ended between 2.5 and 8 seconds after START
# (a value of $EPOCHREALTIME), which covers its pause of three seconds and Wine's own start and
# end of a process.
expect_closed_in_time() {
    local elapsed
    if ! wait_for_exit "$3" 30; then
        fail "$1: the launcher was still running 30 s after the press"
        return
    fi
    elapsed=$(milliseconds_since "$2")
    echo "$1: the launcher ended $elapsed ms after the press"
    if ((elapsed < 2500 || elapsed > 8000)); then
        fail "$1: the launcher ended $elapsed ms after the press, not in 2500..8000 ms"
    fi
}

# The choices as launched are those of the mod's options (intro on, window mode off, frame rate
# on) unless the case toggles one. With FirstRun "TRUE" the choices are hidden and the tab order
# is Start, Quick Join, Quick Server, address box; otherwise the three choices follow Start.
# case|game folder|FirstRun|input before the press|the press|game arguments|DoIntro WindowMode ShowFPSRate at launch|options.xml
while IFS='|' read -r name folder first_run prepare press arguments choices options; do
    echo "case $name"
    game="$E2E_WORK/$name/$folder"
    make_game_folder "$game"
    install_stand_ins "$game" || exit 1
    cp "$fixtures/options.xml" "$game/options.xml"
    write_mod_options "$game/Mods/Velkan/vk_options.xml" "$first_run" TRUE FALSE TRUE
    register_game_folder "$game" || exit 1
    game_path=$(windows_path "$game") || exit 1
    if [ "$options" = read-only ]; then
        wine_logged attrib wine cmd /c attrib +r "$game_path\\options.xml"
        if [ -n "$(find "$game/options.xml" -perm /222)" ]; then
            fail "$name: options.xml could not be made read-only (see logs/attrib.log)"
            continue
        fi
    fi

    if ! open_launcher "$E2E_WORK/$name/launcher.txt"; then
        fail "$name: the launcher window did not open"
        continue
    fi
    focus_window "Velkan Launcher" || fail "$name: no focus"
    read -ra actions <<<"$prepare"
    user_input "${actions[@]}" || fail "$name: input failed"
    inspect "$E2E_WORK/$name/before-press.txt" dialog "Velkan Launcher" || true
    started=$EPOCHREALTIME
    user_input "$press" || fail "$name: the press failed"

    if [ "$arguments" = "<not started>" ]; then
        if wait_for_report "$E2E_WORK/$name/box.txt" '^msgbox ' 30 msgbox "Velkan Launcher"; then
            expect_equal "$name: message box" \
                'msgbox caption="Velkan Launcher" text="Enter an IP Address" buttons="OK" icon=none' \
                "$(cat "$E2E_WORK/$name/box.txt")"
            screenshot "$name-box"
        else
            fail "$name: no message box"
        fi
        focus_window "Velkan Launcher" && started=$EPOCHREALTIME && press_key Return
    fi
    expect_closed_in_time "$name" "$started" "$launcher_pid"

    # The batch file and the game run on their own; the launcher does not wait for them.
    wait_for_file "$game/Mods/Velkan/mp32wav-ran.txt" 10
    printf 'mp32wav.bat ran\r\n' >"$E2E_WORK/$name/mp32wav-ran.expected"
    expect_file "$name: batch file" "$E2E_WORK/$name/mp32wav-ran.expected" \
        "$game/Mods/Velkan/mp32wav-ran.txt"
    if [ "$arguments" = "<not started>" ]; then
        sleep 1
        if [ -e "$game/ghostrecon-started.txt" ]; then
            fail "$name: the game was started: $(cat -A "$game/ghostrecon-started.txt")"
        fi
    else
        wait_for_file "$game/ghostrecon-started.txt" 10
        # The stand-in's record: its command line, then its working folder.
        printf '"%s\\ghostrecon.exe"%s\r\n%s\r\n' "$game_path" "$arguments" "$game_path" \
            >"$E2E_WORK/$name/ghostrecon-started.expected"
        expect_file "$name: game start" "$E2E_WORK/$name/ghostrecon-started.expected" \
            "$game/ghostrecon-started.txt"
    fi

    read -r intro window_mode fps_rate <<<"$choices"
    expect_file "$name: vk_unlockedheroes.xml" "$fixtures/vk_unlockedheroes.expected.xml" \
        "$game/vk_unlockedheroes.xml"
    expect_file "$name: modsset.txt" "$fixtures/modsset.expected.txt" "$game/modsset.txt"
    write_mod_options "$E2E_WORK/$name/vk_options.expected" FALSE "$intro" "$window_mode" "$fps_rate"
    expect_file "$name: vk_options.xml" "$E2E_WORK/$name/vk_options.expected" \
        "$game/Mods/Velkan/vk_options.xml"
    if [ "$options" = read-only ]; then
        expect_file "$name: read-only options.xml" "$fixtures/options.xml" "$game/options.xml"
        if [ -n "$(find "$game/options.xml" -perm /222)" ]; then
            fail "$name: options.xml is no longer read-only"
        fi
    else
        # The expected file holds the choices intro on, window mode off, frame rate on; window
        # mode on shows as FullScreen FALSE.
        full_screen=TRUE
        [ "$window_mode" = TRUE ] && full_screen=FALSE
        sed -e "s|<ShowIntro>TRUE<|<ShowIntro>$intro<|" \
            -e "s|<FullScreen>TRUE<|<FullScreen>$full_screen<|" \
            -e "s|<ShowFrameRate>TRUE<|<ShowFrameRate>$fps_rate<|" \
            "$fixtures/options.expected.xml" >"$E2E_WORK/$name/options.expected"
        expect_file "$name: options.xml" "$E2E_WORK/$name/options.expected" "$game/options.xml"
    fi
done <<'CASES'
start|Ghost Recon|TRUE||key:Return||TRUE FALSE TRUE|rewritten
enter-in-address-box|Ghost Recon|TRUE|click:1010 text:192.0.2.77|key:Return||TRUE FALSE TRUE|rewritten
quick-server-window-mode|My Games/Ghost Recon  Velkan Edition|FALSE|key:Tab key:Tab key:space key:Tab key:Tab key:Tab|key:space| -server|TRUE TRUE TRUE|rewritten
quick-join-clicked|Ghost Recon|TRUE|click:1010 text:192.0.2.77|click:1007| -client 192.0.2.77|TRUE FALSE TRUE|rewritten
quick-join-prompt|Ghost Recon|TRUE|key:Tab|key:space| -client Enter IP Address to Join|TRUE FALSE TRUE|rewritten
quick-join-empty-address|Ghost Recon|TRUE|click:1010 key:shift+Tab key:shift+Tab|key:space|<not started>|TRUE FALSE TRUE|rewritten
read-only-options|Ghost Recon|TRUE||key:space||TRUE FALSE TRUE|read-only
CASES

e2e_finish
