// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour picker: a small button showing its colour. A click opens a
// palette with a "no colour" entry and an entry for the full colour dialog;
// only the player's choice raises the unit's colour-chosen event.
// Internal to platform/.
#include <QWidget>
#include <optional>

#include "platform/templates/unit_ref.h"
#include "platform/templates/window_template.h"

class QMenu;

class ColourPickerWidget : public QWidget {
public:
    ColourPickerWidget(const UnitRef& unit, Colour colour, QWidget* parent);
    Colour Value() const { return colour_; }
    // Set by the program: no event.
    void SetValue(Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OpenPalette();
    void AddSwatches(QMenu& menu, std::optional<Colour>& chosen);
    void Choose(Colour colour);

    UnitRef unit_;
    Colour colour_;
};
