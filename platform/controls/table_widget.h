// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read-only table: a header row from the unit's `items` and the rows of its
// text. The arrow keys move from cell to cell; a screen reader meets each
// cell by its text and hears its column's header with it. Internal to
// platform/.
#include "platform/templates/window_template.h"

class QWidget;

QWidget* CreateTable(const UnitTemplate& look, QWidget* parent);
// Shows the rows of the unit's text: one a line, cells parted by tabs.
void ShowTableRows(QWidget* table, const UnitTemplate& look);
