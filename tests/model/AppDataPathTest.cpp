// Where the settings file lives: beside the program, or in the per-user folder with the switch
// or when the program's folder cannot take it.
#include "model/AppData.h"

#include "AppDataFixture.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The per-user file has no other place to go, so these fail where a program folder would give
// way to the per-user one.
TEST_F(AppDataFileTest, ADirectoryInPlaceOfTheFileReadsAsDefaultsAndFailsToWrite) {
    Data.SetIsAppDataFolder(true);
    ASSERT_TRUE(QDir().mkpath(UserFile()));
    Data.Read();
    EXPECT_EQ(Data.Left, -1);
    try {
        Data.Write();
        FAIL() << "no error";
    } catch (const EIniFileWriteError& Error) {
        EXPECT_EQ(Error.Message(), u"Cannot write "_qs + UserFile());
        EXPECT_EQ(std::string(Error.what()), Error.Message().toStdString());
    }
    EXPECT_TRUE(QFileInfo(UserFile()).isDir());
}

TEST_F(AppDataFileTest, AFolderThatCannotBeCreatedFailsWithThePath) {
    WriteBytes(Dir.filePath("plain"), "not a folder");
    Data.SetIsAppDataFolder(true);
    Data.SetUserConfigFolder(Dir.filePath("plain/sub"));
    try {
        Data.Write();
        FAIL() << "no error";
    } catch (const EIniFileWriteError& Error) {
        EXPECT_EQ(Error.Message(),
                  u"Cannot write "_qs + Dir.filePath("plain/sub/Orvelmont/Zemtrix/Zemtrix.ini"));
    }
    EXPECT_EQ(ReadBytes(Dir.filePath("plain")), QByteArray("not a folder"));
}

namespace {

// Program folder "<Dir>/<Name>/program" with the given modes (0 for no file, -1 for a directory
// in place of the file). A settings file that is there is used even when it cannot be written.
struct TProgramFolderCase {
    const char* Name;
    int FolderMode;
    int FileMode;
    bool IsBesideProgram;
};

// clang-format off
const TProgramFolderCase ProgramFolderCases[] = {
    {"WritableFolderWithoutFile", 0777, 0, true},
    {"WritableFolderWithWritableFile", 0777, 0666, true},
    {"ReadOnlyFolderWithWritableFile", 0555, 0666, true},
    {"ReadOnlyFolderWithoutFile", 0555, 0, false},
    {"ReadOnlyFolderWithReadOnlyFile", 0555, 0444, true},
    {"WritableFolderWithReadOnlyFile", 0777, 0444, true},
    {"DirectoryInPlaceOfTheFile", 0777, -1, false},
};
// clang-format on

} // namespace

// Run by an unprivileged user, for whom folder permissions count.
TEST_F(AppDataFileTest, AProgramFolderThatCannotBeWrittenGivesWayToThePerUserFolder) {
    ASSERT_TRUE(SetMode(Dir.path(), 0755));
    for (const TProgramFolderCase& Case : ProgramFolderCases) {
        SCOPED_TRACE(Case.Name);
        const QString Folder = Dir.filePath(QString::fromLatin1(Case.Name) + "/program");
        const QString File = Folder + "/Zemtrix.ini";
        ASSERT_TRUE(QDir().mkpath(Folder));
        ASSERT_TRUE(SetMode(Dir.filePath(Case.Name), 0755));
        if (Case.FileMode > 0) {
            WriteBytes(File, "[Program]\nLeft=5\n");
            ASSERT_TRUE(SetMode(File, Case.FileMode));
        }
        if (Case.FileMode < 0) {
            ASSERT_TRUE(QDir().mkpath(File));
        }
        ASSERT_TRUE(SetMode(Folder, Case.FolderMode));
        const QString Expected = Case.IsBesideProgram ? File : UserFile();
        EXPECT_TRUE(InUnprivilegedChild([&] {
            TAppData Child;
            Child.SetProgramFolder(Folder);
            Child.SetUserConfigFolder(Dir.filePath("config"));
            return Child.SettingsFileName() == Expected;
        })) << "expected "
            << Expected.toStdString();
        SetMode(Folder, 0755);
    }
}

