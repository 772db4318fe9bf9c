// zemtrix-calc: the calculator's formula evaluation on the command line.
#include "cli/CalcCli.h"
#include "model/Translation.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    TProcessCliStreams streams;
    try {
        const std::vector<std::string> arguments(argc > 1 ? argv + 1 : argv,
                                                 argc > 1 ? argv + argc : argv);
        // Translations need an application to be installed in; an English run does without.
        std::optional<QCoreApplication> application;
        if (!TranslationLanguage(QLocale::system().uiLanguages()).isEmpty()) {
            application.emplace(argc, argv);
            InstallSystemTranslations();
        }
        return RunCalcCli(arguments, streams);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zemtrix-calc: %s\n", e.what());
        return 2;
    }
}
