#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real executable in a real X server: the main window opens centred at its
# template size with its title, and Esc closes it when windowed.
source "$(dirname "$0")/xsession.bash"

start_x
start_game

read -r x y width height <<<"$(window_geometry "$GAME_WINDOW")"
[ "$width" = 619 ] && [ "$height" = 434 ] || fail "window is ${width}x${height}, not 619x434"
[ "$x" = $(( (1280 - 619) / 2 )) ] && [ "$y" = $(( (1024 - 434) / 2 )) ] || fail "window at $x,$y is not centred"

title=$(xdotool getwindowname "$GAME_WINDOW")
case "$title" in
  "Korvel·汉诺塔(Torvane) v2.0 - "*) ;;
  *) fail "title is '$title'" ;;
esac

xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key Escape
wait_for_exit || fail "the game ended with status $?"
echo "main window: centred ${width}x${height}, titled, closed by Esc"