// A settings file beside the program that cannot be written is still the one read; at exit
// the failed write is reported with its path, and neither file changes.
TEST_F(AppDataFileTest, AReadOnlyFileBesideTheProgramIsReadAndItsFailedWriteReported) {
    ASSERT_TRUE(SetMode(Dir.path(), 0755));
    const QByteArray Old("[Program]\nLeft=10\n[Display]\nRoundDecimal=3\n");
    WriteBytes(ProgramFile(), Old);
    ASSERT_TRUE(SetMode(ProgramFile(), 0444));
    ASSERT_TRUE(SetMode(ProgramFolder(), 0777));
    EXPECT_TRUE(InUnprivilegedChild([&] {
        TAppData Child;
        Child.SetProgramFolder(ProgramFolder());
        Child.SetUserConfigFolder(Dir.filePath("config"));
        Child.Read();
        if (Child.Left != 10 || Child.RoundDecimal != 3) return false;
        Child.Left = 20;
        try {
            Child.Write();
        } catch (const EIniFileWriteError& Error) {
            return Error.Message() == u"Cannot write "_qs + ProgramFile();
        }
        return false;
    }));
    EXPECT_EQ(ReadBytes(ProgramFile()), Old);
    EXPECT_FALSE(QFileInfo::exists(UserFile()));
}

namespace {

struct TPlaceCase {
    const char* Name;
    bool HasSwitch;
    const char* Folder;
    bool HasSettingsFile;
    bool AllowsNewFile;
    TSettingsPlace Expected;
};

constexpr TSettingsPlace Beside = TSettingsPlace::BesideProgram;
constexpr TSettingsPlace PerUser = TSettingsPlace::PerUser;

// The program installed to "/usr/local/bin" (as root, which may write there) against a build
// or unpacked folder.
// clang-format off
const TPlaceCase PlaceCases[] = {
    {"InstalledWithoutFile", false, "/usr/local/bin", false, true, PerUser},
    {"InstalledSpeltWithATrailingSlash", false, "/usr/local/bin/", false, true, PerUser},
    {"InstalledWithAFileBesideIt", false, "/usr/local/bin", true, true, Beside},
    {"InstalledWithAReadOnlyFileBesideIt", false, "/usr/local/bin", true, false, Beside},
    {"InstalledWithTheSwitch", true, "/usr/local/bin", true, true, PerUser},
    {"BuildFolderWithoutFile", false, "/home/u/zemtrix/build/bin", false, true, Beside},
    {"BuildFolderWithAFile", false, "/home/u/zemtrix/build/bin", true, true, Beside},
    {"UnpackedInAnotherBinFolder", false, "/opt/zemtrix/bin", false, true, Beside},
    {"ReadOnlyFolderWithoutFile", false, "/opt/zemtrix/bin", false, false, PerUser},
    {"ReadOnlyFolderWithAReadOnlyFile", false, "/opt/zemtrix/bin", true, false, Beside},
    {"BuildFolderWithTheSwitch", true, "/home/u/zemtrix/build/bin", true, true, PerUser},
};
// clang-format on

} // namespace

TEST(SettingsPlaceTest, AnInstalledCopyKeepsItsSettingsPerUserUnlessAFileStandsBesideIt) {
    for (const TPlaceCase& Case : PlaceCases) {
        SCOPED_TRACE(Case.Name);
        TProgramFolderState State;
        State.Folder = QString::fromLatin1(Case.Folder);
        State.InstalledBinFolder = QStringLiteral("/usr/local/bin");
        State.HasSettingsFile = Case.HasSettingsFile;
        State.AllowsNewFile = Case.AllowsNewFile;
        EXPECT_EQ(ChooseSettingsPlace(Case.HasSwitch, State), Case.Expected);
    }
}

// The same rule through the file system: the program folder is the configured bin folder.
TEST_F(AppDataFileTest, AProgramInItsInstalledBinFolderUsesThePerUserFileUnlessOneIsBesideIt) {
    ASSERT_TRUE(QDir().mkpath(ProgramFolder()));
    Data.SetInstalledBinFolder(ProgramFolder());
    EXPECT_EQ(Data.SettingsFileName(), UserFile());
    Data.Write();
    EXPECT_FALSE(QFileInfo::exists(ProgramFile()));
    EXPECT_TRUE(QFileInfo(UserFile()).isFile());

    WriteBytes(ProgramFile(), "[Program]\nLeft=5\n");
    TAppData WithFile;
    WithFile.SetProgramFolder(ProgramFolder());
    WithFile.SetUserConfigFolder(Dir.filePath("config"));
    WithFile.SetInstalledBinFolder(ProgramFolder());
    EXPECT_EQ(WithFile.SettingsFileName(), ProgramFile());
    WithFile.Read();
    EXPECT_EQ(WithFile.Left, 5);
}

