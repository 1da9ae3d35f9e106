#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Records, read as a screen reader reads them: a 3-disk game won by keys in 7
# moves sets a record, so the tip after the win begins "新纪录！" and is
# announced so, and Ctrl+R shows the board's row (3, 3, 正常) with 7 moves and
# 至少 7. A second, slower win in 9 moves keeps both records and counts 2
# transfers. Killed while its records are written, the game leaves the file it
# had. The settings file after each game is the same byte for byte: records
# never touch it. In English the row reads the same; Tab, Space and OK on
# 清除成绩 leave no records.
source "$(dirname "$0")/private_bus.bash"
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_accessibility_bus
# The game in the C locale, the tools matching its Chinese titles in UTF-8.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C LC_ALL= LC_MESSAGES= LC_CTYPE=C.UTF-8
RECORDS="$WORK/records.ini"

# The seven moves that take three disks from peg A to peg C.
SHORTEST=(a c a b c b a c b a b c a c)

# The tip, from the main window's accessible tree (none while the board is rebuilt under the reader).
tip() { tree nodes 汉诺塔 2>/dev/null | awk -F'\t' '$1 == "label" && $3 == "提示" { print $2 }'; }

# The tip of the next level, once the win's sounds are over.
next_level_tip() {
  local text
  for _ in $(seq 30); do
    text=$(tip)
    [[ "$text" == *游戏初始完毕* ]] && break
    sleep 0.5
  done
  echo "$text"
}

# The records window's cells of the row of this board, tab-separated.
record_row() {
  local cells="$WORK/cells.txt"
  xdotool windowfocus --sync "$GAME_WINDOW"
  xdotool key ctrl+r
  find_window --onlyvisible --name "^成绩$" >/dev/null || fail "Ctrl+R opened no records window"
  tree nodes 成绩 | awk -F'\t' '$1 == "table cell" { print $2 }' >"$cells"
  # Seven cells a row.
  paste - - - - - - - <"$cells"
  xdotool key Escape
}

write_settings "[综合]" "柱数=3" "主柱=1" "横数=3"
cp "$SETTINGS_FILE" "$WORK/start.ini"

# A first win: a record, told in the tip as a screen reader hears it, and
# kept in the file.
start_focused_game 1
events="$WORK/events.txt"
tree events 10 >"$events" &
listener=$!
for _ in $(seq 50); do grep -q listening "$events" && break; sleep 0.1; done
keys "${SHORTEST[@]}"
first_tip=$(next_level_tip)
wait "$listener" || fail "the event listener failed"
[[ "$first_tip" == 新纪录！* ]] || fail "the tip after a first win reads '$first_tip'"
grep -qP '^object:property-change:accessible-name\tlabel\t新纪录！游戏初始完毕\.\.' "$events" ||
  fail "the new record was not announced: $(cut -f3 "$events" | tr '\n' '|')"
row=$(record_row)
IFS=$'\t' read -r pegs disks mode time moves fewest done <<<"$row"
[ "$pegs $disks $mode" = "3 3 正常" ] || fail "the records row reads '$row'"
[[ "$moves" == 7（* ]] || fail "the fewest moves read '$moves'"
[ "$fewest" = "至少 7" ] && [ "$done" = 1 ] || fail "the records row reads '$row'"
first_time=$time
close_game
cp "$SETTINGS_FILE" "$WORK/first.ini"
cp "$RECORDS" "$WORK/records-first.ini"

# A second win, slower and in two moves more (A to B and back): no record.
cp "$WORK/start.ini" "$SETTINGS_FILE"
start_focused_game 1
keys a b b a
sleep 2
keys "${SHORTEST[@]}"
second_tip=$(next_level_tip)
[[ "$second_tip" != 新纪录！* ]] || fail "a slower win in more moves set a record"
row=$(record_row)
IFS=$'\t' read -r pegs disks mode time moves fewest done <<<"$row"
[ "$time" = "$first_time" ] && [[ "$moves" == 7（* ]] && [ "$done" = 2 ] ||
  fail "after a slower second win the row reads '$row'"
close_game
cmp -s "$WORK/first.ini" "$SETTINGS_FILE" || fail "the settings files of the two games differ"
grep -qa records "$SETTINGS_FILE" && fail "the settings file mentions records"

# Killed while the records are written (each sync held for 3 s, the new
# content waiting in a file beside the old): the file is the one before, and
# the next start reads it without setting it aside.
cp "$RECORDS" "$WORK/records-before.ini"
cp "$WORK/start.ini" "$SETTINGS_FILE"
cp "$GAME_BINARY" "$WORK/torvane"
(cd "$WORK" && exec strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=3000000 ./torvane \
  >"$WORK/game.log" 2>&1) &
GAME_PID=$!
GAME_WINDOW=$(find_window --onlyvisible --name 汉诺塔) || fail "the main window did not appear under strace"
xdotool windowfocus --sync "$GAME_WINDOW"
sleep 1
keys "${SHORTEST[@]}"
for _ in $(seq 100); do
  compgen -G "$RECORDS.??????" >/dev/null && break
  sleep 0.1
done
compgen -G "$RECORDS.??????" >/dev/null || fail "no write of the records began"
pkill -KILL -P "$GAME_PID" || fail "no game under strace to kill"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""
cmp -s "$WORK/records-before.ini" "$RECORDS" || fail "a write killed midway changed the records file"
start_focused_game 1
row=$(record_row)
[[ "$row" == *$'\t'2 ]] || fail "after the killed write the row reads '$row'"
[ ! -e "$RECORDS.bad" ] || fail "the records file was set aside after the killed write"
close_game

# In English, the same row; then by keys, Tab to 清除成绩, Space and OK: no records are left.
LANG=en_US.UTF-8 GAME_TITLE="Tower of Hanoi" start_focused_game 1
xdotool key ctrl+r
records_window=$(find_window --onlyvisible --name "^Records$") || fail "Ctrl+R opened no records window in English"
cells=$(tree nodes Records | awk -F'\t' '$1 == "table cell" { print $2 }' | paste -s -d '|')
[[ "$cells" == "3|3|Normal|"*"|7 ("*")|at least 7|2" ]] || fail "in English the row reads '$cells'"
xdotool windowfocus --sync "$records_window"
keys Tab space
sleep 0.5
keys Return
sleep 0.5
cells=$(tree nodes Records | awk -F'\t' '$1 == "table cell"' | wc -l)
[ "$cells" = 0 ] || fail "清除成绩 left $cells cells"
[ ! -s "$RECORDS" ] || fail "清除成绩 left records in the file: $(cat "$RECORDS")"
echo "records: a first win told and shown, a slower one counted, a killed write harmless, cleared by keys"
