#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reverse mode switched from the context menu and confirmed with OK, on, off
# and on again, and a new game from the menu: the game lives on (freed memory
# is poisoned, so that a menu deleted under its own command shows), and the
# settings file then holds reverse mode on.
source "$(dirname "$0")/xsession.bash"
export MALLOC_PERTURB_=165

start_x
start_window_manager
start_game
xdotool windowfocus --sync "$GAME_WINDOW"

for round in 1 2 3; do
  menu_command 2
  wait_for_active "信息："
  xdotool key Return
  sleep 1.5
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after switching reverse mode ($round)"
done
menu_command 1
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after a new game from the menu"

close_game
[ "$(stored_value 逆向模式)" = 真 ] || fail "reverse mode stored as '$(stored_value 逆向模式)'"
echo "reverse mode: switched three times from the menu, stored on"
