#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a screen reader reads it, through AT-SPI on an accessibility bus
# of its own: the status bar's time, steps and tip as text; each peg by its
# letter and disks; after a move by keys the new steps, tip and pegs, with the
# changes announced; the pause cover announced; every control of the settings
# dialog and the about window named; and nine in ten nodes of each window named.
source "$(dirname "$0")/private_bus.bash"
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_accessibility_bus
# The game in the C locale, the tools matching its Chinese titles in UTF-8.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C LC_ALL= LC_MESSAGES= LC_CTYPE=C.UTF-8

# Whether a node with this role, name and description (and, given, text) is there.
has_node() {
  local line="$2"$'\t'"$3"$'\t'"$4"
  [ $# -ge 5 ] && line+=$'\t'"$5"
  grep -qF "$line" "$1" || fail "no $2 '$3' ('$4') in $1: $(cut -f1-3 "$1" | tr '\n' '|')"
}

# At least nine in ten nodes of the tree have a name.
mostly_named() {
  local named total
  total=$(wc -l <"$1")
  named=$(awk -F'\t' '$2 != ""' "$1" | wc -l)
  [ $(( named * 10 )) -ge $(( total * 9 )) ] || fail "only $named of $total nodes in $1 have a name"
}

start_focused_game 1
board="$WORK/board.txt"
tree nodes 汉诺塔 >"$board"
has_node "$board" frame "$(xdotool getwindowname "$GAME_WINDOW")" ""
has_node "$board" label "0 秒" 时间 "0 秒"
has_node "$board" label "0 步" 步数 "0 步"
has_node "$board" label "游戏初始完毕..第一次选择盘片进行移动时将开始计时.." 提示
has_node "$board" label "A 柱，空" ""
has_node "$board" label "B 柱，主柱，5 个盘，顶上 1 号盘" "从下到上：5 4 3 2 1"
has_node "$board" label "1 号盘，在 B 柱" ""
mostly_named "$board"

# A move by keys, then a pause: heard as they happen.
events="$WORK/events.txt"
tree events 4 >"$events" &
listener=$!
for _ in $(seq 50); do grep -q listening "$events" && break; sleep 0.1; done
xdotool key b
sleep 0.3
xdotool key a
sleep 1.2
xdotool key space
wait "$listener" || fail "the event listener failed"
grep -qP '^focus:\tlabel\t1 号盘，从 B 柱举起，在 B 柱上方' "$events" || fail "the lifted disk was not announced: $(cat "$events")"
grep -qP '^focus:\tlabel\tA 柱，1 个盘，顶上 1 号盘\t从下到上：1$' "$events" || fail "the peg set on was not announced"
grep -qP 'accessible-name\tlabel\t1 步\t步数$' "$events" || fail "the new step count was not announced"
grep -qP 'accessible-name\tlabel\t放下正确，继续...\t提示$' "$events" || fail "the new tip was not announced"
grep -qP '^object:text-changed:insert\tlabel\t1 秒\t时间$' "$events" || fail "the clock's text change was not announced"
grep -qP '^focus:\tlabel\t游戏已暂停\t您暂停了游戏' "$events" || fail "the pause was not announced"
xdotool key space

tree nodes 汉诺塔 >"$board"
has_node "$board" label "1 步" 步数 "1 步"
has_node "$board" label "放下正确，继续..." 提示 "放下正确，继续..."
has_node "$board" label "A 柱，1 个盘，顶上 1 号盘" "从下到上：1"
has_node "$board" label "B 柱，主柱，4 个盘，顶上 2 号盘" "从下到上：5 4 3 2"
has_node "$board" label "1 号盘，在 A 柱" ""
has_node "$board" label "键盘列：A 柱" ""

# The settings dialog: every control named by its label.
xdotool key ctrl+Return
dialog="$WORK/dialog.txt"
tree nodes 设置游戏参数 >"$dialog"
for name in 盘数 柱数 主柱; do has_node "$dialog" text "$name" ""; done
# A colour button is called by its colour too.
for name in 颜色\ 1 颜色\ 2 颜色\ 3; do
  grep -qP "^push button\t$name，." "$dialog" || fail "no colour button $name with its colour"
done
has_node "$dialog" label 盘数： ""
has_node "$dialog" "push button" 必看 ""
for name in 修改对象 渐变方式 边框; do grep -qP "^combo box\t$name\t" "$dialog" || fail "no list named $name: $(cut -f1-2 "$dialog" | tr "\n" "|")"; done
unnamed=$(awk -F'\t' '$2 == "" && $1 ~ /^(text|combo box|push button|spin button|check box)$/' "$dialog")
[ -z "$unnamed" ] || fail "dialog controls without a name: $unnamed"
mostly_named "$dialog"
xdotool key Escape
sleep 0.5

# The about window: named though it has no title, its texts readable.
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key F1
about="$WORK/about.txt"
tree nodes 关于 >"$about"
has_node "$about" label 开发： ""
has_node "$about" label 地区： ""
mostly_named "$about"
