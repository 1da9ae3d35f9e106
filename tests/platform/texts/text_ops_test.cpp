// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/texts/text_ops.h"

#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

namespace {
const std::optional<int> All;
}  // namespace

// "汉" and "字" are three bytes each: E6 B1 89 and E5 AD 97.
class TextOpsTest : public QObject {
    Q_OBJECT

private slots:
    void leftText_data();
    void leftText();
    void findLastText_data();
    void findLastText();
    void replaceText_data();
    void replaceText();
};

void TextOpsTest::leftText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("shorter") << QByteArray("abc") << 2 << QByteArray("ab");
    QTest::newRow("beyond the end") << QByteArray("abc") << 5 << QByteArray("abc");
    QTest::newRow("zero") << QByteArray("abc") << 0 << QByteArray();
    QTest::newRow("negative") << QByteArray("abc") << -3 << QByteArray();
    QTest::newRow("bytes, not characters") << QByteArray("汉字") << 3 << QByteArray("汉");
}

void TextOpsTest::leftText()
{
    QFETCH(QByteArray, text);
    QFETCH(int, n);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(LeftText(text.toStdString(), n)), expected);
}

// In GBK "汉" is BA BA, "字" D7 D6, and "丂" 81 40, whose trail byte is "@".
void TextOpsTest::findLastText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("sought");
    QTest::addColumn<std::optional<int>>("start");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<int>("expected");
    const QByteArray dots = "a.b.c";
    QTest::newRow("dots at 2 and 4") << dots << QByteArray(".") << All << false << 4;
    QTest::newRow("no dot") << QByteArray("abcde") << QByteArray(".") << All << false << -1;
    QTest::newRow("start cuts the last") << dots << QByteArray(".") << std::optional(4) << false << 2;
    QTest::newRow("start 1") << dots << QByteArray(".") << std::optional(1) << false << -1;
    QTest::newRow("start beyond") << dots << QByteArray(".") << std::optional(99) << false << 4;
    QTest::newRow("empty sought") << dots << QByteArray() << All << false << 1;
    QTest::newRow("empty sought, nothing searched") << dots << QByteArray() << std::optional(1) << false << -1;
    QTest::newRow("case") << QByteArray("aXbx") << QByteArray("X") << All << false << 2;
    QTest::newRow("ignoring case") << QByteArray("aXbx") << QByteArray("X") << All << true << 4;
    QTest::newRow("a character sought") << QByteArray("\xD7\xD6\xBA\xBA\xD7\xD6") << QByteArray("\xD7\xD6") << All
                                        << false << 5;
    QTest::newRow("across a character boundary")
        << QByteArray("\xBA\xBA\xD7\xD6") << QByteArray("\xBA\xD7") << All << false << -1;
    QTest::newRow("a trail byte that looks like ASCII")
        << QByteArray("\x81\x40") << QByteArray("@") << All << false << -1;
    QTest::newRow("after a double-byte character") << QByteArray("\x81\x40@") << QByteArray("@") << All << false << 3;
}

void TextOpsTest::findLastText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, sought);
    QFETCH(std::optional<int>, start);
    QFETCH(bool, ignoreCase);
    QFETCH(int, expected);
    QCOMPARE(FindLastText(text.toStdString(), sought.toStdString(), start, ignoreCase), expected);
}

void TextOpsTest::replaceText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("sought");
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<int>("start");
    QTest::addColumn<std::optional<int>>("count");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray dots = "a.b.c";
    QTest::newRow("all") << dots << QByteArray(".") << QByteArray("-") << 1 << All << true << QByteArray("a-b-c");
    QTest::newRow("count 1") << dots << QByteArray(".") << QByteArray("-") << 1 << std::optional(1) << true
                             << QByteArray("a-b.c");
    QTest::newRow("count 0") << dots << QByteArray(".") << QByteArray("-") << 1 << std::optional(0) << true << dots;
    QTest::newRow("negative count") << dots << QByteArray(".") << QByteArray("-") << 1 << std::optional(-1) << true
                                    << QByteArray("a-b-c");
    QTest::newRow("from position 3") << dots << QByteArray(".") << QByteArray("-") << 3 << std::optional(1) << true
                                     << QByteArray("a.b-c");
    QTest::newRow("start at the end") << dots << QByteArray("c") << QByteArray("-") << 5 << All << true
                                      << QByteArray("a.b.-");
    QTest::newRow("start beyond the end") << dots << QByteArray(".") << QByteArray("-") << 6 << All << true << dots;
    QTest::newRow("start 0") << dots << QByteArray(".") << QByteArray("-") << 0 << All << true << QByteArray("a-b-c");
    QTest::newRow("removal") << dots << QByteArray(".") << QByteArray() << 1 << All << true << QByteArray("abc");
    QTest::newRow("empty sought") << dots << QByteArray() << QByteArray("-") << 1 << All << true << dots;
    QTest::newRow("empty text") << QByteArray() << QByteArray(".") << QByteArray("-") << 1 << All << true
                                << QByteArray();
    QTest::newRow("case sensitive") << QByteArray("AbA") << QByteArray("a") << QByteArray("x") << 1 << All << true
                                    << QByteArray("AbA");
    QTest::newRow("ignoring case") << QByteArray("AbA") << QByteArray("a") << QByteArray("x") << 1 << All << false
                                   << QByteArray("xbx");
    QTest::newRow("scan goes on after the replacement")
        << QByteArray("aa") << QByteArray("a") << QByteArray("aa") << 1 << All << true << QByteArray("aaaa");
    QTest::newRow("no overlaps") << QByteArray("aaa") << QByteArray("aa") << QByteArray("b") << 1 << All << true
                                 << QByteArray("ba");
    QTest::newRow("between characters") << QByteArray("汉a字a") << QByteArray("a") << QByteArray("—") << 1 << All
                                        << true << QByteArray("汉—字—");
    QTest::newRow("across a character boundary")
        << QByteArray("汉字") << QByteArray("\x89\xE5") << QByteArray("x") << 1 << All << true << QByteArray("汉字");
    QTest::newRow("start inside a character")
        << QByteArray("汉a") << QByteArray("a") << QByteArray("b") << 2 << All << true << QByteArray("汉b");
}

void TextOpsTest::replaceText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, sought);
    QFETCH(QByteArray, replacement);
    QFETCH(int, start);
    QFETCH(std::optional<int>, count);
    QFETCH(bool, caseSensitive);
    QFETCH(QByteArray, expected);
    const std::string result =
        ReplaceText(text.toStdString(), sought.toStdString(), replacement.toStdString(), start, count, caseSensitive);
    QCOMPARE(QByteArray::fromStdString(result), expected);
}

QTEST_GUILESS_MAIN(TextOpsTest)
#include "text_ops_test.moc"
