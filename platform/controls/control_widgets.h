// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The standard controls of the dialogs: edit boxes (with their spinners),
// picture boxes, buttons, combo boxes and hyperlink boxes.
// Each raises its unit's own event. Internal to platform/.
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "platform/templates/window_template.h"
#include "platform/windows/pending_typing.h"

class QLineEdit;
class QTextEdit;
class QTimer;

// An edit box. What the player types takes effect once the number or text
// is finished: the content-changed event is raised when the box loses the
// focus, on Enter, or after a short pause in typing. Whatever changes the
// content at one stroke (the program, the spinner, a paste, a drop, the
// box's context menu) raises it at once.
class EditBoxWidget : public QWidget, public PendingTyping {
public:
    EditBoxWidget(const UnitRef& unit, const UnitTemplate& look, QWidget* parent);
    ~EditBoxWidget() override;

    std::string Content() const;
    // Writing the content runs the content-changed handler before it returns.
    void SetContent(const std::string& text);
    void SetSpinnerMax(std::int32_t value) { spinMax_ = value; }
    // What takes the keyboard: the line or the block.
    QWidget* Editor() const;
    void FinishTyping() override;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Step(int delta);
    void Edited(bool atOneStroke);
    void PlaceSpinner();

    UnitRef unit_;
    QLineEdit* line_ = nullptr;
    QTextEdit* block_ = nullptr;
    // The up-down pair sits beside the box, outside its rectangle, so that the
    // box's whole width is left to the number.
    QPointer<QWidget> spinner_;
    QTimer* typingPause_ = nullptr;
    bool typingPending_ = false;
    std::int32_t spinMin_;
    std::int32_t spinMax_;
};

class PictureBoxWidget : public QWidget {
public:
    PictureBoxWidget(const UnitTemplate& look, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

QWidget* CreateButton(const UnitRef& unit, const UnitTemplate& look, QWidget* parent);
QWidget* CreateComboBox(const UnitRef& unit, const UnitTemplate& look, QWidget* parent);
QWidget* CreateHyperLinker(const UnitRef& unit, const UnitTemplate& look, QWidget* parent);
