#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Space while a disk is held pauses the game and puts the disk back: the
# release behind the cover moves nothing and counts no step.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_focused_game 1
board_geometry 5

move_to "$GAME_WINDOW" "$(column_middle 2)" "$(bottom_row)"
xdotool mousedown 1
move_to "$GAME_WINDOW" "$(column_middle 1)" 20
move_to "$GAME_WINDOW" "$(column_middle 1)" 25
sleep 1.5  # the clock's first tick: only a running game pauses
xdotool key space
sleep 0.3
xdotool mouseup 1
sleep 0.3
xdotool key space
sleep 0.5
! bottom_is_blue 1 || fail "the disk held while pausing was dropped on peg A"
bottom_is_blue 2 || fail "peg B lost its disks"
# The disk is back where it was lifted: moving it again works as before.
drag_disk 2 1
bottom_is_blue 1 || fail "the disk could not be moved after the pause"
echo "pause during a drag: the disk went back, the release behind the cover did nothing"
