// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets a test answer the message box that the code under test is about to
// show, so that nothing waits on a person.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

// Answers the next message box with the given button, remembering its
// title and text as "title|text".
inline void Answer(QMessageBox::StandardButton press, QString* text = nullptr)
{
    QTimer::singleShot(0, [press, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return Answer(press, text);
        if (text)
            *text = box->windowTitle() + "|" + box->text();
        box->button(press)->click();
    });
}
