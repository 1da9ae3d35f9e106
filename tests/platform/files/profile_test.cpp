// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/profile.h"
#include "platform/files/profile_edit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <memory>
#include <optional>
#include <string>

namespace {

struct Call {
    std::string section;
    std::optional<std::string> key;
    std::optional<std::string> value;
};
using Calls = QList<Call>;

Call Set(const std::string& section, const std::string& key, const std::string& value)
{
    return {section, key, value};
}

Call DropKey(const std::string& section, const std::string& key)
{
    return {section, key, std::nullopt};
}

Call DropSection(const std::string& section)
{
    return {section, std::nullopt, std::nullopt};
}

// GBK bytes of the texts used below, as the GBK code page gives them.
const QByteArray Zonghe = QByteArray::fromHex("d7dbbacf");                  // 综合
const QByteArray Zhushu = QByteArray::fromHex("d6f9cafd");                  // 柱数
const QByteArray Zhen = QByteArray::fromHex("d5e6");                        // 真
const QByteArray Jingyin = QByteArray::fromHex("beb2d2f4") + "       (J)";  // 静音       (J)

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The file's inode number, which a replace changes; 0 for no file.
ino_t Inode(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

Q_DECLARE_METATYPE(Calls)

class ProfileTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void oneEdit_data();
    void oneEdit();
    void roundTrip_data();
    void roundTrip();
    void valuesAreCut_data();
    void valuesAreCut();
    void badFiles_data();
    void badFiles();
    void failedWrites_data();
    void failedWrites();
    void refusedWrites_data();
    void refusedWrites();
    void noSettingsFile_data();
    void noSettingsFile();
    void linksAreWrittenThrough();
    void leftoversAreRemoved();

private:
    QString Path(const QString& name = QStringLiteral("settings.ini")) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
};

void ProfileTest::reads_data()
{
    QTest::addColumn<QByteArray>("content");  // null: no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("expected");

    const QString d = QStringLiteral("d");
    QTest::newRow("plain") << QByteArray("[s]\r\na=1\r\n") << "s"
                           << "a" << d << "1";
    QTest::newRow("letter case") << QByteArray("[Sec]\r\nKey=v\r\n") << "sEC"
                                 << "kEY" << d << "v";
    QTest::newRow("blanks trimmed") << QByteArray("  [ s ]  \r\n \t a   =   x y \t\r\n") << "s"
                                    << "a" << d << "x y";
    QTest::newRow("double quotes") << QByteArray("[s]\r\na=\" q \"\r\n") << "s"
                                   << "a" << d << " q ";
    QTest::newRow("single quotes") << QByteArray("[s]\r\na= 'q' \r\n") << "s"
                                   << "a" << d << "q";
    QTest::newRow("unmatched quotes") << QByteArray("[s]\r\na=\"q'\r\n") << "s"
                                      << "a" << d << "\"q'";
    QTest::newRow("lone quote") << QByteArray("[s]\r\na=\"\r\n") << "s"
                                << "a" << d << "\"";
    QTest::newRow("outer pair only") << QByteArray("[s]\r\na=\"x\" \"y\"\r\n") << "s"
                                     << "a" << d << "x\" \"y";
    QTest::newRow("first key wins") << QByteArray("[s]\r\na=1\r\nA=2\r\n") << "s"
                                    << "a" << d << "1";
    QTest::newRow("first section wins") << QByteArray("[s]\r\na=1\r\n[S]\r\nb=2\r\n") << "s"
                                        << "b" << d << "d";
    QTest::newRow("comment passed over") << QByteArray("[s]\r\n;a=1\r\n") << "s"
                                         << ";a" << d << "d";
    QTest::newRow("line without =") << QByteArray("[s]\r\na\r\na=2\r\n") << "s"
                                    << "a" << d << "2";
    QTest::newRow("LF only") << QByteArray("[s]\na=1\nb=2\n") << "s"
                             << "b" << d << "2";
    QTest::newRow("lone CR") << QByteArray("[s]\ra=1\rb=2") << "s"
                             << "b" << d << "2";
    QTest::newRow("no final break") << QByteArray("[s]\r\na=1") << "s"
                                    << "a" << d << "1";
    QTest::newRow("other section") << QByteArray("[s]\r\na=1\r\n[t]\r\nb=2\r\n") << "s"
                                   << "b" << d << "d";
    QTest::newRow("before any section") << QByteArray("a=1\r\n[s]\r\n") << "s"
                                        << "a" << d << "d";
    QTest::newRow("empty value") << QByteArray("[s]\r\na=\r\n") << "s"
                                 << "a" << d << "";
    QTest::newRow("value holding =") << QByteArray("[s]\r\na=b=c\r\n") << "s"
                                     << "a" << d << "b=c";
    QTest::newRow("header with comment") << QByteArray("[s] ; about s\r\na=1\r\n") << "s"
                                         << "a" << d << "1";
    QTest::newRow("missing file") << QByteArray() << "s"
                                  << "a" << d << "d";
    QTest::newRow("empty key") << QByteArray("[s]\r\n=1\r\n") << "s"
                               << "" << d << "";
    QTest::newRow("blank key") << QByteArray("[s]\r\n=1\r\n") << "s"
                               << " \t" << d << "";
    QTest::newRow("empty section") << QByteArray("[]\r\na=1\r\n") << ""
                                   << "a" << d << "";
    QTest::newRow("leading blanks of key") << QByteArray("[s]\r\na=1\r\n") << "s"
                                           << "  a" << d << "1";
    QTest::newRow("default loses trailing blanks") << QByteArray("[s]\r\n") << "s"
                                                   << "a"
                                                   << "x y  "
                                                   << "x y";
    QTest::newRow("GBK names") << "[" + Zonghe + "]\r\n" + Zhushu + "=5\r\n"
                               << "综合"
                               << "柱数" << d << "5";
    QTest::newRow("GBK value") << "[s]\r\na=" + Zhen + "\r\n"
                               << "s"
                               << "a" << d << "真";
    // 乚 is 81 5D in GBK: its trail byte looks like "]".
    QTest::newRow("trail byte ]") << QByteArray("[\x81\x5d]\r\na=1\r\n") << "乚"
                                  << "a" << d << "1";
    // 乤 (81 61) and 丄 (81 41) differ only in a trail byte that looks like a letter.
    QTest::newRow("trail byte case") << QByteArray("[s]\r\n\x81\x61=lower\r\n\x81\x41=upper\r\n") << "s"
                                     << "丄" << d << "upper";
    QTest::newRow("not GBK") << QByteArray("[s]\r\na=\xff\x80z\x81\r\n") << "s"
                             << "a" << d << "\uFFFD\uFFFDz\uFFFD";
    const QByteArray mute = "[" + Zonghe + "]\r\n" + Jingyin + "=" + Zhen + "\r\n";
    QTest::newRow("names asked are trimmed") << mute << " 综合 "
                                             << " 静音       (J)   " << d << "真";
    QTest::newRow("inner blanks count") << mute << "综合"
                                        << "静音 (J)" << d << "d";
    QTest::newRow("blank name asked") << mute << "  "
                                      << "静音       (J)" << d << "";
    QTest::newRow("the last ] ends the name") << QByteArray("[a]b]\r\nk=1\r\n") << "a]b"
                                              << "k" << d << "1";
    QTest::newRow("not up to the first ]") << QByteArray("[a]b]\r\nk=1\r\n") << "a"
                                           << "k" << d << "d";
    QTest::newRow("text after the ] ignored") << QByteArray("[s] trailing junk\r\nk=1\r\n") << "s"
                                              << "k" << d << "1";
    QTest::newRow("indented header") << QByteArray("\t  [s]\r\nk=1\r\n") << "s"
                                     << "k" << d << "1";
    QTest::newRow("[ without ] is no header") << QByteArray("[s]\r\na=1\r\n[t\r\nb=2\r\n") << "t"
                                              << "b" << d << "d";
    QTest::newRow("keys below it stay in the section before") << QByteArray("[s]\r\na=1\r\n[t\r\nb=2\r\n") << "s"
                                                              << "b" << d << "2";
    QTest::newRow("[ without ] but with = is a key") << QByteArray("[s]\r\n[x=1\r\n") << "s"
                                                     << "[x" << d << "1";
    QTest::newRow("byte-order mark hides the first header")
        << QByteArray("\xEF\xBB\xBF[s]\r\na=1\r\n[t]\r\nb=2\r\n") << "s"
        << "a" << d << "d";
    QTest::newRow("sections after the mark are found") << QByteArray("\xEF\xBB\xBF[s]\r\na=1\r\n[t]\r\nb=2\r\n") << "t"
                                                       << "b" << d << "2";
    QTest::newRow("default keeps leading blanks") << QByteArray("[s]\r\n") << "s"
                                                  << "a"
                                                  << "  x \t"
                                                  << "  x";
}

void ProfileTest::reads()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultText);
    QFETCH(QString, expected);
    if (!content.isNull())
        WriteBytes(Path(), content);
    const std::string result =
        ReadProfileText(Path().toStdString(), section.toStdString(), key.toStdString(), defaultText.toStdString());
    QCOMPARE(QString::fromStdString(result), expected);
}

