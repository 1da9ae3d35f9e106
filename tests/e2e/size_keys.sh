#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The board-size keys by the physical key, whatever the modifiers make of it:
# Ctrl, Shift and Alt with the main keyboard's minus (Shift makes it an
# underscore) and with the keypad's minus and plus, NumLock off and on; the
# main keyboard's plus key changes nothing.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
write_settings "[综合]" "柱数=3" "主柱=2" "横数=5"
start_focused_game 0.5

press() {
  xdotool key "$1"
  sleep 0.3
}

for key in ctrl+minus ctrl+KP_Subtract ctrl+KP_Add ctrl+equal ctrl+plus \
  shift+KP_Add shift+minus shift+KP_Add shift+KP_Add shift+KP_Subtract \
  alt+KP_Add alt+minus alt+KP_Subtract; do
  press "$key"
done
# disks 5 → 4 → 3 → 4; pegs 3 → 4 → 3 → 4 → 5 → 4; main peg 2 → 3 → 2 → 1
press Num_Lock
for key in ctrl+KP_Subtract shift+minus shift+KP_Add ctrl+KP_Add ctrl+KP_Add; do
  press "$key"
done
press Num_Lock
# disks 4 → 3 → 4 → 5; pegs 4 → 3 → 4; main peg stays 1
close_game
[ "$(stored_value 横数)" = 5 ] || fail "disk count stored as '$(stored_value 横数)', not 5"
[ "$(stored_value 柱数)" = 4 ] || fail "peg count stored as '$(stored_value 柱数)', not 4"
[ "$(stored_value 主柱)" = 1 ] || fail "main peg stored as '$(stored_value 主柱)', not 1"
echo "size keys: both minus keys and the keypad plus with Ctrl, Shift and Alt, NumLock off and on"
