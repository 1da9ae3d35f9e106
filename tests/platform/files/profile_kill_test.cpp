// SPDX-License-Identifier: GPL-3.0-or-later
// A settings write killed at any moment leaves the complete old or the
// complete new file, and the next write clears what the killed one left.
// TORVANE_KILL_ROUNDS sets the number of kills (a few by default).
#include "platform/files/kill_values.h"
#include "platform/files/profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray FileWith(const std::string& value)
{
    return "[other]\r\nx=1\r\n[s]\r\nk=" + QByteArray::fromStdString(value) + "\r\n";
}

int Rounds()
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("TORVANE_KILL_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : 8;
}

}  // namespace

class ProfileKillTest : public QObject {
    Q_OBJECT

private slots:
    void killedWritesLeaveAWholeFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(FileWith("start"));
        }
        const QList<QByteArray> whole{FileWith("start"), FileWith(KillValueA()), FileWith(KillValueB())};
        QRandomGenerator random(QRandomGenerator::global()->generate());
        const int rounds = Rounds();
        int leftovers = 0;
        for (int round = 0; round < rounds; ++round) {
            QProcess writer;
            writer.start(QCoreApplication::applicationDirPath() + QStringLiteral("/platform_services_child"),
                         {QStringLiteral("write-forever"), path});
            QVERIFY(writer.waitForStarted());
            QThread::usleep(random.bounded(2000, 40000));
            writer.kill();
            QVERIFY(writer.waitForFinished());
            const QByteArray bytes = ReadBytes(path);
            QVERIFY2(whole.contains(bytes),
                     qPrintable(
                         QStringLiteral("round %1: %2 bytes of a mixed or partial file").arg(round).arg(bytes.size())));
            leftovers += int(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size()) - 1;
        }
        qInfo("%d kills, %d left a temporary file", rounds, leftovers);
        QVERIFY(WriteProfileText(path.toStdString(), "s", std::string("k"), std::string("end")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
        QCOMPARE(ReadBytes(path), FileWith("end"));
    }
};

QTEST_GUILESS_MAIN(ProfileKillTest)
#include "profile_kill_test.moc"
