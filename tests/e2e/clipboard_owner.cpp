// SPDX-License-Identifier: GPL-3.0-or-later
// Holds a text on the X clipboard for the end-to-end checks, so that they can
// paste it into the game; runs until it is ended.
#include <QApplication>
#include <QClipboard>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    QApplication::clipboard()->setText(QString::fromUtf8(argv[1]));
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
