// SPDX-License-Identifier: GPL-3.0-or-later
// The records file on disk: read back as saved; a damaged or hostile file
// (bad text, 100 MB, binary, a FIFO, a link to /dev/zero) set aside as
// records.ini.bad without a hang, what could be read of it kept in a new
// file; a save that cannot be made reported, the old file left.
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "core/records_text.h"
#include "settings/records_file.h"

namespace {
const RecordTable Kept = {{{3, 3, false}, {{12, "2026-12-08"}, {7, "2026-12-08"}, 2}}, {{4, 5, true}, {{}, {}, 1}}};

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
}  // namespace

class RecordsFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString path;
    QString aside;

private slots:
    void init()
    {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        path = folder.filePath("records.ini");
        aside = path + ".bad";
    }

    void savedRecordsAreReadBack()
    {
        RecordsFile file(path.toStdString());
        QVERIFY(file.Load().empty());
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(file.Save(Kept));
        QCOMPARE(Bytes(path).toStdString(), RecordsText(Kept));
        QVERIFY(file.Load() == Kept);
        QVERIFY(!QFileInfo::exists(aside));
    }

    void aFileInAFolderYetToBeMadeIsMade()
    {
        RecordsFile file(folder.filePath("data/torvane/records.ini").toStdString());
        QVERIFY(file.Save(Kept));
        QVERIFY(file.Load() == Kept);
    }

    void damagedTextIsSetAsideAndWhatWasReadKept()
    {
        const QByteArray damaged =
            QByteArray::fromStdString(RecordsText(Kept)) + "[3 pegs 9 disks normal]\ncompleted=x\n";
        WriteBytes(path, damaged);
        RecordsFile file(path.toStdString());
        QVERIFY(file.Load() == Kept);
        QCOMPARE(Bytes(aside), damaged);
        QCOMPARE(Bytes(path).toStdString(), RecordsText(Kept));
    }

    void hostileFilesAreSetAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("100 MB") << "large";
        QTest::newRow("binary") << "binary";
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a link to /dev/zero") << "zero";
    }

    // Each is set aside as it is, nothing is kept in its place, and nothing hangs.
    void hostileFilesAreSetAside()
    {
        QFETCH(QString, kind);
        const std::string name = path.toStdString();
        if (kind == "large") {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(100 * 1024 * 1024));
        } else if (kind == "binary") {
            QByteArray bytes(4096, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 131 + 7) % 256);
            WriteBytes(path, bytes);
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(name.c_str(), 0600), 0);
        } else {
            QCOMPARE(::symlink("/dev/zero", name.c_str()), 0);
        }
        struct stat before {};
        QCOMPARE(::lstat(name.c_str(), &before), 0);
        RecordsFile file(name);
        QVERIFY(file.Load().empty());
        struct stat after {};
        QCOMPARE(::lstat((name + ".bad").c_str(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QVERIFY(!QFileInfo::exists(path) && !QFileInfo(path).isSymLink());
    }

    void aSaveThatCannotBeMadeSaysSo()
    {
        // A folder where the file should be: nothing can replace it.
        QVERIFY(QDir().mkpath(path));
        RecordsFile file(path.toStdString());
        QVERIFY(!file.Save(Kept));
        QVERIFY(QFileInfo(path).isDir());
        // Under a file, the folder cannot be made.
        WriteBytes(folder.filePath("plain"), "plain");
        QVERIFY(!RecordsFile(folder.filePath("plain/records.ini").toStdString()).Save(Kept));
    }
};

QTEST_GUILESS_MAIN(RecordsFileTest)
#include "records_file_test.moc"
