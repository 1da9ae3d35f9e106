// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one fault of the program named by its argument; every message box that
// opens is printed ("title|text") and answered, so the test reads what the
// player would have seen.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <string>

#include "platform/system/one_based_array.h"
#include "platform/texts/conversions.h"
#include "platform/units/event_loop.h"
#include "platform/units/test_window.h"

namespace {
void AnswerMessageBoxes()
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("%s|%s\n", box->windowTitle().toStdString().c_str(), box->text().toStdString().c_str());
            std::fflush(stdout);
            box->accept();
        }
    });
    timer->start(20);
}
}  // namespace

int main(int argc, char** argv)
{
    InitialiseServices(argc, argv);
    AnswerMessageBoxes();
    RegisterWindowTemplate(TestWindow());
    const std::string fault = argc > 1 ? argv[1] : "";
    OneBasedArray<int> pegs(3);
    if (fault == "index-above")
        return pegs[4];
    if (fault == "index-below")
        return pegs[0];
    if (fault == "span-above")
        return int(pegs.First(4).size());
    if (fault == "remainder-by-zero")
        return int(Remainder(5, 0));
    if (fault == "remainder-by-zero-in-a-chain")
        return int(Remainder(100, 30, 0));
    if (fault == "unloaded-window")
        return Get(标签甲, prop::Left);
    LoadWindow(测试窗口);
    if (fault == "wrong-kind")
        return int(Get(EditBoxUnit{TestWindowId, 标签甲.unit}, prop::Content).size());
    if (fault == "missing-unit")
        return int(Get(LabelUnit{TestWindowId, 0x16000999}, prop::Caption).size());
    if (fault == "event-unit")
        return EventUnit().unit;
    std::puts("no fault");
    return 0;
}
