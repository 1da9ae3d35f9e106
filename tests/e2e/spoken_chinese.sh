#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A game played by keys with Orca listening, in Chinese: what happens is said
# as it happens (spoken_play.bash).
GAME_LANG=zh_CN.UTF-8
SAY_MAIN_PEG_FULL="B 柱，主柱，3 个盘，顶上 1 号盘"
SAY_MAIN_PEG="B 柱，主柱"
SAY_LIFTED_OVER_B="1 号盘，从 B 柱举起，在 B 柱上方"
SAY_PUT_BACK="原地放下..."
SAY_SPIN="您 出色 地完成了原地打转！= ="
SAY_LIFTED_OVER_A="1 号盘，从 B 柱举起，在 A 柱上方"
SAY_NO_PEG_LEFT="左边没有柱了"
SAY_NO_PEG_RIGHT="右边没有柱了"
SAY_PEG_A_ONE="A 柱，1 个盘，顶上 1 号盘"
SAY_WELL_PLACED="放下正确，继续..."
SAY_ONE_STEP="1 步"
SAY_REFUSED="长的盘片不能放在短的盘片上面"
SAY_HINT="提示：从 "
SAY_PEG_A_FULL="A 柱，从下到上：1"
SAY_PAUSED="游戏已暂停"
SAY_RESUMED="继续游戏"
SAY_NEW_GAME="游戏初始完毕..第一次选择盘片进行移动时将开始计时.."
SAY_WIN="您已成功完成转移工作！更改盘片数可按下 Ctrl + Enter 键或右键菜单【参数设定】"
SAY_MENU="菜单"
SAY_DIALOG="设置游戏参数"
source "$(dirname "$0")/spoken_play.bash"
