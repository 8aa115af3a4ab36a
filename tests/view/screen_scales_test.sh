#!/usr/bin/env bash
# Runs a test program on its own X server under openbox, whose screen is two monitors side by
# side, "single" at scale 1 and "twice" at scale 2.
# Usage: screen_scales_test.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
source "$(dirname "$0")/../support/x_display.sh"
start_x_display "$work" 2560x1024x24 || { echo "screen scales test: no X server" >&2; exit 1; }
pids+=("$xvfb_pid" "$wm_pid")
xrandr --setmonitor single 1280/339x1024/271+0+0 screen >/dev/null &&
    xrandr --setmonitor twice 1280/339x1024/271+1280+0 none >/dev/null ||
    { echo "screen scales test: no monitors" >&2; exit 1; }
# A busy machine may take a while to list them; the program must not start before it does.
for _ in $(seq 400); do
    [[ $(xrandr --listmonitors | grep -cE ' (single|twice) ') -eq 2 ]] && break
    sleep 0.05
done
[[ $(xrandr --listmonitors | grep -cE ' (single|twice) ') -eq 2 ]] ||
    { echo "screen scales test: the monitors were not listed" >&2; exit 1; }
QT_QPA_PLATFORM=xcb QT_SCREEN_SCALE_FACTORS="single=1;twice=2" "$@"
