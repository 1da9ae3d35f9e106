#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a window manager: a double-click on the background fills the screen
# without a frame, a second one returns to the former rectangle, and Esc in
# full screen only leaves full screen.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_game
xdotool windowfocus --sync "$GAME_WINDOW"
# The window manager frames the window; the game then places it once more.
sleep 1.5
before=$(window_geometry "$GAME_WINDOW")

double_click_background() {
  xdotool mousemove --window "$GAME_WINDOW" 60 40 click --repeat 2 --delay 80 1
  sleep 1
}

double_click_background
full=$(window_geometry "$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)")
[ "$full" = "0 0 1280 1024" ] || fail "full screen is '$full'"

double_click_background
after=$(window_geometry "$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)")
[ "$after" = "$before" ] || fail "back from full screen at '$after', was '$before'"

double_click_background
window=$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)
xdotool windowfocus --sync "$window"
xdotool key Escape
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "Esc in full screen ended the game"
after=$(window_geometry "$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)")
[ "$after" = "$before" ] || fail "Esc left full screen at '$after', was '$before'"
echo "full screen: entered, left by double-click and by Esc"
