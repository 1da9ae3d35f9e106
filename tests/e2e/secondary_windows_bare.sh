#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a window manager too, a window the game opens takes the keyboard:
# Esc then closes it, not the game.
source "$(dirname "$0")/xsession.bash"

start_x
start_focused_game 0.5

for opener in ctrl+Return F1; do
  xdotool windowfocus --sync "$GAME_WINDOW"
  xdotool key "$opener"
  sleep 1
  focused=$(xdotool getwindowfocus)
  [ "$focused" != "$GAME_WINDOW" ] || fail "the window opened by $opener did not take the keyboard"
  xdotool key Escape
  sleep 0.7
  kill -0 "$GAME_PID" 2>/dev/null || fail "Esc after $opener closed the game"
  xwininfo -id "$focused" 2>/dev/null | grep -q IsViewable && fail "Esc did not close the window opened by $opener"
done
echo "secondary windows without a window manager: active once open, closed by Esc"
