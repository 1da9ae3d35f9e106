// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/accessible_controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

#include "platform/controls/colour_names.h"
#include "platform/controls/colour_picker_widget.h"
#include "platform/controls/control_widgets.h"
#include "platform/controls/label_widget.h"
#include "platform/controls/spoken_notices.h"
#include "platform/controls/status_bar_widget.h"
#include "platform/texts/translation.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/window_widget.h"

namespace {
// A control whose text a screen reader reads whole: the text has no
// attributes, over its whole length (a range of none makes Orca leave the
// text unsaid), and no caret or selection unless a kind says otherwise.
class PlainTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Shown().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    using QAccessibleWidget::text;

protected:
    virtual QString Shown() const = 0;
};

// A part of a status bar: its name is the text it shows, which it also offers
// as text; its description says which part it is.
class StatusPartAccessible : public PlainTextAccessible {
public:
    explicit StatusPartAccessible(QWidget* part) : PlainTextAccessible(part, QAccessible::StaticText) {}

protected:
    QString Shown() const override { return widget()->accessibleName(); }
};

// The line of a number box, its number said with its name when it takes the focus.
class BoxLineAccessible : public PlainTextAccessible {
public:
    explicit BoxLineAccessible(QLineEdit* line) : PlainTextAccessible(line, QAccessible::EditableText) {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? Line()->text() : PlainTextAccessible::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = PlainTextAccessible::state();
        state.editable = !Line()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    int cursorPosition() const override { return Line()->cursorPosition(); }
    void setCursorPosition(int position) override { Line()->setCursorPosition(position); }
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = Line()->hasSelectedText() ? Line()->selectionStart() : 0;
        *endOffset = Line()->hasSelectedText() ? Line()->selectionEnd() : 0;
    }
    int selectionCount() const override { return Line()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { Line()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        Line()->setSelection(startOffset, endOffset - startOffset);
    }

protected:
    QString Shown() const override { return Line()->text(); }

private:
    QLineEdit* Line() const { return static_cast<QLineEdit*>(widget()); }
};

// A drop-down list called by its own name, where Qt on Linux calls it by the
// entry shown; that entry is its value and its text (where Orca looks for
// it), and its name while it has none of its own; its one child is its list.
class NamedComboBoxAccessible : public PlainTextAccessible {
public:
    explicit NamedComboBoxAccessible(QComboBox* combo) : PlainTextAccessible(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && widget()->accessibleName().isEmpty()))
            return Combo()->currentText();
        return PlainTextAccessible::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == Combo()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            Combo()->showPopup();
    }

protected:
    QString Shown() const override { return Combo()->currentText(); }

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

// A colour picker, called by its name and its colour.
class ColourPickerAccessible : public QAccessibleWidget {
public:
    explicit ColourPickerAccessible(ColourPickerWidget* picker) : QAccessibleWidget(picker, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* picker = static_cast<ColourPickerWidget*>(widget());
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        return DisplayText(FillIn(Translate("Colour", "%1，%2"),
                                  {FromQString(widget()->accessibleName()), ColourInWords(picker->Value())}));
    }
};

// A menu entry that shows a check mark or none, as Qt's own entries do, and
// says which. Qt 6.4 tells a screen reader neither that an entry can be
// checked nor of check menu items, and a screen reader says only "checked":
// the entry's name says its state either way.
constexpr char CheckEntryProperty[] = "torvaneCheckEntry";

class CheckEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit CheckEntryAccessible(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && Menu(); }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return Menu() ? Menu()->windowHandle() : nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Menu()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return {};
        const std::string caption = FromQString(action_->text().remove(QLatin1Char('&')).trimmed());
        return DisplayText(action_->isChecked() ? FillIn(Translate("Menu", "%1，已勾选"), {caption})
                                                : FillIn(Translate("Menu", "%1，未勾选"), {caption}));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        QMenu* menu = Menu();
        return menu ? menu->actionGeometry(action_).translated(menu->mapToGlobal(QPoint(0, 0))) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        QMenu* menu = Menu();
        state.invisible = !menu || !menu->isVisible();
        state.focused = menu && menu->activeAction() == action_;
        state.disabled = !action_->isEnabled();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* Menu() const { return action_ ? qobject_cast<QMenu*>(action_->parent()) : nullptr; }

    QPointer<QAction> action_;
};

QAccessibleInterface* AccessibleControl(const QString&, QObject* object)
{
    if (auto* action = qobject_cast<QAction*>(object); action && action->property(CheckEntryProperty).toBool())
        return new CheckEntryAccessible(action);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return new NamedComboBoxAccessible(combo);
    if (auto* line = qobject_cast<QLineEdit*>(widget); line && dynamic_cast<EditBoxWidget*>(widget->parentWidget()))
        return new BoxLineAccessible(line);
    if (dynamic_cast<WindowWidget*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (dynamic_cast<LabelWidget*>(widget))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (auto* picker = dynamic_cast<ColourPickerWidget*>(widget))
        return new ColourPickerAccessible(picker);
    if (dynamic_cast<StatusBarWidget*>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (dynamic_cast<StatusBarWidget*>(widget->parentWidget()))
        return new StatusPartAccessible(widget);
    return nullptr;
}
}  // namespace

void InstallAccessibleControls()
{
    QAccessible::installFactory(AccessibleControl);
}

void SetAccessibleTexts(QWidget* widget, const std::string& name, const std::string& description)
{
    const QString newName = DisplayText(name).trimmed();
    const QString oldName = widget->accessibleName();
    if (newName != oldName) {
        widget->setAccessibleName(newName);
        if (dynamic_cast<StatusBarWidget*>(widget->parentWidget())) {
            QAccessibleTextUpdateEvent update(widget, 0, oldName, newName);
            QAccessible::updateAccessibility(&update);
        }
    }
    const QString newDescription = DisplayText(description).trimmed();
    if (newDescription != widget->accessibleDescription())
        widget->setAccessibleDescription(newDescription);
}

void ShowAccessibleTexts(QWidget* widget, const UnitTemplate& unit)
{
    const bool captioned = unit.kind == UnitKind::Label || unit.kind == UnitKind::Button;
    const std::string& name = unit.accessibleName.empty() && captioned ? unit.text : unit.accessibleName;
    SetAccessibleTexts(widget, name, unit.accessibleDescription);
    // An edit box's own editor is what takes the keys, and so what a screen reader meets.
    if (dynamic_cast<EditBoxWidget*>(widget)) {
        for (QWidget* editor : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            SetAccessibleTexts(editor, name, unit.accessibleDescription);
    }
}

namespace {
// The widget a screen reader was last turned to, until the real focus moves.
QPointer<QWidget> announced;
}  // namespace

void AnnounceWidget(QWidget* widget)
{
    // A screen reader does not read again the focus it is on.
    if (widget == announced) {
        SpeakNotice(widget->accessibleName());
        return;
    }
    static const bool watching = QObject::connect(qApp, &QApplication::focusChanged, ForgetAnnouncedWidget);
    Q_UNUSED(watching);
    announced = widget;
    QAccessibleEvent event(widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void MarkCheckEntry(QAction* action)
{
    action->setProperty(CheckEntryProperty, true);
}

void ForgetAnnouncedWidget()
{
    announced = nullptr;
}
