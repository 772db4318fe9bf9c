#pragma once

#include <QString>
#include <QStringList>

// The window program's command line: the per-user settings switch (see HasAppDataFolderSwitch),
// "--help" or "-h", "--version"; every other argument is reported and ignored.
struct TProgramOptions {
    bool IsHelp = false;
    bool IsVersion = false;
    QStringList Ignored; // in the order given

    // Sorts the arguments (without the program's own path).
    static TProgramOptions Parse(const QStringList& AArguments);
};

// What "--version" prints: the program's name with Zemtrix's version, the copyright and the
// licence (GPL-3.0-or-later), one line each.
QString VersionText(const QString& AProgramName);

// What "zemtrix --help" prints: usage, the options, and the settings file used without and
// with the switch.
QString WindowUsageText(const QString& ASettingsFile, const QString& AUserSettingsFile);

// The line for standard error about an argument the window program ignores.
QString IgnoredArgumentMessage(const QString& AArgument);
