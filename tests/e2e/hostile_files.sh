#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hostile files beside the game, one row each, against the real start-up path:
# whatever lies in 背景图库 or in place of the settings file, the game shows its
# first frame within 20 s, plays a move, keeps its peak memory within 64 MiB of
# that of a game without them (a 100 MB settings file may add its own size
# twice over), and closes within 10 s of Esc.
source "$(dirname "$0")/xsession.bash"

pictures="$WORK/背景图库"
ini="$WORK/Korvel·汉诺塔.ini"

# A 99-byte greyscale JPEG declaring 49185 × 55551 pixels: quantisation table,
# frame header, scan header and three bytes of data (libjpeg supplies the
# standard Huffman tables of a baseline picture).
giant_jpeg() {
  printf '\xff\xd8\xff\xdb\x00\x43\x00'
  head -c 64 /dev/zero | tr '\0' '\1'
  printf '\xff\xc0\x00\x0b\x08\xd8\xff\xc0\x21\x01\x01\x11\x00'
  printf '\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00\x00\x00\x00\xff\xd9'
}

# The same as a 119-byte progressive JPEG, with a one-code Huffman table for its
# first scan: libjpeg would keep 5.5 GB of coefficients for it.
giant_progressive_jpeg() {
  printf '\xff\xd8\xff\xdb\x00\x43\x00'
  head -c 64 /dev/zero | tr '\0' '\1'
  printf '\xff\xc2\x00\x0b\x08\xd8\xff\xc0\x21\x01\x01\x11\x00'
  printf '\xff\xc4\x00\x14\x00\x01'
  head -c 16 /dev/zero
  printf '\xff\xda\x00\x08\x01\x01\x00\x00\x00\x00\x00\xff\xd9'
}

# A greyscale JPEG whose scan data is random bytes.
corrupt_jpeg() {
  convert -size 64x48 gradient:black-white -colorspace Gray "$WORK/grey.jpg"
  local size header
  size=$(stat -c %s "$WORK/grey.jpg")
  header=$(( size / 2 ))
  head -c "$header" "$WORK/grey.jpg"
  head -c $(( size - header - 2 )) /dev/urandom
  printf '\xff\xd9'
}

# A GIF whose screen and image declare 65535 × 65535 pixels.
giant_gif() {
  printf 'GIF89a\xff\xff\xff\xff\x80\x00\x00\xff\x00\x00\x00\x00\xff'
  printf ',\x00\x00\x00\x00\xff\xff\xff\xff\x00\x02\x02\x44\x01\x00;'
}

# A 24-bit BMP declaring 50000 × 50000 pixels, with 16 bytes of pixels.
giant_bmp() {
  printf 'BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00'
  printf '\x28\x00\x00\x00\x50\xc3\x00\x00\x50\xc3\x00\x00\x01\x00\x18\x00'
  printf '\x00\x00\x00\x00\x10\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
  head -c 16 /dev/zero
}

# The settings file as the game wrote it, with one key's value replaced.
stored_with() {
  iconv -f GB18030 -t UTF-8 "$WORK/stored.ini" | sed -E "s/^$1=[^\r]*/$1=$2/" | iconv -f UTF-8 -t GB18030
}

row_giant_jpeg() { mkdir "$pictures"; giant_jpeg >"$pictures/giant.jpg"; }
row_giant_progressive_jpeg() { mkdir "$pictures"; giant_progressive_jpeg >"$pictures/giant.jpg"; }
row_corrupt_jpeg() { mkdir "$pictures"; corrupt_jpeg >"$pictures/corrupt.jpg"; }
row_giant_gif() { mkdir "$pictures"; giant_gif >"$pictures/giant.jpg"; }
row_giant_bmp() { mkdir "$pictures"; giant_bmp >"$pictures/giant.jpg"; }
row_settings_fifo() { mkfifo "$ini"; }
row_settings_dev_zero() { ln -s /dev/zero "$ini"; }
row_settings_100_mb() {
  # The file may well be held in memory once or twice.
  ALLOWANCE_KB=$(( 256 * 1024 ))
  cat "$WORK/stored.ini" >"$ini"
  awk 'BEGIN { for (i = 0; i < 5000000; ++i) printf "filler%d=%s\r\n", i, "x" }' >>"$ini"
  truncate -s 100M "$ini"
}
row_window_100000() { stored_with 宽度 100000 | sed -E 's/^(高度)=.*/\1=100000\r/' >"$ini"; }
row_window_1e300() { stored_with 宽度 1e300 >"$WORK/w.ini"; iconv -f GB18030 -t UTF-8 "$WORK/w.ini" | sed -E 's/^高度=[^\r]*/高度=1e300/' | iconv -f UTF-8 -t GB18030 >"$ini"; }

