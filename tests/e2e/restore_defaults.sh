#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "恢复初始参数.." answered with OK: the settings file is deleted, the running
# instance ends and a new one starts from the same folder.
source "$(dirname "$0")/xsession.bash"

start_x
settings="$WORK/Korvel·汉诺塔.ini"
printf '[综合]\r\n柱数=7\r\n' > "$settings"
start_game
old_pid=$GAME_PID

restore_defaults_by_menu
wait_for_exit || fail "the old instance ended with status $?"
[ ! -e "$settings" ] || fail "the settings file is still there"
follow_new_instance "$WORK/torvane" "$old_pid"
find_window --onlyvisible --name "汉诺塔" >/dev/null || fail "the new instance shows no window"
echo "restore defaults: settings deleted, old instance gone, new instance $GAME_PID running"
