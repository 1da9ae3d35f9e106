#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on a read-only medium, not installed, with a settings file and a
# picture folder beside it: it starts from that file and shows those pictures;
# its saves go to the player's configuration folder, keeping whatever else the
# file holds, and from then on that file is read. Restoring the defaults starts
# the next instance from the defaults although the file beside the game stays.
# The folder is made read-only by a bind mount in a private mount namespace.
source "$(dirname "$0")/private_mounts.bash"
source "$(dirname "$0")/xsession.bash"

game="$WORK/medium"
home="$WORK/home"
beside="$game/Korvel·汉诺塔.ini"
saved="$home/.config/torvane/Korvel·汉诺塔.ini"
mkdir -p "$game/背景图库" "$home"
cp "$GAME_BINARY" "$game/torvane"
printf '%s\r\n' '[综合]' '柱数=4' '横数=7' '[其他]' '备注=手写' | iconv -f UTF-8 -t GB18030 >"$beside"
convert -size 32x24 xc:'#ff0000' "$game/背景图库/1.jpg"
cp "$beside" "$WORK/beside.before"
mount --bind "$game" "$game" && mount -o remount,bind,ro "$game" || fail "the folder could not be made read-only"
trap 'cleanup 2>/dev/null || true; umount "$game"; rm -rf "$WORK"' EXIT
touch "$game/probe" 2>/dev/null && fail "the folder is still writable"

start_medium_game() {
  (cd "$home" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "$game/torvane" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  GAME_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "汉诺塔" | head -n 1) ||
    fail "the game showed no window"
  sleep 1
}
saved_value() { iconv -f GB18030 -t UTF-8 "$saved" | tr -d '\r' | awk -F= -v key="$1" '$1 == key { print $2; exit }'; }

start_x
start_window_manager
start_medium_game
read -r r g b <<<"$(client_colour 5 5)"
[ "$r" -gt 200 ] && [ "$g" -lt 60 ] && [ "$b" -lt 60 ] || fail "the first game shows '$r $g $b', not the picture beside the game"
close_game
[ -f "$saved" ] || fail "no settings saved in the player's configuration folder"
[ "$(saved_value 柱数)/$(saved_value 横数)" = 4/7 ] ||
  fail "the settings beside the game were not used: saved $(saved_value 柱数) pegs, $(saved_value 横数) disks"
[ "$(saved_value 备注)" = 手写 ] || fail "the save lost what else the file beside the game holds"
cmp -s "$beside" "$WORK/beside.before" || fail "the file beside the game changed"

# The saved file is now the one read: a value changed in it reaches the game.
iconv -f GB18030 -t UTF-8 "$saved" | sed 's/^横数=7/横数=9/' | iconv -f UTF-8 -t GB18030 >"$WORK/edited"
cp "$WORK/edited" "$saved"
start_medium_game
close_game
[ "$(saved_value 横数)" = 9 ] || fail "the saved file was not read: $(saved_value 横数) disks"

start_medium_game
old_pid=$GAME_PID
restore_defaults_by_menu
wait_for_exit || fail "the game ended with status $? when restoring the defaults"
follow_new_instance "$game/torvane" "$old_pid"
GAME_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "汉诺塔" | head -n 1) || fail "the new instance shows no window"
sleep 1
# The new instance is no child of this shell: its end is watched, not waited for.
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key Escape
for _ in $(seq 100); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME_PID" 2>/dev/null && fail "the new instance did not end"
GAME_PID=""
[ "$(saved_value 柱数)/$(saved_value 横数)" = 3/5 ] ||
  fail "after restoring the defaults the game saved $(saved_value 柱数) pegs, $(saved_value 横数) disks"
echo "read-only folder: the settings and pictures beside the game read, saves in ~/.config/torvane read next, defaults restored"
