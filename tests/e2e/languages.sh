#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game speaks the desktop's language: English for an English locale, the
# game's own Chinese for any other, C included; read through AT-SPI, after the
# same moves in each: the tip, the steps, the menu and the settings dialog.
# Whatever the language, the settings file it writes is the same to the byte.
source "$(dirname "$0")/private_bus.bash"
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_accessibility_bus
# Only LANG changes from one run to the next. xdotool finds the main window by
# the part of its title that every language writes alike, in ASCII.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL= LC_MESSAGES= GAME_TITLE=Torvane

# Whether a node with this role and name is in the file.
has_node() {
  grep -qP "^$2\t\Q$3\E\t" "$1" || fail "LANG=$LANG: no $2 '$3' in $(cut -f1-2 "$1" | tr '\n' '|')"
}

# Plays B to A, reads the board, the menu and the dialog, and closes the game,
# which saves its settings. Arguments: the main window's title, the tip after
# the move, the steps, a menu entry, the dialog's title and its disks label.
play_and_read() {
  rm -f "$SETTINGS_FILE"
  start_focused_game 1
  xdotool key b
  sleep 0.3
  xdotool key a
  sleep 0.5
  local read="$WORK/read.txt"
  tree nodes "$1" >"$read"
  has_node "$read" label "$2"
  has_node "$read" label "$3"
  # A pop-up menu is no window of the application's own: it is heard as its
  # entries take the focus.
  tree events 2.5 >"$read" &
  local listener=$!
  for _ in $(seq 50); do grep -q listening "$read" && break; sleep 0.1; done
  xdotool key shift+F10
  sleep 0.5
  xdotool key Down
  wait "$listener" || fail "the event listener failed"
  grep -qP "^focus:\tmenu item\t\Q$4\E\t" "$read" || fail "LANG=$LANG: the menu did not offer '$4': $(cat "$read")"
  xdotool key Escape
  sleep 0.3
  xdotool key ctrl+Return
  tree nodes "$5" >"$read"
  has_node "$read" label "$6"
  xdotool key Escape
  sleep 0.5
  xdotool windowfocus --sync "$GAME_WINDOW"
  close_game
}

LANG=C play_and_read 汉诺塔 "放下正确，继续..." "1 步" "新游戏     (回车)" 设置游戏参数 盘数：
cp "$SETTINGS_FILE" "$WORK/c.ini"
LANG=zh_CN.UTF-8 play_and_read 汉诺塔 "放下正确，继续..." "1 步" "新游戏     (回车)" 设置游戏参数 盘数：
cp "$SETTINGS_FILE" "$WORK/zh.ini"
LANG=en_US.UTF-8 play_and_read "Tower of Hanoi" "Well placed, go on..." "1 step" "New game     (Enter)" "Game settings" Disks:
cp "$SETTINGS_FILE" "$WORK/en.ini"

cmp -s "$WORK/c.ini" "$WORK/zh.ini" || fail "the settings files of LANG=C and zh_CN differ"
cmp -s "$WORK/c.ini" "$WORK/en.ini" || fail "the settings files of LANG=C and en_US differ: $(diff <(iconv -f GB18030 -t UTF-8 "$WORK/c.ini") <(iconv -f GB18030 -t UTF-8 "$WORK/en.ini"))"
iconv -f GB18030 -t UTF-8 "$WORK/en.ini" | grep -q '^静音       (J)=假' || fail "the mute option is not stored under its Chinese caption"
