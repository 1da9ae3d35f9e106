#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game speaks the desktop's language: English for an English locale,
# Traditional Chinese for Taiwan and Hong Kong, the first language of LANGUAGE
# that it has unless the locale is C, the game's own Chinese for any other;
# read through AT-SPI, after the same moves in each: the tip, the steps, the
# menu and the settings dialog. Whatever the language, the settings file it
# writes is the same to the byte. In English, the steps after 12 and 1234
# moves, the dialog's 必看 button and each entry of its gradient list show
# whole on the screen: their ink stays clear of the edges that cut them.
source "$(dirname "$0")/private_bus.bash"
source "$(dirname "$0")/xsession.bash"

start_x
start_window_manager
start_accessibility_bus
# Only the language variables change from one run to the next. xdotool finds
# the main window by the part of its title that every language writes alike,
# in ASCII.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE= LC_ALL= LC_MESSAGES= GAME_TITLE=Torvane
read_file="$WORK/read.txt"

# Whether a node with this role and name is in the file.
has_node() {
  grep -qP "^$2\t\Q$3\E\t" "$1" ||
    fail "LANGUAGE=$LANGUAGE LANG=$LANG: no $2 '$3' in $(cut -f1-2 "$1" | tr '\n' '|')"
}

# Where a node with this role and name lies on the screen: "x y width height".
place_of() {
  { grep -P "^$2\t\Q$3\E\t" "$1" || true; } | head -n 1 | cut -f5
}

# Plays B to A, reads the board, the menu and the dialog, and closes the game,
# which saves its settings. Arguments: the main window's title, the tip after
# the move, the steps, a menu entry, the dialog's title and its disks label.
play_and_read() {
  rm -f "$SETTINGS_FILE"
  start_focused_game 1
  xdotool key b
  sleep 0.3
  xdotool key a
  sleep 0.5
  tree nodes "$1" >"$read_file"
  has_node "$read_file" label "$2"
  has_node "$read_file" label "$3"
  # A pop-up menu is no window of the application's own: it is heard as its
  # entries take the focus.
  tree events 2.5 >"$read_file" &
  local listener=$!
  for _ in $(seq 50); do grep -q listening "$read_file" && break; sleep 0.1; done
  xdotool key shift+F10
  sleep 0.5
  xdotool key Down
  wait "$listener" || fail "the event listener failed"
  grep -qP "^focus:\tmenu item\t\Q$4\E\t" "$read_file" ||
    fail "LANGUAGE=$LANGUAGE LANG=$LANG: the menu did not offer '$4': $(cat "$read_file")"
  xdotool key Escape
  sleep 0.3
  xdotool key ctrl+Return
  tree nodes "$5" >"$read_file"
  has_node "$read_file" label "$6"
  xdotool key Escape
  sleep 0.5
  xdotool windowfocus --sync "$GAME_WINDOW"
  close_game
}

# Plays a language's round and keeps the settings file it wrote as $1.ini.
play_round() {
  local name=$1
  shift
  play_and_read "$@"
  cp "$SETTINGS_FILE" "$WORK/$name.ini"
}

LANG=C play_round c 汉诺塔 "放下正确，继续..." "1 步" "新游戏     (回车)" 设置游戏参数 盘数：
LANG=zh_CN.UTF-8 play_round zh 汉诺塔 "放下正确，继续..." "1 步" "新游戏     (回车)" 设置游戏参数 盘数：
LANG=en_US.UTF-8 play_round en "Tower of Hanoi" "Well placed, go on..." "1 step" "New game     (Enter)" "Game settings" Disks:
LANG=zh_TW.UTF-8 play_round tw 河內塔 "放下正確，繼續..." "1 步" "新遊戲     (Enter)" 設定遊戲參數 盤數：
LANG=zh_HK.UTF-8 play_round hk 河內塔 "放下正確，繼續..." "1 步" "新遊戲     (Enter)" 設定遊戲參數 盤數：
LANGUAGE=en:zh_CN LANG=zh_CN.UTF-8 play_round list "Tower of Hanoi" "Well placed, go on..." "1 step" \
  "New game     (Enter)" "Game settings" Disks:
# gettext leaves LANGUAGE aside under the C locale.
LANGUAGE=zh_TW LANG=C play_round list_c 汉诺塔 "放下正确，继续..." "1 步" "新游戏     (回车)" 设置游戏参数 盘数：

for name in zh en tw hk list list_c; do
  cmp -s "$WORK/c.ini" "$WORK/$name.ini" ||
    fail "the settings files of LANG=C and the $name round differ: $(diff <(iconv -f GB18030 -t UTF-8 "$WORK/c.ini") <(iconv -f GB18030 -t UTF-8 "$WORK/$name.ini"))"
