#pragma once
// The standard controls of the dialogs: edit boxes (with their spinners),
// picture boxes, buttons, combo boxes and hyperlink boxes.
// Each raises its unit's own event. Internal to platform/.
#include <QImage>
#include <QWidget>

#include "platform/window_template.h"

class QLineEdit;
class QTextEdit;

class EditBoxWidget : public QWidget {
public:
    EditBoxWidget(const UnitRef& unit, const UnitTemplate& look, QWidget* parent);

    std::string Content() const;
    // Writing the content runs the content-changed handler before it returns.
    void SetContent(const std::string& text);
    void SetSpinnerMax(std::int32_t value) { spinMax_ = value; }

private:
    void Step(int delta);

    UnitRef unit_;
    QLineEdit* line_ = nullptr;
    QTextEdit* block_ = nullptr;
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
