#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings file as the real game writes it: from an empty folder, closed by
# Esc, it holds no blank line; a stored disk border of 6 and gradient of 9 are
# painted (the label's own grey frame) and written back unchanged.
source "$(dirname "$0")/xsession.bash"

ini="$WORK/Korvel·汉诺塔.ini"

close_by_esc() {
  xdotool windowfocus --sync "$GAME_WINDOW"
  xdotool key Escape
  wait_for_exit || fail "the game ended with status $?"
}

# Whether the middle row of the bottom disk has three grey frame pixels on
# each side of its blue inside. With 3 pegs the bottom disk lies on peg B.
disk_is_framed() {
  local shot="$WORK/disk.png"
  import -window root "$shot"
  measure_board "$GAME_WINDOW"
  convert "$shot" -crop "${COLUMN}x1+$(( LEFT + COLUMN ))+$(row_y 1)" -depth 8 txt:- | awk -F'[(),]' '
    NR > 1 { r = $3; g = $4; b = $5 + 0
             blue[NR] = (b > 150 && r < 80)
             grey[NR] = (r == g && g == b && r >= 90 && r <= 230) }
    END { first = 0; last = 0
          for (i = 2; i <= NR; i++) if (blue[i]) { if (!first) first = i; last = i }
          if (!first) exit 1
          for (k = 1; k <= 3; k++) if (!grey[first - k] || !grey[last + k]) exit 1 }'
}

start_x
start_window_manager

# An empty folder: the first close writes the whole file, section after section.
start_game
sleep 1
disk_is_framed && fail "a disk of the default look shows a frame"
close_by_esc
[ -f "$ini" ] || fail "no settings file was written"
head -c 12 "$ini" | iconv -f GB18030 -t UTF-8 | grep -q '^\[渐变颜色\]' || fail "the file does not start with its first section"
if grep -n -P '^\r?$' "$ini" >/dev/null; then fail "the file holds a blank line"; fi
[ "$(grep -c $'\r$' "$ini")" = "$(wc -l <"$ini")" ] || fail "not every line ends with CR LF"
sections=$(iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r' | grep -o '^\[.*\]' | tr '\n' ' ')
[ "$sections" = "[渐变颜色] [综合] [主窗口] " ] || fail "sections are '$sections'"

# Values beyond the dialog's lists are painted and kept.
printf '[渐变颜色]\r\n横.边框=6\r\n横.渐变=9\r\n' | iconv -f UTF-8 -t GB18030 >"$ini"
start_game
sleep 1
disk_is_framed || fail "a stored border of 6 does not show the grey frame"
close_by_esc
settings=$(iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r')
value() { awk -F= -v key="$1" '$1 == key { print $2; exit }' <<<"$settings"; }
[ "$(value 横.边框)" = 6 ] || fail "the border was saved as '$(value 横.边框)'"
[ "$(value 横.渐变)" = 9 ] || fail "the gradient was saved as '$(value 横.渐变)'"
echo "settings file: no blank line, CR LF throughout; border 6 framed and kept with gradient 9"
