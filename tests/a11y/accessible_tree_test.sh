#!/usr/bin/env bash
# Runs accessible_tree.py on an X server, a D-Bus session and an AT-SPI bus of its own.
# Usage: accessible_tree_test.sh TORVANE LANGUAGE TRANSLATIONS_DIR [DUMP_DIR]
set -uo pipefail
source "$(dirname "$0")/../support/x_display.sh"
start_x_display "$work" 1280x1024x24 || { echo "accessibility test: no X server" >&2; exit 1; }
pids+=("$xvfb_pid" "$wm_pid")
eval "$(dbus-launch --sh-syntax)" || { echo "accessibility test: no D-Bus session" >&2; exit 1; }
pids+=("$DBUS_SESSION_BUS_PID")
# The accessibility bus and its registry, as a desktop session starts them.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=("$!")
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.05
done
/usr/bin/python3 "$(dirname "$0")/accessible_tree.py" "$@"