void ProfileTest::writes_data()
{
    QTest::addColumn<QByteArray>("content");  // null: no file
    QTest::addColumn<Calls>("calls");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray none;
    QTest::newRow("new file") << none << Calls{Set("s", "k", "v")} << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("empty value") << none << Calls{Set("s", "k", "")} << QByteArray("[s]\r\nk=\r\n");
    QTest::newRow("keys in order") << none << Calls{Set("s", "a", "1"), Set("s", "b", "2")}
                                   << QByteArray("[s]\r\na=1\r\nb=2\r\n");
    QTest::newRow("new section follows directly")
        << none << Calls{Set("s", "a", "1"), Set("t", "b", "2"), Set("s", "c", "3")}
        << QByteArray("[s]\r\na=1\r\nc=3\r\n[t]\r\nb=2\r\n");
    QTest::newRow("new key before trailing blank lines")
        << QByteArray("[s]\r\na=1\r\n\r\n\r\n[t]\r\n") << Calls{Set("s", "b", "2")}
        << QByteArray("[s]\r\na=1\r\nb=2\r\n\r\n\r\n[t]\r\n");
    QTest::newRow("new key after a closing comment")
        << QByteArray("[s]\r\na=1\r\n;note\r\n\r\n[t]\r\n") << Calls{Set("s", "b", "2")}
        << QByteArray("[s]\r\na=1\r\n;note\r\nb=2\r\n\r\n[t]\r\n");
    QTest::newRow("first key of an empty section") << QByteArray("[s]\r\n[t]\r\nx=1\r\n") << Calls{Set("s", "a", "1")}
                                                   << QByteArray("[s]\r\na=1\r\n[t]\r\nx=1\r\n");
    QTest::newRow("new key, no final break")
        << QByteArray("[s]\r\na=1") << Calls{Set("s", "b", "2")} << QByteArray("[s]\r\na=1\r\nb=2\r\n");
    QTest::newRow("new section, no final break")
        << QByteArray("[s]\r\na=1") << Calls{Set("t", "b", "2")} << QByteArray("[s]\r\na=1\r\n[t]\r\nb=2\r\n");
    QTest::newRow("new section after a blank line already there")
        << QByteArray("[s]\r\na=1\r\n\r\n") << Calls{Set("t", "b", "2")}
        << QByteArray("[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n");
    QTest::newRow("value replaced in place")
        << QByteArray("[s]\r\na=1\r\nb=2\r\n") << Calls{Set("s", "a", "9")} << QByteArray("[s]\r\na=9\r\nb=2\r\n");
    QTest::newRow("replaced line loses its blanks")
        << QByteArray("[s]\r\n  Alpha = 1 \r\nb=2\r\n") << Calls{Set("S", "alpha", "9")}
        << QByteArray("[s]\r\nAlpha=9\r\nb=2\r\n");
    QTest::newRow("LF lines kept") << QByteArray("[s]\na=1\nb=2\n") << Calls{Set("s", "a", "9"), Set("s", "c", "3")}
                                   << QByteArray("[s]\na=9\nb=2\nc=3\r\n");
    QTest::newRow("key removed") << QByteArray("[s]\r\na=1\r\nb=2\r\n") << Calls{DropKey("s", "A")}
                                 << QByteArray("[s]\r\nb=2\r\n");
    QTest::newRow("last key removed") << QByteArray("[s]\r\na=1\r\n[t]\r\nb=2\r\n") << Calls{DropKey("s", "a")}
                                      << QByteArray("[s]\r\n[t]\r\nb=2\r\n");
    QTest::newRow("missing key removed") << QByteArray("[s]\r\na=1\r\n") << Calls{DropKey("s", "z"), DropKey("u", "a")}
                                         << QByteArray("[s]\r\na=1\r\n");
    QTest::newRow("section removed up to the next") << QByteArray("[s]\r\na=1\r\n;c\r\n\r\n[t]\r\nb=2\r\n")
                                                    << Calls{DropSection("S")} << QByteArray("[t]\r\nb=2\r\n");
    QTest::newRow("last section removed, another added")
        << QByteArray("[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n") << Calls{DropSection("t"), Set("u", "c", "3")}
        << QByteArray("[s]\r\na=1\r\n\r\n[u]\r\nc=3\r\n");
    QTest::newRow("other content kept") << QByteArray(";head\r\n[s]\r\nx\r\na=1\r\n[t]\r\nb=2\r\n")
                                        << Calls{Set("t", "b", "3")}
                                        << QByteArray(";head\r\n[s]\r\nx\r\na=1\r\n[t]\r\nb=3\r\n");
    QTest::newRow("first duplicate section written")
        << QByteArray("[s]\r\na=1\r\n[S]\r\na=2\r\n") << Calls{Set("s", "a", "9"), Set("s", "b", "3")}
        << QByteArray("[s]\r\na=9\r\nb=3\r\n[S]\r\na=2\r\n");
    QTest::newRow("GBK") << none << Calls{Set("综合", "柱数", "真")}
                         << "[" + Zonghe + "]\r\n" + Zhushu + "=" + Zhen + "\r\n";
    QTest::newRow("removal from a missing file") << none << Calls{DropKey("s", "a")} << QByteArray("");
    QTest::newRow("names asked are trimmed")
        << QByteArray("[s]\r\nk=1\r\n") << Calls{Set(" s ", "  K \t", "2"), Set("\ts", "  n  ", " v")}
        << QByteArray("[s]\r\nk=2\r\nn= v\r\n");
    QTest::newRow("new section, lone CR lines")
        << QByteArray("[s]\ra=1\r") << Calls{Set("t", "b", "2")} << QByteArray("[s]\ra=1\r[t]\r\nb=2\r\n");
    QTest::newRow("new key, lone CR, no final break")
        << QByteArray("[s]\ra=1") << Calls{Set("s", "b", "2")} << QByteArray("[s]\ra=1\r\nb=2\r\n");
    QTest::newRow("text after the header's ] kept")
        << QByteArray("[s] x\r\na=1\r\n") << Calls{Set("s", "a", "2")} << QByteArray("[s] x\r\na=2\r\n");
    QTest::newRow("a name up to the last ]")
        << QByteArray("[a]b] x\r\nk=1\r\n") << Calls{Set("a]b", "k", "2"), Set("a", "k", "3")}
        << QByteArray("[a]b] x\r\nk=2\r\n[a]\r\nk=3\r\n");
    QTest::newRow("[ without ] belongs to the section before")
        << QByteArray("[s]\r\na=1\r\n[t\r\n") << Calls{Set("s", "b", "2"), Set("t", "c", "3")}
        << QByteArray("[s]\r\na=1\r\n[t\r\nb=2\r\n[t]\r\nc=3\r\n");
    QTest::newRow("byte-order mark before the first header")
        << QByteArray("\xEF\xBB\xBF[s]\r\na=1\r\n") << Calls{Set("s", "a", "2")}
        << QByteArray("\xEF\xBB\xBF[s]\r\na=1\r\n[s]\r\na=2\r\n");
    QTest::newRow("keys before the first section untouched")
        << QByteArray("a=1\r\n[s]\r\n") << Calls{Set("s", "a", "2"), DropKey("s", "a")} << QByteArray("a=1\r\n[s]\r\n");
    QTest::newRow("duplicate keys: the first is set and removed")
        << QByteArray("[s]\r\na=1\r\na=2\r\n") << Calls{Set("s", "A", "9"), DropKey("s", "a"), Set("s", "a", "8")}
        << QByteArray("[s]\r\na=8\r\n");
    QTest::newRow("duplicate sections: the first is removed")
        << QByteArray("[s]\r\na=1\r\n[t]\r\n[S]\r\nb=2\r\n") << Calls{DropSection("s"), DropSection("s")}
        << QByteArray("[t]\r\n");
    QTest::newRow("blank lines only, then a section")
        << QByteArray("\r\n\r\n") << Calls{Set("s", "a", "1")} << QByteArray("\r\n\r\n[s]\r\na=1\r\n");
}

