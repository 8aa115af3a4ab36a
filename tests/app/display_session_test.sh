#!/usr/bin/env bash
# The real game on a real X display, ended the ways a desktop session ends it. Each round starts
# without a records file, chooses 新手 from the menu and then ends the game; the round passes
# only when a whole ten-line file holding that choice is on disk afterwards.
#   windowkill   the window's X connection is killed (xdotool windowkill)
#   serverend    SIGTERM to the game and the X server at the same moment, as at logout
#   customdialog SIGTERM while the custom dialog is open with 25 typed: 新手 is still saved
# Usage: display_session_test.sh BINARY MODE ROUNDS
set -uo pipefail
source "$(dirname "$0")/../support/x_display.sh"
binary=$1 mode=$2 rounds=${3:-1}

fail() {
    echo "display session test ($mode, round $round): $*" >&2
    exit 1
}

# Opens the game menu from the keyboard and waits for its popup, a window of the game's own, so
# that the keys that follow go to the menu however slow the machine is.
open_game_menu() {
    xdotool key alt+g
    for _ in $(seq 100); do
        (($(xdotool search --onlyvisible --pid "$game" 2>/dev/null | wc -l) > 1)) && return 0
        sleep 0.05
    done
    return 1
}

expected=$(printf ' 0 \r\n 8 \r\n 8 \r\n 8 \r\n')
passed=0
for ((round = 1; round <= rounds; round++)); do
    rm -rf "$work/game" && mkdir -p "$work/game"
    cp "$binary" "$work/game/torvane"
    start_x_display "$work" || fail "no X server"
    xvfb=$xvfb_pid wm=$wm_pid
    QT_QPA_PLATFORM=xcb "$work/game/torvane" >/dev/null 2>$work/err &
    game=$!
    pids=("$game" "$wm" "$xvfb")
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Torvane\$" 2>>"$work/err" | head -n 1)
    [[ -n $window ]] || fail "no window: $(cat "$work/err")"
    sleep 0.5 # the window manager's frame and focus
    # 新手 shrinks the window; keys sent before the window has the focus are lost, so try again.
    # The pointer away from where the menu opens: hovering an item would move the keys' start.
    xdotool mousemove 0 0
    for _ in 1 2 3 4 5; do
        # The window manager raises it; the focus is set directly too, in case the manager came
        # up too late to manage the window (a busy machine).
        xdotool windowactivate --sync "$window" 2>/dev/null
        timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null
        sleep 0.2
        open_game_menu && xdotool key Down Return
        # A slow build (the sanitizers, a busy machine) may take a while to resize.
        for _ in $(seq 30); do
            width=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
            ((width < 300)) && break
            sleep 0.1
        done
        ((width < 300)) && break
        xdotool key Escape Escape # a menu the keys left open
    done
    if ((width >= 300)); then
        import -window root "$work/unchosen.png" 2>/dev/null && cp "$work/unchosen.png" . 2>/dev/null
        fail "the level could not be chosen (width $width; the screen is in unchosen.png)"
    fi
    # The level chosen is on disk at once (the window may show its new size a moment before the
    # write ends); the end must write it again.
    for _ in $(seq 40); do [[ -s $work/game/result.sav ]] && break; sleep 0.05; done
    [[ -s $work/game/result.sav ]] || fail "the level chosen was not written through"
    rm "$work/game/result.sav"

    case $mode in
    windowkill)
        xdotool windowkill "$window"
        ;;
    serverend)
        # Which of the two gets the signal first varies at a real logout; take turns.
        if ((round % 2)); then kill -TERM "$xvfb"; sleep 0.05; kill -TERM "$game" 2>/dev/null; else kill -TERM "$game" "$xvfb"; fi
        ;;
    customdialog)
        open_game_menu || fail "the game menu did not open"
        xdotool key Down Down Down Down Return
        # The signal must find the dialog up, or this round proves nothing.
        timeout 10 xdotool search --sync --onlyvisible --name '^(自定义难度|Custom Size)$' >/dev/null ||
            fail "the custom dialog did not open"
        sleep 0.2
        xdotool key ctrl+a 2 5
        sleep 0.2
        kill -TERM "$game"
        ;;
    *) fail "unknown mode" ;;
    esac
    for _ in $(seq 200); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$game" 2>/dev/null && fail "the game did not end"
    wait "$game" 2>/dev/null
    kill "$wm" "$xvfb" 2>/dev/null
    wait "$wm" "$xvfb" 2>/dev/null
    saved=$work/game/result.sav
    [[ -f $saved ]] || fail "no records file"
    [[ $(head -c 20 "$saved") == "$expected" ]] || fail "not the level chosen: $(head -c 20 "$saved" | od -c | head -n 2)"
    [[ $(tr -cd '\n' <"$saved" | wc -c) -eq 10 ]] || fail "not ten lines"
    passed=$((passed + 1))
done
echo "display session test ($mode): $passed of $rounds rounds saved a whole, current file"
