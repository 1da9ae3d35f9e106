#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's command line: --help and --version print and end without opening
# a window, with or without a display; an unknown option or argument is named
# in one line and ends with status 2; without a display the game says so in
# one line and ends with status 1; Qt's own options still reach Qt.
source "$(dirname "$0")/xsession.bash"

version=$(sed -nE 's/^project\(Torvane VERSION ([0-9.]+).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ -n "$version" ] || fail "no version found in CMakeLists.txt"

# Runs the game with a display (DISPLAY set to the test's X server) or none,
# and checks its status, the stream it wrote to and one text in it.
# Fields: display | status | stream | text | arguments...
check() {
  local display=$1 status=$2 stream=$3 text=$4
  shift 4
  local environment=(env -u DISPLAY -u WAYLAND_DISPLAY)
  [ "$display" = yes ] && environment+=(DISPLAY="$DISPLAY")
  local got=0
  "${environment[@]}" timeout 10 "$GAME_BINARY" "$@" >"$WORK/out" 2>"$WORK/err" || got=$?
  [ "$got" = "$status" ] || fail "'$*' (display: $display) ended with $got, not $status: $(cat "$WORK/err")"
  grep -qF -- "$text" "$WORK/$stream" || fail "'$*' (display: $display) wrote no '$text' to std$stream: $(cat "$WORK/$stream")"
  local other=err
  [ "$stream" = err ] && other=out
  [ ! -s "$WORK/$other" ] || fail "'$*' (display: $display) also wrote to std$other: $(cat "$WORK/$other")"
  if [ "$stream" = err ]; then
    [ "$(wc -l <"$WORK/err")" -eq 1 ] || fail "'$*' wrote more than one line: $(cat "$WORK/err")"
  fi
}

start_x
while read -r display status stream text arguments; do
  # shellcheck disable=SC2086
  check "$display" "$status" "$stream" "$text" $arguments
done <<EOF
no  0 out --version --help
yes 0 out --version -h
no  0 out $version --version
yes 0 out $version -v
no  2 err bogus --bogus
yes 2 err bogus --bogus
no  2 err extra extra
no  2 err platform -platform
no  1 err display
EOF
[ -z "$(xdotool search --name "汉诺塔" 2>/dev/null)" ] || fail "a window opened for a command-line query"

# Qt's -display names the X server when DISPLAY is not set (a copy of the
# game, so that nothing is read or written beside the build).
cp "$GAME_BINARY" "$WORK/torvane"
(exec env -u DISPLAY -u WAYLAND_DISPLAY "$WORK/torvane" -display "$DISPLAY" >"$WORK/game.log" 2>&1) &
GAME_PID=$!
timeout 20 xdotool search --sync --onlyvisible --name "汉诺塔" >/dev/null || fail "-display opened no window: $(cat "$WORK/game.log")"
echo "command line: --help, --version, unknown options, no display and Qt's -display as expected"
