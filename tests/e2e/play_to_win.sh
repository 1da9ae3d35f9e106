#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole game played to a win on the real executable, started without a
# settings file: 5 disks moved from the main peg B to peg A by mouse, 31
# drags; the next level then stands on B with 6 disks, and A and C are empty
# again.
source "$(dirname "$0")/xsession.bash"

start_x
start_game
measure_board "$GAME_WINDOW"
DRAG_PAUSE=0.05

hanoi() {
  local n=$1 from=$2 to=$3 via=$4
  [ "$n" -eq 0 ] && return
  hanoi $(( n - 1 )) "$from" "$via" "$to"
  drag "$from" "$to"
  hanoi $(( n - 1 )) "$via" "$to" "$from"
}

shot="$WORK/board.png"
# The colour beside a peg in the bottom row of a board with this many disks.
bottom_colour() {
  local DISKS=$2
  pixel_of "$shot" $(( $(column_x "$1") + COLUMN / 3 )) "$(row_y 1)"
}

# Halfway: four disks moved to C, the longest still on B, A empty.
hanoi 4 2 3 1
import -window root "$shot"
is_blue "$(bottom_colour 3 5)" || fail "the first four disks did not reach peg C"
! is_blue "$(bottom_colour 1 5)" || fail "peg A holds a disk halfway"

drag 2 1
hanoi 4 3 1 2
sleep 4  # the three win sounds take 2.5 s before the next level is built
import -window root "$shot"

for peg in 1 2 3; do
  colour=$(bottom_colour "$peg" 6)
  if [ "$peg" = 2 ]; then
    is_blue "$colour" || fail "peg B holds no disk after the win ($colour)"
  else
    ! is_blue "$colour" || fail "peg $peg still holds a disk after the win ($colour)"
  fi
done
kill -0 "$GAME_PID" || fail "the game ended"
echo "played to a win: the next level stands on peg B"
