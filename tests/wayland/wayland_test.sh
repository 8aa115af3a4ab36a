#!/usr/bin/env bash
# The game as a native Wayland client of a headless weston: its window maps, its field shows
# the same pixels as the window of the same game under X11, SIGTERM saves the records file, the
# compositor's end leaves it whole and current, and
# nothing it logs there is a warning (the X11-only requests, such as the frame centring and
# keeping dialogs out of the taskbar, do nothing on Wayland).
# Usage: wayland_test.sh TORVANE FIELD_MATCH
set -uo pipefail
binary=$(realpath "$1") match=$(realpath "$2")
source "$(dirname "$0")/../support/x_display.sh"
fail() {
    echo "wayland test: $*" >&2
    # The pictures stay beside the test for a look.
    cp "$work"/*.png . 2>/dev/null
    exit 1
}
for tool in weston weston-screenshooter Xvfb openbox xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

export HOME=$work XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8 # the same captions under both
# Each game is a copy of its own, so its records file is new and it opens on its default level.
start_copy() { mkdir "$work/$1" && cp "$binary" "$work/$1/torvane"; }

# The reference: the window's client area under Xvfb and openbox.
start_copy x11
start_x_display "$work" || fail "no X server"
pids+=("$xvfb_pid" "$wm_pid")
QT_QPA_PLATFORM=xcb "$work/x11/torvane" >/dev/null 2>&1 &
x11_game=$!
pids+=("$x11_game")
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Torvane$' | head -n 1)
[[ -n $window ]] || fail "no window under X11"
sleep 0.5
import -window "$window" "$work/x11.png" || fail "no picture of the X11 window"
kill -TERM "$x11_game"
unset DISPLAY

# weston with nothing on its screen but a black background; --debug lets the screenshooter in.
cat >"$work/weston.ini" <<'INI'
[shell]
panel-position=none
background-color=0xff000000
INI
socket=torvane-$$
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 \
    --socket="$socket" --config="$work/weston.ini" --debug --log="$work/weston.log" 2>/dev/null &
weston=$!
pids+=("$weston")
for _ in $(seq 200); do [[ -S $XDG_RUNTIME_DIR/$socket ]] && break; sleep 0.05; done
[[ -S $XDG_RUNTIME_DIR/$socket ]] || fail "weston did not start: $(tail -n 5 "$work/weston.log")"
export WAYLAND_DISPLAY=$socket

start_copy wayland
QT_QPA_PLATFORM=wayland "$work/wayland/torvane" >/dev/null 2>"$work/wayland.err" &
game=$!
pids+=("$game")

# A picture of the whole screen, as $work/screen.png.
screenshot() {
    rm -f "$work"/shots/*.png
    mkdir -p "$work/shots"
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$work"/shots/*.png "$work/screen.png" 2>/dev/null
}
mapped=false matched=false
for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || fail "the game ended: $(cat "$work/wayland.err")"
    if screenshot; then
        # Anything but black is a mapped window.
        [[ $(convert "$work/screen.png" -format '%[fx:maxima]' info:) != 0 ]] && mapped=true
        if $mapped && "$match" "$work/x11.png" "$work/screen.png"; then
            matched=true
            break
        fi
    fi
    sleep 0.2
done
$mapped || fail "the window never mapped"
$matched || fail "the field differs from the X11 window's (x11.png, screen.png)"

# A first start writes its file at once; the end must write it again.
for _ in $(seq 100); do [[ -s $work/wayland/result.sav ]] && break; sleep 0.05; done
[[ -s $work/wayland/result.sav ]] || fail "a first start left no records file"
rm "$work/wayland/result.sav"
kill -TERM "$game"
for _ in $(seq 200); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
kill -0 "$game" 2>/dev/null && fail "SIGTERM did not end the game"
wait "$game"
status=$?
((status == 0)) || fail "the game ended with status $status: $(cat "$work/wayland.err")"
saved=$work/wayland/result.sav
[[ -f $saved ]] || fail "SIGTERM saved no records file"
expected=$(printf ' 1 \r\n 16 \r\n 16 \r\n 35 \r\n')
[[ $(head -c 23 "$saved") == "$expected" ]] || fail "not the level played: $(od -c "$saved" | head -n 2)"
[[ $(tr -cd '\n' <"$saved" | wc -c) -eq 10 ]] || fail "not ten lines"
[[ ! -s $work/wayland.err ]] || fail "the game logged on Wayland: $(cat "$work/wayland.err")"

# The compositor going away ends the game without its exit handlers: what it keeps must be on
# disk already.
start_copy ended
QT_QPA_PLATFORM=wayland "$work/ended/torvane" >/dev/null 2>"$work/ended.err" &
game=$!
pids+=("$game")
for _ in $(seq 100); do
    screenshot && [[ $(convert "$work/screen.png" -format '%[fx:maxima]' info:) != 0 ]] && break
    sleep 0.2
done
sleep 0.5
kill -TERM "$weston"
for _ in $(seq 200); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
kill -0 "$game" 2>/dev/null && fail "the game outlived its compositor"
saved=$work/ended/result.sav
[[ -f $saved ]] || fail "the compositor's end left no records file"
[[ $(head -c 23 "$saved") == "$expected" ]] || fail "not the level played: $(od -c "$saved" | head -n 2)"
[[ $(tr -cd '\n' <"$saved" | wc -c) -eq 10 ]] || fail "not ten lines after the compositor's end"
echo "wayland test: the window mapped, its field matches X11's, SIGTERM and the compositor's end left the file whole"
