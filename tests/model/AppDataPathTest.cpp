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
        EXPECT_EQ(Error.Message(), UserFile() + QString::fromUtf8(" に書き込めません"));
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
        EXPECT_EQ(Error.Message(), Dir.filePath("plain/sub/Orvelmont/Zemtrix/Zemtrix.ini") +
                                       QString::fromUtf8(" に書き込めません"));
    }
    EXPECT_EQ(ReadBytes(Dir.filePath("plain")), QByteArray("not a folder"));
}

namespace {

// Program folder "<Dir>/<Name>/program" with the given modes (0 for no file, -1 for a directory
// in place of the file).
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
    {"ReadOnlyFolderWithReadOnlyFile", 0555, 0444, false},
    {"WritableFolderWithReadOnlyFile", 0777, 0444, false},
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
