# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end checks: a private X server (and, on request, a window
# manager), a copy of the game in a folder of its own, and small assertions.
set -euo pipefail

GAME_BINARY="$1"
CLIPBOARD_OWNER="${CLIPBOARD_OWNER:-}"
WORK=$(mktemp -d)
SERVER_PID=""
WM_PID=""
GAME_PID=""
CLIPBOARD_PID=""

cleanup() {
  # Killed outright: asked to end, the game would still save beside itself
  # while its folder is being removed.
  [ -n "$GAME_PID" ] && kill -KILL "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null || true
  [ -n "$CLIPBOARD_PID" ] && kill "$CLIPBOARD_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A display of its own: Xvfb takes a number no other server holds and writes
# it to the file once it accepts connections, so that checks run side by side.
start_x() {
  : >"$WORK/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
  SERVER_PID=$!
  for _ in $(seq 200); do
    if [ "$(wc -l <"$WORK/display")" -ge 1 ]; then
      export DISPLAY=":$(head -n 1 "$WORK/display")"
      xdpyinfo >/dev/null 2>&1 || fail "the X server on $DISPLAY does not answer"
      return 0
    fi
    kill -0 "$SERVER_PID" 2>/dev/null || break
    sleep 0.1
  done
  fail "no X server could be started"
}

start_window_manager() {
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  sleep 1
}

# The first window that `xdotool search` finds with the options given, within
# 20 seconds. xdotool gives up on a window that vanishes while it searches (a
# window manager's frame, a game closing), so the search is tried again.
find_window() {
  local found deadline=$(( SECONDS + 20 ))
  while [ "$SECONDS" -lt "$deadline" ]; do
    found=$(xdotool search "$@" 2>/dev/null | head -n 1) || true
    if [ -n "$found" ]; then
      echo "$found"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Starts the game from its own folder, so that what it writes lands there, and
# finds its main window by a part of its title: GAME_TITLE, 汉诺塔 unless set.
start_game() {
  cp "$GAME_BINARY" "$WORK/torvane"
  (cd "$WORK" && exec ./torvane >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  GAME_WINDOW=$(find_window --onlyvisible --name "${GAME_TITLE:-汉诺塔}") ||
    fail "the main window did not appear"
}

# Starts the game, gives it the keyboard and lets it settle for $1 seconds.
start_focused_game() {
  start_game
  xdotool windowfocus --sync "$GAME_WINDOW"
  sleep "$1"
}

# Reads the outer geometry of a window as "X Y W H".
window_geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/{printf "%s ", $2}' | sed 's/ $//'
}

# The colour of one pixel of a screenshot, as "r g b".
pixel_of() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'
}

# Whether an "r g b" colour is the blue of the disks.
is_blue() { read -r r g b <<<"$1"; [ "$b" -gt 150 ] && [ "$r" -lt 80 ]; }

wait_for_exit() {
  local status=0
  for _ in $(seq 100); do
    kill -0 "$GAME_PID" 2>/dev/null || { wait "$GAME_PID" || status=$?; GAME_PID=""; return $status; }
    sleep 0.1
  done
  fail "the game did not end"
}

# The board of a game on 3 pegs with DISKS disks (5 unless set): the client
# area's corner on the screen (LEFT, TOP), its size (WIDTH, HEIGHT), the width
# of a peg's column and the height above the status bar.
measure_board() {
  read -r LEFT TOP <<<"$(client_origin "$1")"
  read -r WIDTH HEIGHT <<<"$(client_size "$1")"
  COLUMN=$(( WIDTH / 3 ))
  PLAY_HEIGHT=$(( HEIGHT - 20 ))
  DISKS=${DISKS:-5}
}

column_x() { echo $(( LEFT + ($1 - 1) * COLUMN + COLUMN / 2 )); }
# The middle of the k-th disk from the bottom: the base is one row high, a disk 80% of a row.
row_y() {
  local row=$(( PLAY_HEIGHT / (DISKS + 4) ))
  local disk=$(( row * 8 / 10 ))
  echo $(( TOP + PLAY_HEIGHT - row - disk * ($1 - 1) - disk / 2 ))
}

# Presses keys through XTEST one after another, 0.15 s apart.
keys() {
  local key
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.15
  done
}

# Drags the top disk of one peg to another, then waits DRAG_PAUSE seconds.
drag() {
  local from=$1 to=$2
  xdotool mousemove "$(column_x "$from")" "$(row_y 1)" mousedown 1
  xdotool mousemove "$(column_x "$to")" $(( TOP + 20 ))
  xdotool mousemove "$(column_x "$to")" $(( TOP + 25 )) mouseup 1
  sleep "${DRAG_PAUSE:-0.3}"
}

# Chooses "恢复初始参数.." in the context menu and answers OK: the ninth
# entry, past one separator, is the eighth item.
restore_defaults_by_menu() {
  xdotool mousemove --window "$GAME_WINDOW" 40 30 click 3
  sleep 0.5
  for _ in $(seq 8); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
  xdotool key Return
}

# Waits for an instance of the program $1 other than process $2, and makes it
# the game the checks follow.
follow_new_instance() {
  local new_pid=""
  for _ in $(seq 50); do
    new_pid=$(pgrep -f "^$1" | grep -v "^$2\$" | head -n 1 || true)
    [ -n "$new_pid" ] && break
    sleep 0.2
  done
  [ -n "$new_pid" ] || fail "no new instance started"
  GAME_PID=$new_pid
}

# Whether a disk lies in row k of a peg in the screenshot $shot: beside the
# peg, which is half as wide as the shortest disk, yet within that disk.
disk_at() { is_blue "$(pixel_of "$shot" $(( $(column_x "$1") + COLUMN * 3 / 40 )) "$(row_y "$2")")"; }

SETTINGS_FILE="$WORK/Korvel·汉诺塔.ini"

# Writes the settings file the next start reads, from UTF-8 lines, as the
# game stores it (GBK, CRLF).
write_settings() {
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t GB18030 >"$SETTINGS_FILE"
}

# One value of the settings file the game wrote.
stored_value() {
  iconv -f GB18030 -t UTF-8 "$SETTINGS_FILE" | tr -d '\r' | awk -F= -v key="$1" '$1 == key { print $2; exit }'
}

# The title of the window that has the keyboard.
active_title() { xdotool getwindowname "$(xdotool getactivewindow)"; }

# Waits until the window with the keyboard has this title.
wait_for_active() {
  for _ in $(seq 50); do
    [ "$(active_title 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "'$1' did not become the active window (active: '$(active_title 2>/dev/null)')"
}

# How many X windows the main window holds inside it (its controls drawn in
# its own surface hold none).
native_children() { xwininfo -tree -id "$GAME_WINDOW" | grep -c '^ *0x' || true; }

# Closes the game with Esc on its main window and waits for it to end.
close_game() {
  xdotool windowfocus --sync "$GAME_WINDOW"
  xdotool key Escape
  wait_for_exit || fail "the game ended with status $?"
}

# Where a window's client area begins on the screen, as "X Y" (under a window
# manager, xdotool's window position counts the frame twice).
client_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }'
}

