#!/usr/bin/env bash
# "恢复初始参数.." answered with OK: the settings file is deleted, the running
# instance ends and a new one starts from the same folder.
source "$(dirname "$0")/xsession.bash"

start_x
settings="$WORK/Korvel·汉诺塔.ini"
printf '[综合]\r\n柱数=7\r\n' > "$settings"
start_game
old_pid=$GAME_PID

# Right-click the background; the ninth entry, past one separator, is the eighth item.
xdotool mousemove --window "$GAME_WINDOW" 40 30 click 3
sleep 0.5
for _ in $(seq 8); do xdotool key Down; done
xdotool key Return
sleep 0.5
xdotool key Return  # OK in the question
wait_for_exit || fail "the old instance ended with status $?"
[ ! -e "$settings" ] || fail "the settings file is still there"

for _ in $(seq 50); do
  new_pid=$(pgrep -f "^$WORK/torvane" | grep -v "^$old_pid\$" | head -n 1 || true)
  [ -n "$new_pid" ] && break
  sleep 0.2
done
[ -n "$new_pid" ] || fail "no new instance started"
GAME_PID=$new_pid
timeout 20 xdotool search --sync --onlyvisible --name "汉诺塔" >/dev/null || fail "the new instance shows no window"
echo "restore defaults: settings deleted, old instance gone, new instance $new_pid running"
