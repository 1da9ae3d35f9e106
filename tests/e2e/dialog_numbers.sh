#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Numbers in the settings dialog: a typed number takes effect once finished
# ("100" gives 100 disks, not 300; "12" gives 12, not 32; "2" is corrected to
# 3 when the focus leaves); a pasted text is read as a number ("20 disks",
# "  15", "7.5"); a spinner click acts at once. The dialog's close stores them.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
write_settings "[综合]" "柱数=3" "主柱=2" "横数=5"
start_focused_game 0.5

open_dialog() {
  xdotool windowfocus --sync "$GAME_WINDOW"
  xdotool key ctrl+Return
  wait_for_active 设置游戏参数
  DIALOG=$(xdotool getactivewindow)
}
# Selects the whole text of a number box, given its left and top.
select_box() {
  move_to "$DIALOG" $(($1 + 16)) $(($2 + 10))
  xdotool click 1
  xdotool key ctrl+a
}
# Closes the dialog and waits up to 10 s for the settings file to hold the value.
close_dialog_and_check() {
  xdotool key Escape
  for _ in $(seq 100); do
    [ "$(stored_value "$1")" = "$2" ] && return 0
    sleep 0.1
  done
  fail "$3: $1 stored as '$(stored_value "$1")', not $2"
}
# Pastes a text into a number box in a dialog of its own: the text stays on the
# clipboard until the dialog's close has stored what the game read, since a new
# owner would take it away from a game still busy with the key.
paste_and_check() {
  local left=$1 top=$2 key=$3 value=$4 text=$5
  open_dialog
  set_clipboard "$text"
  select_box "$left" "$top"
  xdotool key ctrl+v
  close_dialog_and_check "$key" "$value" "pasted '$text'"
}
disks=(48 37)
pegs=(156 37)
main_peg=(259 37)

open_dialog
select_box "${disks[@]}"
xdotool type --delay 150 100
sleep 1.5
close_dialog_and_check 横数 100 "typed 100, then a pause"

open_dialog
select_box "${disks[@]}"
xdotool type --delay 150 12
xdotool key Return
close_dialog_and_check 横数 12 "typed 12 and Enter"

open_dialog
select_box "${disks[@]}"
xdotool type 2
xdotool key Tab
sleep 0.3
close_dialog_and_check 横数 3 "typed 2 and Tab"

paste_and_check "${disks[@]}" 横数 20 "20 disks"
paste_and_check "${pegs[@]}" 柱数 15 "  15"
paste_and_check "${main_peg[@]}" 主柱 7 "7.5"
[ "$(stored_value 横数)" = 20 ] || fail "the pasted pegs and main peg changed the disks to '$(stored_value 横数)'"

open_dialog
move_to "$DIALOG" $((48 + 32 + 8)) $((37 + 4))
xdotool click 1
sleep 0.3
close_dialog_and_check 横数 21 "a click on the spinner's upper arrow"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
echo "dialog numbers: typed numbers once finished, pasted texts read as numbers, spinner at once"
