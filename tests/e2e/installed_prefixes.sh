#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game installed into a prefix its player owns and may write (as root
# owns /usr), with the program in bin/ or, as Debian keeps games, in games/:
# it still keeps its settings in the player's configuration folder and takes
# its pictures from the player's data folder, never from beside itself, and
# writes nothing into the prefix.
source "$(dirname "$0")/xsession.bash"

build=$(dirname "$GAME_BINARY")
start_x

# Installs into a fresh prefix with the program in $1, starts it with HOME
# and, when $2 is "set", XDG_CONFIG_HOME and XDG_DATA_HOME pointing into the
# test's folder, and closes it by Esc. Pictures beside the program are green,
# those in the player's data folder red: the first game must show red.
play_installed() {
  local program_folder=$1 xdg=$2
  local prefix="$WORK/$program_folder/usr" home="$WORK/$program_folder/home"
  cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
  [ "$program_folder" = bin ] || mv "$prefix/bin" "$prefix/$program_folder"
  local config="$home/.config" data="$home/.local/share" environment=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME)
  if [ "$xdg" = set ]; then
    config="$WORK/$program_folder/config"
    data="$WORK/$program_folder/data"
    environment=(env XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$data")
  fi
  mkdir -p "$home" "$data/torvane/背景图库" "$prefix/$program_folder/背景图库"
  convert -size 32x24 xc:'#ff0000' "$data/torvane/背景图库/1.jpg"
  convert -size 32x24 xc:'#00ff00' "$prefix/$program_folder/背景图库/1.jpg"
  local before
  before=$(cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort)

  (cd "$home" && exec "${environment[@]}" HOME="$home" "$prefix/$program_folder/torvane" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  GAME_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "汉诺塔" | head -n 1) ||
    fail "the game in $program_folder/ showed no window"
  sleep 1
  read -r r g b <<<"$(client_colour 5 5)"
  [ "$r" -gt 200 ] && [ "$g" -lt 60 ] || fail "the game in $program_folder/ shows '$r $g $b', not the player's picture"
  close_game

  [ -f "$config/torvane/Korvel·汉诺塔.ini" ] ||
    fail "the game in $program_folder/ kept no settings in $config/torvane: $(find "$WORK/$program_folder" -name '*.ini')"
  [ "$(cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort)" = "$before" ] ||
    fail "the game in $program_folder/ wrote into its prefix"
}

# Fields: the program's folder in the prefix | the XDG variables set or not.
while read -r program_folder xdg; do
  play_installed "$program_folder" "$xdg"
done <<EOF
bin set
games unset
EOF
echo "installed prefixes: settings and pictures in the player's folders from bin/ and games/, the prefix untouched"
