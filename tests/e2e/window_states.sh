#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The stored window placement under a window manager: "位置" 3 starts
# maximised and is stored again as 3, 2 starts minimised; a window maximised
# by its title bar and closed is stored as 3 with the place it had before,
# and restored after the next start it returns there; a rectangle larger
# than the screen opens fitted into it, however large the stored numbers; a
# small size a player chose is kept.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager

net_state() { xprop -id "$GAME_WINDOW" _NET_WM_STATE; }
# Double-clicks the main window's title bar, which maximises or restores it.
toggle_maximised() {
  local x y
  read -r x y <<<"$(client_origin "$GAME_WINDOW")"
  xdotool mousemove $((x + 150)) $((y - 8)) click --repeat 2 --delay 80 1
  sleep 1
}
stored_place() { echo "$(stored_value 左边) $(stored_value 顶边) $(stored_value 宽度) $(stored_value 高度)"; }

write_settings "[主窗口]" "位置=3"
start_game
sleep 1.5
net_state | grep -q _NET_WM_STATE_MAXIMIZED_VERT || fail "stored state 3 did not maximise: $(net_state)"
net_state | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || fail "stored state 3 did not maximise: $(net_state)"
close_game
[ "$(stored_value 位置)" = 3 ] || fail "the maximised window was stored as state '$(stored_value 位置)'"

write_settings "[主窗口]" "位置=2"
cp "$GAME_BINARY" "$WORK/torvane"
(cd "$WORK" && exec ./torvane >"$WORK/game.log" 2>&1) &
GAME_PID=$!
# The game remakes its native window before it shows it minimised, so every
# window of that name is looked at again until one is iconic.
iconic_window() {
  local window
  for _ in $(seq 50); do
    for window in $(xdotool search --name "汉诺塔" 2>/dev/null); do
      xprop -id "$window" WM_STATE 2>/dev/null | grep -q Iconic && return 0
    done
    sleep 0.2
  done
  return 1
}
iconic_window || fail "stored state 2 did not minimise within 10 s"
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""

# Moved away from its stored place, then maximised and closed: the place to
# return to is the one it was moved to.
write_settings "[主窗口]" "位置=0" "左边=100" "顶边=80" "宽度=500" "高度=400"
start_focused_game 1.5
xdotool windowmove "$GAME_WINDOW" 300 200
sleep 1
moved=$(window_geometry "$GAME_WINDOW")
toggle_maximised
net_state | grep -q _NET_WM_STATE_MAXIMIZED_VERT || fail "the title bar's double-click did not maximise: $(net_state)"
close_game
[ "$(stored_value 位置)" = 3 ] || fail "the window closed maximised was stored as state '$(stored_value 位置)'"
maximised_place=$(stored_place)
[ "$maximised_place" != "100 80 500 400" ] || fail "the window closed maximised kept the place it was started in"
start_focused_game 1.5
net_state | grep -q _NET_WM_STATE_MAXIMIZED_VERT || fail "the window closed maximised started as $(net_state)"
toggle_maximised
restored=$(window_geometry "$GAME_WINDOW")
[ "$restored" = "$moved" ] || fail "restored after the next start at '$restored', not at '$moved'"
close_game
[ "$(stored_value 位置)" = 0 ] || fail "the restored window was stored as state '$(stored_value 位置)'"
[ "$(stored_place)" = "$maximised_place" ] ||
  fail "the place stored maximised, '$maximised_place', is not the normal one, '$(stored_place)'"

for size in "3000 2000" "100000 100000" "1e300 1e300"; do
  read -r width height <<<"$size"
  write_settings "[主窗口]" "位置=0" "左边=10" "顶边=10" "宽度=$width" "高度=$height"
  start_game
  sleep 1.5
  read -r x y w h <<<"$(window_geometry "$GAME_WINDOW")"
  [ "$w" -le 1280 ] && [ "$h" -le 1024 ] || fail "a stored ${width}x${height} opened ${w}x${h}"
  close_game
  [ "$(stored_value 宽度)" -le 1280 ] || fail "a stored ${width}x${height} was stored again as width $(stored_value 宽度)"
done

write_settings "[主窗口]" "位置=0" "左边=100" "顶边=100" "宽度=180" "高度=120"
start_game
sleep 1.5
close_game
[ "$(stored_value 宽度)x$(stored_value 高度)" = 180x120 ] || fail "a chosen 180x120 came back as $(stored_value 宽度)x$(stored_value 高度)"
echo "window placement: maximised and minimised states restored, the normal place kept while maximised, oversize fitted, small sizes kept"
