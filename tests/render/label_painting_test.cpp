// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <functional>

#include "platform/controls/gradient.h"
#include "platform/units/event_loop.h"
#include "platform/units/test_window.h"
#include "platform/windows/painted_by_window.h"
#include "platform/windows/qt_convert.h"

namespace {
constexpr std::int32_t PaintWindowId = 0x52000300;
constexpr WindowUnit 画窗{PaintWindowId, 0x06000300};
constexpr LabelUnit 渐变标签{PaintWindowId, 0x16000301};
constexpr LabelUnit 素标签{PaintWindowId, 0x16000302};
constexpr LabelUnit 越界标签{PaintWindowId, 0x16000303};

constexpr Colour Back = Rgb(10, 20, 30);
constexpr Colour Red = Rgb(255, 0, 0);
constexpr Colour Teal = Rgb(0, 100, 200);
constexpr Colour Plum = Rgb(200, 0, 100);
constexpr Colour Three[3] = {Red, Teal, Plum};

WindowTemplate PaintWindow()
{
    WindowTemplate window;
    window.windowId = PaintWindowId;
    window.self.kind = UnitKind::window;
    window.self.id = 画窗.unit;
    window.self.rect = {50, 50, 420, 320};
    UnitTemplate gradient;
    gradient.id = 渐变标签.unit;
    gradient.rect = {0, 0, 300, 20};
    gradient.backColour = Back;
    UnitTemplate plain;
    plain.id = 素标签.unit;
    plain.rect = {0, 100, 60, 30};
    // A template may hold values no property write lets through.
    UnitTemplate outOfRange = gradient;
    outOfRange.id = 越界标签.unit;
    outOfRange.rect = {0, 150, 80, 30};
    outOfRange.borderStyle = 7;
    outOfRange.gradientMode = 9;
    std::copy(std::begin(Three), std::end(Three), outOfRange.gradient);
    window.units = {gradient, plain, outOfRange};
    return window;
}

void ApplyLook(const LabelUnit& label, int border, int mode, Colour first, Colour second, Colour third)
{
    Set(label, prop::LabelBorder, border);
    Set(label, prop::GradientColour1, first);
    Set(label, prop::GradientColour2, second);
    Set(label, prop::GradientColour3, third);
    Set(label, prop::GradientMode, mode);
}

QImage Grab(const UnitRef& label, int width, int height)
{
    MoveUnit(label, std::nullopt, std::nullopt, width, height);
    return WidgetOf(label)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

Colour PixelAt(const QImage& image, int x, int y)
{
    return FromQColor(image.pixelColor(x, y));
}

// What the window shows once it has painted all that was asked of it, and
// what it should show: its background, a plain colour here, with every label
// it paints painted on its own over it, back to front.
std::pair<QImage, QImage> ShownAndFresh(const WindowUnit& window, const QColor& background)
{
    QWidget* widget = WidgetOf(window);
    if (!QTest::qWaitForWindowExposed(widget))
        return {};
    QCoreApplication::sendPostedEvents(widget, QEvent::UpdateRequest);
    const QPoint origin = widget->mapToGlobal(QPoint());
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
                             .toImage();
    QImage fresh(widget->size(), QImage::Format_RGB32);
    fresh.fill(background);
    QPainter painter(&fresh);
    for (QObject* child : widget->children()) {
        auto* label = dynamic_cast<PaintedByWindow*>(child);
        if (label && !label->isHidden())
            painter.drawPixmap(label->pos(), label->grab());
    }
    return {shown.convertToFormat(QImage::Format_RGB32), fresh};
}

// A picture of one colour that covers the window.
Bytes PngOf(const QColor& colour)
{
    QImage image(420, 320, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Bytes(buffer.data().begin(), buffer.data().end());
}

bool AllPixelsAre(const QImage& image, Colour colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) != colour)
                return false;
    return true;
}
}  // namespace

class LabelPaintingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterWindowTemplate(AnchorWindow());
        RegisterWindowTemplate(PaintWindow());
        QVERIFY(LoadWindow(锚窗口));
    }

    void init() { QVERIFY(LoadWindow(画窗)); }

    void cleanup()
    {
        DestroyUnit(画窗);
        QTRY_VERIFY(!UnitExists(画窗));
    }

    void modesSetPositionSpanAndStart_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("position");  // of pixel (4, 2) in a 30 × 7 area
        QTest::addColumn<int>("span");
        QTest::addColumn<QPoint>("start");
        QTest::newRow("1 top to bottom") << 1 << 2 << 7 << QPoint(5, 0);
        QTest::newRow("2 left to right") << 2 << 4 << 30 << QPoint(0, 3);
        QTest::newRow("3 from top left") << 3 << 6 << 14 << QPoint(0, 0);
        QTest::newRow("4 from top right") << 4 << 27 << 14 << QPoint(29, 0);
        QTest::newRow("5 bottom to top") << 5 << 4 << 7 << QPoint(5, 6);
        QTest::newRow("6 right to left") << 6 << 25 << 30 << QPoint(29, 3);
        QTest::newRow("7 from bottom right") << 7 << 29 << 14 << QPoint(29, 6);
        QTest::newRow("8 from bottom left") << 8 << 8 << 14 << QPoint(0, 6);
        QTest::newRow("9 as 8") << 9 << 8 << 14 << QPoint(0, 6);
    }

    void modesSetPositionSpanAndStart()
    {
        QFETCH(int, mode);
        QFETCH(int, position);
        QFETCH(int, span);
        QFETCH(QPoint, start);
        const Gradient gradient(mode, Three, 30, 7);
        QCOMPARE(gradient.Position(4, 2), position);
        QCOMPARE(gradient.Span(), span);
        QCOMPARE(gradient.At(start.x(), start.y()), Red);
        // A tall area: the diagonals run over twice its width.
        if (span == 14)
            QCOMPARE(Gradient(mode, Three, 5, 9).Span(), 10);
    }

    void channelsMoveSeparatelyAndTruncateTowardZero()
    {
        const Colour two[3] = {Rgb(200, 10, 255), NoColour, Rgb(0, 110, 255)};
        const Gradient gradient(2, two, 3, 1);
        // t = 1/3: red 200 - 66.7 keeps 134, green 10 + 33.3 keeps 43.
        QCOMPARE(gradient.At(1, 0), Rgb(134, 43, 255));
        QCOMPARE(gradient.At(2, 0), Rgb(67, 76, 255));

        const Gradient diagonal(3, Three, 30, 7);  // seg = 7
        QCOMPARE(diagonal.At(7, 0), Teal);
        QCOMPARE(diagonal.At(13, 0), Rgb(171, 15, 115));
        QCOMPARE(diagonal.At(14, 0), Plum);
        QCOMPARE(diagonal.At(29, 6), Plum);
    }

    void aZeroSegmentPaintsTheFirstColour()
    {
        for (const auto& [mode, width, height] : {std::tuple{1, 20, 1}, {6, 1, 20}}) {
            const Gradient gradient(mode, Three, width, height);
            QVERIFY(gradient.Paints());
            QCOMPARE(gradient.At(width - 1, height - 1), Red);
        }
    }

    void fewerThanTwoColoursOrModeZeroPaintNothing()
    {
        const Colour one[3] = {NoColour, Teal, NoColour};
        QVERIFY(!Gradient(3, one, 30, 7).Paints());
        QVERIFY(!Gradient(0, Three, 30, 7).Paints());
        QVERIFY(!Gradient(-1, Three, 30, 7).Paints());
    }

    void threeColoursTopToBottom()
    {
        ApplyLook(渐变标签, 0, 1, Red, Teal, Plum);
        const QImage image = Grab(渐变标签, 60, 40);
        for (int x = 0; x < 60; x += 59) {
            QCOMPARE(PixelAt(image, x, 0), Red);
            QCOMPARE(PixelAt(image, x, 10), Rgb(128, 50, 100));  // red 255 - 127.5 keeps 128
            QCOMPARE(PixelAt(image, x, 20), Teal);
            QCOMPARE(PixelAt(image, x, 39), Rgb(190, 5, 105));  // 19/20 of the way to colour 3
        }
    }

    void diagonalOnALongThinDiskEndsWithinTwiceItsHeight()
    {
        ApplyLook(渐变标签, 0, 3, Red, Teal, Plum);
        const QImage image = Grab(渐变标签, 300, 20);
        QCOMPARE(PixelAt(image, 0, 0), Red);
        QCOMPARE(PixelAt(image, 10, 10), Teal);
        QVERIFY(PixelAt(image, 39, 0) != Plum);
        for (int y = 0; y < 20; ++y)
            for (int x = 40 - y; x < 300; ++x)
                QCOMPARE(PixelAt(image, x, y), Plum);
    }

    void withoutTwoColoursTheBackgroundShows_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Colour>("first");
        QTest::addColumn<Colour>("second");
        QTest::addColumn<Colour>("third");
        QTest::newRow("colours 1 and 2 unset") << 1 << NoColour << NoColour << Plum;
        QTest::newRow("colours 2 and 3 unset") << 7 << Red << NoColour << NoColour;
        QTest::newRow("all unset") << 2 << NoColour << NoColour << NoColour;
        QTest::newRow("mode -1 as 0") << -1 << Red << Teal << Plum;
    }

    void withoutTwoColoursTheBackgroundShows()
    {
        QFETCH(int, mode);
        QFETCH(Colour, first);
        QFETCH(Colour, second);
        QFETCH(Colour, third);
        ApplyLook(渐变标签, 0, mode, first, second, third);
        QVERIFY(AllPixelsAre(Grab(渐变标签, 50, 20), Back));
        ApplyLook(素标签, 0, mode, first, second, third);
        QVERIFY(AllPixelsAre(Grab(素标签, 50, 20), FromQColor(WidgetOf(素标签)->palette().color(QPalette::Window))));
    }

    void modeNinePaintsAsEight()
    {
        ApplyLook(渐变标签, 0, 8, Red, Teal, Plum);
        const QImage eight = Grab(渐变标签, 70, 30);
        QCOMPARE(PixelAt(eight, 0, 29), Red);
        Set(渐变标签, prop::GradientMode, 9);
        QCOMPARE(Grab(渐变标签, 70, 30), eight);
    }

    void tilesJoinSeamlessly()
    {
        for (const int mode : {2, 7}) {
            ApplyLook(渐变标签, 0, mode, Red, Teal, Plum);
            const QImage image = Grab(渐变标签, 237, 173);
            const Gradient gradient(mode, Three, 237, 173);
            for (int y = 0; y < 173; ++y)
                for (int x = 0; x < 237; ++x)
                    QCOMPARE(PixelAt(image, x, y), gradient.At(x, y));
        }
    }

    // Two colours in mode 2 over an inner width of 101 inside each frame.
    void framesShrinkTheGradientArea_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("frame");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("sunken") << 1 << 2;
        QTest::newRow("raised") << 2 << 3;
        QTest::newRow("shallow sunken") << 3 << 1;
        QTest::newRow("picture frame") << 4 << 5;
        QTest::newRow("single line") << 5 << 1;
        QTest::newRow("own frame") << 6 << 3;
        QTest::newRow("7 as 6") << 7 << 3;
    }

    void framesShrinkTheGradientArea()
    {
        QFETCH(int, border);
        QFETCH(int, frame);
        ApplyLook(渐变标签, border, 2, Teal, NoColour, Plum);
        const QImage image = Grab(渐变标签, 101 + 2 * frame, 10 + 2 * frame);
        const Colour last = Rgb(198, 1, 101);  // seg = 101: x = 100 is 100/101 of the way
        for (int y = frame; y < frame + 10; ++y) {
            QCOMPARE(PixelAt(image, frame, y), Teal);
            QCOMPARE(PixelAt(image, frame + 100, y), last);
        }
        if (frame > 0) {
            QVERIFY(PixelAt(image, frame - 1, frame + 5) != Teal);
            QVERIFY(PixelAt(image, frame + 101, frame + 5) != last);
        }
    }

    void framesLookLikeTheirWindowsCounterparts()
    {
        ApplyLook(渐变标签, 5, 0, Red, Teal, Plum);
        QImage image = Grab(渐变标签, 40, 20);
        for (int x = 0; x < 40; ++x)
            QVERIFY(PixelAt(image, x, 0) == 0 && PixelAt(image, x, 19) == 0);
        // Sunken edges are dark at the top left and light at the bottom right; raised ones the other way.
        const auto light = [&image](int x, int y) { return ToQColor(PixelAt(image, x, y)).lightness(); };
        for (const int border : {1, 2, 3}) {
            Set(渐变标签, prop::LabelBorder, border);
            image = Grab(渐变标签, 40, 20);
            QCOMPARE(light(0, 5) < light(39, 5), border != 2);
            QCOMPARE(light(5, 0) < light(5, 19), border != 2);
        }
    }

    void borderSevenPaintsAsSix()
    {
        ApplyLook(渐变标签, 6, 3, Red, Teal, Plum);
        const QImage six = Grab(渐变标签, 80, 30);
        Set(渐变标签, prop::LabelBorder, 7);
        QCOMPARE(Grab(渐变标签, 80, 30), six);
        Set(渐变标签, prop::GradientMode, 8);
        QCOMPARE(Grab(越界标签, 80, 30), Grab(渐变标签, 80, 30));
    }

    void everyChangeRepaints()
    {
        ApplyLook(渐变标签, 0, 1, Red, Teal, Plum);
        const QImage first = Grab(渐变标签, 60, 40);
        QCOMPARE(PixelAt(Grab(渐变标签, 60, 80), 0, 40), Teal);
        Set(渐变标签, prop::GradientColour1, Teal);
        QCOMPARE(PixelAt(Grab(渐变标签, 60, 40), 0, 0), Teal);
        Set(渐变标签, prop::GradientColour1, Red);
        Set(渐变标签, prop::Caption, "盘");
        Set(渐变标签, prop::LabelFont, font_part::SizePoints, 20);
        const QImage captioned = Grab(渐变标签, 60, 40);
        QVERIFY(captioned != first);
        Set(渐变标签, prop::LabelFont, font_part::Bold, true);
        QVERIFY(Grab(渐变标签, 60, 40) != captioned);
        Set(渐变标签, prop::Caption, "");
        QCOMPARE(Grab(渐变标签, 60, 40), first);
    }

    // The window paints its labels from the pictures they keep: after every
    // change of look, place, size, visibility or order it shows exactly what a
    // fresh painting shows, the earliest label of the template in front.
    void theWindowShowsEveryChangeAsAFreshPaintingDoes()
    {
        QColor back = WidgetOf(画窗)->palette().color(QPalette::Window);
        Set(素标签, prop::Caption, "盘");
        auto [shown, fresh] = ShownAndFresh(画窗, back);
        QCOMPARE(shown, fresh);
        for (int border = 0; border <= 6; ++border) {
            for (int mode = 0; mode <= 8; ++mode) {
                ApplyLook(渐变标签, border, mode, Red, Teal, Plum);
                MoveUnit(渐变标签, 7 * mode, 11 * border, 40 + 9 * mode, 60 - 3 * border);
                Set(素标签, prop::Visible, (border + mode) % 3 != 0);
                std::tie(shown, fresh) = ShownAndFresh(画窗, back);
                QCOMPARE(shown, fresh);
            }
        }
        MoveUnit(素标签, 60, 70, std::nullopt, std::nullopt);
        std::tie(shown, fresh) = ShownAndFresh(画窗, back);
        QCOMPARE(shown, fresh);
        Set(渐变标签, prop::GradientColour1, Teal);
        std::tie(shown, fresh) = ShownAndFresh(画窗, back);
        QCOMPARE(shown, fresh);
        // Labels that stop changing join the picture the window keeps of its
        // background; a change to one of them still shows at once.
        const auto settleThen = [&](const std::function<void()>& change) {
            for (int paint = 0; paint < 12; ++paint) {
                WidgetOf(画窗)->update();
                ShownAndFresh(画窗, back);
            }
            change();
            std::tie(shown, fresh) = ShownAndFresh(画窗, back);
            QCOMPARE(shown, fresh);
        };
        settleThen([] { Set(渐变标签, prop::GradientColour2, Red); });
        settleThen([] { MoveUnit(渐变标签, 50, 60, std::nullopt, std::nullopt); });
        settleThen([] { Set(素标签, prop::Visible, false); });
        settleThen([] { Set(素标签, prop::Visible, true); });
        settleThen([&] {
            back = Qt::darkCyan;
            Set(画窗, prop::WindowPicture, PngOf(back));
        });
        const QPoint overlap = WidgetOf(素标签)->geometry().topLeft() + QPoint(1, 1);
        QCOMPARE(shown.pixelColor(overlap),
                 WidgetOf(渐变标签)->grab().toImage().pixelColor(overlap - WidgetOf(渐变标签)->pos()));
        settleThen([] { DestroyUnit(渐变标签); });
    }
};

int main(int argc, char** argv)
{
    InitialiseServices(argc, argv);
    LabelPaintingTest test;
    const int result = QTest::qExec(&test, argc, argv);
    ShutdownServices();
    return result;
}

#include "label_painting_test.moc"