// The build's own install prefix, and the prefix its package installs to (root writing
// /usr/bin/Zemtrix.ini would leave a file no package owns).
TEST(SettingsPlaceTest, TheInstalledBinFoldersAreTheConfiguredOneAndThePackagesOne) {
    for (const char* Folder : {ZEMTRIX_TEST_INSTALL_BINDIR, ZEMTRIX_TEST_PACKAGE_BINDIR}) {
        SCOPED_TRACE(Folder);
        TAppData Data;
        Data.SetProgramFolder(QString::fromUtf8(Folder));
        Data.SetUserConfigFolder(QStringLiteral("/nonexistent/config"));
        if (QFileInfo::exists(QString::fromUtf8(Folder) + QStringLiteral("/Zemtrix.ini")))
            continue; // a settings file standing there is the one used
        EXPECT_EQ(Data.SettingsFileName(),
                  QStringLiteral("/nonexistent/config/Orvelmont/Zemtrix/Zemtrix.ini"));
    }
}

TEST_F(AppDataFileTest, AProgramFolderThatCannotBeCreatedGivesWayToThePerUserFolder) {
    WriteBytes(Dir.filePath("plain"), "not a folder");
    WriteBytes(UserFile(), "[Program]\nLeft=42\n");
    Data.SetProgramFolder(Dir.filePath("plain/program"));
    EXPECT_EQ(Data.SettingsFileName(), UserFile());
    Data.Read();
    EXPECT_EQ(Data.Left, 42);
    Data.Top = 7;
    Data.Write();
    TAppData Reread;
    Reread.SetIsAppDataFolder(true);
    Reread.SetUserConfigFolder(Dir.filePath("config"));
    Reread.Read();
    EXPECT_EQ(Reread.Left, 42);
    EXPECT_EQ(Reread.Top, 7);
    EXPECT_EQ(ReadBytes(Dir.filePath("plain")), QByteArray("not a folder"));
}

TEST_F(AppDataFileTest, TheFileIsChosenOnceBeforeReading) {
    WriteBytes(Dir.filePath("blocker"), "not a folder");
    Data.SetProgramFolder(Dir.filePath("blocker/program"));
    Data.Read();
    // The program folder becomes writable while the program runs; the settings read still go
    // back to where they came from.
    ASSERT_TRUE(QFile::remove(Dir.filePath("blocker")));
    ASSERT_TRUE(QDir().mkpath(Dir.filePath("blocker/program")));
    Data.Write();
    EXPECT_EQ(Data.SettingsFileName(), UserFile());
    EXPECT_TRUE(QFileInfo(UserFile()).isFile());
    EXPECT_FALSE(QFileInfo::exists(Dir.filePath("blocker/program/Zemtrix.ini")));
}

TEST_F(AppDataFileTest, TheSwitchMovesTheFileToThePerUserFolder) {
    EXPECT_EQ(Data.SettingsFileName(), ProgramFile());
    WriteBytes(ProgramFile(), "[Program]\nLeft=5\n");
    Data.SetIsAppDataFolder(true);
    EXPECT_EQ(Data.SettingsFileName(), UserFile());
    Data.Read();
    EXPECT_EQ(Data.Left, -1);
    Data.Write();
    EXPECT_TRUE(QFileInfo(UserFile()).isFile());
    EXPECT_EQ(ReadBytes(ProgramFile()), QByteArray("[Program]\nLeft=5\n"));
}

TEST(AppDataPathTest, DefaultPerUserFolderIsTheXdgConfigFolder) {
    TAppData Data;
    Data.SetIsAppDataFolder(true);
    EXPECT_EQ(Data.SettingsFileName(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/Orvelmont/Zemtrix/Zemtrix.ini"));
}

TEST(AppDataFolderSwitchTest, CountsOnlyAPrefixedSwitchInAnyCase) {
    struct TCase {
        const char* Name;
        QStringList Arguments;
        bool Expected;
    };
    // clang-format off
    const TCase Cases[] = {
        {"NoArguments", {}, false},
        {"Dash", {"-APPDATAFOLDER"}, true},
        {"SlashLowerCase", {"/appdatafolder"}, true},
        {"MixedCaseWithTail", {"-AppDataFolderXYZ"}, true},
        {"AfterOtherArguments", {"file.txt", "", "-x", "/AppDataFolder"}, true},
        {"BareWord", {"APPDATAFOLDER"}, false},
        {"LongOptionDashes", {"--appdatafolder"}, true},
        {"TripleDash", {"---APPDATAFOLDER"}, false},
        {"DoubledSlash", {"//appdatafolder"}, false},
        {"DashSlash", {"-/appdatafolder"}, false},
        {"TooShort", {"-APPDATAFOLDE"}, false},
        {"PrefixOnly", {"-", "/"}, false},
        {"BlankInside", {"-APPDATA FOLDER"}, false},
        {"FullWidthLetter", {QString::fromUtf8("-ＡPPDATAFOLDER")}, false},
    };
    // clang-format on
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(HasAppDataFolderSwitch(Case.Arguments), Case.Expected);
    }
}
