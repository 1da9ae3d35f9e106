#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The monkey test: random presses, drags, double-clicks, keys, play by keys
# (letters, arrows, hints, demonstrations) and menu entries on the real
# executable in Xvfb under openbox, for the minutes given, the game started
# again whenever it ends. Reports crashes, sanitizer reports, hangs (no
# answer to the window manager's _NET_WM_PING within 5 s, asked every 3 s) and
# the game's memory (RSS) every 10 s. The seed makes the actions repeatable.
# Usage: monkey.sh GAME_BINARY [MINUTES] [SEED]
# Writes events.log, actions.log, game.log and memory.csv to a folder monkey/ beside the binary.
source "$(dirname "$0")/xsession.bash"

MINUTES=${2:-1}
SEED=${3:-$(( $(date +%s) % 32768 ))}
PING="$(dirname "$GAME_BINARY")/tests/wm_ping"
REPORT="$(cd "$(dirname "$GAME_BINARY")" && pwd)/monkey"
rm -rf "$REPORT"
mkdir -p "$REPORT"
RANDOM=$SEED
START=$SECONDS

ACTIONS=0 RUNS=0 CRASHES=0 SANITIZER_REPORTS=0 HANGS=0 OTHER_PROBLEMS=0 FATAL_STOPS=0
ADOPTED=0
GAME_WINDOW=""

note() { echo "[$(( SECONDS - START ))s] $*" >>"$REPORT/events.log"; }
# Every X client call has a bound of its own, so the monkey itself never waits for ever.
x() {
  echo "$(( SECONDS - START )) $*" >>"$REPORT/actions.log"
  timeout 10 xdotool "$@" >/dev/null 2>&1 || true
}

# A game this folder's executable started by itself (恢复初始参数 starts a new
# one and ends): it is taken over instead of starting another.
game_started_by_the_game() {
  local proc
  for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/exe" 2>/dev/null)" = "$WORK/torvane" ] && { echo "${proc#/proc/}"; return 0; }
  done
  return 1
}

# The game's main window, shown. A game closed while minimised starts
# minimised, as it should: it is brought back so that play goes on.
find_main_window() {
  GAME_WINDOW=$(timeout 20 xdotool search --sync --pid "$GAME_PID" --name "汉诺塔" 2>/dev/null | head -n 1) ||
    GAME_WINDOW=""
  [ -n "$GAME_WINDOW" ] || return 0
  if ! timeout 5 xdotool search --sync --onlyvisible --pid "$GAME_PID" --name "汉诺塔" >/dev/null 2>&1; then
    timeout 5 xdotool windowactivate "$GAME_WINDOW" >/dev/null 2>&1 || true
    timeout 10 xdotool search --sync --onlyvisible --pid "$GAME_PID" --name "汉诺塔" >/dev/null 2>&1 || GAME_WINDOW=""
  fi
}

launch() {
  echo "=== run $(( RUNS + 1 )) at $(( SECONDS - START ))s" >>"$REPORT/game.log"
  (cd "$WORK" && exec ./torvane >>"$REPORT/game.log" 2>&1) &
  GAME_PID=$!
  ADOPTED=0
  RUNS=$(( RUNS + 1 ))
  find_main_window
  if [ -z "$GAME_WINDOW" ]; then
    OTHER_PROBLEMS=$(( OTHER_PROBLEMS + 1 ))
    note "PROBLEM: no main window within 20 s of the start"
  fi
}

# The game's fatal stops write their text to game.log, a game started by the
# game itself too, whose exit status the monkey never learns.
fatal_stops_in_log() { grep -c "运行时出错" "$REPORT/game.log" || true; }
last_fatal_stop() {
  tr -d '\r' <"$REPORT/game.log" |
    awk '/运行时出错/ { text = "" } /^错误(代码|信息)/ { text = text (text ? " " : "") $0 } END { print text }'
}

