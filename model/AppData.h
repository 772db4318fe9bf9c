#pragma once

#include "model/IniFile.h"
#include "model/OptionButtonData.h"
#include "model/RoundSelector.h"
#include "model/VariableButtonData.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// Whether one command-line argument is the per-user settings switch: "-", "--" or "/" followed
// by "APPDATAFOLDER" in any letter case (further characters after it allowed).
bool IsAppDataFolderArgument(const QString& Argument);

// Whether the command-line arguments (without the program's own path) hold that switch.
bool HasAppDataFolderSwitch(const QStringList& Arguments);

// Where the settings file lives.
enum class TSettingsPlace { BesideProgram, PerUser };

// What decides it, apart from the per-user switch.
struct TProgramFolderState {
    QString Folder;               // the folder of the running program
    QString InstalledBinFolder;   // the install prefix's bin folder the program was built for
    bool HasSettingsFile = false; // a regular file "Zemtrix.ini" stands in Folder
    bool AllowsNewFile = false;   // "Zemtrix.ini" could be created there (with missing folders)
};

// With the switch, per user. Otherwise beside the program when a settings file stands there
// (even one that cannot be written: it is read, and a failed write at exit is reported); else per
// user when the program runs from the folder it was installed to (a system folder no package
// owns a settings file in) or from a folder that cannot take the file; else beside the program,
// as a build or an unpacked copy keeps it.
TSettingsPlace ChooseSettingsPlace(bool HasAppDataFolderSwitch, const TProgramFolderState& State);

// The settings that survive from one run to the next, and the file "Zemtrix.ini" that holds
// them. Read once at start-up (a missing file or key gives its default), written once at
// shutdown.
class TAppData {
public:
    TAppData() = default;

    void SetIsAppDataFolder(bool Value) {
        FIsAppDataFolder = Value;
        FSettingsFileName.clear();
    }
    bool IsAppDataFolder() const { return FIsAppDataFolder; }
    TOptionButtonData& OptionButtonData() { return FOptionButtonData; }
    const TOptionButtonData& OptionButtonData() const { return FOptionButtonData; }
    TVariableButtonData& VariableButtonData() { return FVariableButtonData; }
    const TVariableButtonData& VariableButtonData() const { return FVariableButtonData; }

    // Replace the program's folder and the per-user configuration folder (by default
    // QCoreApplication::applicationDirPath() and the XDG config folder); empty restores them.
    void SetProgramFolder(const QString& Folder) {
        FProgramFolder = Folder;
        FSettingsFileName.clear();
    }
    void SetUserConfigFolder(const QString& Folder) {
        FUserConfigFolder = Folder;
        FSettingsFileName.clear();
    }
    // Replaces the install prefix's bin folder the program was built for; empty: none.
    void SetInstalledBinFolder(const QString& Folder) {
        FInstalledBinFolder = Folder;
        FSettingsFileName.clear();
    }

    // Beside the program, or under "Orvelmont/Zemtrix" in the per-user configuration folder, as
    // ChooseSettingsPlace decides. Decided at the first call, so reading and writing use the
    // same file.
    QString SettingsFileName() const;

    // Sets every field and both sets from the file, and remembers them as read; creates nothing.
    void Read();
    // Stores into the file as it now is on disk the settings that differ from those read, and
    // those the file lacks, keeping its other lines: what another copy of the program stored in
    // the meantime survives unless this run changed the same setting. Each option button's and
    // variable's title, command string, width and value counts on its own. Without a Read, every
    // setting is stored, as into a new file. Throws EIniFileWriteError when the file cannot be
    // written, leaving the old one intact.
    void Write() const;

    // The same rules applied to a document in memory: ReadFrom as Read, MergeInto as Write;
    // WriteTo stores every setting.
    void ReadFrom(const TIniFile& Ini);
    void MergeInto(TIniFile& Ini) const;
    void WriteTo(TIniFile& Ini) const;

    std::int32_t Left = 0; // negative: no position stored
    std::int32_t Top = 0;
    std::int32_t PanelNumber = 0; // 0 scientific keys, 1 option buttons, 2 variables
    bool IsScientificKey = false;
    bool IsNumericKey = false;
    std::int32_t AnimateScientificPanelStyle = 0; // 1 slide, 2 cube, other: none
    std::int32_t AnimateNumericPanelStyle = 0;    // 1 slide, 2 flip, other: none
    std::int32_t WindowScaleNumber = 0;           // scale factor 1 + 0.05 * step
    bool IsTopMost = false;
    bool IsTransparency = false;
    bool IsAlwaysDisplayHistoryPanel = false;
    bool IsDigitGroupingSeparator = false;
    std::int32_t RoundDecimal = 0; // -1 "Normal", 0..5 decimals, -16 HEX, -2 BIN
    TRoundSelector RoundSelector = rs54;
    bool IsKeepHistory = false; // the history is kept across runs ("Zemtrix.history")

    // Whether "KeepHistory" belongs in the file: the file read held it, IsKeepHistory is on, or
    // MarkKeepHistoryUsed was called. A user who never kept the history gets a file without it.
    bool IsKeepHistoryUsed() const { return FIsKeepHistoryUsed || IsKeepHistory; }
    // Records that the user turned keeping on, so that turning it off again in the same run
    // still writes "KeepHistory=0" (and deletes the kept history at shutdown).
    void MarkKeepHistoryUsed() { FIsKeepHistoryUsed = true; }

    // Left to RoundSelector: one key each.
    static constexpr std::size_t ScalarKeyCount = 14;

private:
    // The settings as read, to tell at Write which of them this run changed. No member
    // initialisers: the class must be default-constructible before TAppData is complete.
    struct TReadValues {
        std::array<std::int32_t, ScalarKeyCount> Scalars;
        bool IsKeepHistory;
        TOptionButtonData OptionButtonData;
        TVariableButtonData VariableButtonData;
    };

    QString UserSettingsFolder() const;
    QString ResolveSettingsFileName() const;
    void RememberReadValues();
    // Stores the settings that differ from AReadValues or that Ini lacks; every one without
    // AReadValues.
    void WriteKeys(TIniFile& Ini, const TReadValues* AReadValues) const;

    bool FIsAppDataFolder = false;
    bool FIsKeepHistoryUsed = false;
    TOptionButtonData FOptionButtonData;
    TVariableButtonData FVariableButtonData;
    QString FProgramFolder;
    QString FUserConfigFolder;
    std::optional<QString> FInstalledBinFolder; // unset: the one configured at build time
    mutable QString FSettingsFileName;          // empty until decided
    std::optional<TReadValues> FReadValues;     // none until read
};
