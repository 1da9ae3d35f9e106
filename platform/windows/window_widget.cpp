// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "platform/system/first_paint.h"
#include "platform/windows/painted_by_window.h"
#include "platform/windows/pending_typing.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/unit_registry.h"
#include "platform/windows/window_lifetime.h"

namespace {
constexpr int StatusBarHeight = 20;

bool HasTitleBar(const UnitTemplate& look)
{
    return !look.text.empty() || look.controlBox || look.minBox || look.maxBox;
}

// The frame of a border style as Windows draws it around a window without a
// caption: the dialog frame, one ring wider where it can be resized, and the
// sunken client edge inside it for the client-edge styles.
std::vector<Ring> DrawnFrameRings(int style)
{
    std::vector<Ring> rings = DialogFrameRings();
    if (style == window_border::Resizable || style == window_border::NarrowResizable ||
        style == window_border::EdgeResizable)
        rings.push_back({frame_colour::Face, frame_colour::Face});
    if (style == window_border::EdgeResizable || style == window_border::EdgeFixed) {
        const std::vector<Ring> edge = ClientEdgeRings();
        rings.insert(rings.end(), edge.begin(), edge.end());
    }
    return rings;
}

QPoint ClientOffset(const QWidget* control)
{
    const auto* window = dynamic_cast<const WindowWidget*>(control->parentWidget());
    return window ? window->ClientRect().topLeft() : QPoint();
}
}  // namespace

WindowWidget::WindowWidget(const UnitRef& self, QWidget* owner) : QWidget(owner, Qt::Window), self_(self)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The window takes the keyboard when it is active and none of its controls
    // has it (the main window's keys), but Tab passes it by: it shows no mark.
    setFocusPolicy(Qt::ClickFocus);
    const UnitTemplate* look = StoredData(self_);
    setWindowTitle(ToQString(look->text));
    ApplyBorderStyle(look->borderStyle);
}

