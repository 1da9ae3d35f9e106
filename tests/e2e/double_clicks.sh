#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Double-clicks count only where both clicks land: on the pause cover one
# only continues the game (no full screen), on a disk the second click lifts
# nothing (no extra step), on the background it switches to full screen.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
write_settings "[综合]" "正确放下方计一步=假"
start_focused_game 1.5
board_geometry 5
before=$(window_geometry "$GAME_WINDOW")

# The step count part of the status bar, as a picture.
steps_shot() {
  local x y
  read -r x y <<<"$(client_origin "$GAME_WINDOW")"
  import -window root -crop "46x16+$((x + 102))+$((y + CLIENT_HEIGHT - 18))" "$WORK/steps_$1.png"
}
click_top_of() {
  move_to "$GAME_WINDOW" "$(column_middle "$1")" "$(bottom_row)"
  shift
  xdotool click "$@"
  sleep 0.6
}

# Reference pictures of 1 to 3 steps: a move to A, then clicks putting its disk down in place.
drag_disk 2 1
steps_shot 1
click_top_of 1 1
steps_shot 2
click_top_of 1 1
steps_shot 3
[ "$(compare -metric AE "$WORK/steps_2.png" "$WORK/steps_3.png" null: 2>&1)" != 0 ] ||
  fail "the step count did not change with a drop in place"

# A new game, one move, then a double-click on that disk: two steps, not three.
xdotool key Return
sleep 0.5
drag_disk 2 1
click_top_of 1 --repeat 2 --delay 80 1
steps_shot after
[ "$(compare -metric AE "$WORK/steps_2.png" "$WORK/steps_after.png" null: 2>&1)" = 0 ] ||
  fail "a double-click on a disk counted other than one step"

# Pause (the clock has ticked), then double-click the cover.
sleep 1.2
xdotool key space
sleep 0.5
bottom_is_blue 2 && fail "the pause cover does not hide the board"
move_to "$GAME_WINDOW" $((CLIENT_WIDTH / 2)) $((PLAY_HEIGHT / 2))
xdotool click --repeat 2 --delay 80 1
sleep 1
[ "$(window_geometry "$GAME_WINDOW")" = "$before" ] || fail "a double-click on the cover changed the window to $(window_geometry "$GAME_WINDOW")"
bottom_is_blue 2 || fail "a double-click on the cover did not continue the game"

# Both clicks on the background: full screen.
move_to "$GAME_WINDOW" 40 30
xdotool click --repeat 2 --delay 80 1
sleep 1
full=$(window_geometry "$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)")
[ "$full" = "0 0 1280 1024" ] || fail "a double-click on the background gave '$full', not full screen"
echo "double-clicks: the cover only continues, a disk is lifted once, the background toggles full screen"
