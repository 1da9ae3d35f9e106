#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Play without a mouse, by keys through XTEST under a window manager: letters
# move disks (the board and the move record agree), Esc puts a disk lifted by
# a key back and leaves the game open, Shift+F10 opens the menu, Ctrl+H and
# the Menu key's 提示 show the same hint, on a board of 30 pegs the arrows
# reach peg AD, beyond the letters, and Ctrl+D plays the default board to the
# end: the next level stands on the main peg with six disks.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_focused_game 0.5
measure_board "$GAME_WINDOW"
shot="$WORK/board.png"

# The main peg is B: its top disk to A, the next to C.
keys b a b c
import -window root "$shot"
disk_at 1 1 || fail "no disk on peg A after B, A"
disk_at 3 1 || fail "no disk on peg C after B, C"
disk_at 2 3 || fail "peg B lost more than two disks"
! disk_at 2 4 || fail "peg B still holds four disks"

# A lift by a key, then Esc: the disk is back, the game still open.
keys a Escape
sleep 0.3
kill -0 "$GAME_PID" 2>/dev/null || fail "Esc with a disk lifted by a key closed the game"
import -window root "$shot"
disk_at 1 1 || fail "Esc did not put the disk back on peg A"

# Shift+F10, then the fourth entry, 查看走法...: the record of the two moves.
xdotool key shift+F10
sleep 0.5
keys Down Down Down Down Return
record_window=$(find_window --onlyvisible --name "当前的走法记录") || fail "Shift+F10 opened no menu to choose the move record from"
xdotool windowfocus --sync "$record_window"
keys ctrl+a ctrl+c
record=$(xclip -o -selection clipboard | tr -d '\r')
[ "$record" = "$(printf 'B→A\nB→C')" ] || fail "the move record reads '$record'"
xdotool key Escape
sleep 0.3

# The tip part of the status bar (right of the time's 100 and the steps' 50
# pixels) as a screenshot, to see a hint arrive.
tip_shot() {
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "$((WIDTH - 160))x16+$((LEFT + 155))+$((TOP + HEIGHT - 18))" +repage "$1"
}
changed() { ! cmp -s <(convert "$1" txt:-) <(convert "$2" txt:-); }
xdotool windowfocus --sync "$GAME_WINDOW"
tip_shot "$WORK/tip0.png"
keys ctrl+h
tip_shot "$WORK/tip1.png"
changed "$WORK/tip0.png" "$WORK/tip1.png" || fail "Ctrl+H showed no hint"
# The Menu key, then the eleventh entry past the separators, 提示: the same hint.
keys b
tip_shot "$WORK/tip2.png"
keys Escape Menu
sleep 0.3
for _ in $(seq 11); do xdotool key Down; done
keys Return
sleep 0.3
tip_shot "$WORK/tip3.png"
changed "$WORK/tip2.png" "$WORK/tip3.png" || fail "the Menu key and 提示 showed no hint"
cmp -s <(convert "$WORK/tip1.png" txt:-) <(convert "$WORK/tip3.png" txt:-) ||
  fail "the menu's hint differs from Ctrl+H's on the same board"
close_game

# Thirty pegs: Up lifts the top disk of the main peg A, 29 times Right carries
# it to the last peg, AD, and Down sets it down there.
write_settings "[综合]" "柱数=30" "主柱=1" "横数=3"
start_focused_game 0.5
measure_board "$GAME_WINDOW"
COLUMN=$((WIDTH / 30))
keys Up
for _ in $(seq 29); do xdotool key Right; done
keys Down
sleep 0.3
import -window root "$shot"
is_blue "$(pixel_of "$shot" $((LEFT + 29 * COLUMN + COLUMN / 2 + COLUMN / 8)) "$(row_y 1)")" ||
  fail "the disk did not reach peg AD"
close_game

# Ctrl+D on the default board: 31 moves, 400 ms apart, then the win sequence.
rm -f "$WORK"/Korvel*
start_focused_game 0.5
measure_board "$GAME_WINDOW"
xdotool key ctrl+d
DISKS=6
# Done when the sixth disk tops the main peg (about 15 s), looked at for up to 40 s.
for _ in $(seq 80); do
  sleep 0.5
  import -window root "$shot"
  disk_at 2 6 && break
done
for row in 1 2 3 4 5 6; do
  disk_at 2 "$row" || fail "after Ctrl+D no disk in row $row of the main peg B"
done
! disk_at 1 1 && ! disk_at 3 1 || fail "after Ctrl+D pegs A or C still hold disks"
close_game
[ "$(stored_value 横数)" = 6 ] || fail "the next level was stored with $(stored_value 横数) disks, not 6"
echo "keyboard play: letters, Esc, Shift+F10, Ctrl+H and the Menu key, the arrows beyond Z and a demonstration to the next level"
