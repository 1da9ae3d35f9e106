// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/status_bar_widget.h"

#include <QPainter>

#include "platform/controls/accessible_controls.h"
#include "platform/windows/qt_convert.h"

StatusBarWidget::StatusBarWidget(std::vector<int> partWidths, QWidget* parent)
    : QWidget(parent), widths_(std::move(partWidths)), texts_(widths_.size())
{
    setAutoFillBackground(true);
    for (std::size_t part = 0; part < widths_.size(); ++part) {
        auto* reader = new QWidget(this);
        reader->setAttribute(Qt::WA_TransparentForMouseEvents);
        parts_.push_back(reader);
    }
}

void StatusBarWidget::SetPartText(int part, const QString& text)
{
    if (part < 0 || part >= PartCount() || texts_[part] == text)
        return;
    texts_[part] = text;
    update(PartRect(part));
    SetAccessibleTexts(parts_[part], FromQString(text), FromQString(parts_[part]->accessibleDescription()));
}

void StatusBarWidget::SetPartTitle(int part, const QString& title)
{
    if (part >= 0 && part < PartCount())
        SetAccessibleTexts(parts_[part], FromQString(texts_[part]), FromQString(title));
}

QString StatusBarWidget::PartText(int part) const
{
    return part >= 0 && part < PartCount() ? texts_[part] : QString();
}

QRect StatusBarWidget::PartRect(int part) const
{
    int left = 0;
    for (int i = 0; i < part; ++i)
        left += widths_[i];
    const bool last = part == PartCount() - 1;
    const int width = last ? std::max(0, this->width() - left) : widths_[part];
    return QRect(left, 0, width, height());
}

void StatusBarWidget::resizeEvent(QResizeEvent*)
{
    for (int part = 0; part < PartCount(); ++part)
        parts_[part]->setGeometry(PartRect(part));
}

void StatusBarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    for (int part = 0; part < PartCount(); ++part) {
        const QRect panel = PartRect(part).adjusted(0, 2, -2, 0);
        painter.setPen(colours.color(QPalette::Dark));
        painter.drawLine(panel.topLeft(), panel.topRight());
        painter.drawLine(panel.topLeft(), panel.bottomLeft());
        painter.setPen(colours.color(QPalette::Light));
        painter.drawLine(panel.bottomLeft(), panel.bottomRight());
        painter.drawLine(panel.topRight(), panel.bottomRight());
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(panel.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         texts_[part]);
    }
}
