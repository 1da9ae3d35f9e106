#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# At a device pixel ratio of 2 the board keeps its layout in logical pixels
# and is painted at device resolution: every disk edge lies at twice its
# place at ratio 1, and the colour changes from background to disk within one
# pixel, with no blurred pixel of an upscaled picture between.
source "$(dirname "$0")/xsession.bash"

# Prints "first last" of the blue pixels of the k-th disk from the bottom, in
# the row through its middle, counted from the left of peg B's column, and
# fails unless both edges are sharp.
disk_edges() {
  local k=$1 shot="$WORK/shot$RATIO.png"
  convert "$shot" -crop "${COLUMN}x1+$(( LEFT + COLUMN ))+$(row_y "$k")" -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 { x = NR - 2; r[x] = $3; g[x] = $4; b[x] = $5 + 0; n = x }
      function blue(i) { return b[i] > 150 && r[i] < 80 }
      function same(i, j) { return r[i] == r[j] && g[i] == g[j] && b[i] == b[j] }
      function near(i, j) { return (r[i] - r[j]) ^ 2 + (g[i] - g[j]) ^ 2 + (b[i] - b[j]) ^ 2 < 400 }
      END { first = -1
            for (i = 0; i <= n; i++) if (blue(i)) { if (first < 0) first = i; last = i }
            if (first < 2 || last >= n - 1) exit 2
            # The outermost disk pixels equal their inner neighbours, and the
            # background runs on unmixed up to them.
            if (!same(first, first + 1) || !same(last, last - 1)) exit 3
            if (!near(first - 1, first - 2) || !near(last + 1, last + 2)) exit 4
            print first, last }'
}

# How many of the 20 pixels of a column inside the shortest disk differ from
# the pixel above: a gradient painted at device resolution changes at nearly
# every device pixel, one painted at logical size and enlarged only at every
# second.
gradient_steps() {
  local x=$(( LEFT + COLUMN + $1 + 4 )) y=$(( $(row_y 5) - 10 ))
  convert "$WORK/shot$RATIO.png" -crop "1x20+$x+$y" -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 { c = $3 "," $4 "," $5 + 0; if (NR > 2 && c != previous) steps++; previous = c }
                   END { print steps + 0 }'
}

measure_at() {
  RATIO=$1
  rm -f "$WORK/Korvel·汉诺塔.ini"
  QT_SCALE_FACTOR=$RATIO start_game
  xdotool windowfocus --sync "$GAME_WINDOW"
  sleep 1.5
  measure_board "$GAME_WINDOW"
  PLAY_HEIGHT=$(( HEIGHT - 20 * RATIO ))
  import -window root "$WORK/shot$RATIO.png"
  SHORTEST=$(disk_edges 5) || fail "at ratio $RATIO the shortest disk's edges are not sharp"
  THIRD=$(disk_edges 3) || fail "at ratio $RATIO the third disk's edges are not sharp"
  STEPS=$(gradient_steps "${SHORTEST% *}")
  xdotool key Escape
  wait_for_exit || fail "the game at ratio $RATIO ended with status $?"
}

start_x
start_window_manager
measure_at 1
read -r a1 b1 <<<"$SHORTEST"
read -r c1 d1 <<<"$THIRD"
measure_at 2
read -r a2 b2 <<<"$SHORTEST"
read -r c2 d2 <<<"$THIRD"

[ $(( b2 - a2 + 1 )) = $(( 2 * (b1 - a1 + 1) )) ] || fail "the shortest disk is $(( b2 - a2 + 1 )) pixels wide at ratio 2, $(( b1 - a1 + 1 )) at 1"
[ $(( d2 - c2 + 1 )) = $(( 2 * (d1 - c1 + 1) )) ] || fail "the third disk is $(( d2 - c2 + 1 )) pixels wide at ratio 2, $(( d1 - c1 + 1 )) at 1"
[ $(( a2 - c2 )) = $(( 2 * (a1 - c1) )) ] || fail "the disks' left edges are $(( a2 - c2 )) apart at ratio 2, $(( a1 - c1 )) at 1"
[ "$STEPS" -ge 15 ] || fail "the disk's gradient changes at only $STEPS of 19 device pixels: painted at logical size and enlarged"
echo "ratio 2: disks $(( b2 - a2 + 1 )) and $(( d2 - c2 + 1 )) pixels wide, twice those at ratio 1, with sharp edges"