# A window's client area as "WIDTH HEIGHT".
client_size() {
  xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w, h }'
}

# Moves the mouse to a point of a window's client area.
move_to() {
  local x y
  read -r x y <<<"$(client_origin "$1")"
  xdotool mousemove $((x + $2)) $((y + $3))
}

# The context menu's entry at this position (1 = "新游戏"), chosen with the keyboard.
menu_command() {
  move_to "$GAME_WINDOW" 40 30
  xdotool click 3
  sleep 0.5
  local i
  for i in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
}

# The board of the main window in client coordinates, for a game of this
# many disks: BOARD_COLUMN is one peg's column, BOARD_ROW one disk row.
board_geometry() {
  read -r CLIENT_WIDTH CLIENT_HEIGHT <<<"$(client_size "$GAME_WINDOW")"
  BOARD_COLUMN=$((CLIENT_WIDTH / 3))
  PLAY_HEIGHT=$((CLIENT_HEIGHT - 20))
  BOARD_ROW=$((PLAY_HEIGHT / ($1 + 4)))
}
# The middle of a peg's column, and the middle of the row just above the base.
column_middle() { echo $((($1 - 1) * BOARD_COLUMN + BOARD_COLUMN / 2)); }
bottom_row() { echo $((PLAY_HEIGHT - BOARD_ROW - BOARD_ROW / 2)); }

# Drags the top disk of one peg onto another (3 pegs).
drag_disk() {
  move_to "$GAME_WINDOW" "$(column_middle "$1")" "$(bottom_row)"
  xdotool mousedown 1
  move_to "$GAME_WINDOW" "$(column_middle "$2")" 20
  move_to "$GAME_WINDOW" "$(column_middle "$2")" 25
  xdotool mouseup 1
  sleep 0.2
}

# The colour of a point of the main window's client area on screen, as "r g b".
client_colour() {
  local x y shot="$WORK/client_colour.png"
  read -r x y <<<"$(client_origin "$GAME_WINDOW")"
  import -window root "$shot"
  pixel_of "$shot" $((x + $1)) $((y + $2))
}
# Whether a peg holds a disk in the row just above the base: a point beside
# the peg that even the shortest disk covers.
bottom_is_blue() { is_blue "$(client_colour $(($(column_middle "$1") + BOARD_COLUMN * 3 / 40)) "$(bottom_row)")"; }

# Puts a text on the clipboard (held by a program of its own until the end).
set_clipboard() {
  [ -n "$CLIPBOARD_PID" ] && kill "$CLIPBOARD_PID" 2>/dev/null || true
  "$CLIPBOARD_OWNER" "$1" >"$WORK/clipboard.out" 2>/dev/null &
  CLIPBOARD_PID=$!
  for _ in $(seq 50); do
    grep -q ready "$WORK/clipboard.out" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the clipboard could not be set"
}

# The accessibility bus of the check's own D-Bus session (private_bus.bash),
# ended with the check.
start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  BUS_PID=$!
  trap 'kill "$BUS_PID" 2>/dev/null || true; cleanup' EXIT
}

# The game's accessible tree, read with pyatspi (accessible_tree.py).
tree() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_tree.py" "$@"; }
