#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A save replaces the settings file once: the game, started in an empty folder
# under strace and closed by the player with Alt+F4, writes the whole file
# with one rename over it and at most two syncs (the file's and its folder's),
# and the file holds the values of a first run.
source "$(dirname "$0")/xsession.bash"

trace="$WORK/trace"
game_child=""
trap '[ -n "$game_child" ] && kill -KILL "$game_child" 2>/dev/null; cleanup' EXIT

start_x
start_window_manager
cp "$GAME_BINARY" "$WORK/torvane"
(cd "$WORK" && exec strace -f -qq -o "$trace" -e trace=rename,renameat,renameat2,fsync,fdatasync ./torvane \
  >"$WORK/game.log" 2>&1) &
GAME_PID=$!
GAME_WINDOW=$(find_window --onlyvisible --name 汉诺塔) || fail "the main window did not appear"
game_child=$(pgrep -P "$GAME_PID" | head -n 1)
sleep 1
[ -e "$SETTINGS_FILE" ] && fail "a settings file appeared before the close"
calls_before=$(grep -cE '(rename|fsync|fdatasync)' "$trace" || true)

xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key alt+F4
wait_for_exit || fail "the game ended with status $?"
game_child=""

save=$(tail -n +"$((calls_before + 1))" "$trace")
renames=$(grep -E 'rename(at2?)?\(' <<<"$save" | grep -c 'Korvel' || true)
syncs=$(grep -cE '(fsync|fdatasync)\(' <<<"$save" || true)
[ "$renames" = 1 ] && [ "$syncs" -le 2 ] ||
  fail "the close made $renames renames onto the settings file and $syncs syncs, not 1 and at most 2"

[ -f "$SETTINGS_FILE" ] || fail "no settings file was written"
[ "$(iconv -f GB18030 -t UTF-8 "$SETTINGS_FILE" | grep -c '=')" = 32 ] || fail "the file does not hold 32 values"
for entry in 柱数=3 主柱=2 横数=5 底图次序=0 逆向模式=假 正确放下方计一步=真 柱.颜色1=16711935 基.渐变=3 位置=0; do
  [ "$(stored_value "${entry%%=*}")" = "${entry#*=}" ] || fail "${entry%%=*} is '$(stored_value "${entry%%=*}")'"
done
echo "one save, one replace: $renames rename of the settings file and $syncs syncs at the close, 32 values stored"