void ProfileTest::writes()
{
    QFETCH(QByteArray, content);
    QFETCH(Calls, calls);
    QFETCH(QByteArray, expected);
    if (!content.isNull())
        WriteBytes(Path(), content);
    for (const Call& call : calls)
        QVERIFY(WriteProfileText(Path().toStdString(), call.section, call.key, call.value));
    QVERIFY(QFile::exists(Path()));
    QCOMPARE(ReadBytes(Path()), expected);
    // Nothing else is left beside the file.
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
}

void ProfileTest::oneEdit_data()
{
    writes_data();
    const QByteArray none;
    const QByteArray noExpectation;
    const QByteArray handEdited =
        "; mine\r\n\r\n[Other]\r\n X = 1 \r\n\r\n[ Sec ]  ; counts\r\n  KEY = 4 \r\n;k=0\r\n"
        "\r\n[tail]\r\ny=2";
    const QByteArray nearLimit = "[s]\r\n" + QByteArray(int(ProfileSizeLimit) - 10 - 7, ';') + "\r\n";
    QTest::newRow("hand-edited") << handEdited
                                 << Calls{Set("sec", "key", "5"), Set("SEC", "new", "6"), Set("tail", "Y", "2"),
                                          Set("new", "z", "7"),   DropKey("other", "x"),  Set("sec", "key", "8")}
                                 << noExpectation;
    QTest::newRow("blank names passed over")
        << none << Calls{Set(" ", "a", "1"), Set("s", "\t", "2"), Set("s", "b", "3"), DropSection("  ")}
        << noExpectation;
    QTest::newRow("no file from writes passed over") << none << Calls{Set("s", " ", "1")} << noExpectation;
    QTest::newRow("a result the file holds")
        << QByteArray("[s]\r\na=1\r\n") << Calls{Set("s", "a", "2"), DropKey("s", "a"), Set("s", "a", "1")}
        << noExpectation;
    QTest::newRow("grown beyond the size limit")
        << nearLimit << Calls{Set("s", "a", std::string(20, 'x')), Set("s", "b", "1"), DropSection("s")}
        << noExpectation;
    QTest::newRow("beyond the size limit")
        << nearLimit + QByteArray(20, ';') << Calls{Set("s", "a", "1")} << noExpectation;
}