# Notes how the game ended, when it has, and starts it (or takes it) again.
keep_game_running() {
  kill -0 "$GAME_PID" 2>/dev/null && return 0
  local status=unknown found
  if [ "$ADOPTED" -eq 0 ]; then
    status=0
    wait "$GAME_PID" || status=$?
  fi
  found=$(fatal_stops_in_log)
  if [ "$found" -gt "$FATAL_STOPS" ]; then
    FATAL_STOPS=$found
    CRASHES=$(( CRASHES + 1 ))
    note "PROBLEM: the game stopped on an error: $(last_fatal_stop)"
  elif [ "$status" = 255 ]; then
    CRASHES=$(( CRASHES + 1 ))
    note "PROBLEM: the game ended with status 255, as a fatal stop does, without its text"
  elif [ "$status" != unknown ] && [ "$status" -gt 128 ]; then
    CRASHES=$(( CRASHES + 1 ))
    note "PROBLEM: the game crashed with signal $(( status - 128 ))"
  elif [ "$status" = unknown ]; then
    note "the game ended (started by the game itself: its status is unknown)"
  else
    note "the game ended with status $status"
  fi
  local successor
  if successor=$(game_started_by_the_game); then
    GAME_PID=$successor
    ADOPTED=1
    RUNS=$(( RUNS + 1 ))
    note "the game started itself again"
    find_main_window
  else
    launch
  fi
}

count_sanitizer_reports() {
  local found
  found=$(grep -cE "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:" "$REPORT/game.log" || true)
  if [ "$found" -gt "$SANITIZER_REPORTS" ]; then
    note "PROBLEM: $(( found - SANITIZER_REPORTS )) new sanitizer report(s) in game.log"
    SANITIZER_REPORTS=$found
  fi
}

check_answers() {
  [ -n "$GAME_WINDOW" ] || { find_main_window; return 0; }
  local status=0
  timeout 20 "$PING" "$GAME_WINDOW" 5000 || status=$?
  if [ "$status" -eq 124 ]; then
    OTHER_PROBLEMS=$(( OTHER_PROBLEMS + 1 ))
    note "PROBLEM: the X server did not answer the ping probe within 20 s"
  elif [ "$status" -eq 2 ]; then
    find_main_window
  elif [ "$status" -eq 1 ] && kill -0 "$GAME_PID" 2>/dev/null; then
    HANGS=$(( HANGS + 1 ))
    note "PROBLEM: hang: no answer to _NET_WM_PING within 5 s"
    command -v gdb >/dev/null &&
      timeout 60 gdb -p "$GAME_PID" -batch -ex "thread apply all bt" >"$REPORT/hang-$HANGS.txt" 2>&1
    kill -9 "$GAME_PID" 2>/dev/null || true
  fi
}

sample_memory() {
  local rss
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status" 2>/dev/null) || return 0
  # A game that has just ended (not yet waited for) has no VmRSS line.
  if [ -n "$rss" ]; then
    echo "$(( SECONDS - START )),$GAME_PID,$rss" >>"$REPORT/memory.csv"
  fi
}

# A random point: inside the main window mostly, anywhere on the screen sometimes.
random_point() {
  local X=0 Y=0 WIDTH=1280 HEIGHT=1024
  if [ -n "$GAME_WINDOW" ] && [ $(( RANDOM % 10 )) -gt 0 ]; then
    eval "$(timeout 10 xdotool getwindowgeometry --shell "$GAME_WINDOW" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')" || true
  fi
  echo "$(( X + RANDOM % (WIDTH > 0 ? WIDTH : 1) )) $(( Y + RANDOM % (HEIGHT > 0 ? HEIGHT : 1) ))"
}

# A point inside the main window only: a right-click on the desktop would open
# the window manager's own menu.
window_point() {
  local X=0 Y=0 WIDTH=1 HEIGHT=1
  [ -n "$GAME_WINDOW" ] &&
    eval "$(timeout 10 xdotool getwindowgeometry --shell "$GAME_WINDOW" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')" || true
  echo "$(( X + RANDOM % (WIDTH > 0 ? WIDTH : 1) )) $(( Y + RANDOM % (HEIGHT > 0 ? HEIGHT : 1) ))"
}

