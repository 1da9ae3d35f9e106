// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/templates/window_template.h"
#include "settings/settings_dialog_units.h"

// The dialog "设置游戏参数".
const WindowTemplate& SettingsDialogTemplate();