# Whether the screen shows a disk at a point, looking again for up to 5 s.
shows_disk() {
  local shot="$WORK/screen.png"
  for _ in $(seq 10); do
    import -window root "$shot"
    is_blue "$(pixel_of "$shot" "$1" "$2" 2>/dev/null)" && return 0
    sleep 0.5
  done
  return 1
}

peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$GAME_PID/status"; }

stop_game() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
}

# One round: start, first frame, a move from peg B to peg A, peak memory, Esc.
play_round() {
  cp "$GAME_BINARY" "$WORK/torvane"
  (cd "$WORK" && exec ./torvane >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  local window
  window=$(find_window --onlyvisible --name "汉诺塔") ||
    { echo "no window within 20 s"; stop_game; return 1; }
  measure_board "$window"
  local bottom peg_a peg_b
  bottom=$(row_y 1)
  peg_a=$(column_x 1)
  peg_b=$(column_x 2)
  shows_disk $(( peg_b + COLUMN / 3 )) "$bottom" ||
    { echo "no board in the first frame ($LEFT $TOP $WIDTH $HEIGHT)"; stop_game; return 1; }
  # The window has the keyboard and a moment to settle before the drag, as a
  # player's would; a window placed anew by the window manager meanwhile (one
  # stored larger than the screen) is measured again.
  xdotool windowfocus --sync "$window"
  sleep 0.3
  measure_board "$window"
  bottom=$(row_y 1)
  peg_a=$(column_x 1)
  peg_b=$(column_x 2)
  xdotool mousemove "$peg_b" "$bottom" mousedown 1
  sleep 0.1
  xdotool mousemove "$peg_a" $(( TOP + 20 ))
  sleep 0.1
  xdotool mousemove "$peg_a" $(( TOP + 25 )) mouseup 1
  # Beside the middle, where the disk's number is written in yellow.
  shows_disk $(( peg_a + COLUMN * 3 / 40 )) "$bottom" || { echo "the move was not played"; stop_game; return 1; }
  local peak
  peak=$(peak_kb)
  [ "$peak" -lt $(( PLAIN_PEAK_KB + 64 * 1024 + ALLOWANCE_KB )) ] ||
    { echo "peak memory ${peak} kB, a plain game's ${PLAIN_PEAK_KB} kB"; stop_game; return 1; }
  xdotool windowfocus --sync "$window" key Escape
  local status=0
  for _ in $(seq 100); do
    kill -0 "$GAME_PID" 2>/dev/null || { wait "$GAME_PID" || status=$?; GAME_PID=""; break; }
    sleep 0.1
  done
  [ -z "$GAME_PID" ] || { echo "not closed within 10 s of Esc"; stop_game; return 1; }
  [ "$status" -eq 0 ] || { echo "ended with status $status: $(tail -n 5 "$WORK/game.log")"; return 1; }
  echo "first frame, a move, peak ${peak} kB, closed"
}

start_x
start_window_manager

# A settings file as the game writes it, for the rows that change one value,
# and the peak memory of a game without hostile files.
start_game
sleep 2
PLAIN_PEAK_KB=$(peak_kb)
xdotool windowfocus --sync "$GAME_WINDOW" key Escape
wait_for_exit || fail "the plain game ended with status $?"
cp "$ini" "$WORK/stored.ini"

rows=(giant_jpeg giant_progressive_jpeg corrupt_jpeg giant_gif giant_bmp settings_fifo settings_dev_zero settings_100_mb
      window_100000 window_1e300)
failed=()
for row in "${rows[@]}"; do
  rm -rf "$pictures" "$ini" "$WORK"/Korvel*
  ALLOWANCE_KB=0
  "row_$row"
  if result=$(play_round); then
    echo "PASS $row: $result"
  else
    echo "FAIL $row: $result"
    failed+=("$row")
  fi
done
[ ${#failed[@]} -eq 0 ] || fail "${failed[*]}"
echo "hostile files: every row started, played and closed"
