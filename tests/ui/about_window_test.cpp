// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "media/pictures.h"
#include "ui/about_window.h"
#include "ui/about_window_template.h"
#include "ui/help_texts.h"
#include "ui/main_window_fixture.h"

Q_DECLARE_METATYPE(HyperLinkerUnit)

namespace {
// The about window's client area begins inside its dialog frame (3 pixels)
// and its sunken client edge (2 pixels).
constexpr QPoint ClientOrigin(5, 5);
// A point of the client area that no unit and no part of the banner covers.
constexpr QPoint PlainBackground(170, 110);

QWindow* AboutWindow()
{
    return NativeWindowOf(关于窗口);
}

// The centre of a unit, in the about window's own coordinates.
QPoint CentreOf(const UnitRef& unit)
{
    QWidget* widget = WidgetOf(unit);
    return widget->mapTo(widget->window(), widget->rect().center());
}

QPoint OuterTopLeft()
{
    return {Get(关于窗口, prop::Left), Get(关于窗口, prop::Top)};
}

void OpenByMenu()
{
    const QPoint at(200, 150);
    QTest::mousePress(NativeWindowOf(主窗口), Qt::RightButton, {}, at);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    for (QAction* action : menu->actions()) {
        if (action->text() == "关于       (F1)") {
            action->trigger();
            // Released once the menu is gone, so that the next press is no double click.
            menu->close();
            QTest::mouseRelease(NativeWindowOf(主窗口), Qt::RightButton, {}, at);
            return;
        }
    }
    QFAIL("no menu entry opens the about window");
}

void OpenByKey()
{
    QTest::keyClick(NativeWindowOf(主窗口), Qt::Key_F1);
}

QStringList Lines(const std::string& text)
{
    return QString::fromStdString(text).split("\r\n");
}

// What one message box showed while it was open.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    bool aboutWindowOpen = false;
};

// Closes the next message box with OK, noting what it showed and whether the
// about window was still open meanwhile.
void AnswerOk(SeenBox& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return AnswerOk(seen);
        seen = {box->windowTitle(), box->text(), box->standardButtons(),
                UnitExists(关于窗口) && WidgetOf(关于窗口)->isVisible()};
        box->button(QMessageBox::Ok)->click();
    });
}
}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

public slots:
    // Stands in for the system's handler of web and mail addresses.
    void openUrl(const QUrl& url) { opened_.append(url); }