void WindowWidget::ApplyBorderStyle(int style)
{
    const UnitTemplate* look = StoredData(self_);
    Qt::WindowFlags flags = Qt::Window;
    const bool drawsFrame = style != window_border::None && look && !HasTitleBar(*look);
    SetDrawnFrame(drawsFrame ? DrawnFrameRings(style) : std::vector<Ring>());
    if (style == window_border::None || drawsFrame) {
        flags |= Qt::FramelessWindowHint;
    } else {
        if (style == window_border::NarrowResizable || style == window_border::NarrowFixed)
            flags = Qt::Tool;
        flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
        if (look && look->controlBox)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (look && look->minBox)
            flags |= Qt::WindowMinimizeButtonHint;
        if (look && look->maxBox)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool fixed =
        style == window_border::Fixed || style == window_border::NarrowFixed || style == window_border::EdgeFixed;
    const bool wasVisible = isVisible();
    if (windowFlags() != flags) {
        // Window managers read the frame hints when a window is mapped: unmap it first.
        if (wasVisible)
            hide();
        setWindowFlags(flags);
    }
    if (fixed) {
        setFixedSize(size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    // Changing the flags hides a shown window; it stays on screen.
    if (wasVisible && !isVisible())
        show();
}

void WindowWidget::SetDrawnFrame(std::vector<Ring> rings)
{
    const int width = int(rings.size());
    const QPoint shift = QPoint(width, width) - QPoint(drawnFrame_.left(), drawnFrame_.top());
    drawnRings_ = std::move(rings);
    drawnFrame_ = QMargins(width, width, width, width);
    stage_.Discard();
    // The controls keep their places in the client area.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != statusBar_ && !child->isWindow())
            child->move(child->pos() + shift);
    }
    Dock();
    update();
}

Rect WindowWidget::OuterRect() const
{
    const QRect outer = frameGeometry();
    return {outer.x(), outer.y(), outer.width(), outer.height()};
}

Rect WindowWidget::NormalOuterRect() const
{
    return ShownNormally() ? OuterRect() : normalOuter_.value_or(OuterRect());
}

QMargins WindowWidget::FrameMargins()
{
    // A window without a frame has none, whatever the window system still remembers.
    if (windowFlags() & Qt::FramelessWindowHint)
        return {};
    // The native window must exist for the window system to report its frame.
    // create() makes it without marking the window native, which winId()
    // would do, and which would make every control of its owner native too.
    if (!testAttribute(Qt::WA_WState_Created))
        create();
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

// Wayland gives a client no place on the screen, so a borderless window
// cannot cover it by its position: a window asked for its whole screen
// becomes the compositor's full screen, and any other rectangle ends that.
bool WindowWidget::PlaceByCompositor(const Rect& rect)
{
    if (QGuiApplication::platformName() != QStringLiteral("wayland"))
        return false;
    const QRect whole = screen() ? screen()->geometry() : QRect();
    if ((windowFlags() & Qt::FramelessWindowHint) && QRect(rect.left, rect.top, rect.width, rect.height) == whole) {
        showFullScreen();
        return true;
    }
    if (isFullScreen())
        showNormal();
    return false;
}

void WindowWidget::SetOuterRect(const Rect& rect)
{
    if (PlaceByCompositor(rect))
        return;
    // Placing the window may change its frame (a border style just changed):
    // then it is placed once more with the frame it now has.
    for (int attempt = 0; attempt < 2; ++attempt) {
        assumedFrame_ = FrameMargins();
        const QSize client(std::max(0, rect.width - assumedFrame_.left() - assumedFrame_.right()),
                           std::max(0, rect.height - assumedFrame_.top() - assumedFrame_.bottom()));
        placing_ = true;
        if (maximumSize() == minimumSize())
            setFixedSize(client);
        setGeometry(QRect(QPoint(rect.left + assumedFrame_.left(), rect.top + assumedFrame_.top()), client));
        placing_ = false;
        if (FrameMargins() == assumedFrame_)
            break;
    }
    requestedOuter_ = rect;
    if (ShownNormally())
        normalOuter_ = rect;
}

bool WindowWidget::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    // The place the window returns to from maximised or minimised is the one
    // it last had shown normally.
    if ((type == QEvent::Move || type == QEvent::Resize) && isVisible() && ShownNormally())
        normalOuter_ = OuterRect();
    // Some window managers tell the frame only once the window is on screen:
    // the outer rectangle last asked for is then placed again, once. A
    // maximised or minimised window keeps the place the window manager gave
    // it, and one that started so is placed when it is first shown normally.
    if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show || type == QEvent::Paint) &&
        !placing_ && requestedOuter_ && !correctionPending_ && ShownNormally() && windowHandle() &&
        windowHandle()->frameMargins() != assumedFrame_) {
        correctionPending_ = true;
        QTimer::singleShot(0, this, [this] {
            correctionPending_ = false;
            if (!ShownNormally())
                return;
            if (requestedOuter_ && windowHandle() && windowHandle()->frameMargins() != assumedFrame_)
                SetOuterRect(*requestedOuter_);
            requestedOuter_.reset();
        });
    }
    return QWidget::event(event);
}

void WindowWidget::PictureChanged()
{
    const UnitTemplate* look = StoredData(self_);
    if (!look)
        return;
    const bool stretched = look->pictureMode == picture_mode::Stretched;
    picture_.Set(look->picture, stretched ? ClientRect().size() * devicePixelRatioF() : QSize());
    update();
}

void WindowWidget::ChildChanged(PaintedByWindow& child, const QRect& area, bool restacked)
{
    stage_.ChildChanged(child);
    if (restacked)
        stage_.Discard();
    // What a layout asks for becomes one rectangle, asked for again only when it grows.
    if (area.isEmpty() || pendingChildArea_.contains(area))
        return;
    pendingChildArea_ |= area;
    update(pendingChildArea_);
}

BackgroundLook WindowWidget::CurrentBackgroundLook()
{
    BackgroundLook look{.size = size(), .ratio = devicePixelRatioF(), .rings = drawnRings_.size()};
    const UnitTemplate* data = StoredData(self_);
    look.back = (data && data->backColour ? ToQColor(*data->backColour) : palette().color(QPalette::Window)).rgb();
    if (!data || data->picture.empty())
        return look;
    look.mode = data->pictureMode;
    look.picture = data->pictureMode == picture_mode::Stretched
                       ? picture_.Stretched(ClientRect().size() * look.ratio, look.ratio).cacheKey()
                       : picture_.Image({}).cacheKey();
    return look;
}

void WindowWidget::PaintBackground(QPainter& painter)
{
    QRect ring = rect();
    for (const Ring& drawn : drawnRings_) {
        DrawRing(painter, ring, 1, drawn);
        ring.adjust(1, 1, -1, -1);
    }
    const QRect client = ClientRect();
    painter.save();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    PaintClient(painter, client.size());
    painter.restore();
}

