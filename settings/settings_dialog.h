// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog "设置游戏参数": every change in it takes effect at once, and
// closing it stores the settings.

// Opens the dialog, or brings it to the front when it is open.
void OpenSettingsDialog();

// True while the dialog fills its boxes; the boxes' handlers then start no game.
extern bool DialogFilling;

void FillSettingsDialog();
void OnDiskCountEdited();
void OnPegCountEdited();
void OnMainPegEdited();
// Shows the look of the chosen target in the style controls, changing nothing.
void ShowTargetStyle();
// Takes the look from the style controls and applies it to the chosen target at once.
void ApplyDialogStyle();
