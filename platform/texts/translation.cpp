// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/texts/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>

namespace {
// A catalogue translations/torvane_<code>.ts, and the locales that ask for it:
// those of its language; where it names a script and territories, only those
// with that script, or without a script but with one of the territories.
struct Catalogue {
    std::string_view code;
    std::string_view language;
    std::array<std::string_view, 3> territories;
    std::string_view script;
};
constexpr Catalogue Catalogues[] = {
    {"en", "en", {}, {}},
    {"zh_TW", "zh", {"TW", "HK", "MO"}, "Hant"},
};
// The language of SourceLanguage: a locale of it that asks for no catalogue
// asks for the texts as they are written.
constexpr std::string_view SourceLanguageCode = "zh";

bool SameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The parts of a locale name language[_Script][_TERRITORY][.codeset][@modifier];
// "-" separates as well as "_".
struct LocaleParts {
    std::string_view language;
    std::string_view script;
    std::string_view territory;
};

LocaleParts PartsOf(std::string_view locale)
{
    locale = locale.substr(0, locale.find_first_of(".@"));
    LocaleParts parts;
    for (std::size_t index = 0; !locale.empty(); ++index) {
        const std::size_t end = locale.find_first_of("_-");
        const std::string_view part = locale.substr(0, end);
        if (index == 0)
            parts.language = part;
        else if (part.size() == 4)
            parts.script = part;
        else
            parts.territory = part;
        locale.remove_prefix(end == std::string_view::npos ? locale.size() : end + 1);
    }
    return parts;
}

bool Matches(const Catalogue& catalogue, const LocaleParts& locale)
{
    if (!SameLetters(catalogue.language, locale.language))
        return false;
    if (catalogue.script.empty() && catalogue.territories.front().empty())
        return true;
    if (!locale.script.empty())
        return SameLetters(catalogue.script, locale.script);
    return std::any_of(catalogue.territories.begin(), catalogue.territories.end(), [&](std::string_view territory) {
        return !territory.empty() && SameLetters(territory, locale.territory);
    });
}

// The language a locale name asks for that the game has: a catalogue's code,
// SourceLanguage, or an empty text.
std::string GameLanguageOf(std::string_view locale)
{
    const LocaleParts parts = PartsOf(locale);
    for (const Catalogue& catalogue : Catalogues) {
        if (Matches(catalogue, parts))
            return std::string(catalogue.code);
    }
    return SameLetters(parts.language, SourceLanguageCode) ? std::string(SourceLanguage) : std::string();
}

// The first of the variables that set the locale of messages, as POSIX orders them.
std::string MessagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

// gettext leaves LANGUAGE aside under the C locale (POSIX is its other name,
// C.UTF-8 the same with another code set), and no locale at all is C.
bool IsCLocale(std::string_view locale)
{
    return locale.empty() || locale == "POSIX" || locale.substr(0, locale.find('.')) == "C";
}

std::string& Installed()
{
    static std::string language(SourceLanguage);
    return language;
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

std::string DesktopLanguage()
{
    const std::string messages = MessagesLocale();
    const char* list = std::getenv("LANGUAGE");
    if (list && !IsCLocale(messages)) {
        std::string_view entries(list);
        while (!entries.empty()) {
            const std::size_t end = entries.find(':');
            if (std::string language = GameLanguageOf(entries.substr(0, end)); !language.empty())
                return language;
            entries.remove_prefix(end == std::string_view::npos ? entries.size() : end + 1);
        }
    }
    const std::string language = GameLanguageOf(messages);
    return language.empty() ? std::string(SourceLanguage) : language;
}

void InstallPlayerLanguage()
{
    Installed() = DesktopLanguage();
    const QString code = QString::fromStdString(Installed());
    if (Installed() != SourceLanguage)
        InstallTranslator(QStringLiteral("torvane_") + code, QStringLiteral(":/translations"));
    InstallTranslator(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

const std::string& PlayerLanguage()
{
    return Installed();
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