done
iconv -f GB18030 -t UTF-8 "$WORK/en.ini" | grep -q '^静音       (J)=假' || fail "the mute option is not stored under its Chinese caption"

# How many columns an image (read from standard input) spans from its first
# to its last column of ink: pixels darker than 150 of 255, as the thin grey
# strokes of AR PL UMing are.
ink_width() {
  convert - -colorspace Gray -depth 8 txt:- |
    awk -F'[,:() ]+' 'NR > 1 && $3 < 150 { if (first == "" || $1 < first) first = $1; if ($1 > last) last = $1 }
                      END { print first == "" ? 0 : last - first + 1 }'
}

# Fails unless a text shows whole in a region "x y width height" of a
# screenshot: its ink there spans as many columns as the text drawn whole in
# the same face at 12 pixels, less at most 3 for the hinting, which Qt and
# ImageMagick do differently. A text cut off loses a glyph or more at its
# end, and with them the columns they span.
# Arguments: the text, the screenshot, the region, the face.
shows_whole() {
  local x y width height shown whole
  read -r x y width height <<<"$3"
  shown=$(convert "$2" -crop "${width}x${height}+${x}+${y}" +repage png:- | ink_width)
  whole=$(convert -density 72 -font "$4" -pointsize 12 -background white -fill black label:"$1" png:- | ink_width)
  [ "$shown" -ge $(( whole - 3 )) ] || fail "'$1' is cut off: it spans $shown columns of its $whole at $3"
}

# The steps part in English after 12 and after 1234 moves of the top disk
# between A and C: its text as a screen reader reads it, and on the screen,
# inside the part's panel (its edges are 3 pixels to the left of the text
# and 4 to the right).
steps_show_whole() {
  local shot="$WORK/steps.png" place x y width height
  for _ in $(seq 100); do
    tree nodes "Tower of Hanoi" >"$read_file"
    place=$(place_of "$read_file" label "$1")
    [ -n "$place" ] && break
    sleep 0.3
  done
  [ -n "$place" ] || fail "the steps do not read '$1': $(cut -f1-2 "$read_file" | tr '\n' '|')"
  read -r x y width height <<<"$place"
  import -window root "$shot"
  shows_whole "$1" "$shot" "$(( x + 3 )) $y $(( width - 7 )) $height" DejaVu-Sans
}

# Keys that move the top disk from peg $2 to peg $3 and back, $1 times over.
back_and_forth() {
  local keys=()
  for _ in $(seq "$1"); do keys+=("$2" "$3" "$3" "$2"); done
  xdotool key --delay 4 "${keys[@]}"
}

export LANG=en_US.UTF-8
rm -f "$SETTINGS_FILE"
start_focused_game 1
xdotool key --delay 150 b a
back_and_forth 5 a c
xdotool key --delay 150 a c
steps_show_whole "12 steps"
back_and_forth 611 c a
steps_show_whole "1234 steps"

# The settings dialog: the button's text, and each entry of the gradient
# list in its field, which ends 17 pixels short of the list's right edge,
# before the arrow.
xdotool key ctrl+Return
tree nodes "Game settings" >"$read_file"
shot="$WORK/dialog.png"
import -window root "$shot"
shows_whole "Read me" "$shot" "$(place_of "$read_file" "push button" "Read me")" AR-PL-UMing-CN
read -r x y width height <<<"$(place_of "$read_file" "combo box" Gradient)"
# The list's entries, as the tree lists them after the list.
mapfile -t entries < <(awk -F'\t' '$1 == "combo box" { inside = $2 == "Gradient"; next }
                                  inside && $1 == "list item" { print $2 }' "$read_file")
[ "${#entries[@]}" -eq 9 ] || fail "the gradient list has ${#entries[@]} entries: ${entries[*]}"
# The mouse wheel over the list steps through its entries without opening
# it, whatever a loaded machine does to the timing of a pop-up.
xdotool mousemove $(( x + 10 )) $(( y + height / 2 )) click --repeat 12 --delay 30 4
# A loaded machine may show an entry late: each is looked at for up to 6 s.
for entry in "${entries[@]}"; do
  for _ in $(seq 20); do
    sleep 0.3
    import -window root "$shot"
    (shows_whole "$entry" "$shot" "$x $y $(( width - 17 )) $height" AR-PL-UMing-CN) 2>/dev/null && break
  done
  shows_whole "$entry" "$shot" "$x $y $(( width - 17 )) $height" AR-PL-UMing-CN
  xdotool click 5
done
xdotool key Escape
sleep 0.5
close_game