KEYS=(Return ctrl+Return space F1 ctrl+KP_Add ctrl+KP_Subtract shift+KP_Add shift+KP_Subtract
      alt+KP_Add alt+KP_Subtract minus ctrl+minus Tab Up Down Left Right 1 5 9 0 BackSpace Return space ctrl+h ctrl+r ctrl+i)

# The board as the window shows it, below the pegs' tops (where no lifted disk
# floats and no keyboard mark stands) and above the status bar: "W H checksum".
# Two that differ in the checksum alone mean a disk was moved.
board_signature() {
  [ -n "$GAME_WINDOW" ] || { echo none; return 0; }
  local width height
  read -r width height <<<"$(timeout 10 xwininfo -id "$GAME_WINDOW" 2>/dev/null |
    awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w + 0, h + 0 }')"
  [ "${height:-0}" -gt 40 ] || { echo none; return 0; }
  local top=$(( (height - 20) * 3 / 10 ))
  echo "$width $height $(timeout 10 import -window "$GAME_WINDOW" -crop "${width}x$(( height - 20 - top ))+0+$top" \
    +repage rgb:- 2>/dev/null | md5sum | cut -c1-32)"
}

# Moves made by each way of playing: an action of that way after which the board differs.
declare -A MOVES=([mouse]=0 [letters]=0 [arrows]=0 [demonstration]=0)
BEFORE=""
watch_board() { BEFORE=$(board_signature); }
count_move() {
  local after
  after=$(board_signature)
  if [ "$BEFORE" != none ] && [ "$after" != "$BEFORE" ] && [ "${after% *}" = "${BEFORE% *}" ]; then
    MOVES[$1]=$(( MOVES[$1] + 1 ))
  fi
}

# A letter for a peg: mostly one of the first five, which every board has.
random_letter() {
  local letters=abcdefghijklmnopqrstuvwxyz
  if [ $(( RANDOM % 4 )) -gt 0 ]; then
    echo "${letters:RANDOM % 5:1}"
  else
    echo "${letters:RANDOM % 26:1}"
  fi
}

# Picks an entry of a menu just opened, by the keyboard.
choose_menu_entry() {
  sleep 0.2
  x key --repeat $(( 1 + RANDOM % 13 )) --delay 20 Down
  x key Return
}

# The ways of playing by keys: letters in pairs (a lift and a put-down), the
# arrows, Esc during a lift, a demonstration stopped by a key or a click, and
# the menu opened by Shift+F10 or the Menu key.
key_play_action() {
  local choice=$(( RANDOM % 6 )) px py
  case $choice in
    0 | 1)
      watch_board
      x key "$(random_letter)"
      x key "$(random_letter)"
      sleep 0.1
      count_move letters
      ;;
    2)
      watch_board
      x key Up
      x key --repeat $(( RANDOM % 4 )) --delay 30 "$([ $(( RANDOM % 2 )) -eq 0 ] && echo Left || echo Right)"
      x key Down
      sleep 0.1
      count_move arrows
      ;;
    3)
      x key "$(random_letter)"
      x key Escape
      ;;
    4)
      watch_board
      x key ctrl+d
      sleep "$(( 1 + RANDOM % 4 )).$(( RANDOM % 10 ))"
      if [ $(( RANDOM % 2 )) -eq 0 ]; then
        x key "$(random_letter)"
      else
        read -r px py <<<"$(window_point)"
        x mousemove "$px" "$py" click 1
      fi
      sleep 0.1
      count_move demonstration
      ;;
    5)
      x key "$([ $(( RANDOM % 2 )) -eq 0 ] && echo shift+F10 || echo Menu)"
      choose_menu_entry
      ;;
  esac
}

