#!/usr/bin/env bash
# Runs a test program on its own X server under openbox, so that windows get a real frame.
# Usage: framed_window_test.sh PROGRAM
set -uo pipefail
work=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# Under AddressSanitizer, strict string checks flag libxkbcommon's bounded strndup on a keymap
# name that has no terminator; that library is not ours to mend.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || { echo "framed window test: no X server" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped while the window manager is still starting may never be managed.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
QT_QPA_PLATFORM=xcb "$1"
