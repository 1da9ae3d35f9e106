// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/units/units.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <climits>

#include "platform/controls/accessible_controls.h"
#include "platform/controls/colour_picker_widget.h"
#include "platform/controls/control_widgets.h"
#include "platform/controls/label_widget.h"
#include "platform/controls/spoken_notices.h"
#include "platform/controls/status_bar_widget.h"
#include "platform/controls/table_widget.h"
#include "platform/system/fatal.h"
#include "platform/texts/translation.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/text_metrics.h"
#include "platform/windows/unit_event_filter.h"
#include "platform/windows/unit_registry.h"
#include "platform/windows/window_lifetime.h"
#include "platform/windows/window_widget.h"

namespace {
std::map<std::int32_t, WindowTemplate>& Templates()
{
    static std::map<std::int32_t, WindowTemplate> templates;
    return templates;
}

std::map<std::int32_t, std::vector<UnitRef>> unitLists;
std::int32_t lastUnitList = 0;

// Clones take identifiers from a range the templates never use.
constexpr std::int32_t FirstCloneId = 0x16800000;

QRect ScreenRect()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void ShowInPositionState(WindowWidget& widget, std::int32_t state)
{
    if (state == start_position::Maximised)
        widget.showMaximized();
    else if (state == start_position::Minimised)
        widget.ShowMinimised();
    else
        widget.showNormal();
}

void ShowPlaced(UnitRecord& unit, QWidget* widget)
{
    const UnitTemplate& data = unit.data;
    // A status bar is docked along the bottom of its window instead.
    if (data.kind != UnitKind::StatusBar)
        SetControlRect(widget, data.rect);
    widget->setEnabled(!data.disabled);
    widget->setCursor(ToQCursor(data.cursor));
    ShowAccessibleTexts(widget, data);
    widget->setVisible(data.visible);
}

QWidget* CreateWidget(UnitRecord& unit, WindowWidget* window)
{
    const UnitRef ref = unit.Ref();
    const UnitTemplate& data = unit.data;
    switch (data.kind) {
    case UnitKind::Label: {
        auto* label = new LabelWidget(ref, window);
        UnitEventFilter::Attach(label, ref, true);
        return label;
    }
    case UnitKind::DrawPanel: {
        auto* panel = new QWidget(window);
        UnitEventFilter::Attach(panel, ref, true);
        return panel;
    }
    case UnitKind::StatusBar: {
        auto* bar = new StatusBarWidget(data.partWidths, window);
        // The initial texts name the parts.
        for (std::size_t part = 0; part < data.items.size(); ++part) {
            bar->SetPartText(int(part), ToQString(data.items[part]));
            bar->SetPartTitle(int(part), ToQString(data.items[part]));
        }
        UnitEventFilter::Attach(bar, ref, true);
        window->DockStatusBar(bar);
        return bar;
    }
    case UnitKind::PicBox: {
        auto* picture = new PictureBoxWidget(data, window);
        UnitEventFilter::Attach(picture, ref, true);
        return picture;
    }
    case UnitKind::EditBox: {
        auto* edit = new EditBoxWidget(ref, data, window);
        UnitEventFilter::Attach(edit, ref, false);
        return edit;
    }
    case UnitKind::Button: {
        QWidget* button = CreateButton(ref, data, window);
        UnitEventFilter::Attach(button, ref, false);
        return button;
    }
    case UnitKind::ComboBox: {
        QWidget* combo = CreateComboBox(ref, data, window);
        UnitEventFilter::Attach(combo, ref, false);
        return combo;
    }
    case UnitKind::ColorPicker: {
        auto* picker = new ColourPickerWidget(ref, data.gradient[0], window);
        picker->setFocusPolicy(data.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        UnitEventFilter::Attach(picker, ref, false);
        return picker;
    }
    case UnitKind::HyperLinker: {
        QWidget* link = CreateHyperLinker(ref, data, window);
        UnitEventFilter::Attach(link, ref, false);
        return link;
    }
    case UnitKind::Table: {
        QWidget* table = CreateTable(data, window);
        UnitEventFilter::Attach(table, ref, false);
        return table;
    }
    case UnitKind::Timer:
    case UnitKind::menu:
    case UnitKind::window: return nullptr;
    }
    return nullptr;
}

void StartTimer(UnitRecord& unit, WindowWidget* window)
{
    auto* timer = new QTimer(window);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, timer, [ref = unit.Ref()] {
        EventArgs args;
        RaiseEvent(ref, Event::Tick, args);
    });
    unit.timer = timer;
    if (unit.data.interval > 0)
        timer->start(unit.data.interval);
}

// Builds the record and, where the kind has one, the widget of a unit.
UnitRecord& AddUnit(WindowRecord& window, const UnitTemplate& data, bool clone)
{
    auto unit = std::make_unique<UnitRecord>();
    unit->windowId = window.id;
    unit->data = data;
    unit->clone = clone;
    UnitRecord& added = *unit;
    window.byId[data.id] = unit.get();
    window.units.push_back(std::move(unit));
    if (data.kind == UnitKind::Timer) {
        StartTimer(added, window.Widget());
    } else if (QWidget* widget = CreateWidget(added, window.Widget())) {
        added.widget = widget;
        added.handle = NewHandle(widget);
        ShowPlaced(added, widget);
    }
    return added;
}

Rect LiveRect(const UnitRecord& unit)
{
    if (unit.data.kind == UnitKind::window && unit.widget)
        return static_cast<WindowWidget*>(unit.widget.data())->OuterRect();
    if (unit.widget)
        return ControlRect(unit.widget);
    return unit.data.rect;
}

void PlaceUnit(UnitRecord& unit, const Rect& rect)
{
    unit.data.rect = rect;
    if (!unit.widget)
        return;
    if (unit.data.kind == UnitKind::window)
        static_cast<WindowWidget*>(unit.widget.data())->SetOuterRect(rect);
    else
        SetControlRect(unit.widget, rect);
}

// Tab moves through the window's tab stops in the order they lie (TabOrder);
// an edit box takes the keyboard in its line or block.
void OrderTabStops(WindowRecord& window, const WindowTemplate& source)
{
    QWidget* previous = nullptr;
    for (const std::size_t index : TabOrder(source.units)) {
        const UnitRecord* unit = FindUnit(window, source.units[index].id);
        QWidget* widget = unit ? unit->widget.data() : nullptr;
        if (auto* box = dynamic_cast<EditBoxWidget*>(widget))
            widget = box->Editor();
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void AddMenuEntries(QMenu& menu, WindowRecord& window, std::size_t parentIndex)
{
    const int level = window.units[parentIndex]->data.menuLevel;
    for (std::size_t i = parentIndex + 1; i < window.units.size(); ++i) {
        const UnitRecord& entry = *window.units[i];
        if (entry.data.kind != UnitKind::menu || entry.data.menuLevel <= level)
            break;
        if (entry.data.menuLevel != level + 1 || (entry.data.menuState & menu_state::Hidden))
            continue;
        if (entry.data.text == "-") {
            menu.addSeparator();
            continue;
        }
        const bool hasChildren = i + 1 < window.units.size() && window.units[i + 1]->data.kind == UnitKind::menu &&
                                 window.units[i + 1]->data.menuLevel > entry.data.menuLevel;
        if (hasChildren) {
            QMenu* sub = menu.addMenu(DisplayText(entry.data.text));
            AddMenuEntries(*sub, window, i);
            continue;
        }
        // Marked before the menu holds it: a screen reader may ask after it at once.
        auto* action = new QAction(DisplayText(entry.data.text), &menu);
        if (entry.data.menuState & (menu_state::Checked | menu_state::Checkable))
            MarkCheckEntry(action);
        action->setCheckable(entry.data.menuState & menu_state::Checked);
        action->setChecked(entry.data.menuState & menu_state::Checked);
        action->setEnabled(!(entry.data.menuState & menu_state::Disabled));
        menu.addAction(action);
        // The command runs from the event loop once the menu has finished with
        // the click: a command that handles pending events (a message box, a
        // new game) would otherwise delete the closed menu under its own code.
        QObject::connect(
            action, &QAction::triggered, qApp,
            [ref = entry.Ref()] {
                EventArgs args;
                RaiseEvent(ref, Event::Clicked, args);
            },
            Qt::QueuedConnection);
    }
}
}  // namespace

void RegisterWindowTemplate(const WindowTemplate& window)
{
    Templates()[window.windowId] = window;
    WindowRecord& record = Windows()[window.windowId];
    record.source = &Templates()[window.windowId];
    record.id = window.windowId;
}

bool LoadWindow(const UnitRef& ref, std::optional<UnitRef> owner, bool modal)
{
    WindowRecord* window = FindWindow(ref.window);
    if (!window || !window->source || ref.unit != window->source->self.id)
        return false;
    if (window->loaded) {
        WindowWidget* widget = window->Widget();
        if (widget->isMinimized())
            widget->showNormal();
        widget->raise();
        widget->activateWindow();
        return true;
    }
    const WindowTemplate& source = *window->source;
    WindowRecord* ownerWindow = owner ? FindWindow(owner->window) : nullptr;
    const bool owned = ownerWindow && ownerWindow->loaded;

    window->self = std::make_unique<UnitRecord>();
    window->self->windowId = window->id;
    window->self->data = source.self;
    window->loaded = true;
    window->owner = owned ? ownerWindow->id : 0;
    window->nextCloneId = FirstCloneId;
    window->pendingPositionState.reset();

    auto* widget = new WindowWidget(window->self->Ref(), owned ? ownerWindow->Widget() : nullptr);
    window->self->widget = widget;
    window->self->handle = NewHandle(widget);
    UnitEventFilter::Attach(widget, window->self->Ref(), true);
    ShowAccessibleTexts(widget, source.self);

    Rect rect = source.self.rect;
    if (source.self.startPosition == start_position::Centred) {
        const QRect screen = ScreenRect();
        rect.left = screen.x() + (screen.width() - rect.width) / 2;
        rect.top = screen.y() + (screen.height() - rect.height) / 2;
    }
    PlaceUnit(*window->self, rect);
    widget->PictureChanged();

    // The earliest unit of the template lies in front: each later one goes to the back.
    for (const UnitTemplate& unit : source.units) {
        UnitRecord& added = AddUnit(*window, unit, false);
        if (added.widget)
            added.widget->lower();
    }
    OrderTabStops(*window, source);

    EventArgs args;
    RaiseEvent(window->self->Ref(), Event::Created, args);
    if (!window->loaded)
        return true;
    if (modal)
        widget->setWindowModality(Qt::ApplicationModal);
    const std::int32_t state = window->pendingPositionState.value_or(source.self.startPosition);
    ShowInPositionState(*widget, state);
    // Window managers need not give a window shown later the keyboard: ask for it.
    if (state != start_position::Minimised)
        widget->activateWindow();
    return true;
}

std::int32_t WindowPositionState(const UnitRef& ref)
{
    const WindowRecord& window = LoadedWindow(ref.window);
    const WindowWidget* widget = window.Widget();
    if (!widget->isVisible() && !widget->isMinimized()) {
        const std::int32_t state = window.pendingPositionState.value_or(window.source->self.startPosition);
        return state == start_position::Centred ? start_position::AsTemplate : state;
    }
    return widget->isMinimized()   ? start_position::Minimised
           : widget->isMaximized() ? start_position::Maximised
                                   : start_position::AsTemplate;
}

void SetWindowPositionState(const UnitRef& ref, std::int32_t state)
{
    WindowRecord& window = LoadedWindow(ref.window);
    WindowWidget* widget = window.Widget();
    if (!widget->isVisible() && !widget->isMinimized())
        window.pendingPositionState = state;
    else
        ShowInPositionState(*widget, state);
}

Rect NormalWindowRect(const UnitRef& ref)
{
    return LoadedWindow(ref.window).Widget()->NormalOuterRect();
}

void DestroyUnit(const UnitRef& ref)
{
    WindowRecord* window = FindWindow(ref.window);
    if (!window || !window->loaded)
        return;
    if (ref.unit == window->self->data.id)
        DestroyWindowLater(ref.window);
    else
        RemoveUnit(*window, ref.unit);
}

bool CloneUnit(const UnitRef& source, UnitRef& clone)
{
    UnitRecord& original = CheckedUnit(source);
    if (!original.widget)
        return false;
    WindowRecord& window = LoadedWindow(source.window);
    UnitTemplate data = original.data;
    data.id = window.nextCloneId++;
    data.rect = LiveRect(original);
    UnitRecord& added = AddUnit(window, data, true);
    if (added.widget)
        added.widget->stackUnder(original.widget);
    clone = added.Ref();
    return true;
}

bool UnitExists(const UnitRef& ref)
{
    WindowRecord* window = FindWindow(ref.window);
    if (!window || !window->loaded)
        return false;
    UnitRecord* unit = FindUnit(*window, ref.unit);
    return unit && unit->widget;
}

std::int32_t UnitHandle(const UnitRef& ref)
{
    WindowRecord* window = FindWindow(ref.window);
    UnitRecord* unit = window && window->loaded ? FindUnit(*window, ref.unit) : nullptr;
    return unit && unit->widget ? unit->handle : 0;
}

void CaptureMouse(std::int32_t handle)
{
    // While a button is held, the press has captured the mouse already: every
    // move and the release go to the pressed widget, inside the window or not.
    // An explicit grab on top would cost a round trip to the display server at
    // the press and again at the release.
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    if (QWidget* widget = WidgetForHandle(handle); widget && widget->isVisible())
        widget->grabMouse();
}

void ReleaseMouse()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

std::int32_t ClientWidth(const UnitRef& ref)
{
    UnitRecord& unit = CheckedUnit(ref);
    return unit.widget ? ClientArea(unit.widget).width() : 0;
}

std::int32_t ClientHeight(const UnitRef& ref)
{
    UnitRecord& unit = CheckedUnit(ref);
    return unit.widget ? ClientArea(unit.widget).height() : 0;
}

std::int32_t ClientScreenLeft(const UnitRef& ref)
{
    UnitRecord& unit = CheckedUnit(ref);
    return unit.widget ? unit.widget->mapToGlobal(ClientArea(unit.widget).topLeft()).x() : 0;
}

std::int32_t ClientScreenTop(const UnitRef& ref)
{
    UnitRecord& unit = CheckedUnit(ref);
    return unit.widget ? unit.widget->mapToGlobal(ClientArea(unit.widget).topLeft()).y() : 0;
}

void MoveUnit(const UnitRef& ref, std::optional<std::int32_t> left, std::optional<std::int32_t> top,
              std::optional<std::int32_t> width, std::optional<std::int32_t> height)
{
    UnitRecord& unit = CheckedUnit(ref);
    const Rect current = LiveRect(unit);
    Rect moved = current;
    if (left)
        moved.left = *left;
    if (top)
        moved.top = *top;
    if (width && *width != -1)
        moved.width = *width;
    if (height && *height != -1)
        moved.height = *height;
    if (moved != current)
        PlaceUnit(unit, moved);
}

std::int32_t TextWidth(const UnitRef& ref, const std::string& text)
{
    return TextExtent(CheckedUnit(ref).data.font.value_or(Font{}), DisplayText(text)).width();
}

std::int32_t TextHeight(const UnitRef& ref, const std::string& text)
{
    return TextExtent(CheckedUnit(ref).data.font.value_or(Font{}), DisplayText(text)).height();
}

std::int32_t TagNumber(const std::string& tag)
{
    std::size_t i = 0;
    while (i < tag.size() && (tag[i] == ' ' || (tag[i] >= '\t' && tag[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < tag.size() && (tag[i] == '+' || tag[i] == '-'))
        negative = tag[i++] == '-';
    std::int64_t value = 0;
    for (; i < tag.size() && tag[i] >= '0' && tag[i] <= '9'; ++i)
        value = std::min<std::int64_t>(value * 10 + (tag[i] - '0'), std::int64_t(INT32_MAX) + 1);
    value = negative ? -value : value;
    return std::int32_t(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

std::int32_t FindUnits(const UnitRef& windowRef, const std::string& namePrefix, const std::string& kindName,
                       std::int32_t lowestTag, std::int32_t highestTag)
{
    WindowRecord* window = FindWindow(windowRef.window);
    if (!window || !window->loaded)
        return 0;
    std::vector<UnitRef> kept;
    for (const auto& unit : window->units) {
        if (!unit->widget)
            continue;
        if (!namePrefix.empty() && unit->data.name.compare(0, namePrefix.size(), namePrefix) != 0)
            continue;
        if (!kindName.empty() && kindName != KindName(unit->data.kind))
            continue;
        const std::int32_t tag = TagNumber(unit->data.tag);
        if (tag < lowestTag || tag > highestTag)
            continue;
        kept.push_back(unit->Ref());
    }
    if (kept.empty())
        return 0;
    unitLists[++lastUnitList] = std::move(kept);
    return lastUnitList;
}

std::int32_t UnitListCount(std::int32_t list)
{
    auto found = unitLists.find(list);
    return found == unitLists.end() ? 0 : std::int32_t(found->second.size());
}

UnitRef UnitListItem(std::int32_t list, std::int32_t index)
{
    auto found = unitLists.find(list);
    if (found == unitLists.end() || index < 0 || index >= std::int32_t(found->second.size()))
        return EmptyUnitRef;
    return found->second[std::size_t(index)];
}

void FreeUnitList(std::int32_t list)
{
    unitLists.erase(list);
}

std::int32_t SendUnitMessage(const UnitRef& ref, std::int32_t message, std::int32_t wParam, std::int32_t)
{
    if (message != window_message::NonClientLeftDown || wParam != window_message::HitCaption)
        return 0;
    WindowWidget* window = LoadedWindow(ref.window).Widget();
    // Let the window manager move the window; where it refuses, follow the mouse ourselves.
    if (!window->windowHandle() || !window->windowHandle()->startSystemMove()) {
        const std::optional<ScreenPoint> cursor = EventCursor();
        window->FollowMouse(cursor ? QPoint(cursor->x, cursor->y) : QCursor::pos());
    }
    return 0;
}

void PopupMenu(const UnitRef& windowRef, const UnitRef& menuEntry, std::optional<std::int32_t> x,
               std::optional<std::int32_t> y)
{
    WindowRecord& window = LoadedWindow(windowRef.window);
    CheckedUnit(menuEntry);
    auto entry = std::find_if(window.units.begin(), window.units.end(),
                              [&](const auto& unit) { return unit->data.id == menuEntry.unit; });
    auto* menu = new QMenu(window.Widget());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    AddMenuEntries(*menu, window, std::size_t(entry - window.units.begin()));
    const std::optional<ScreenPoint> cursor = EventCursor();
    const QPoint at = cursor ? QPoint(cursor->x, cursor->y) : QCursor::pos();
    menu->popup(QPoint(x.value_or(at.x() + 3), y.value_or(at.y() + 3)));
    // No entry has the focus until an arrow key picks one, so a screen reader
    // would not know that the menu opened.
    SpeakText(Translate("Menu", "菜单"));
}

void AnnounceUnit(const UnitRef& ref)
{
    UnitRecord& unit = CheckedUnit(ref);
    if (unit.widget)
        AnnounceWidget(unit.widget);
}

void SpeakText(const std::string& text)
{
    SpeakNotice(DisplayText(text).trimmed());
}

void WhenWindowFocused(const UnitRef& ref, std::function<void()> task)
{
    class Observer : public QObject {
    public:
        Observer(QObject* window, const UnitRef& ref, std::function<void()> task)
            : QObject(window), ref_(ref), task_(std::move(task))
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::FocusIn) {
                ForgetAnnouncedWidget();
                // A window unloaded before the task's turn (closed, or the
                // game ended) has no units left for it to read.
                QTimer::singleShot(0, this, [this] {
                    if (UnitExists(ref_))
                        task_();
                });
            }
            return false;
        }

    private:
        UnitRef ref_;
        std::function<void()> task_;
    };
    QWidget* window = LoadedWindow(ref.window).Widget();
    window->installEventFilter(new Observer(window, ref, std::move(task)));
}

bool ScreenReaderListening()
{
    return QAccessible::isActive();
}

void WhenScreenReaderStarts(std::function<void()> task)
{
    class Observer : public QAccessible::ActivationObserver {
    public:
        explicit Observer(std::function<void()> task) : task_(std::move(task)) {}
        void accessibilityActiveChanged(bool active) override
        {
            if (active)
                task_();
        }

    private:
        std::function<void()> task_;
    };
    // Qt keeps the observer for the program's life.
    QAccessible::installActivationObserver(new Observer(std::move(task)));
}

void SetStatusText(const StatusBarUnit& ref, int part, const std::string& text)
{
    UnitRecord& unit = CheckedUnit(ref);
    if (auto* bar = dynamic_cast<StatusBarWidget*>(unit.widget.data()))
        bar->SetPartText(part, ToQString(text));
}
