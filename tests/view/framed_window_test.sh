#!/usr/bin/env bash
# Runs a test program on its own X server under openbox, so that windows get a real frame.
# Usage: framed_window_test.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
source "$(dirname "$0")/../support/x_display.sh"
start_x_display "$work" 1280x1024x24 || { echo "framed window test: no X server" >&2; exit 1; }
pids+=("$xvfb_pid" "$wm_pid")
QT_QPA_PLATFORM=xcb "$@"
