#pragma once
// A window of the game: its background colour and picture, its docked status
// bar, the close query and the Esc key. Internal to platform/.
#include <QMargins>
#include <QWidget>
#include <optional>

#include "platform/window_picture.h"
#include "platform/window_template.h"

class WindowWidget : public QWidget {
public:
    WindowWidget(const UnitRef& self, QWidget* owner);

    // The picture or its mode changed.
    void PictureChanged();
    // Applies a border style: 0 none, the others with a frame, resizable or fixed.
    void ApplyBorderStyle(int style);
    Rect OuterRect() const;
    void SetOuterRect(const Rect& rect);
    // Docks the status bar, if any, along the bottom of the client area.
    void DockStatusBar(QWidget* statusBar) { statusBar_ = statusBar; Dock(); }
    // Lets the window follow the mouse until the left button is released.
    void FollowMouse(QPoint pressGlobal);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Dock();
    QMargins FrameMargins();

    UnitRef self_;
    QWidget* statusBar_ = nullptr;
    WindowPicture picture_;
    QPoint followOffset_;
    bool following_ = false;
    std::optional<Rect> requestedOuter_;
    QMargins assumedFrame_;
    bool placing_ = false;
    bool correctionPending_ = false;
};
