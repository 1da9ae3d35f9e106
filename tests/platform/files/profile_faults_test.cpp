// SPDX-License-Identifier: GPL-3.0-or-later
// Writes of the settings file under failing system calls. The calls are
// replaced in this program: a write, a sync or the opening of the text
// conversion fails when a test arms it, and passes through otherwise.
#include "platform/files/profile.h"
#include "platform/files/profile_edit.h"
#include "platform/texts/gbk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <iconv.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <cerrno>

namespace {

enum class Fault {
    None,
    NoSpace,
    WriteError,
    SyncError,
    NoConversion
};
Fault ArmedFault = Fault::None;

}  // namespace

extern "C" ssize_t pwrite(int fd, const void* buffer, size_t count, off_t offset)
{
    if (ArmedFault == Fault::NoSpace || ArmedFault == Fault::WriteError) {
        errno = ArmedFault == Fault::NoSpace ? ENOSPC : EIO;
        // A full disk takes part of a large write before it refuses the rest.
        if (ArmedFault == Fault::NoSpace && count > 16)
            return ::syscall(SYS_pwrite64, fd, buffer, 16, offset);
        return -1;
    }
    return ::syscall(SYS_pwrite64, fd, buffer, count, offset);
}

extern "C" int fsync(int fd)
{
    if (ArmedFault == Fault::SyncError) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_fsync, fd));
}

extern "C" iconv_t iconv_open(const char* to, const char* from)
{
    if (ArmedFault == Fault::NoConversion) {
        errno = EMFILE;
        return reinterpret_cast<iconv_t>(-1);
    }
    using Open = iconv_t (*)(const char*, const char*);
    static const Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "iconv_open"));
    return real(to, from);
}

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Disarms the fault however the test ends.
struct ArmedFor {
    explicit ArmedFor(Fault fault) { ArmedFault = fault; }
    ~ArmedFor() { ArmedFault = Fault::None; }
};

}  // namespace

Q_DECLARE_METATYPE(Fault)

class ProfileFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("disk full") << Fault::NoSpace << true;
        QTest::newRow("write error") << Fault::WriteError << true;
        QTest::newRow("sync error") << Fault::SyncError << true;
        QTest::newRow("no conversion") << Fault::NoConversion << true;
        QTest::newRow("disk full, new file") << Fault::NoSpace << false;
        QTest::newRow("sync error, new file") << Fault::SyncError << false;
        QTest::newRow("no conversion, new file") << Fault::NoConversion << false;
    }

    // Whatever fails, the write says so, the old bytes stay and no temporary
    // file is left beside them.
    void failedWritesKeepTheOldFile()
    {
        QFETCH(Fault, fault);
        QFETCH(bool, fileExists);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        const QByteArray old = "[s]\r\nk=" + QByteArray(480, 'o') + "\r\n";
        if (fileExists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(old), old.size());
        }
        {
            const ArmedFor armed(fault);
            QVERIFY(!WriteProfileText(path.toStdString(), "s", std::string("k"), std::string("new value")));
            QVERIFY(!WriteProfileText(path.toStdString(), "综合", std::string("柱数"), std::string("4")));
        }
        const QStringList expected = fileExists ? QStringList{QStringLiteral("settings.ini")} : QStringList{};
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
        if (fileExists)
            QCOMPARE(ReadBytes(path), old);
        // The same write succeeds once the fault is gone.
        QVERIFY(WriteProfileText(path.toStdString(), "s", std::string("k"), std::string("new value")));
        QCOMPARE(ReadBytes(path), QByteArray("[s]\r\nk=new value\r\n"));
    }

    // A write that cannot be converted is passed over alone, in one edit as
    // one by one.
    void oneEditPassesOverAWriteWithoutConversion()
    {
        QTemporaryDir dir;
        const std::string apart = dir.filePath(QStringLiteral("apart.ini")).toStdString();
        ProfileEdit edit(dir.filePath(QStringLiteral("settings.ini")).toStdString());
        for (const char* key : {"a", "b", "c"}) {
            const ArmedFor armed(*key == 'b' ? Fault::NoConversion : Fault::None);
            QCOMPARE(edit.Write("s", std::string(key), std::string("1")),
                     WriteProfileText(apart, "s", std::string(key), std::string("1")));
        }
        QVERIFY(edit.Commit());
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("settings.ini"))), QByteArray("[s]\r\na=1\r\nc=1\r\n"));
        QCOMPARE(ReadBytes(QString::fromStdString(apart)), QByteArray("[s]\r\na=1\r\nc=1\r\n"));
    }

    // Without the conversion a read cannot find GBK names, so it gives the
    // default rather than an empty or garbled value.
    void readsWithoutConversionGiveTheDefault()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        QVERIFY(WriteProfileText(path.toStdString(), "综合", std::string("柱数"), std::string("7")));
        const ArmedFor armed(Fault::NoConversion);
        QCOMPARE(ReadProfileText(path.toStdString(), "综合", "柱数", "3"), std::string("3"));
    }
};

QTEST_GUILESS_MAIN(ProfileFaultsTest)
#include "profile_faults_test.moc"
