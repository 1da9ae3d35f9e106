#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Behind the pause cover the keys move nothing: after a move and a pause,
# letters, arrows, Ctrl+H and Ctrl+D leave the board, the steps, the tip and
# the move record as they were once the game goes on.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_focused_game 0.5
measure_board "$GAME_WINDOW"

# The client area with the time part of the status bar (its first 100
# pixels) blacked out: the clock goes on once the game does.
client_shot() {
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+${LEFT}+${TOP}" +repage \
    -fill black -draw "rectangle 0,$((HEIGHT - 20)) 99,$((HEIGHT - 1))" "$1"
}

# The move record, copied from its window (the fourth entry of the menu).
move_record() {
  xdotool key shift+F10
  sleep 0.5
  keys Down Down Down Down Return
  local window
  window=$(find_window --onlyvisible --name "当前的走法记录") || fail "no move record window"
  xdotool windowfocus --sync "$window"
  keys ctrl+a ctrl+c
  xclip -o -selection clipboard | tr -d '\r'
  xdotool key Escape
  sleep 0.3
  xdotool windowfocus --sync "$GAME_WINDOW"
}

# The main peg is B: its top disk to A, then a tick of the clock, which a
# pause needs.
keys b a
sleep 1.5
client_shot "$WORK/before.png"
record_before=$(move_record)
[ "$record_before" = "B→A" ] || fail "the move record before the pause reads '$record_before'"

keys space
keys b c a c Right Up Right Down Left Down ctrl+h ctrl+d
sleep 1.5
keys space
sleep 0.3
client_shot "$WORK/after.png"
cmp -s <(convert "$WORK/before.png" txt:-) <(convert "$WORK/after.png" txt:-) ||
  fail "the board, the steps or the tip changed while the game was paused"
record_after=$(move_record)
[ "$record_after" = "$record_before" ] || fail "the move record grew behind the cover: '$record_after'"

# Going on, the keys play again.
keys b c
client_shot "$WORK/played.png"
! cmp -s <(convert "$WORK/before.png" txt:-) <(convert "$WORK/played.png" txt:-) ||
  fail "after the pause the keys moved nothing"
echo "paused: letters, arrows, Ctrl+H and Ctrl+D moved nothing; after it they play"
