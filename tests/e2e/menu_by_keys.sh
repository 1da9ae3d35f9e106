#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Menu entries chosen with the keyboard (right-click, Down, Enter) run once the
# menu has closed: the game goes on through double-clicks and clicks after
# each of them, and closes normally by Esc. (Run inside the menu's own key
# handling, 新游戏 let the menu be deleted under Qt, and the heap broke.)
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_game
eval "$(xdotool getwindowgeometry --shell "$GAME_WINDOW")"
background_x=$(( X + WIDTH * 5 / 6 )) background_y=$(( Y + 40 ))

# Down presses from the top of the menu: 新游戏, 暂停, 静音, 正确放下方计一步 (twice), 新游戏.
for downs in 1 3 5 6 6 1; do
  xdotool mousemove "$background_x" "$background_y" click 3
  sleep 0.3
  xdotool key --repeat "$downs" --delay 30 Down
  xdotool key Return
  sleep 0.1
  xdotool click --repeat 2 --delay 60 1
  sleep 0.5
  xdotool click --repeat 2 --delay 60 1
  sleep 0.5
  xdotool mousemove "$background_x" "$background_y" click 1
  sleep 0.3
  if ! kill -0 "$GAME_PID" 2>/dev/null; then
    status=0
    wait_for_exit || status=$?
    fail "the game ended with status $status after the entry $downs down: $(tail -n 3 "$WORK/game.log")"
  fi
done
xdotool windowfocus --sync "$GAME_WINDOW" key Escape
wait_for_exit || fail "the game ended with status $?: $(tail -n 3 "$WORK/game.log")"
echo "menu entries by keys: the game went on after each and closed normally"
