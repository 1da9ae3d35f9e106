#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures of the folder 背景图库 beside the game become the background,
# one per game in turn: the first game shows the first picture, and the order
# goes on in the next run through the settings file.
source "$(dirname "$0")/xsession.bash"

start_x
# Four pictures, one colour each, one of them with its extension in capitals.
mkdir "$WORK/背景图库"
convert -size 32x24 xc:'#ff0000' "$WORK/背景图库/1.jpg"
convert -size 32x24 xc:'#00ff00' "$WORK/背景图库/2.JPG"
convert -size 32x24 xc:'#ffff00' "$WORK/背景图库/3.jpg"
convert -size 32x24 xc:'#00ffff' "$WORK/背景图库/4.jpg"

shot="$WORK/screen.png"
# The colour near the top-left corner of the game's client area, as "r g b".
background() {
  xdotool mousemove --window "$GAME_WINDOW" 5 5
  sleep 0.5
  eval "$(xdotool getmouselocation --shell)"
  import -window root "$shot"
  pixel_of "$shot" "$X" "$Y"
}
ini="$WORK/Korvel·汉诺塔.ini"
stored_order() { iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r' | awk -F= '$1 == "底图次序" { print $2 }'; }

start_game
sleep 1
read -r r g b <<<"$(background)"
[ "$r" -gt 200 ] && [ "$g" -lt 60 ] && [ "$b" -lt 60 ] || fail "the first game shows '$r $g $b', not the first picture"
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key Return
sleep 0.5
read -r r g b <<<"$(background)"
[ "$r" -lt 60 ] && [ "$g" -gt 200 ] && [ "$b" -lt 60 ] || fail "the second game shows '$r $g $b', not the second picture"
xdotool key Escape
wait_for_exit || fail "the game ended with status $?"
[ "$(stored_order)" = 2 ] || fail "the background order is stored as '$(stored_order)'"

start_game
sleep 1
read -r r g b <<<"$(background)"
[ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -lt 60 ] || fail "the next run shows '$r $g $b', not the third picture"
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key Escape
wait_for_exit || fail "the second run ended with status $?"
[ "$(stored_order)" = 3 ] || fail "the background order is stored as '$(stored_order)'"
echo "background folder: one picture per game, the order continued across runs"