// The writes made as one edit leave the bytes they leave one by one, each
// passed over where it alone would fail; a file that holds the result already
// is not replaced.
void ProfileTest::oneEdit()
{
    QFETCH(QByteArray, content);
    QFETCH(Calls, calls);
    const QString apart = Path(QStringLiteral("apart.ini"));
    if (!content.isNull()) {
        WriteBytes(apart, content);
        WriteBytes(Path(), content);
    }
    const ino_t before = Inode(Path());
    ProfileEdit edit(Path().toStdString());
    for (const Call& call : calls)
        QCOMPARE(edit.Write(call.section, call.key, call.value),
                 WriteProfileText(apart.toStdString(), call.section, call.key, call.value));
    QVERIFY(edit.Commit());
    QCOMPARE(QFile::exists(Path()), QFile::exists(apart));
    QCOMPARE(ReadBytes(Path()), ReadBytes(apart));
    if (!content.isNull() && ReadBytes(Path()) == content)
        QCOMPARE(Inode(Path()), before);
}

void ProfileTest::roundTrip_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("ASCII") << "主窗口"
                           << "左边"
                           << "-120";
    QTest::newRow("caption with blanks") << "综合"
                                         << "静音       (J)"
                                         << "假";
    QTest::newRow("four-byte GB18030") << "😀"
                                       << "é€😀"
                                       << "😀 and €";
    QTest::newRow("separators inside") << "s"
                                       << "k"
                                       << "a=b;c[d]";
    QTest::newRow("escaped line breaks") << "s"
                                         << "k"
                                         << "一┊*┊二";
}

