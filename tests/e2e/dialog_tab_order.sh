#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tab in the settings dialog follows the controls as they lie: the numbers'
# row left to right with 必看 at its end (盘数, 柱数, 主柱, 必看), the target
# list, then the look's row (边框, 颜色1, 颜色2, 颜色3, 渐变), and from the
# last back to the first, with no stop that shows nothing. Each control shows
# a mark while it has the keyboard (screenshots of it with and without), and
# what is typed at each stop lands in that control (the settings file after
# the close); in a colour button's palette the arrow keys move between the
# swatches as they lie.
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
write_settings "[综合]" "柱数=3" "主柱=2" "横数=5"
start_focused_game 1
xdotool key ctrl+Return
wait_for_active 设置游戏参数
DIALOG=$(xdotool getactivewindow)
sleep 0.5

# The controls in Tab order, as "left top width height" in the dialog's client area.
names=(盘数 柱数 主柱 必看 修改对象 边框 颜色1 颜色2 颜色3 渐变)
rects=("48 37 32 20" "156 37 32 20" "259 37 32 20" "317 35 40 24" "301 76 56 20"
       "8 103 104 20" "120 101 43 24" "163 101 43 24" "205 101 43 24" "251 103 106 20")
count=${#names[@]}
crop() {
  local left top width height
  read -r left top width height <<<"${rects[$2]}"
  convert "$1" -crop "${width}x${height}+${left}+${top}" +repage "$3"
}

# Once round, a screenshot at each stop: a control with the keyboard differs
# from itself at the next stop, when it has lost it.
for step in $(seq 1 "$count"); do
  xdotool key Tab
  sleep 0.3
  import -window "$DIALOG" "$WORK/stop$step.png"
done
for i in $(seq 0 $((count - 1))); do
  focused_step=$(( i == 0 ? count : i ))
  crop "$WORK/stop$focused_step.png" "$i" "$WORK/focused.png"
  crop "$WORK/stop$(( focused_step % count + 1 )).png" "$i" "$WORK/unfocused.png"
  differing=$(compare -metric AE "$WORK/focused.png" "$WORK/unfocused.png" null: 2>&1 || true)
  [ "${differing%% *}" != 0 ] || fail "${names[$i]} looks the same with the keyboard and without it"
done

# Round again, acting at each stop. Back on 盘数 after the first round:
type_number() { xdotool key ctrl+a; xdotool type "$1"; }
# Waits until the game shows this many windows (a colour palette is one).
game_windows() { xdotool search --onlyvisible --classname torvane | wc -l; }
wait_for_windows() {
  for _ in $(seq 100); do
    [ "$(game_windows)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the game shows $(game_windows) windows, not $1"
}
windows=$(game_windows)
# Opens the palette of the colour button that has the keyboard, presses the
# keys in it and waits for it to close.
in_palette() {
  xdotool key space
  wait_for_windows $((windows + 1))
  xdotool key "$@"
  wait_for_windows "$windows"
}
type_number 7
xdotool key Tab
type_number 6                      # 柱数
xdotool key Tab
type_number 2                      # 主柱
xdotool key Tab
xdotool key space                  # 必看: the help
wait_for_active 信息：
xdotool key Return
wait_for_active 设置游戏参数
xdotool key Tab Down               # 修改对象: the main peg
xdotool key Tab Down               # 边框: 1
xdotool key Tab                    # 颜色1: the main peg's red, swatch 24
in_palette Right Down Return       # swatch 33: (153, 76, 0)
xdotool key Tab                    # 颜色2: swatch 16, (255, 104, 180)
in_palette Down Return             # swatch 24: (255, 0, 0)
xdotool key Tab                    # 颜色3: the main peg's red, swatch 24
in_palette Left Return             # swatch 23: (255, 102, 178)
xdotool key Tab Down               # 渐变: 3
xdotool key Tab                    # 盘数 again
type_number 9
xdotool key Escape
for _ in $(seq 100); do [ "$(stored_value 横数)" = 9 ] && break; sleep 0.1; done

expect() { [ "$(stored_value "$1")" = "$2" ] || fail "$3: $1 stored as '$(stored_value "$1")', not $2"; }
expect 横数 9 "盘数 after the last stop"
expect 柱数 6 "柱数 second"
expect 主柱 2 "主柱 third"
expect 主柱.边框 1 "边框 after the target list"
expect 主柱.颜色1 $((153 + 76 * 256)) "颜色1 with Right and Down"
expect 主柱.颜色2 255 "颜色2 with Down"
expect 主柱.颜色3 $((255 + 102 * 256 + 178 * 65536)) "颜色3 with Left"
expect 主柱.渐变 3 "渐变 last"
expect 柱.边框 0 "the pegs' look"
expect 柱.渐变 2 "the pegs' look"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
echo "dialog tab order: Tab ran through the controls as they lie and back to the first, each marked, the palette by arrows"
