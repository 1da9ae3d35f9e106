#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game on a disk that is full: closing it by Esc cannot save, and the
# settings file stays byte for byte with nothing left beside it. Once there is
# room again, the next close saves. The game runs from a small file system of
# its own, mounted in a private mount namespace.
source "$(dirname "$0")/private_mounts.bash"
source "$(dirname "$0")/xsession.bash"

game_size=$(stat -c %s "$GAME_BINARY")
mount -t tmpfs -o size=$(( game_size + 1024 * 1024 )) tmpfs "$WORK" || fail "no small file system could be mounted"
trap 'cleanup 2>/dev/null || true; umount "$WORK"; rmdir "$WORK"' EXIT
ini="$WORK/Korvel·汉诺塔.ini"

close_by_esc() {
  xdotool windowfocus --sync "$GAME_WINDOW"
  xdotool key Escape
  wait_for_exit || fail "the game ended with status $?"
}

start_x
start_window_manager
start_game
close_by_esc
[ -s "$ini" ] || fail "the first close wrote no settings file"
cp "$ini" /tmp/full_disk_before.$$
trap 'rm -f /tmp/full_disk_before.$$; cleanup 2>/dev/null || true; umount "$WORK"; rmdir "$WORK"' EXIT

# Fill every byte that is left, then play a count key and close.
dd if=/dev/zero of="$WORK/filler" bs=4096 2>/dev/null || true
start_game
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key ctrl+KP_Add
sleep 0.3
close_by_esc
cmp -s "$ini" /tmp/full_disk_before.$$ || fail "the settings file changed on a full disk ($(stat -c %s "$ini") bytes)"
leftovers=$(find "$WORK" -maxdepth 1 -name 'Korvel·汉诺塔.ini.*' | wc -l)
[ "$leftovers" = 0 ] || fail "$leftovers temporary files left on the full disk"

# With room again the same close saves the new count.
rm -f "$WORK/filler"
start_game
xdotool windowfocus --sync "$GAME_WINDOW"
xdotool key ctrl+KP_Add
sleep 0.3
close_by_esc
disks=$(iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r' | awk -F= '$1 == "横数" { print $2 }')
[ "$disks" = 6 ] || fail "after the disk had room again the disk count was saved as '$disks'"
echo "full disk: the settings file kept byte for byte, no leftovers; saved once there was room"
