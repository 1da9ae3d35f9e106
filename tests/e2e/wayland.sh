#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on Qt's Wayland platform under Weston's headless compositor: its
# window appears, a stored window rectangle survives a session that cannot
# place windows, a request to end (SIGTERM, as at logout) closes it through
# its close query with exit code 0, and the full-screen switch gets the
# compositor's full screen.
source "$(dirname "$0")/xsession.bash"

export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=wayland-torvane
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$WORK/weston.log" 2>&1 &
SERVER_PID=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start: $(tail -n 3 "$WORK/weston.log")"

ini="$WORK/Korvel·汉诺塔.ini"
printf '[主窗口]\r\n位置=0\r\n左边=40\r\n顶边=50\r\n宽度=700\r\n高度=500\r\n' | iconv -f UTF-8 -t GB18030 >"$ini"
cp "$GAME_BINARY" "$WORK/torvane"
(cd "$WORK" && QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client exec ./torvane >"$WORK/game.log" 2>&1) &
GAME_PID=$!

# The window is there once the compositor configured its toplevel, the game
# acknowledged it and committed a buffer to its surface.
shown=""
for _ in $(seq 100); do
  if grep -q 'xdg_toplevel@[0-9]*\.set_title("Korvel·汉诺塔' "$WORK/game.log" &&
     grep -q 'xdg_surface@[0-9]*\.ack_configure' "$WORK/game.log" &&
     grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$WORK/game.log"; then
    shown=yes
    break
  fi
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before showing its window: $(grep -v '^\[' "$WORK/game.log" | tail -n 3)"
  sleep 0.1
done
[ -n "$shown" ] || fail "no window of the game appeared under Wayland"
sleep 1
kill -TERM "$GAME_PID"
wait_for_exit || fail "the game ended with status $? on a request to end"
complaints=$(grep -v '^\[' "$WORK/game.log" | grep -iE 'warning|error|not support|fail' || true)
[ -z "$complaints" ] || fail "the game complained under Wayland: $complaints"

settings=$(iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r')
value() { awk -F= -v key="$1" '$1 == key { print $2; exit }' <<<"$settings"; }
[ "$(value 左边) $(value 顶边) $(value 宽度) $(value 高度)" = "40 50 700 500" ] ||
  fail "the stored window rectangle became '$(value 左边) $(value 顶边) $(value 宽度) $(value 高度)'"
[ "$(value 横数)" = 5 ] || fail "the close saved no settings"

QT_QPA_PLATFORM=wayland timeout 60 "$(dirname "$GAME_BINARY")/tests/wayland_full_screen_child" ||
  fail "full screen under Wayland"
echo "wayland: window shown, rectangle kept, closed with 0 on SIGTERM, full screen by the compositor"
