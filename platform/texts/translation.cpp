// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/texts/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

namespace {
// The first of the variables that set the language of messages, as POSIX orders them.
std::string MessagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

// "en", "en_GB.UTF-8", "en@shaw": English whatever the country, code set or variant.
bool IsEnglish(const std::string& locale)
{
    return locale.rfind("en", 0) == 0 &&
           (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@');
}

void InstallTranslator(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
}  // namespace

void InstallPlayerLanguage()
{
    if (IsEnglish(MessagesLocale()))
        InstallTranslator(QStringLiteral("torvane_en"), QStringLiteral(":/translations"));
    else
        InstallTranslator(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

std::string Translate(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

std::string TranslateCount(const char* context, const char* source, const char* comment, int count)
{
    return QCoreApplication::translate(context, source, comment, count).toStdString();
}

std::string FillIn(const std::string& text, std::initializer_list<std::string> arguments)
{
    // One pass, so that an argument holding "%2" stays as it is.
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number = i + 1 < text.size() ? std::size_t(text[i + 1] - '0') : 0;
        if (text[i] == '%' && number >= 1 && number <= arguments.size() && number <= 9) {
            filled += arguments.begin()[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
