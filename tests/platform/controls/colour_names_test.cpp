// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/colour_names.h"

#include <QCoreApplication>
#include <QTest>

#include <iterator>
#include <set>

class ColourNamesTest : public QObject {
    Q_OBJECT

private slots:
    void inWords_data();
    void inWords();
    void paletteNamesDiffer();
};

void ColourNamesTest::inWords_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("words");
    QTest::newRow("first of the palette") << Rgb(0, 0, 0) << "黑色";
    QTest::newRow("last of the palette") << Rgb(128, 0, 128) << "深紫色";
    QTest::newRow("a hue") << Rgb(255, 90, 11) << "橙色";
    QTest::newRow("no colour") << NoColour << "无颜色";
    QTest::newRow("beside a palette colour") << Rgb(255, 90, 12) << "红 255 绿 90 蓝 12";
    QTest::newRow("each value its own") << Rgb(1, 2, 3) << "红 1 绿 2 蓝 3";
}

void ColourNamesTest::inWords()
{
    QFETCH(int, colour);
    QFETCH(QString, words);
    QCOMPARE(QString::fromStdString(ColourInWords(colour)), words);
}

// Every swatch of the palette is told from every other by its name alone.
void ColourNamesTest::paletteNamesDiffer()
{
    std::set<std::string> names;
    for (Colour colour : PaletteColours)
        names.insert(ColourInWords(colour));
    QCOMPARE(names.size(), std::size(PaletteColours));
}

QTEST_GUILESS_MAIN(ColourNamesTest)
#include "colour_names_test.moc"
