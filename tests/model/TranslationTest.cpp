#include "model/Translation.h"
#include "model/IniFile.h"
#include "model/ProgramOptions.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {

TEST(TranslationLanguage, TheFirstSpokenLanguageWinsAndEnglishIsTheFallback) {
    struct TCase {
        QStringList UiLanguages;
        const char* Language;
    };
    const TCase cases[] = {
        {{u"de-DE"_qs}, "de"},
        {{u"fr_CA.UTF-8"_qs}, "fr"},
        {{u"ja-JP"_qs, u"en-US"_qs}, "ja"},
        {{u"es-ES"_qs, u"pt"_qs, u"fr"_qs}, "fr"}, // skipped until one is spoken
        {{u"en-GB"_qs, u"de-DE"_qs}, ""},          // English asked for first
        {{u"DE-AT"_qs}, "de"},                     // any letter case
        {{u"de@euro"_qs}, "de"},
        {{u"dev"_qs, u"japanese"_qs, u"C"_qs}, ""}, // names that only begin like one
        {{}, ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TranslationLanguage(c.UiLanguages), QString::fromLatin1(c.Language))
            << c.UiLanguages.join(u',').toStdString();
}

TEST(TranslationLanguage, NothingIsInstalledWithoutAnApplication) {
    EXPECT_EQ(InstallTranslations({u"de"_qs}), QString());
    EXPECT_EQ(QCoreApplication::translate("IniFile", "Cannot write %1"), u"Cannot write %1"_qs);
}

// The embedded translations, installed into an application and replaced by the next call.
TEST(InstallTranslations, EachLanguageReplacesTheLastAndEnglishRemovesThem) {
    int argc = 1;
    char name[] = "model_translation_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    struct TCase {
        const char* Language;
        QString WriteFailure;
        QString UsageStart;
        QString LicenceStart;
    };
    const TCase cases[] = {
        {"de", u"/x/Zemtrix.ini kann nicht geschrieben werden"_qs, u"Aufruf: zemtrix "_qs,
         u"Lizenz GPL-3.0-or-later"_qs},
        {"fr", u"Impossible d’écrire /x/Zemtrix.ini"_qs, u"Utilisation\u00a0: zemtrix "_qs,
         u"Licence GPL-3.0-or-later"_qs},
        {"ja", u"/x/Zemtrix.ini に書き込めません"_qs, u"使い方: zemtrix "_qs,
         u"ライセンス GPL-3.0-or-later"_qs},
        {"en", u"Cannot write /x/Zemtrix.ini"_qs, u"Usage: zemtrix "_qs,
         u"License GPL-3.0-or-later"_qs},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Language);
        const QString language = QString::fromLatin1(c.Language);
        EXPECT_EQ(InstallTranslations({language + u"-XX"_qs}),
                  language == u"en" ? QString() : language);
        EXPECT_EQ(EIniFileWriteError(u"/x/Zemtrix.ini"_qs).Message(), c.WriteFailure);
        EXPECT_TRUE(WindowUsageText(u"a"_qs, u"b"_qs).startsWith(c.UsageStart));
        const QString version = VersionText(u"zemtrix"_qs);
        EXPECT_TRUE(version.startsWith(u"zemtrix (Zemtrix) "_qs)) << version.toStdString();
        EXPECT_TRUE(version.contains(u"\nCopyright © 2026 Orvelmont\n"_qs + c.LicenceStart))
            << version.toStdString();
        // Qt's own texts come along where the system has them.
        if (language != u"en" && QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                               u"/qtbase_"_qs + language + u".qm"_qs)) {
            EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_qs);
        }
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_qs);
}

} // namespace
