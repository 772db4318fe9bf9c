#include "model/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <vector>

namespace {

// Where the build embeds the compiled translations.
constexpr char kOwnTranslationFolder[] = ":/i18n";

std::vector<QPointer<QTranslator>>& InstalledTranslators() {
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

void RemoveInstalledTranslators() {
    for (const QPointer<QTranslator>& translator : InstalledTranslators()) {
        if (!translator) continue;
        QCoreApplication::removeTranslator(translator);
        delete translator.data();
    }
    InstalledTranslators().clear();
}

bool Install(const QString& AFile, const QString& AFolder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(AFile, AFolder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    InstalledTranslators().emplace_back(translator);
    return true;
}

} // namespace

QStringList TranslatedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("ja")};
}

QString TranslationLanguage(const QStringList& AUiLanguages) {
    const QStringList translated = TranslatedLanguages();
    for (const QString& entry : AUiLanguages) {
        // "de-DE", "de_DE.UTF-8", "de_DE@euro": the language is what comes before the region.
        const QString language = entry.section(QLatin1Char('-'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .section(QLatin1Char('.'), 0, 0)
                                     .section(QLatin1Char('@'), 0, 0)
                                     .toLower();
        if (language == u"en") return {};
        if (translated.contains(language)) return language;
    }
    return {};
}

QString InstallTranslations(const QStringList& AUiLanguages) {
    RemoveInstalledTranslators();
    if (!QCoreApplication::instance()) return {};
    const QString language = TranslationLanguage(AUiLanguages);
    if (language.isEmpty()) return {};
    if (!Install(QStringLiteral("zemtrix_") + language, QString::fromLatin1(kOwnTranslationFolder)))
        return {};
    // Qt's own texts, where the system ships them (Debian: qt6-translations-l10n).
    Install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

QString InstallSystemTranslations() { return InstallTranslations(QLocale::system().uiLanguages()); }
