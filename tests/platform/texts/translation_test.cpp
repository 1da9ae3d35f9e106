// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/texts/translation.h"

#include <QTest>

// The language the desktop asks for, from LANGUAGE and the locale variables.
class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void desktopLanguage_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("all");
        QTest::addColumn<QByteArray>("messages");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* language, const char* all, const char* messages,
                            const char* lang, const char* expected) {
            QTest::newRow(name) << QByteArray(language) << QByteArray(all) << QByteArray(messages) << QByteArray(lang)
                                << QString(expected);
        };
        row("nothing set is C", "", "", "", "", "zh_CN");
        row("C", "", "", "", "C", "zh_CN");
        row("English", "", "", "", "en_US.UTF-8", "en");
        row("English variant", "", "", "", "en@shaw", "en");
        row("not English", "", "", "", "eo.UTF-8", "zh_CN");
        row("mainland", "", "", "", "zh_CN.UTF-8", "zh_CN");
        row("Singapore", "", "", "", "zh_SG.UTF-8", "zh_CN");
        row("Taiwan", "", "", "", "zh_TW.UTF-8", "zh_TW");
        row("Hong Kong", "", "", "", "zh_HK.UTF-8", "zh_TW");
        row("Macao", "", "", "", "zh_MO", "zh_TW");
        row("traditional script", "", "", "", "zh_Hant.UTF-8", "zh_TW");
        row("traditional script in a BCP 47 name", "", "", "", "zh-Hant-CN", "zh_TW");
        row("simplified script in Hong Kong", "", "", "", "zh_Hans_HK", "zh_CN");
        row("French", "", "", "", "fr_FR.UTF-8", "zh_CN");
        row("LC_MESSAGES before LANG", "", "", "en_GB.UTF-8", "zh_TW.UTF-8", "en");
        row("LC_ALL before both", "", "zh_HK.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", "zh_TW");
        row("LANGUAGE first", "en:zh_CN", "", "", "zh_CN.UTF-8", "en");
        row("LANGUAGE's first the game has", "fr:de:zh_TW:en", "", "", "en_US.UTF-8", "zh_TW");
        row("LANGUAGE's source language", "zh_CN:en", "", "", "en_US.UTF-8", "zh_CN");
        row("LANGUAGE with nothing the game has", "fr:de", "", "", "en_US.UTF-8", "en");
        row("LANGUAGE with empty entries", "::en", "", "", "zh_CN.UTF-8", "en");
        row("LANGUAGE under C", "zh_TW", "", "", "C", "zh_CN");
        row("LANGUAGE under C.UTF-8", "en", "C.UTF-8", "", "zh_CN.UTF-8", "zh_CN");
        row("LANGUAGE under POSIX", "en", "", "POSIX", "", "zh_CN");
        row("LANGUAGE without a locale", "en", "", "", "", "zh_CN");
    }

    void desktopLanguage()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, all);
        QFETCH(QByteArray, messages);
        QFETCH(QByteArray, lang);
        QFETCH(QString, expected);
        qputenv("LANGUAGE", language);
        qputenv("LC_ALL", all);
        qputenv("LC_MESSAGES", messages);
        qputenv("LANG", lang);
        QCOMPARE(QString::fromStdString(DesktopLanguage()), expected);
    }
};

QTEST_APPLESS_MAIN(TranslationTest)
#include "translation_test.moc"
