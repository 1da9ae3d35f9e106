// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <utility>
#include <vector>

#include "platform/texts/translation.h"
#include "platform/windows/qt_convert.h"

namespace {
using Choice = std::pair<QMessageBox::StandardButton, int>;

std::vector<Choice> Buttons(int flags)
{
    if ((flags & 0xF) == mb::OkCancel)
        return {{QMessageBox::Ok, mb_result::Ok}, {QMessageBox::Cancel, mb_result::Cancel}};
    return {{QMessageBox::Ok, mb_result::Ok}};
}

QMessageBox::Icon IconOf(int flags)
{
    switch (flags & 0xF0) {
    case mb::IconError: return QMessageBox::Critical;
    case mb::IconQuestion: return QMessageBox::Question;
    case mb::IconWarning: return QMessageBox::Warning;
    case mb::IconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}
}  // namespace

int ShowMessage(const std::string& text, int flags, const std::string& title)
{
    const std::string shownTitle = title.empty() ? Translate("MessageBox", "信息：") : title;
    QMessageBox box(IconOf(flags), ToQString(shownTitle), DisplayText(text));
    box.setWindowModality(Qt::ApplicationModal);
    const std::vector<Choice> choices = Buttons(flags);
    for (const auto& [button, result] : choices)
        box.addButton(button);
    const std::size_t defaultIndex = std::min<std::size_t>((flags & 0xF00) >> 8, choices.size() - 1);
    box.setDefaultButton(choices[defaultIndex].first);
    // The window that was active gets the keyboard back once the box has closed.
    const QPointer<QWidget> active = QApplication::activeWindow();
    box.exec();
    if (active)
        active->activateWindow();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& [button, result] : choices) {
        if (button == clicked)
            return result;
    }
    // Closed without a button (Esc or the close box): Cancel where there is one, as Windows answers.
    for (const auto& [button, result] : choices) {
        if (button == QMessageBox::Cancel)
            return result;
    }
    return choices.front().second;
}
