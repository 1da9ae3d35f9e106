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
    // Only a part with a width of its own moves the parts after it.
    const bool last = part == PartCount() - 1;
    const int width = PartWidth(part);
    texts_[part] = text;
    if (last || PartWidth(part) == width) {
        update(PartRect(part));
    } else {
        PlaceParts();
        update();
    }
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
        left += PartWidth(i);
    const bool last = part == PartCount() - 1;
    const int width = last ? std::max(0, this->width() - left) : PartWidth(part);
    return QRect(left, 0, width, height());
}

namespace {
// A part's sunken panel, and the margins of its text inside the part.
QRect PanelOf(const QRect& part)
{
    return part.adjusted(0, 2, -2, 0);
}
constexpr int TextMarginLeft = 3;
constexpr int TextMarginRight = 2 + 2;
}  // namespace

int StatusBarWidget::PartWidth(int part) const
{
    const QRect text =
        fontMetrics().boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, height()), Qt::TextSingleLine, texts_[part]);
    const int needed = text.width() + TextMarginLeft + TextMarginRight;
    return std::max(widths_[part], needed);
}

QRect StatusBarWidget::TextRect(int part) const
{
    return PanelOf(PartRect(part)).adjusted(TextMarginLeft, 0, 2 - TextMarginRight, 0);
}

void StatusBarWidget::resizeEvent(QResizeEvent*)
{
    PlaceParts();
}

void StatusBarWidget::PlaceParts()
{
    for (int part = 0; part < PartCount(); ++part)
        parts_[part]->setGeometry(PartRect(part));
}

void StatusBarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    for (int part = 0; part < PartCount(); ++part) {
        const QRect panel = PanelOf(PartRect(part));
        painter.setPen(colours.color(QPalette::Dark));
        painter.drawLine(panel.topLeft(), panel.topRight());
        painter.drawLine(panel.topLeft(), panel.bottomLeft());
        painter.setPen(colours.color(QPalette::Light));
        painter.drawLine(panel.bottomLeft(), panel.bottomRight());
        painter.drawLine(panel.topRight(), panel.bottomRight());
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(TextRect(part), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, texts_[part]);
    }
}
