#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A board of 20 pegs and 200 disks in a small window: rows of one pixel, which
# leave 80 % of a pixel for a disk, and columns of 31, which leave the shortest
# disks less than a pixel: every disk is drawn a pixel or more each way. The top disk of peg A is lifted by a press
# on the stack, shows while it is carried, and lands on peg B.
source "$(dirname "$0")/xsession.bash"

start_x
write_settings "[综合]" "柱数=20" "主柱=1" "横数=200" "[主窗口]" "位置=0" "左边=100" "顶边=100" "宽度=620" "高度=330"
start_game
sleep 0.5
read -r CLIENT_WIDTH CLIENT_HEIGHT <<<"$(client_size "$GAME_WINDOW")"
column=$((CLIENT_WIDTH / 20))
play_height=$((CLIENT_HEIGHT - 20))
row=$((play_height / 204))
[ "$row" -eq 1 ] || fail "a window of $CLIENT_WIDTH x $CLIENT_HEIGHT gives rows of $row pixels for 200 disks, not 1"
base_top=$((play_height - row))

# Whether two screenshots differ in a box of the client area: where a disk
# appears or leaves (its pixels are its gradient and, when it is too thin for
# its caption, bits of the caption's colour).
box_changed() {
  local x y
  read -r x y <<<"$(client_origin "$GAME_WINDOW")"
  local crop="$5x$6+$((x + $3))+$((y + $4))"
  ! cmp -s <(convert "$1" -crop "$crop" -depth 8 txt:-) <(convert "$2" -crop "$crop" -depth 8 txt:-)
}

before="$WORK/before.png" carried="$WORK/carried.png" after="$WORK/after.png"
import -window root "$before"
# Every disk shows: peg A's stack covers the middle of its column just above the base.
is_blue "$(pixel_of "$before" $(($(client_origin "$GAME_WINDOW" | cut -d' ' -f1) + column / 2 - 3)) \
  $(($(client_origin "$GAME_WINDOW" | cut -d' ' -f2) + base_top - 1)))" || fail "no disk shows on peg A"

# A press on the bottom of the stack lifts the top disk, which floats above the pegs.
move_to "$GAME_WINDOW" $((column / 2)) $((base_top - 1))
xdotool mousedown 1
move_to "$GAME_WINDOW" $((column + column / 2)) 30
sleep 0.3
import -window root "$carried"
box_changed "$before" "$carried" $((column + column / 2 - 3)) 0 7 2 ||
  fail "the lifted disk does not show while carried"
xdotool mouseup 1
sleep 0.3

# It lies on peg B now, just above the base.
import -window root "$after"
box_changed "$before" "$after" $((column + column / 2 - 2)) $((base_top - 1)) 5 1 || fail "the disk did not land on peg B"
close_game
echo "crowded board: $row-pixel rows, every disk shows, the top disk is carried and set down"
