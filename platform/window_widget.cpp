#include "platform/window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "platform/first_paint.h"
#include "platform/picture.h"
#include "platform/qt_convert.h"
#include "platform/unit_registry.h"
#include "platform/window_lifetime.h"

namespace {
constexpr int StatusBarHeight = 20;
}

WindowWidget::WindowWidget(const UnitRef& self, QWidget* owner) : QWidget(owner, Qt::Window), self_(self)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    const UnitTemplate* look = StoredData(self_);
    setWindowTitle(ToQString(look->text));
    ApplyBorderStyle(look->borderStyle);
}

void WindowWidget::ApplyBorderStyle(int style)
{
    const UnitTemplate* look = StoredData(self_);
    Qt::WindowFlags flags = Qt::Window;
    if (style == window_border::None) {
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
    const bool fixed = style == window_border::Fixed || style == window_border::NarrowFixed ||
                       style == window_border::EdgeFixed;
    const bool wasVisible = isVisible();
    if (windowFlags() != flags)
        setWindowFlags(flags);
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

Rect WindowWidget::OuterRect() const
{
    const QRect outer = frameGeometry();
    return {outer.x(), outer.y(), outer.width(), outer.height()};
}

void WindowWidget::SetOuterRect(const Rect& rect)
{
    const QRect outer = frameGeometry();
    const int frameWidth = outer.width() - width();
    const int frameHeight = outer.height() - height();
    const QSize client(std::max(0, rect.width - frameWidth), std::max(0, rect.height - frameHeight));
    if (maximumSize() == minimumSize())
        setFixedSize(client);
    move(rect.left, rect.top);
    resize(client);
}

void WindowWidget::PictureChanged()
{
    pictureDecoded_ = false;
    picture_ = QImage();
    scaled_ = QPixmap();
    update();
}

const QPixmap& WindowWidget::ScaledPicture()
{
    const QSize target = size() * devicePixelRatioF();
    if (scaled_.size() != target) {
        scaled_ = QPixmap::fromImage(
            picture_.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(devicePixelRatioF());
    }
    return scaled_;
}

void WindowWidget::paintEvent(QPaintEvent*)
{
    const UnitTemplate* look = StoredData(self_);
    QPainter painter(this);
    const QColor back = look && look->backColour ? ToQColor(*look->backColour)
                                                    : palette().color(QPalette::Window);
    painter.fillRect(rect(), back);
    if (look && !pictureDecoded_) {
        // Decoded once, on first need, so a window never shown costs nothing.
        picture_ = DecodePicture(look->picture);
        pictureDecoded_ = true;
    }
    if (look && !picture_.isNull()) {
        switch (look->pictureMode) {
        case picture_mode::Stretched:
            painter.drawPixmap(0, 0, ScaledPicture());
            break;
        case picture_mode::Tiled:
            painter.drawTiledPixmap(rect(), QPixmap::fromImage(picture_));
            break;
        case picture_mode::CentredShrunk: {
            QSize shown = picture_.size();
            if (shown.width() > width() || shown.height() > height())
                shown.scale(size(), Qt::KeepAspectRatio);
            const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
            painter.drawImage(target, picture_);
            break;
        }
        default:
            painter.drawImage(0, 0, picture_);
            break;
        }
    }
    ReportFirstPaint();
}

void WindowWidget::Dock()
{
    if (statusBar_)
        statusBar_->setGeometry(0, height() - StatusBarHeight, width(), StatusBarHeight);
}

void WindowWidget::resizeEvent(QResizeEvent*)
{
    Dock();
    EventArgs args;
    RaiseEvent(self_, Event::Resized, args);
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    EventArgs args;
    RaiseEvent(self_, Event::CloseQuery, args);
    event->ignore();
    if (!args.refuse)
        DestroyWindowLater(self_.window);
}

void WindowWidget::keyPressEvent(QKeyEvent* event)
{
    const UnitTemplate* look = StoredData(self_);
    if (event->key() == Qt::Key_Escape && look && look->escCloses && !event->isAutoRepeat())
        close();
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
