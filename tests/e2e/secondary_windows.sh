#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a window manager, every window the game opens takes the keyboard, so
# that Esc closes it and not the game; the "必看" box gives the keyboard back
# to the dialog; opening a window makes no native windows of the board's
# labels, and the pause cover stays above a new game's board; the settings
# dialog cannot be minimised (its owner would go with it).
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_focused_game 1
main_title=$(xdotool getwindowname "$GAME_WINDOW")
before=$(native_children)

# Waits until a window of the game other than the main window has the
# keyboard, and prints its id.
wait_for_secondary() {
  local active
  for _ in $(seq 50); do
    active=$(xdotool getactivewindow 2>/dev/null || true)
    if [ -n "$active" ] && [ "$active" != "$GAME_WINDOW" ] &&
      [ "$(xdotool getwindowpid "$active" 2>/dev/null)" = "$GAME_PID" ]; then
      echo "$active"
      return 0
    fi
    sleep 0.1
  done
  fail "no window of the game but the main window became active (active: '$(active_title 2>/dev/null)')"
}

# Opens a window by a key or a menu entry, checks that it is active, and closes it with Esc.
open_and_escape() {
  local name=$1 window
  shift
  xdotool windowfocus --sync "$GAME_WINDOW"
  "$@"
  window=$(wait_for_secondary) || exit 1
  [ "$(native_children)" = "$before" ] || fail "opening $name made $(native_children) X windows in the main window, not $before"
  xdotool key Escape
  sleep 0.7
  kill -0 "$GAME_PID" 2>/dev/null || fail "Esc in $name closed the game"
  xwininfo -id "$window" 2>/dev/null | grep -q IsViewable && fail "Esc did not close $name"
  [ "$(native_children)" = "$before" ] || fail "after $name the main window holds $(native_children) X windows"
}

open_and_escape "the settings dialog (Ctrl+Enter)" xdotool key ctrl+Return
open_and_escape "the settings dialog (menu)" menu_command 7
open_and_escape "the about window (F1)" xdotool key F1
open_and_escape "the about window (menu)" menu_command 9
open_and_escape "the move record window" menu_command 4
open_and_escape "the records window (Ctrl+R)" xdotool key ctrl+r
open_and_escape "the records window (menu)" menu_command 13

# "必看" in the dialog: its box is active, and the dialog is again once it closes.
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key ctrl+Return
wait_for_active 设置游戏参数
dialog=$(xdotool getactivewindow)
move_to "$dialog" $((317 + 20)) $((35 + 12))
xdotool click 1
wait_for_active "信息："
xdotool key Return
wait_for_active 设置游戏参数

# Minimising the dialog brings it straight back, and the game with it.
xdotool windowminimize "$dialog"
sleep 1.5
xprop -id "$dialog" WM_STATE | grep -q Normal || fail "the settings dialog stayed minimised"
xprop -id "$GAME_WINDOW" WM_STATE | grep -q Normal || fail "minimising the dialog hid the game"
xdotool key Escape
sleep 0.7
kill -0 "$GAME_PID" 2>/dev/null || fail "Esc after the dialog's minimise closed the game"
[ "$(xdotool getwindowname "$GAME_WINDOW")" = "$main_title" ] || fail "the main window changed"

# After those windows, a new game's board still lies under the pause cover.
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key Return
sleep 0.5
board_geometry 5
drag_disk 2 1
sleep 1.2
xdotool key space
sleep 0.5
bottom_is_blue 2 && fail "the board is drawn over the pause cover"
xdotool key space
sleep 0.5
bottom_is_blue 2 || fail "the board did not come back after the pause"
echo "secondary windows: each active once open, closed by Esc; no native labels; dialog not minimisable"
