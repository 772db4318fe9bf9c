// Replacing the settings file under faults: a process killed while rewriting in place, an
// effective user other than the real one, and a file saved by another user than its owner.
// Permissions do not bind root, under whom these tests often run: the scenarios run in a
// forked child that drops to user 65534, and the two that need root to set them up skip
// themselves without it.
#include "model/FileReplace.h"
#include "model/IniFile.h"

#include "FileTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

class FileReplaceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        ASSERT_TRUE(SetMode(Dir.path(), 0755));
        ASSERT_TRUE(QDir(Dir.path()).mkdir("folder"));
    }
    void TearDown() override { SetMode(Folder(), 0755); }

    QString Folder() const { return Dir.filePath("folder"); }
    QString FileName() const { return Dir.filePath("folder/Zemtrix.ini"); }
    QStringList FolderEntries() const {
        return QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir Dir;
};

// The step of the in-place rewrite at which the child ends, as if killed: the Count-th time
// the hook sees Step.
TRewriteStep KillStep = TRewriteStep::Write;
int KillCount = 1;
int StepsSeen = 0;

void KillAtStep(TRewriteStep Step) {
    if (Step == KillStep && ++StepsSeen == KillCount) _exit(0);
}

// The new text, or the new text followed by blank lines (which read the same); nothing else.
bool IsOldOrNew(const QByteArray& Bytes, const QByteArray& Old, const QByteArray& New) {
    if (Bytes == Old || Bytes == New) return true;
    return Bytes.startsWith(New) &&
           Bytes.sliced(New.size()).count('\n') == Bytes.size() - New.size();
}

bool IsOwnedBy(const QString& FileName, uid_t User, gid_t Group) {
    struct stat Status {};
    return stat(QFile::encodeName(FileName).constData(), &Status) == 0 && Status.st_uid == User &&
           Status.st_gid == Group;
}

} // namespace

// In a folder that allows no new file, the file is rewritten in place; a kill at any step of
// it (widened here by ending the child right there) leaves the old text or the new one, never
// the start of the new text followed by the end of the old.
TEST_F(FileReplaceTest, AKillDuringAnInPlaceRewriteLeavesTheOldOrTheNewText) {
    struct TKill {
        const char* Name;
        TRewriteStep Step;
        int Count;
    };
    // clang-format off
    const TKill Kills[] = {
        {"BeforeTheFirstWrite", TRewriteStep::Write, 1},
        {"BeforeASecondWrite", TRewriteStep::Write, 2},
        {"BeforeAThirdWrite", TRewriteStep::Write, 3},
        {"BeforeAFifthWrite", TRewriteStep::Write, 5},
        {"BeforeTheCut", TRewriteStep::Truncate, 1},
        {"BeforeTheSync", TRewriteStep::Sync, 1},
    };
    // clang-format on
    QByteArray Old("[Program]\nLeft=5\n[Panel]\nWindowScaleNumber=3\n");
    for (int N = 1; N <= 14; ++N) Old += "Width" + QByteArray::number(N) + "=57\n";
    for (const bool IsShorter : {true, false}) {
        TIniFile Ini = TIniFile::FromBytes(Old);
        for (int N = 1; N <= 14; ++N)
            Ini.WriteString("Panel", QStringLiteral("Width%1").arg(N), IsShorter ? "1" : "5757");
        Ini.WriteString("Program", "Title", IsShorter ? "" : QString(200, u'x'));
        const QByteArray New = Ini.ToBytes();
        for (const TKill& Kill : Kills) {
            SCOPED_TRACE(std::string(Kill.Name) + (IsShorter ? " shorter" : " longer"));
            WriteBytes(FileName(), Old);
            ASSERT_TRUE(SetMode(FileName(), 0666));
            ASSERT_TRUE(SetMode(Folder(), 0555));
            EXPECT_TRUE(InUnprivilegedChild([&] {
                KillStep = Kill.Step;
                KillCount = Kill.Count;
                SetRewriteStepHook(KillAtStep);
                Ini.Save(FileName());
                return true;
            }));
            const QByteArray Left = ReadBytes(FileName());
            EXPECT_TRUE(IsOldOrNew(Left, Old, New)) << Left.toStdString();
            EXPECT_EQ(FolderEntries(), QStringList{"Zemtrix.ini"});
            ASSERT_TRUE(SetMode(Folder(), 0755));
        }
    }
}

// The temporary file cannot be made because the effective user may not add files to the
// folder, while the real user (root here) may: the in-place rewrite is still tried, and it
// succeeds because the effective user may write the file.
TEST_F(FileReplaceTest, TheInPlaceRewriteFollowsTheFailureNotThePermissionsOfTheRealUser) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run with another effective user";
    const QByteArray Old("[Program]\nLeft=5\n");
    WriteBytes(FileName(), Old);
    ASSERT_EQ(chown(QFile::encodeName(FileName()).constData(), Nobody, Nobody), 0);
    TIniFile Ini = TIniFile::FromBytes(Old);
    Ini.WriteString("Program", "Left", "6");
    EXPECT_TRUE(InChild([&] {
        // Still root as the real user; 65534 as the effective one.
        if (setresuid(0, Nobody, 0) != 0) return false;
        Ini.Save(FileName());
        return true;
    }));
    EXPECT_EQ(ReadBytes(FileName()), Ini.ToBytes());
    EXPECT_TRUE(IsOwnedBy(FileName(), Nobody, Nobody));
    EXPECT_EQ(FolderEntries(), QStringList{"Zemtrix.ini"});
}

// Root saving a user's file leaves it the user's, with its mode; without root a file of
// another owner cannot be made, and only the mode is checked.
TEST_F(FileReplaceTest, ReplacingKeepsTheOwnerAndTheMode) {
    const QByteArray Old("[Program]\nLeft=5\n");
    WriteBytes(FileName(), Old);
    ASSERT_TRUE(SetMode(FileName(), 0640));
    const bool IsRoot = geteuid() == 0;
    if (IsRoot) {
        ASSERT_EQ(chown(QFile::encodeName(FileName()).constData(), Nobody, Nobody), 0);
    }
    TIniFile Ini = TIniFile::FromBytes(Old);
    Ini.WriteString("Program", "Left", "6");
    Ini.Save(FileName());
    EXPECT_EQ(ReadBytes(FileName()), Ini.ToBytes());
    EXPECT_EQ(ModeOf(FileName()), 0640);
    if (IsRoot) {
        EXPECT_TRUE(IsOwnedBy(FileName(), Nobody, Nobody));
    }
    EXPECT_EQ(FolderEntries(), QStringList{"Zemtrix.ini"});
}

// A user who may write the file but not give it away keeps the file as their own, saved.
TEST_F(FileReplaceTest, AUserWhoMayNotChangeTheOwnerStillSaves) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make a file of another owner";
    const QByteArray Old("[Program]\nLeft=5\n");
    WriteBytes(FileName(), Old);
    ASSERT_TRUE(SetMode(FileName(), 0666));
    ASSERT_TRUE(SetMode(Folder(), 0777));
    TIniFile Ini = TIniFile::FromBytes(Old);
    Ini.WriteString("Program", "Left", "6");
    EXPECT_TRUE(InUnprivilegedChild([&] {
        Ini.Save(FileName());
        return true;
    }));
    EXPECT_EQ(ReadBytes(FileName()), Ini.ToBytes());
    EXPECT_EQ(ModeOf(FileName()), 0666);
    EXPECT_EQ(FolderEntries(), QStringList{"Zemtrix.ini"});
}
