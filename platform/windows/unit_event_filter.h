// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns Qt's mouse and key events on a unit's widget into the unit's events.
#include <QObject>

#include "platform/templates/unit_ref.h"

class UnitEventFilter : public QObject {
public:
    // Watches widget on behalf of unit. A widget that draws itself (`owner
    // drawn`) keeps every mouse event; a standard control still gets them.
    static void Attach(QWidget* widget, const UnitRef& unit, bool ownerDrawn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UnitEventFilter(const UnitRef& unit, bool ownerDrawn, QObject* parent);
    UnitRef unit_;
    bool ownerDrawn_;
};

// The modifier state of Qt's modifiers: Ctrl 1, Shift 2, Alt 4.
int ModifierState(Qt::KeyboardModifiers modifiers);
