#!/usr/bin/env bash
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
close_dialog_and_check() {
  xdotool key Escape
  sleep 0.7
  [ "$(stored_value "$1")" = "$2" ] || fail "$3: $1 stored as '$(stored_value "$1")', not $2"
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

open_dialog
set_clipboard "20 disks"
select_box "${disks[@]}"
xdotool key ctrl+v
set_clipboard "  15"
select_box "${pegs[@]}"
xdotool key ctrl+v
set_clipboard "7.5"
select_box "${main_peg[@]}"
xdotool key ctrl+v
sleep 0.3
close_dialog_and_check 横数 20 "pasted '20 disks'"
[ "$(stored_value 柱数)" = 15 ] || fail "pasted '  15': pegs stored as '$(stored_value 柱数)'"
[ "$(stored_value 主柱)" = 7 ] || fail "pasted '7.5': main peg stored as '$(stored_value 主柱)'"

open_dialog
move_to "$DIALOG" $((48 + 32 + 8)) $((37 + 4))
xdotool click 1
sleep 0.3
close_dialog_and_check 横数 21 "a click on the spinner's upper arrow"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
echo "dialog numbers: typed numbers once finished, pasted texts read as numbers, spinner at once"