private slots:
    void initTestCase()
    {
        QVERIFY(OpenAnchorWindow());
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        QDesktopServices::setUrlHandler("mailto", this, "openUrl");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("mailto");
    }

    void init()
    {
        QVERIFY(LoadWindow(主窗口));
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        opened_.clear();
    }

    void cleanup()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        DestroyUnit(主窗口);
        QTRY_VERIFY(!UnitExists(主窗口) && !UnitExists(关于窗口));
    }

    void opensOnceAndComesToTheFront_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("F1") << 0;
        QTest::newRow("menu entry") << 1;
    }

    void opensOnceAndComesToTheFront()
    {
        QFETCH(int, way);
        const std::function<void()> open = way == 0 ? OpenByKey : OpenByMenu;
        open();
        QVERIFY(UnitExists(关于窗口));
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(关于窗口)));
        QWidget* first = WidgetOf(关于窗口);
        QCOMPARE(first->parentWidget(), WidgetOf(主窗口));
        QVERIFY(!first->isModal());

        first->showMinimized();
        QTRY_VERIFY(first->isMinimized());
        open();
        QCOMPARE(WidgetOf(关于窗口), first);
        QTRY_VERIFY(!first->isMinimized());
    }

    void isCentredWithoutTitleBarInItsOwnFrame()
    {
        OpenAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(关于窗口)));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(Get(关于窗口, prop::Width), 419);
        QCOMPARE(Get(关于窗口, prop::Height), 328);
        QCOMPARE(OuterTopLeft(), QPoint((screen.width() - 419) / 2, (screen.height() - 328) / 2));
        QVERIFY(WidgetOf(关于窗口)->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(ClientWidth(关于窗口), 419 - 2 * ClientOrigin.x());
        QCOMPARE(ClientHeight(关于窗口), 328 - 2 * ClientOrigin.y());
        // Units keep their template places in the client area.
        QCOMPARE(Get(图片框1, prop::Left), 8);
        QCOMPARE(Get(图片框1, prop::Top), 94);
        QCOMPARE(WidgetOf(图片框1)->pos(), QPoint(8, 94) + ClientOrigin);
    }

    void drawsFrameEdgeBannerAndWhiteBackground()
    {
        OpenAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(关于窗口)));
        const QImage shot = WidgetOf(关于窗口)->grab().toImage();
        const Bytes bytes = AboutBannerPicture();
        const QImage banner = QImage::fromData(bytes.data(), int(bytes.size())).convertToFormat(shot.format());
        // Raised frame outside, its light ring at the top left and dark at the bottom right.
        QVERIFY(qGray(shot.pixel(1, 150)) > qGray(shot.pixel(417, 150)));
        // Sunken edge inside it: dark at the top left, light at the bottom right.
        QVERIFY(qGray(shot.pixel(4, 150)) < qGray(shot.pixel(414, 150)));
        for (const QPoint at : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 99), QPoint(250, 60)})
            QCOMPARE(shot.pixel(at + ClientOrigin), banner.pixel(at));
        QCOMPARE(QColor(shot.pixel(PlainBackground + ClientOrigin)), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(QPoint(404, 50) + ClientOrigin)), QColor(Qt::white));
    }

    void pressCloses_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("closes");
        QTest::newRow("white background") << "background" << true;
        QTest::newRow("frame") << "frame" << false;
        QTest::newRow("picture without a handler") << "图片框3" << false;
        QTest::newRow("caption") << "标签5" << false;
    }

    void pressCloses()
    {
        QFETCH(QString, where);
        QFETCH(bool, closes);
        OpenAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(关于窗口)));
        const QPoint at = where == "background" ? PlainBackground + ClientOrigin
                          : where == "frame"    ? QPoint(2, 150)
                          : where == "图片框3"  ? CentreOf(图片框3)
                                                : CentreOf(标签5);
        QWindow* window = AboutWindow();
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        // The window goes once the handler has returned, so after the pending events.
        QCoreApplication::processEvents();
        QCOMPARE(!UnitExists(关于窗口), closes);
        if (!closes)
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    }

    void pressOnLargePictureDragsUntilRelease()
    {
        OpenAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(关于窗口)));
        const QPoint start = OuterTopLeft();
        const QPoint grip = CentreOf(图片框1);
        QTest::mousePress(AboutWindow(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(AboutWindow(), grip + QPoint(40, 25));
        QTRY_COMPARE(OuterTopLeft(), start + QPoint(40, 25));
        // The window now lies under the mouse as it did at the press.
        QTest::mouseRelease(AboutWindow(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(AboutWindow(), grip + QPoint(-30, 10));
        QCoreApplication::processEvents();
        QCOMPARE(OuterTopLeft(), start + QPoint(40, 25));
        QVERIFY(UnitExists(关于窗口));
    }

    void helpTextsShowInOkBoxes_data()
    {
        QTest::addColumn<bool>("wholeText");
        QTest::newRow("long, by a press on 图片框2") << true;
        QTest::newRow("short") << false;
    }

    void helpTextsShowInOkBoxes()
    {
        QFETCH(bool, wholeText);
        OpenAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(关于窗口)));
        SeenBox seen;
        AnswerOk(seen);
        if (wholeText)
            QTest::mousePress(AboutWindow(), Qt::LeftButton, {}, CentreOf(图片框2));
        else
            ShowShortcutHelp();
        QTRY_VERIFY(!seen.title.isEmpty());
        QCOMPARE(seen.title, QString("信息："));
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        const QStringList lines = seen.text.split('\n');
        QCOMPARE(lines, Lines(wholeText ? LongHelpText() : ShortcutHelpText()));
        QVERIFY(seen.aboutWindowOpen);
        QVERIFY(UnitExists(关于窗口));
    }

    void longHelpTextEndsWithTheShortOne()
    {
        const QStringList all = Lines(LongHelpText());
        const QStringList shortcuts = Lines(ShortcutHelpText());
        QCOMPARE(all.size(), 30);
        QCOMPARE(all.first(), QString("***************** 游戏来源 *****************"));
        QCOMPARE(all[24],
                 QString("Ctrl + 回车键 >>> 参数设定（可在弹出的对话框中设定柱数、盘数乃至颜色、背景图片等参数）"));
        QCOMPARE(shortcuts.size(), 3);
        QCOMPARE(all.mid(27), shortcuts);
        QCOMPARE(shortcuts.first(), QString("Ctrl + 数字键盘上的加减键，可以增加或减少盘片的数量"));
        QVERIFY(!all.last().isEmpty());
    }

    void escCloses()
    {
        OpenAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(关于窗口)));
        QTest::keyClick(AboutWindow(), Qt::Key_Escape);
        QTRY_VERIFY(!UnitExists(关于窗口));
        QVERIFY(UnitExists(主窗口));
    }

    void linksOpenTheGamesOwnAddresses_data()
    {
        QTest::addColumn<HyperLinkerUnit>("link");
        QTest::addColumn<bool>("mail");
        QTest::newRow("超级链接框1") << 超级链接框1 << false;
        QTest::newRow("超级链接框2") << 超级链接框2 << false;
        QTest::newRow("超级链接框3") << 超级链接框3 << true;
        QTest::newRow("超级链接框4") << 超级链接框4 << false;
        QTest::newRow("超级链接框5") << 超级链接框5 << false;
        QTest::newRow("超级链接框6") << 超级链接框6 << false;
    }

    void linksOpenTheGamesOwnAddresses()
    {
        QFETCH(HyperLinkerUnit, link);
        QFETCH(bool, mail);
        OpenAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(关于窗口)));
        auto* label = qobject_cast<QLabel*>(WidgetOf(link));
        QVERIFY(label);
        const QString caption = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        QVERIFY(!caption.isEmpty());
        const QPoint onText = label->mapTo(label->window(), QPoint(4, label->height() / 2));
        QTest::mouseClick(AboutWindow(), Qt::LeftButton, {}, onText);
        QTRY_COMPARE(opened_.size(), 1);
        const QUrl url = opened_.first();
        if (mail) {
            QCOMPARE(url.toString(), "mailto:" + caption);
        } else {
            QCOMPARE(url.scheme(), QString("https"));
        }
        // Reserved example addresses only: no real person or service.
        QVERIFY(url.host().endsWith("example.org") || url.path().endsWith("@example.org"));
        QVERIFY(UnitExists(关于窗口));
    }

    void picturesAreGifsOfTheirSizes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        auto bytes = [](const Bytes& data) {
            return QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
        };
        QTest::newRow("banner") << bytes(AboutBannerPicture()) << QSize(400, 100);
        QTest::newRow("图片框1") << bytes(AboutPegsPicture()) << QSize(150, 150);
        QTest::newRow("图片框2") << bytes(AboutHelpPicture()) << QSize(64, 64);
        QTest::newRow("图片框3") << bytes(AboutDisksPicture()) << QSize(48, 48);
    }

    void picturesAreGifsOfTheirSizes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QVERIFY(bytes.startsWith("GIF87a"));
        QCOMPARE(QImage::fromData(bytes, "GIF").size(), size);
    }

private:
    QList<QUrl> opened_;
};

WINDOW_TEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
