#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window names the game to docks and task bars: its WM_CLASS is the
# one the desktop entry's StartupWMClass gives, also when the program file has
# another name, and it carries the game's icon (_NET_WM_ICON).
source "$(dirname "$0")/xsession.bash"

entry="$(dirname "$0")/../../desktop/org.example.torvane.desktop"
wm_class=$(awk -F= '$1 == "StartupWMClass" { print $2 }' "$entry")
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"

start_x
# Fields: the program file's name.
while read -r name; do
  cp "$GAME_BINARY" "$WORK/$name"
  (cd "$WORK" && exec "./$name" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  GAME_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "汉诺塔" | head -n 1) || fail "$name showed no window"
  class=$(xprop -id "$GAME_WINDOW" WM_CLASS | sed -E 's/.*, "([^"]*)"$/\1/')
  [ "$class" = "$wm_class" ] || fail "$name's window has the class '$class', its desktop entry '$wm_class'"
  # The icons, each as width, height and its pixels: the first is square.
  # The icon follows the window's first frame, so it is waited for.
  for _ in $(seq 50); do
    read -r width height _ <<<"$(xprop -id "$GAME_WINDOW" -notype 32c _NET_WM_ICON | sed -E 's/^[^=]*= //; s/,//g')"
    [[ "$width" =~ ^[0-9]+$ ]] && break
    sleep 0.1
  done
  [[ "$width" =~ ^[0-9]+$ ]] && [ "$width" -ge 16 ] && [ "$width" = "$height" ] ||
    fail "$name's window has no icon: $(xprop -id "$GAME_WINDOW" _NET_WM_ICON | cut -c1-80)"
  kill -KILL "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
done <<EOF
torvane
hanoi
EOF
echo "window identity: WM_CLASS '$wm_class' as the desktop entry says, with the game's icon"
