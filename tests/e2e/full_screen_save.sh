#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A save made in full screen stores the place from before full screen. The
# player's sequence under a window manager: a double-click on the background
# (full screen), Ctrl+Enter (the settings dialog), Esc (which closes the
# dialog and saves). The settings file then holds the window's own place, not
# the screen's, and a game that ends without another save (as by 退出 or a
# crash) starts there next time, not as large as the screen.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
write_settings "[主窗口]" "位置=0" "左边=100" "顶边=80" "宽度=500" "高度=400"
start_focused_game 1.5
before=$(window_geometry "$GAME_WINDOW")

# The place a windowed save stores, for comparison.
xdotool key ctrl+Return
wait_for_active 设置游戏参数
xdotool key Escape
for _ in $(seq 50); do [ -s "$SETTINGS_FILE" ] && [ "$(stored_value 横数)" = 5 ] && break; sleep 0.1; done
place() { echo "$(stored_value 位置) $(stored_value 左边) $(stored_value 顶边) $(stored_value 宽度) $(stored_value 高度)"; }
windowed=$(place)
[ "$windowed" = "0 100 80 500 400" ] || fail "a windowed save stored '$windowed'"
wait_for_active "$(xdotool getwindowname "$GAME_WINDOW")"

move_to "$GAME_WINDOW" 60 40
xdotool click --repeat 2 --delay 80 1
sleep 1
GAME_WINDOW=$(xdotool search --onlyvisible --name 汉诺塔 | head -n 1)
full=$(window_geometry "$GAME_WINDOW")
[ "$full" = "0 0 1280 1024" ] || fail "full screen is '$full'"
# Written afresh by the dialog's close below, so that a save that did not happen shows.
write_settings "[主窗口]" "位置=0"
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key ctrl+Return
wait_for_active 设置游戏参数
xdotool key Escape
for _ in $(seq 50); do [ -n "$(stored_value 宽度)" ] && break; sleep 0.1; done
[ "$(place)" = "$windowed" ] || fail "the dialog closed in full screen stored '$(place)', not '$windowed'"
[ "$(window_geometry "$GAME_WINDOW")" = "0 0 1280 1024" ] || fail "closing the dialog left full screen"

# The game ends without saving again; the next start opens in the place from before.
kill -KILL "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""
start_focused_game 1.5
after=$(window_geometry "$GAME_WINDOW")
[ "$after" = "$before" ] || fail "the next start opened at '$after', not '$before'"
echo "full screen save: the dialog's save in full screen stored the place from before, and the next start opened there"
