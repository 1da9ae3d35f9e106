// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/spoken_notices.h"

#include <deque>

#include <QAccessible>
#include <QAccessibleObject>
#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace {
// One notification: a screen reader reads its name some time after it shows,
// so each keeps its own text and outlives the next ones for a while.
class Notice : public QObject {
public:
    // The application owns it, so that it goes before Qt's accessibility does.
    explicit Notice(QString text) : QObject(qApp), text_(std::move(text)) {}
    const QString& Text() const { return text_; }

private:
    QString text_;
};

class NoticeAccessible : public QAccessibleObject {
public:
    explicit NoticeAccessible(Notice* notice) : QAccessibleObject(notice) {}

    QAccessibleInterface* parent() const override
    {
        QWidget* window = QApplication::activeWindow();
        return QAccessible::queryAccessibleInterface(window ? static_cast<QObject*>(window) : qApp);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<Notice*>(object())->Text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

// Enough for a screen reader that lags behind a demonstration's pace.
constexpr std::size_t NoticesKept = 32;
std::deque<QPointer<Notice>> shown;
QStringList pending;

void ShowPending()
{
    auto* notice = new Notice(pending.join(QLatin1Char(' ')));
    pending.clear();
    QAccessible::registerAccessibleInterface(new NoticeAccessible(notice));
    QAccessibleEvent showing(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&showing);
    shown.push_back(notice);
    if (shown.size() > NoticesKept) {
        delete shown.front();
        shown.pop_front();
    }
}
}  // namespace

void SpeakNotice(const QString& text)
{
    if (!QAccessible::isActive() || text.isEmpty() || pending.contains(text))
        return;
    pending.append(text);
    if (pending.size() == 1)
        QTimer::singleShot(0, qApp, ShowPending);
}
