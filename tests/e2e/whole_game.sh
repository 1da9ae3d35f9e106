#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole game on the real executable, alone in a fresh folder, under a
# window manager: a disk dragged to another peg, a refused drop, the context
# menu, full screen on and off by double-clicks, two count keys, then Esc.
# The program must end with 0 and leave a settings file beside itself that
# holds what was played; a second start must take the window's place from it.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_focused_game 1.5
xdotool windowmove --sync "$GAME_WINDOW" 150 90
sleep 1
placed=$(window_geometry "$GAME_WINDOW")
measure_board "$GAME_WINDOW"
shot="$WORK/board.png"
pixel() { pixel_of "$shot" "$1" "$2"; }

# The shortest disk goes from the main peg B to A.
drag 2 1
import -window root "$shot"
disk_at 1 1 || fail "a legal drop did not move the disk to peg A"
! disk_at 2 5 || fail "the moved disk is still on top of peg B"

# The next disk is longer: dropping it on A is refused and it goes back to B.
drag 2 1
import -window root "$shot"
! disk_at 1 2 || fail "a longer disk was laid on a shorter one"
disk_at 2 4 || fail "the refused disk did not return to peg B"

# A right press on the background opens the menu beside the cursor; Esc closes only the menu.
menu_x=$(( LEFT + 40 ))
menu_y=$(( TOP + 30 ))
before_menu=$(pixel $(( menu_x + 30 )) $(( menu_y + 12 )))
xdotool mousemove "$menu_x" "$menu_y" click 3
sleep 0.8
import -window root "$shot"
[ "$(pixel $(( menu_x + 30 )) $(( menu_y + 12 )))" != "$before_menu" ] || fail "the context menu did not open"
xdotool key Escape
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "Esc on the menu ended the game"

double_click_background() {
  xdotool mousemove "$menu_x" "$menu_y" click --repeat 2 --delay 80 1
  sleep 1
}
double_click_background
full=$(window_geometry "$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)")
[ "$full" = "0 0 1280 1024" ] || fail "full screen is '$full'"
xdotool mousemove 60 40 click --repeat 2 --delay 80 1
sleep 1
back=$(window_geometry "$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)")
[ "$back" = "$placed" ] || fail "back from full screen at '$back', was '$placed'"

# One disk more and one peg more; each starts a new game.
window=$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)
xdotool windowfocus --sync "$window"
xdotool key ctrl+KP_Add
sleep 0.3
xdotool key shift+KP_Add
sleep 0.3
xdotool key Escape
wait_for_exit || fail "the game ended with status $?"

ini="$WORK/Korvel·汉诺塔.ini"
[ -f "$ini" ] || fail "no settings file beside the game"
settings=$(iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r')
value() { awk -F= -v key="$1" '$1 == key { print $2; exit }' <<<"$settings"; }
[ "$(value 柱数)" = 4 ] || fail "peg count stored as '$(value 柱数)'"
[ "$(value 横数)" = 6 ] || fail "disk count stored as '$(value 横数)'"
[ "$(value 主柱)" = 2 ] || fail "main peg stored as '$(value 主柱)'"
[ "$(value 位置)" = 0 ] || fail "window state stored as '$(value 位置)'"
[ "$(value 宽度)" -ge 619 ] || fail "window width stored as '$(value 宽度)'"
sections=$(grep -o '^\[.*\]' <<<"$settings" | tr '\n' ' ')
[ "$sections" = "[渐变颜色] [综合] [主窗口] " ] || fail "sections are '$sections'"

# The second start finds the window where the first one left it.
start_focused_game 1.5
again=$(window_geometry "$GAME_WINDOW")
[ "$again" = "$placed" ] || fail "the window came back at '$again', was left at '$placed'"
xdotool key Escape
wait_for_exit || fail "the second run ended with status $?"
settings=$(iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r')
[ "$(value 横数)" = 6 ] || fail "the second run lost the disk count: '$(value 横数)'"
echo "whole game: moves, refusal, menu, full screen and keys played; settings stored and restored"
