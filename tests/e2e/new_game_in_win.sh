#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A new game started with Enter during the win's waits, while the winning
# drop's handler is still running: the game lives on (freed memory is
# poisoned, so that a label deleted under its own handler shows) and the win
# still ends with the next level of one disk more.
source "$(dirname "$0")/xsession.bash"
export MALLOC_PERTURB_=165

start_x
start_window_manager
write_settings "[综合]" "柱数=3" "主柱=2" "横数=3"
start_focused_game 1
board_geometry 3

for move in "2 1" "2 3" "1 3" "2 1" "3 2" "3 1"; do
  drag_disk ${move}
done
drag_disk 2 1
xdotool key Return
sleep 0.3
xdotool key KP_Enter
sleep 3.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after a new game during the win"
close_game
[ "$(stored_value 横数)" = 4 ] || fail "the level after the win has $(stored_value 横数) disks, not 4"
echo "new game during the win: the game lives on and the next level has 4 disks"
