// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A status bar of several parts, each a sunken panel with a line of text. Each
// part also has a widget of its own that paints nothing and takes no mouse,
// through which a screen reader reads the part.
#include <QWidget>
#include <vector>

class StatusBarWidget : public QWidget {
public:
    StatusBarWidget(std::vector<int> partWidths, QWidget* parent);

    int PartCount() const { return int(texts_.size()); }
    // Sets the text of a part; a part that does not exist is left alone.
    void SetPartText(int part, const QString& text);
    QString PartText(int part) const;
    // What a screen reader says the part is.
    void SetPartTitle(int part, const QString& title);
    // The rectangle of a part: the given widths left to right, the last one
    // taking the rest. A part whose text needs more than its width is as wide
    // as the text needs, so that a long time or count shows whole.
    QRect PartRect(int part) const;
    // Where a part's text is written: inside its sunken panel, less a margin.
    QRect TextRect(int part) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int PartWidth(int part) const;
    void PlaceParts();

    std::vector<int> widths_;
    std::vector<QString> texts_;
    std::vector<QWidget*> parts_;
};
