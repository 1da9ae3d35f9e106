// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/files.h"
#include "platform/files/player_folders.h"
#include "platform/system/process.h"
#include "platform/system/program_identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <memory>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ChildPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/platform_services_child");
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void runDirectory();
    void readWholeFile_data();
    void readWholeFile();
    void deleteFileByName_data();
    void deleteFileByName();
    void findFileName_data();
    void findFileName();
    void runProgram_data();
    void runProgram();
    void playerFolder_data();
    void playerFolder();
    void installedGame_data();
    void installedGame();

private:
    QString Path(const QString& name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
};

void FilesTest::runDirectory()
{
    const QString folder = QString::fromStdString(RunDirectory());
    QVERIFY(!folder.endsWith(u'/'));
    QCOMPARE(QFileInfo(folder).canonicalFilePath(),
             QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath());
    QCOMPARE(QString::fromStdString(ExecutableName()), QStringLiteral("platform_files_files_test"));
}

void FilesTest::readWholeFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");  // null: no file
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("missing") << "none" << QByteArray() << QByteArray();
    QTest::newRow("empty") << "empty" << QByteArray("") << QByteArray();
    QTest::newRow("folder") << "." << QByteArray() << QByteArray();
    QTest::newRow("zero bytes inside") << "汉.bin" << QByteArray("a\0b\xff", 4) << QByteArray("a\0b\xff", 4);
    QTest::newRow("FIFO") << "fifo.jpg" << QByteArray() << QByteArray();
    QTest::newRow("link to an endless device") << "zero.jpg" << QByteArray() << QByteArray();
    QTest::newRow("link to a file") << "link.jpg" << QByteArray() << QByteArray("linked");
}

void FilesTest::readWholeFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    if (!content.isNull())
        WriteBytes(Path(name), content);
    // Neither a FIFO without a writer nor an endless device may hold the read up.
    if (name == QStringLiteral("fifo.jpg"))
        QCOMPARE(::mkfifo(QFile::encodeName(Path(name)).constData(), 0666), 0);
    if (name == QStringLiteral("zero.jpg"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Path(name)));
    if (name == QStringLiteral("link.jpg")) {
        WriteBytes(Path(QStringLiteral("target")), "linked");
        QVERIFY(QFile::link(Path(QStringLiteral("target")), Path(name)));
    }
    const Bytes bytes = ReadWholeFile(Path(name).toStdString());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), expected);
}

void FilesTest::deleteFileByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("file") << "file.ini" << true;
    QTest::newRow("missing") << "none" << false;
    QTest::newRow("folder") << "folder" << false;
}

void FilesTest::deleteFileByName()
{
    QFETCH(QString, name);
    QFETCH(bool, deleted);
    WriteBytes(Path(QStringLiteral("file.ini")), "x");
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(DeleteFileByName(Path(name).toStdString()), deleted);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), deleted ? 1 : 2);
}

void FilesTest::findFileName_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("*.jpg in any case, byte order, no folders")
        << "背景图库/*.jpg" << QStringList{".hidden.jpg", "Z.Jpg", "a.jpg", "b.JPG", "汉.jpg"};
    QTest::newRow("question mark") << "背景图库/?.jpg" << QStringList{"Z.Jpg", "a.jpg", "b.JPG", "汉.jpg"};
    QTest::newRow("*.*") << "背景图库/*.*"
                         << QStringList{".hidden.jpg", "README", "Z.Jpg", "a.jpg", "b.JPG", "c.jpeg", "汉.jpg"};
    QTest::newRow("no match") << "背景图库/*.png" << QStringList{};
    QTest::newRow("missing folder") << "none/*.jpg" << QStringList{};
}

void FilesTest::findFileName()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("背景图库/folder.jpg")));
    for (const char* name : {"b.JPG", "a.jpg", "c.jpeg", "Z.Jpg", "汉.jpg", ".hidden.jpg", "README"})
        WriteBytes(Path(QStringLiteral("背景图库/") + QString::fromUtf8(name)), "x");

    FileSearch search;
    QStringList found;
    for (std::string name = FindFileName(Path(pattern).toStdString(), search); !name.empty();
         name = FindFileName({}, search))
        found << QString::fromStdString(name);
    QCOMPARE(found, expected);
    // The search has ended: it gives nothing more until a new pattern starts one.
    QCOMPARE(FindFileName({}, search), std::string());
    QCOMPARE(FindFileName(Path(QStringLiteral("背景图库/a.JPG")).toStdString(), search), std::string("a.jpg"));
}

void FilesTest::runProgram_data()
{
    QTest::addColumn<bool>("wait");
    QTest::addColumn<bool>("quoted");
    QTest::newRow("waiting") << true << false;
    QTest::newRow("not waiting") << false << false;
    QTest::newRow("quoted program") << true << true;
}

// The child program sits in a folder with a blank in its name, and the
// command line names it unquoted, as the restart after restoring defaults does.
void FilesTest::runProgram()
{
    QFETCH(bool, wait);
    QFETCH(bool, quoted);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("my games")));
    const QString program = Path(QStringLiteral("my games/child"));
    QVERIFY(QFile::copy(ChildPath(), program));
    const QString marker = Path(QStringLiteral("marker"));
    const QString line = (quoted ? u'"' + program + u'"' : program) + QStringLiteral(" touch ") + marker +
                         QStringLiteral(" \"two words\" one");

    QVERIFY(RunProgram(line.toStdString(), wait));
    const QByteArray expected = "two words\none\n";
    if (wait)
        QCOMPARE(ReadBytes(marker), expected);
    QTRY_COMPARE(ReadBytes(marker), expected);
    QVERIFY(!RunProgram(Path(QStringLiteral("none")).toStdString(), wait));
}

void FilesTest::playerFolder_data()
{
    QTest::addColumn<bool>("keptBeside");
    QTest::addColumn<QString>("userPlace");
    QTest::addColumn<QString>("expected");
    QTest::newRow("files kept beside the game") << true << "/home/p/.config"
                                                << "/opt/game";
    QTest::newRow("files in the user's place") << false << "/home/p/.config"
                                               << "/home/p/.config/torvane";
    QTest::newRow("no user place known") << false << ""
                                         << "/opt/game";
}

void FilesTest::playerFolder()
{
    QFETCH(bool, keptBeside);
    QFETCH(QString, userPlace);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(ChoosePlayerFolder("/opt/game", keptBeside, userPlace.toStdString())), expected);
}

void FilesTest::installedGame_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<bool>("desktopEntry");
    QTest::addColumn<bool>("installed");
    QTest::newRow("in bin/ of a prefix") << "usr/bin" << true << true;
    QTest::newRow("in games/ of a prefix") << "usr/games" << true << true;
    QTest::newRow("a copied bin/ folder") << "stick/bin" << false << false;
    QTest::newRow("a build folder") << "build" << true << false;
}

// The desktop entry lies in share/applications of the folder above the program's.
void FilesTest::installedGame()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, desktopEntry);
    QFETCH(bool, installed);
    const QDir root(dir_->path());
    QVERIFY(root.mkpath(programFolder) && root.mkpath(programFolder + "/../share/applications"));
    if (desktopEntry)
        WriteBytes(root.filePath(programFolder + "/../share/applications/" + ProgramId() + ".desktop"),
                   "[Desktop Entry]\n");
    QCOMPARE(IsInstalledIn(root.filePath(programFolder).toStdString()), installed);
}

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
