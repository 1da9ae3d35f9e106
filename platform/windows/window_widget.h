// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window of the game: its background colour and picture, its docked status
// bar, the close query and the Esc key. A window with a border but without a
// title bar draws its frame itself, around its client area. Internal to platform/.
#include <QMargins>
#include <QWidget>
#include <optional>
#include <vector>

#include "platform/pictures/window_picture.h"
#include "platform/templates/window_template.h"
#include "platform/windows/frame_rings.h"
#include "platform/windows/window_stage.h"

class WindowWidget : public QWidget {
public:
    WindowWidget(const UnitRef& self, QWidget* owner);

    // The picture or its mode changed.
    void PictureChanged();
    // Applies a border style: 0 none, the others with a frame, resizable or fixed.
    void ApplyBorderStyle(int style);
    Rect OuterRect() const;
    // The outer rectangle the window has when shown normally: its own while it
    // is, the one it returns to while it is maximised or minimised.
    Rect NormalOuterRect() const;
    // The client area in the widget's coordinates: inside the frame the window draws itself.
    QRect ClientRect() const { return rect().marginsRemoved(drawnFrame_); }
    void SetOuterRect(const Rect& rect);
    // Docks the status bar, if any, along the bottom of the client area.
    void DockStatusBar(QWidget* statusBar)
    {
        statusBar_ = statusBar;
        Dock();
    }
    // Lets the window follow the mouse until the left button is released.
    void FollowMouse(QPoint pressGlobal);
    // Shows the window minimised; its first showing starts it so.
    void ShowMinimised();
    // A child the window paints changed, and `area` needs painting again.
    // What waits to be painted becomes one rectangle: a layout that moves a
    // thousand children leaves one rectangle to paint and show, not a region
    // of a thousand.
    void ChildChanged(PaintedByWindow& child, const QRect& area, bool restacked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool PlaceByCompositor(const Rect& rect);
    bool ShownNormally() const { return !isMaximized() && !isMinimized() && !isFullScreen(); }
    void Dock();
    QMargins FrameMargins();
    void SetDrawnFrame(std::vector<Ring> rings);
    void PaintClient(QPainter& painter, QSize client);
    void PaintBackground(QPainter& painter);
    BackgroundLook CurrentBackgroundLook();

    UnitRef self_;
    QRect pendingChildArea_;
    WindowStage stage_;
    QWidget* statusBar_ = nullptr;
    WindowPicture picture_;
    std::vector<Ring> drawnRings_;
    QMargins drawnFrame_;
    QPoint followOffset_;
    bool following_ = false;
    std::optional<Rect> requestedOuter_;
    std::optional<Rect> normalOuter_;
    QMargins assumedFrame_;
    bool placing_ = false;
    bool correctionPending_ = false;
};

// A control's rectangle in its window's client area, read and set; the
// control's widget lies further in by the frame its window draws itself.
Rect ControlRect(const QWidget* control);
void SetControlRect(QWidget* control, const Rect& rect);
// The client area of a unit's widget, in the widget's coordinates.
QRect ClientArea(const QWidget* unitWidget);
