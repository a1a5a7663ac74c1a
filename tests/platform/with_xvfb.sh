#!/usr/bin/env bash
# Runs a command against an Xvfb server of its own with a 1280 x 1024
# screen. The server picks a free display number itself (-displayfd), so
# that servers started at the same time on a shared machine cannot meet.
# -noreset: without it the server resets whenever its last client leaves,
# and a client connecting during the reset (a window manager started just
# after a test's window closed) is turned away.
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$fifo"' EXIT
read -r -t 30 display <"$fifo"
DISPLAY=":$display" "$@"