void ProfileTest::roundTrip()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const std::string file = Path().toStdString();
    QVERIFY(WriteProfileText(file, "other", std::string("x"), std::string("1")));
    QVERIFY(WriteProfileText(file, section.toStdString(), key.toStdString(), value.toStdString()));
    QCOMPARE(QString::fromStdString(ReadProfileText(file, section.toStdString(), key.toStdString())), value);
    QCOMPARE(QString::fromStdString(ReadProfileText(file, "other", "x")), QStringLiteral("1"));
}

void ProfileTest::valuesAreCut_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("bytesInFile");
    QTest::newRow("one byte") << "x" << 1;
    QTest::newRow("two bytes") << "汉" << 2;
    QTest::newRow("four bytes") << "😀" << 4;
}

// The cut falls before a character it would split.
void ProfileTest::valuesAreCut()
{
    QFETCH(QString, character);
    QFETCH(int, bytesInFile);
    const std::string file = Path().toStdString();
    const QString value = character.repeated(12000 / bytesInFile);
    QVERIFY(WriteProfileText(file, "s", std::string("k"), value.toStdString()));
    QCOMPARE(ReadBytes(Path()).size(), qsizetype(sizeof "[s]\r\nk=\r\n" - 1 + 12000));
    const QString cut = character.repeated(int(ProfileValueLimit) / bytesInFile);
    QCOMPARE(QString::fromStdString(ReadProfileText(file, "s", "k")), cut);
    QCOMPARE(QString::fromStdString(ReadProfileText(file, "s", "none", value.toStdString())), cut);
}