random_action() {
  local choice=$(( RANDOM % 100 )) px py
  if [ "$choice" -lt 30 ]; then
    read -r px py <<<"$(random_point)"
    x mousemove "$px" "$py" click 1
  elif [ "$choice" -lt 45 ]; then
    watch_board
    read -r px py <<<"$(random_point)"
    x mousemove "$px" "$py" mousedown 1
    for _ in $(seq $(( 1 + RANDOM % 4 ))); do
      read -r px py <<<"$(random_point)"
      x mousemove "$px" "$py"
    done
    x mouseup 1
    sleep 0.1
    count_move mouse
  elif [ "$choice" -lt 49 ]; then
    read -r px py <<<"$(window_point)"
    x mousemove "$px" "$py" click --repeat 2 --delay 60 1
  elif [ "$choice" -lt 64 ]; then
    x key "${KEYS[RANDOM % ${#KEYS[@]}]}"
  elif [ "$choice" -lt 80 ]; then
    key_play_action
  elif [ "$choice" -lt 90 ]; then
    read -r px py <<<"$(window_point)"
    x mousemove "$px" "$py" click 3
    choose_menu_entry
  elif [ "$choice" -lt 98 ]; then
    x key Escape
    sleep 0.1
    x key Return
  else
    x key Escape
  fi
  ACTIONS=$(( ACTIONS + 1 ))
}

start_x
start_window_manager
cp "$GAME_BINARY" "$WORK/torvane"
launch
[ -n "$GAME_WINDOW" ] || fail "the game did not start"

# The hang check itself: a running game must answer, a stopped one go
# unanswered. A window that Qt replaced while the game started is gone
# (status 2): the main window is found again.
status=0
"$PING" "$GAME_WINDOW" 5000 || status=$?
if [ "$status" -eq 2 ]; then
  find_main_window
  status=0
  "$PING" "$GAME_WINDOW" 5000 || status=$?
fi
[ "$status" -eq 0 ] || fail "a running game's window gave the ping probe status $status, not 0 (an answer)"
kill -STOP "$GAME_PID"
status=0
"$PING" "$GAME_WINDOW" 5000 || status=$?
kill -CONT "$GAME_PID"
[ "$status" -eq 1 ] || fail "a stopped game's window gave the ping probe status $status, not 1 (no answer)"

echo "seconds,pid,rss_kb" >"$REPORT/memory.csv"
sample_memory
end=$(( SECONDS + MINUTES * 60 ))
last_ping=$SECONDS last_sample=$SECONDS
while [ "$SECONDS" -lt "$end" ]; do
  kill -0 "$WM_PID" 2>/dev/null || { note "the window manager ended; started again"; start_window_manager; }
  keep_game_running
  random_action
  sleep 0.05
  if [ $(( SECONDS - last_ping )) -ge 3 ]; then
    keep_game_running
    check_answers
    count_sanitizer_reports
    last_ping=$SECONDS
  fi
  if [ $(( SECONDS - last_sample )) -ge 10 ]; then
    sample_memory
    last_sample=$SECONDS
  fi
done
keep_game_running
sample_memory
count_sanitizer_reports

first=$(sed -n 2p "$REPORT/memory.csv" | cut -d, -f3)
last=$(tail -n 1 "$REPORT/memory.csv" | cut -d, -f3)
peak=$(tail -n +2 "$REPORT/memory.csv" | cut -d, -f3 | sort -n | tail -n 1)
summary="monkey: $MINUTES min, seed $SEED, $ACTIONS actions, $RUNS runs; crashes $CRASHES,"
summary+=" sanitizer reports $SANITIZER_REPORTS, hangs $HANGS, other problems $OTHER_PROBLEMS;"
summary+=" moves by mouse ${MOVES[mouse]}, letters ${MOVES[letters]}, arrows ${MOVES[arrows]},"
summary+=" demonstration ${MOVES[demonstration]};"
summary+=" RSS at start ${first} kB, at end ${last} kB, highest ${peak} kB (report in $REPORT)"
echo "$summary" | tee -a "$REPORT/events.log"
grep PROBLEM "$REPORT/events.log" || true
[ $(( CRASHES + SANITIZER_REPORTS + HANGS + OTHER_PROBLEMS )) -eq 0 ] || fail "the monkey found problems"
