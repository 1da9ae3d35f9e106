#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A game played by keys with Orca listening, in English: what happens is said
# as it happens (spoken_play.bash).
GAME_LANG=en_US.UTF-8
SAY_MAIN_PEG_FULL="Peg B, main peg, 3 disks, disk 1 on top"
SAY_MAIN_PEG="Peg B, main peg"
SAY_LIFTED_OVER_B="Disk 1, lifted from peg B, over peg B"
SAY_PUT_BACK="Put back where it was..."
SAY_SPIN="You have brilliantly gone round in a circle! = ="
SAY_LIFTED_OVER_A="Disk 1, lifted from peg B, over peg A"
SAY_NO_PEG_LEFT="No peg further left"
SAY_NO_PEG_RIGHT="No peg further right"
SAY_PEG_A_ONE="Peg A, 1 disk, disk 1 on top"
SAY_WELL_PLACED="Well placed, go on..."
SAY_ONE_STEP="1 step"
SAY_REFUSED="A long disk cannot lie on a short one"
SAY_HINT="Hint: from "
SAY_PEG_A_FULL="Peg A, From the bottom up: 1"
SAY_PAUSED="Game paused"
SAY_RESUMED="Game resumed"
SAY_NEW_GAME="New game ready.. the clock starts when you first pick up a disk.."
SAY_WIN="You have moved the whole stack! To change the number of disks press Ctrl + Enter or choose [Settings] in the right-click menu"
SAY_MENU="Menu"
SAY_DIALOG="Game settings"
source "$(dirname "$0")/spoken_play.bash"