void ProfileTest::badFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QRandomGenerator random(20240611);
    QByteArray garbage(512 * 1024, '\0');
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    QTest::newRow("binary garbage") << garbage;
    QTest::newRow("up to the size limit")
        << QByteArray("[s]\r\n") + QByteArray("k=v\r\n").repeated(int(ProfileSizeLimit) / 5 - 10);
    QTest::newRow("not GBK") << QByteArray("\xff\xfe[\x00s\x00]\x00\r\x00\n\x80\x81\x30", 14);
}

void ProfileTest::badFiles()
{
    QFETCH(QByteArray, content);
    const std::string file = Path().toStdString();
    WriteBytes(Path(), content);
    QCOMPARE(ReadProfileText(file, "s", "a", "d"), std::string("d"));
    // A section after the bad part is still found, and a write keeps the rest.
    WriteBytes(Path(), content + "\r\n[found]\r\na=yes\r\n");
    QCOMPARE(ReadProfileText(file, "found", "a", "d"), std::string("yes"));
    QVERIFY(WriteProfileText(file, "found", std::string("a"), std::string("again")));
    QCOMPARE(ReadBytes(Path()), content + "\r\n[found]\r\na=again\r\n");
}

void ProfileTest::failedWrites_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing folder") << "none/settings.ini";
    QTest::newRow("folder in the way") << "folder";
    QTest::newRow("file as folder") << "plain/settings.ini";
}

void ProfileTest::failedWrites()
{
    QFETCH(QString, name);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder")));
    WriteBytes(Path(QStringLiteral("plain")), "x");
    QVERIFY(!WriteProfileText(Path(name).toStdString(), "s", std::string("k"), std::string("v")));
    QVERIFY(!WriteProfileText(Path(name).toStdString(), "s", std::nullopt, std::nullopt));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("folder"), QStringLiteral("plain")}));
    QVERIFY(QFileInfo(Path(QStringLiteral("folder"))).isDir());
    QCOMPARE(ReadBytes(Path(QStringLiteral("plain"))), QByteArray("x"));
}

void ProfileTest::refusedWrites_data()
{
    QTest::addColumn<int>("folderPermissions");
    QTest::addColumn<int>("filePermissions");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("written");
    const int readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const int listable = readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const int writable = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QString longer = QStringLiteral("x").repeated(5000);
    QTest::newRow("read-only folder: written in place") << listable << (readable | writable) << "new" << true;
    QTest::newRow("read-only folder: grown in place") << listable << (readable | writable) << longer << true;
    QTest::newRow("read-only file") << (listable | writable) << readable << "new" << false;
    QTest::newRow("read-only folder and file") << listable << readable << "new" << false;
    QTest::newRow("writable, for comparison") << (listable | writable) << (readable | writable) << "new" << true;
}

