// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "core/game_settings.h"
#include "media/pictures.h"
#include "platform/units/event_loop.h"
#include "platform/units/test_window.h"
#include "render/background.h"
#include "ui/main_window_fixture.h"
#include "ui/main_window_template.h"

namespace {
Bytes Picture()
{
    return Get(主窗口, prop::WindowPicture);
}

// A small JPEG of one colour, written to a file; returns its bytes.
Bytes WriteJpeg(const QString& path, QColor colour)
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "JPEG");
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}
}  // namespace

class BackgroundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(OpenMainWindow()); }

    void anEmptyListKeepsTheBuiltInPicture()
    {
        BackgroundList.clear();
        GameSettings.BackgroundIndex = 2;
        NextBackground();
        QCOMPARE(Picture(), MainBackgroundPicture());
        QCOMPARE(GameSettings.BackgroundIndex, 2);
    }

    void theNextIndexWrapsWithoutOverflow_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("next");
        QTest::newRow("none shown yet") << 0 << 3 << 1;
        QTest::newRow("in turn") << 2 << 3 << 3;
        QTest::newRow("after the last") << 3 << 3 << 1;
        QTest::newRow("beyond the list") << 7 << 3 << 1;
        QTest::newRow("negative") << -5 << 3 << 1;
        QTest::newRow("the largest stored index") << INT32_MAX << 3 << 1;
        QTest::newRow("the smallest stored index") << INT32_MIN << 3 << 1;
    }

    // Checked under the sanitizers too, where an overflow would stop the test.
    void theNextIndexWrapsWithoutOverflow()
    {
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(int, next);
        QCOMPARE(NextBackgroundIndex(current, std::size_t(count)), next);
    }

    void thePicturesComeInTurnAndWrapRound()
    {
        QTemporaryDir folder;
        std::vector<Bytes> files;
        BackgroundList.clear();
        for (auto [name, colour] :
             {std::pair{"a.jpg", QColor(Qt::red)}, {"b.JPG", QColor(Qt::green)}, {"c.jpg", QColor(Qt::blue)}}) {
            const QString path = folder.filePath(name);
            files.push_back(WriteJpeg(path, colour));
            BackgroundList.push_back(path.toStdString());
        }
        GameSettings.BackgroundIndex = 0;
        for (int turn : {0, 1, 2, 0, 1}) {
            NextBackground();
            QCOMPARE(Picture(), files[std::size_t(turn)]);
            QCOMPARE(GameSettings.BackgroundIndex, turn + 1);
        }
        // A file deleted since the list was made keeps its turn and shows no picture.
        QFile::remove(QString::fromStdString(BackgroundList[2]));
        NextBackground();
        QVERIFY(Picture().empty());
        NextBackground();
        QCOMPARE(Picture(), files[0]);
        // An index the list no longer reaches starts again from the first.
        GameSettings.BackgroundIndex = 7;
        NextBackground();
        QCOMPARE(GameSettings.BackgroundIndex, 1);
        GameSettings.BackgroundIndex = INT32_MAX;
        NextBackground();
        QCOMPARE(GameSettings.BackgroundIndex, 1);
        QCOMPARE(Picture(), files[0]);
        QVERIFY(!WidgetOf(主窗口)->grab().isNull());
    }
};

WINDOW_TEST_MAIN(BackgroundTest)

#include "background_test.moc"
