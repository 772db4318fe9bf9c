#include "model/ProgramOptions.h"

#include "model/AppData.h"

#include <QCoreApplication>

namespace {

// The texts of the command line, in the user's language where a translation is installed.
struct TProgramText {
    Q_DECLARE_TR_FUNCTIONS(ProgramOptions)
};

} // namespace

TProgramOptions TProgramOptions::Parse(const QStringList& AArguments) {
    TProgramOptions options;
    for (const QString& argument : AArguments) {
        if (argument == u"--help" || argument == u"-h")
            options.IsHelp = true;
        else if (argument == u"--version")
            options.IsVersion = true;
        else if (!IsAppDataFolderArgument(argument))
            options.Ignored.append(argument);
    }
    return options;
}

QString VersionText(const QString& AProgramName) {
    return AProgramName + QStringLiteral(" (Zemtrix) " ZEMTRIX_VERSION "\n") +
           QString::fromUtf8("Copyright © 2026 Orvelmont\n") +
           TProgramText::tr("License GPL-3.0-or-later: GNU GPL version 3 or later "
                            "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
                            "This is free software: you are free to change and redistribute it.\n"
                            "There is NO WARRANTY, to the extent permitted by law.\n");
}

QString WindowUsageText(const QString& ASettingsFile, const QString& AUserSettingsFile) {
    return TProgramText::tr(
               "Usage: zemtrix [-APPDATAFOLDER]\n"
               "The Zemtrix formula calculator window.\n"
               "\n"
               "  -APPDATAFOLDER  keep the settings in the per-user configuration folder;\n"
               "                  also written /APPDATAFOLDER or --appdatafolder, in any\n"
               "                  letter case\n"
               "  -h, --help      show this help and exit\n"
               "      --version   show the version and licence and exit\n"
               "Other arguments are reported and ignored.\n"
               "\n"
               "Settings file:       %1\n"
               "with -APPDATAFOLDER: %2\n"
               "\n"
               "zemtrix-calc evaluates the same formulas on the command line.\n")
        .arg(ASettingsFile, AUserSettingsFile);
}

QString IgnoredArgumentMessage(const QString& AArgument) {
    const bool isOption = AArgument.size() > 1 && AArgument.startsWith(u'-');
    const QString message =
        isOption
            ? TProgramText::tr("unknown option \"%1\" ignored (zemtrix --help lists the options)")
            : TProgramText::tr("argument \"%1\" ignored (zemtrix --help lists the options)");
    return QStringLiteral("zemtrix: ") + message.arg(AArgument);
}
