# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the checks that play a game by keys with Orca listening, one per
# language: the script sets LANG and the texts Orca must say (SAY_*), and
# this plays and listens. Each key's answer must come after the key.
source "$(dirname "${BASH_SOURCE[0]}")/private_bus.bash"
source "$(dirname "${BASH_SOURCE[0]}")/xsession.bash"
source "$(dirname "${BASH_SOURCE[0]}")/orca.bash"

start_x
start_window_manager
start_accessibility_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_orca
# The game in the language under test; the tools match its titles in UTF-8,
# and find the main window by the part of its title every language shares.
export LANG="$GAME_LANG" LC_ALL= LC_MESSAGES= LC_CTYPE=C.UTF-8 GAME_TITLE=Torvane
write_settings "[综合]" "柱数=3" "主柱=2" "横数=3"

# At start the board, not only the window's title.
mark
start_game
heard "$SAY_MAIN_PEG_FULL"

# A put-back on the main peg: the tip and the spin in place.
press b
heard "$SAY_LIFTED_OVER_B"
press b
heard "$SAY_PUT_BACK" "$SAY_SPIN"

# Carried with the arrows: the peg below, and the edge.
press b
press Left
heard "$SAY_LIFTED_OVER_A"
press Left
heard "$SAY_NO_PEG_LEFT"
press Down
heard "$SAY_PEG_A_ONE" "$SAY_WELL_PLACED" "$SAY_ONE_STEP"

# A refused drop says why.
press b
press a
heard "$SAY_REFUSED"

# The hint, the keyboard column's peg in full, the right edge.
press ctrl+h
heard "$SAY_HINT"
press ctrl+i
heard "$SAY_PEG_A_FULL"
xdotool key Right Right
press Right
heard "$SAY_NO_PEG_RIGHT"

# A pause and its end.
press space
heard "$SAY_PAUSED"
press space
heard "$SAY_RESUMED"

# A new game, then a whole game by letters, a move once the last is said (a
# screen reader drops what it is told while it lags far behind): the win's
# text is said whole, before the next level's tip.
press Return
heard "$SAY_NEW_GAME"
for move in ba bc ac ba cb ca ba; do
  mark
  xdotool key "${move:0:1}" "${move:1:1}"
  heard "$SAY_WELL_PLACED"
done
heard_in_order "$SAY_WIN" "$SAY_NEW_GAME"

# A demonstration plays the next level to its win, which is said. It ends at
# its first step in the level after; until then a key only ends it.
press ctrl+d
heard_in_order "$SAY_WIN" "$SAY_NEW_GAME"
for _ in $(seq 10); do
  press ctrl+i
  heard_within 3 "$SAY_MAIN_PEG" && break
done
heard "$SAY_MAIN_PEG"

# The board again when the main window has the keyboard back: after the
# menu, whose opening is said, as is the state of each check entry.
press shift+F10
heard "$SAY_MENU"
xdotool key Down Down Down Down
press Down
heard "$SAY_MUTE_UNCHECKED"
press Down
heard "$SAY_COUNT_CORRECT_CHECKED"
press Escape
heard "$SAY_MAIN_PEG"

# In the settings dialog each control says its value as it takes the
# keyboard, and the value a key chooses: a number box its number, a list its
# entry, a colour button and the palette's swatches their colours in words.
press ctrl+Return
heard "$SAY_DIALOG"
heard_in_order "$SAY_DISKS" 5
xdotool key Tab Tab Tab
press Tab
heard_in_order "$SAY_TARGET" "$SAY_PEGS"
press Tab
heard_in_order "$SAY_BORDER" "$SAY_NO_BORDER"
press Down
heard "$SAY_SUNKEN"
press Tab
heard "$SAY_COLOUR_MAGENTA"
press Return
heard "$SAY_MAGENTA"
press Left
heard "$SAY_VIOLET"
press Return
heard "$SAY_COLOUR_VIOLET"
# Round to the number of disks: 25 for a tall stack below.
xdotool key Tab Tab Tab
press Tab
heard_in_order "$SAY_DISKS" 5
xdotool key ctrl+a
xdotool type 25
xdotool key Return
press Escape
heard "$SAY_MAIN_PEG"

# And after the about window.
press F1
heard "$SAY_ABOUT"
press Escape
heard "$SAY_MAIN_PEG"

# A tall stack in full is its ends and how many lie between.
press ctrl+i
heard "$SAY_TALL_STACK"