void WindowWidget::paintEvent(QPaintEvent* event)
{
    pendingChildArea_ = {};
    QPainter painter(this);
    stage_.Paint(*this, painter, event->rect(), CurrentBackgroundLook(),
                 [this](QPainter& background) { PaintBackground(background); });
    // The frame is whole, its other controls painted and all of it sent to
    // the screen, once this paint returns to the event loop.
    if (!FirstPaintDone())
        QTimer::singleShot(0, this, ReportFirstPaint);
}

void WindowWidget::PaintClient(QPainter& painter, QSize client)
{
    const UnitTemplate* look = StoredData(self_);
    const QRect area(QPoint(0, 0), client);
    const QColor back = look && look->backColour ? ToQColor(*look->backColour) : palette().color(QPalette::Window);
    if (!look || look->picture.empty()) {
        painter.fillRect(area, back);
        return;
    }
    if (look->pictureMode == picture_mode::Stretched) {
        const QPixmap& stretched = picture_.Stretched(client * devicePixelRatioF(), devicePixelRatioF());
        if (stretched.isNull())
            painter.fillRect(area, back);
        else
            painter.drawPixmap(0, 0, stretched);
        return;
    }
    painter.fillRect(area, back);
    const QImage& image = picture_.Image({});
    if (look->pictureMode == picture_mode::Tiled) {
        painter.drawTiledPixmap(area, QPixmap::fromImage(image));
    } else if (look->pictureMode == picture_mode::CentredShrunk) {
        QSize shown = image.size();
        if (shown.width() > client.width() || shown.height() > client.height())
            shown.scale(client, Qt::KeepAspectRatio);
        painter.drawImage(
            QRect(QPoint((client.width() - shown.width()) / 2, (client.height() - shown.height()) / 2), shown), image);
    } else {
        painter.drawImage(0, 0, image);
    }
}

void WindowWidget::Dock()
{
    if (!statusBar_)
        return;
    const QRect client = ClientRect();
    statusBar_->setGeometry(client.left(), client.bottom() + 1 - StatusBarHeight, client.width(), StatusBarHeight);
}

void WindowWidget::resizeEvent(QResizeEvent*)
{
    Dock();
    EventArgs args;
    RaiseEvent(self_, Event::Resized, args);
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    // A number typed just before closing counts: the close query saves it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* typing = dynamic_cast<PendingTyping*>(child))
            typing->FinishTyping();
    }
    EventArgs args;
    RaiseEvent(self_, Event::CloseQuery, args);
    event->ignore();
    if (!args.refuse)
        DestroyWindowLater(self_.window);
}

void WindowWidget::changeEvent(QEvent* event)
{
    // Some window managers (openbox) offer minimising a window without a
    // minimise box, and minimise its owner with it: such a window, minimised
    // while it was the active one, comes straight back.
    const UnitTemplate* look = StoredData(self_);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && look && !look->minBox && isActiveWindow()) {
        QTimer::singleShot(0, this, [this] {
            showNormal();
            activateWindow();
        });
    }
    QWidget::changeEvent(event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event)
{
    const UnitTemplate* look = StoredData(self_);
    if (event->key() == Qt::Key_Escape && look && look->escCloses && !event->isAutoRepeat())
        close();
}

void WindowWidget::ShowMinimised()
{
    // The window system takes a window's first state from its native window
    // as it was made: one made early to read the frame is made anew.
    if (!isVisible() && testAttribute(Qt::WA_WState_Created))
        destroy();
    showMinimized();
}

void WindowWidget::FollowMouse(QPoint pressGlobal)
{
    followOffset_ = pressGlobal - frameGeometry().topLeft();
    following_ = true;
    qApp->installEventFilter(this);
}

bool WindowWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (following_ && event->type() == QEvent::MouseMove) {
        move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - followOffset_);
        return true;
    }
    if (following_ && event->type() == QEvent::MouseButtonRelease) {
        following_ = false;
        qApp->removeEventFilter(this);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

Rect ControlRect(const QWidget* control)
{
    const QRect rect = control->geometry().translated(-ClientOffset(control));
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void SetControlRect(QWidget* control, const Rect& rect)
{
    control->setGeometry(QRect(rect.left, rect.top, rect.width, rect.height).translated(ClientOffset(control)));
}

QRect ClientArea(const QWidget* unitWidget)
{
    const auto* window = dynamic_cast<const WindowWidget*>(unitWidget);
    return window ? window->ClientRect() : unitWidget->rect();
}
