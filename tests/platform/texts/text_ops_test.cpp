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
    void replaceText_data();
    void replaceText();
};

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