// Two writes of the key, made as one edit, run in a child process that gives
// up root rights first, since permissions do not stop root.
void ProfileTest::refusedWrites()
{
    QFETCH(int, folderPermissions);
    QFETCH(int, filePermissions);
    QFETCH(QString, value);
    QFETCH(bool, written);
    const QByteArray old = "[s]\r\nk=old\r\n";
    const QString folder = Path(QStringLiteral("locked"));
    const QString file = folder + QStringLiteral("/settings.ini");
    QVERIFY(QDir().mkdir(folder));
    WriteBytes(file, old);
    const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                      QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(dir_->path(), open));
    QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions::fromInt(filePermissions)));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions::fromInt(folderPermissions)));

    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/platform_services_child"),
                {QStringLiteral("write-unprivileged"), file, QStringLiteral("s"), QStringLiteral("k"),
                 QStringLiteral("first"), QStringLiteral("k"), value});
    QVERIFY(child.waitForFinished());
    const int exitCode = child.exitCode();
    QVERIFY(QFile::setPermissions(folder, open));
    QCOMPARE(exitCode, written ? 0 : 1);
    QCOMPARE(ReadBytes(file), written ? "[s]\r\nk=" + value.toUtf8() + "\r\n" : old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
}

void ProfileTest::noSettingsFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to an endless device") << "zero";
    QTest::newRow("folder") << "folder";
    QTest::newRow("beyond the size limit") << "large";
}

// Only a regular file within the size limit is settings: anything else reads
// as missing at once and is never written.
void ProfileTest::noSettingsFile()
{
    QFETCH(QString, kind);
    const QString path = Path();
    const QByteArray large = "[s]\r\nk=v\r\n" + QByteArray(int(ProfileSizeLimit), ';');
    if (kind == QStringLiteral("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
    else if (kind == QStringLiteral("zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == QStringLiteral("folder"))
        QVERIFY(QDir().mkdir(path));
    else
        WriteBytes(path, large);
    const QFileInfo before(path);

    const std::string file = path.toStdString();
    QCOMPARE(ReadProfileText(file, "s", "k", "d"), std::string("d"));
    QVERIFY(!WriteProfileText(file, "s", std::string("k"), std::string("new")));
    QVERIFY(!WriteProfileText(file, "s", std::nullopt, std::nullopt));

    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(after.isDir(), before.isDir());
    if (kind == QStringLiteral("large"))
        QCOMPARE(ReadBytes(path), large);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("settings.ini")});
}

// A settings file that is a link stays a link: the file it names is written.
void ProfileTest::linksAreWrittenThrough()
{
    const QString target = Path(QStringLiteral("target.ini"));
    WriteBytes(target, "[s]\r\nk=old\r\n");
    QVERIFY(QFile::link(target, Path()));
    QVERIFY(WriteProfileText(Path().toStdString(), "s", std::string("k"), std::string("new")));
    QVERIFY(QFileInfo(Path()).isSymLink());
    QCOMPARE(ReadBytes(target), QByteArray("[s]\r\nk=new\r\n"));
}

// Temporary files of interrupted writes go at the next write; files of
// other names stay.
void ProfileTest::leftoversAreRemoved()
{
    const QStringList kept{QStringLiteral("settings.ini.bak"), QStringLiteral("settings.ini.Ab12345"),
                           QStringLiteral("settings.ini.Ab_123"), QStringLiteral("other.ini.Ab1234")};
    for (const QString& name :
         kept + QStringList{QStringLiteral("settings.ini.Ab1234"), QStringLiteral("settings.ini.zzzzzz")})
        WriteBytes(Path(name), "partial");
    QVERIFY(WriteProfileText(Path().toStdString(), "s", std::string("k"), std::string("v")));
    QStringList expected = kept + QStringList{QStringLiteral("settings.ini")};
    expected.sort();
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

QTEST_GUILESS_MAIN(ProfileTest)
#include "profile_test.moc"
