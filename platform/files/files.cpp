// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/files.h"

#include "platform/files/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFileInfo Executable()
{
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath());
    // Before the application object exists Linux still names the executable.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
}

// A Windows file pattern as a regular expression: "*" any run of characters,
// "?" one character, letter case ignored; "*.*" matches every name, also one
// without a dot.
QRegularExpression PatternExpression(const QString& pattern)
{
    if (pattern == QStringLiteral("*.*"))
        return PatternExpression(QStringLiteral("*"));
    QString expression;
    for (const QChar c : pattern) {
        if (c == u'*')
            expression += QStringLiteral(".*");
        else if (c == u'?')
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(
        QRegularExpression::anchoredPattern(expression),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
}

}  // namespace

std::string RunDirectory()
{
    std::string folder = Executable().absolutePath().toStdString();
    // Paths are built as RunDirectory() + "/" + name, also in the root folder.
    if (folder.ends_with('/'))
        folder.pop_back();
    return folder;
}

std::string ExecutableName()
{
    return Executable().fileName().toStdString();
}

Bytes ReadWholeFile(const std::string& fileName)
{
    const FileContent content = ReadRegularFile(fileName, WholeFileLimit);
    if (content.state != FileState::Read)
        return {};
    return Bytes(content.bytes.begin(), content.bytes.end());
}

bool PathExists(const std::string& path)
{
    return QFileInfo::exists(FromUtf8(path));
}

bool FolderExists(const std::string& path)
{
    return QFileInfo(FromUtf8(path)).isDir();
}

bool DeleteFileByName(const std::string& fileName)
{
    const QString path = FromUtf8(fileName);
    if (QFileInfo(path).isDir())
        return false;
    return QFile::remove(path);
}

std::string FindFileName(const std::string& pattern, FileSearch& search)
{
    if (!pattern.empty()) {
        search = FileSearch{};
        const QFileInfo where(FromUtf8(pattern));
        const QRegularExpression matcher = PatternExpression(where.fileName());
        const QDir folder = where.dir();
        const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
        for (const QString& entry : entries) {
            if (matcher.match(entry).hasMatch())
                search.names.push_back(entry.toStdString());
        }
        std::sort(search.names.begin(), search.names.end());
    }
    if (search.next >= search.names.size()) {
        search = FileSearch{};
        return {};
    }
    return search.names[search.next++];
}
