#!/usr/bin/env bash
# Plays the game in a real window under Xvfb, as a player would, with keys
# sent by xdotool: the options menu's settings row, a key bound in the
# settings screen, the game ended with Esc; then started again, the settings
# screen still shows the key, and the autosave of the first run is there.
# Screenshots of both screens go to the build directory.
#   scripts/check-window.sh [BUILD_DIR]
set -uo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export SDL_AUDIODRIVER=dummy LANG=C LANGUAGE=
mkdir -p "$HOME"

# One session: start the game in a window, open the settings screen (the
# menu's last row, Down held), run the steps given, end with Esc.
session() {
  local steps=$1 shot=$2
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$0" --window & game=$!
    xdotool search --sync --name "^Sternfahrt$" >/dev/null
    sleep 3
    xdotool key F9; sleep 0.5
    xdotool keydown Down; sleep 2; xdotool keyup Down; sleep 0.3
    xdotool key Return; sleep 1
    eval "$1"
    import -window root "$2"
    xdotool key Escape; sleep 0.5
    xdotool key Escape
    for i in $(seq 1 100); do kill -0 $game 2>/dev/null || exit 0; sleep 0.2; done
    kill -9 $game; exit 1' "$build/sternfahrt" "$steps" "$shot"
}

fail() { echo "FAIL  $*"; exit 1; }

# Faster's row is the tenth of the screen; Return waits for the key, W.
session 'for i in $(seq 9); do xdotool key Down; sleep 0.2; done; xdotool key Return; sleep 0.5; xdotool key w; sleep 0.5' \
  "$build/window-settings-bound.png" || fail "the game did not end on Esc"
conf=$XDG_CONFIG_HOME/sternfahrt/sternfahrt.conf
grep -q '^key.faster = W$' "$conf" 2>/dev/null || fail "the binding is not in $conf: $(cat "$conf" 2>&1 | grep faster)"
[ "$(stat -c %s "$XDG_DATA_HOME/sternfahrt/SpielstandAuto.sav" 2>/dev/null)" = 72 ] || fail "no autosave after Esc"
echo "ok    a key bound in a real window's settings screen is saved, Esc keeps the game in the autosave"

session 'sleep 0.5' "$build/window-settings-again.png" || fail "the second run did not end on Esc"
grep -q '^key.faster = W$' "$conf" || fail "the second run lost the binding"
echo "ok    started again, the game reads the binding back (screenshot: $build/window-settings-again.png)"
