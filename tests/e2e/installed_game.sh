#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game installed by `cmake --install` into a prefix its player cannot
# write: it starts from the menu's command, plays a move, closes by Esc and
# keeps its settings in the player's configuration folder, with a background
# folder made in the player's data folder and the installed files untouched;
# a transfer completed by the demonstration is counted in the records file of
# the player's data folder.
source "$(dirname "$0")/xsession.bash"

build=$(dirname "$GAME_BINARY")
prefix="$WORK/prefix"
player_home="$WORK/home"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for file in bin/torvane share/applications/org.example.torvane.desktop share/metainfo/org.example.torvane.metainfo.xml \
            share/icons/hicolor/256x256/apps/org.example.torvane.png share/icons/hicolor/scalable/apps/org.example.torvane.svg \
            share/doc/torvane/copyright; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
command=$(awk -F= '$1 == "Exec" { print $2 }' "$prefix/share/applications/org.example.torvane.desktop")

# The player is an ordinary user: as root, the user nobody with a home of
# its own; otherwise this user, with the prefix made read-only.
mkdir -p "$player_home"
chmod 755 "$WORK"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$player_home"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod -R a-w "$prefix"
fi
listing() { (cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort); }
before=$(listing)

# Starts the program the desktop entry names, as the player.
start_installed() {
  (cd "$player_home" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$player_home" PATH="$prefix/bin:$PATH" \
     "${as_player[@]}" "$command" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  GAME_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "汉诺塔" | head -n 1) ||
    fail "the installed game showed no window"
}

start_x
start_window_manager
start_installed
xdotool windowfocus --sync "$GAME_WINDOW"
sleep 1
measure_board "$GAME_WINDOW"
shot="$WORK/board.png"
drag 2 1
import -window root "$shot"
disk_at 1 1 || fail "a move in the installed game did not reach peg A"
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key ctrl+KP_Add
sleep 0.3
xdotool key Escape
wait_for_exit || fail "the installed game ended with status $?"

ini="$player_home/.config/torvane/Korvel·汉诺塔.ini"
[ -f "$ini" ] || fail "no settings file in the player's configuration folder"
disks=$(iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r' | awk -F= '$1 == "横数" { print $2 }')
[ "$disks" = 6 ] || fail "the disk count was stored as '$disks'"
[ -d "$player_home/.local/share/torvane/背景图库" ] || fail "no background folder in the player's data folder"
[ "$(listing)" = "$before" ] || fail "the installed files changed"

# "恢复初始参数.." deletes the file in use and starts the installed program anew.
start_installed
old_pid=$GAME_PID
restore_defaults_by_menu
wait_for_exit || fail "the installed game ended with status $? when restoring the defaults"
[ ! -e "$ini" ] || fail "restoring the defaults left the settings file in place"
follow_new_instance "$prefix/bin/torvane" "$old_pid"

# The new game's five disks played by the demonstration, 31 moves 0.4 s apart.
GAME_WINDOW=$(find_window --onlyvisible --name 汉诺塔) || fail "the restarted game showed no window"
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key ctrl+d
records="$player_home/.local/share/torvane/records.ini"
for _ in $(seq 300); do
  [ -f "$records" ] && break
  sleep 0.1
done
grep -qx "completed=1" "$records" 2>/dev/null || fail "no completed transfer in $records"
grep -q "^best_time" "$records" && fail "a demonstrated game set a record"
[ "$(listing)" = "$before" ] || fail "the installed files changed"
echo "installed game: played from $command, settings in ~/.config/torvane, defaults restored, records in ~/.local/share/torvane, installed files untouched"
