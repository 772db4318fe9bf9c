// The kept history file: every entry back whole, the cap, damaged, foreign and huge files, a
// failed write or delete, a kill while writing, and the calls the window makes at start-up and
// shutdown. Folder permissions do not bind root: those scenarios run in a child as user 65534.
#include "model/HistoryFile.h"

#include "AppDataFixture.h"
#include "FileTestSupport.h"
#include "QtPrinters.h"

#include <QBuffer>
#include <QDir>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <ostream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using TLimits = std::numeric_limits<long double>;

struct TEntryRow {
    const char* Name;
    QString Formula;
    long double Value;
    std::int32_t RoundDecimal;
    bool IsPercent;
};

QString Units(std::initializer_list<char16_t> Codes) {
    QString Text;
    for (const char16_t Code : Codes) Text += QChar(Code);
    return Text;
}

std::unique_ptr<TExpressionHistory> MakeEntry(const QString& Formula, long double Value,
                                              std::int32_t RoundDecimal = -1,
                                              bool IsPercent = false) {
    auto Entry = std::make_unique<TExpressionHistory>();
    Entry->SetExpression(Formula);
    Entry->SetResultValue(Value);
    Entry->SetRoundDecimal(RoundDecimal);
    Entry->SetIsPercent(IsPercent);
    return Entry;
}

// Entries named "0", "1", ... with the value of their number, newest ("0") first.
TExpressionHistoryList NumberedEntries(int Count) {
    TExpressionHistoryList Entries;
    for (int N = 0; N < Count; ++N) Entries.push_back(MakeEntry(QString::number(N), N));
    return Entries;
}

QStringList FormulasOf(const TExpressionHistoryList& Entries) {
    QStringList Formulas;
    for (const auto& Entry : Entries) Formulas += Entry->Expression();
    return Formulas;
}

// Bit for bit, so that -0 differs from 0.
bool IsSameBits(long double A, long double B) { return std::memcmp(&A, &B, 10) == 0; }

THistoryReadResult ReadBytesAsHistory(const QByteArray& Bytes) {
    QBuffer Buffer;
    Buffer.setData(Bytes);
    Buffer.open(QIODevice::ReadOnly);
    return ReadHistory(Buffer);
}

const QByteArray HeaderLine("Zemtrix history 1\n");

// A folder that user 65534 can reach, holding a settings file.
class HistoryFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        ASSERT_TRUE(SetMode(Dir.path(), 0755));
        ASSERT_TRUE(QDir(Dir.path()).mkdir("folder"));
        WriteBytes(SettingsFile(), Settings);
    }
    QString Folder() const { return Dir.filePath("folder"); }
    QString SettingsFile() const { return Dir.filePath("folder/Zemtrix.ini"); }
    QString HistoryFile() const { return HistoryFileName(SettingsFile()); }
    QStringList FolderEntries() const {
        return QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    const QByteArray Settings = "[Display]\nTopMost=1\n";
    QTemporaryDir Dir;
};

} // namespace

TEST_F(HistoryFileTest, EveryEntryComesBackWholeAndInOrder) {
    const long double AllMantissaBits = 18446744073709551615.0L; // 2^64 - 1
    // clang-format off
    const TEntryRow Rows[] = {
        {"Plain", "1000*1.08", 1080, -1, false},
        {"TabNewlineCarriageReturn", "1\t+\n2\r\n", 3, 0, false},
        {"BackslashesAndEscapeLookalikes", "\\ \\t \\u0041 \\n\\", 0.1L, 1, true},
        {"FullWidthAndJapanese", "１２３＋税込", -123.5L, 2, false},
        {"OutsideTheBasicPlane", "😀+𝟏", 1e-300L, 3, true},
        {"LoneHighSurrogate", Units({u'1', 0xD83D, u'+'}), 4, 4, false},
        {"LoneLowSurrogateAtTheEnd", Units({u'2', 0xDE00}), 5, 5, false},
        {"SurrogatesInReverseOrder", Units({0xDE00, 0xD83D}), 6, -16, false},
        {"NulDeleteAndC1Controls", Units({0, u'a', 0x7F, 0x85, 0x9F, 0xA0}), 7, -2, true},
        {"ByteOrderMarkFirst", Units({0xFEFF, u'1'}), 1, -1, false},
        {"Empty", "", 0, -1, false},
        {"NegativeZero", "-0", -0.0L, -1, false},
        {"SmallestDenormal", "a", TLimits::denorm_min(), -1, false},
        {"NegativeSmallestDenormal", "b", -TLimits::denorm_min(), -1, false},
        {"LargestDenormal", "c", TLimits::min() - TLimits::denorm_min(), -1, false},
        {"SmallestNormal", "d", TLimits::min(), -1, false},
        {"Largest", "e", TLimits::max(), -1, true},
        {"MostNegative", "f", -TLimits::max(), -16, false},
        {"JustAboveOne", "g", std::nextafter(1.0L, 2.0L), -1, false},
        {"AllMantissaBits", "h", AllMantissaBits, -2, false},
        {"OneThird", "i", 1.0L / 3, 5, false},
        {"Pi", "PI", 3.14159265358979323851L, -1, false},
    };
    // clang-format on
    TExpressionHistoryList Entries;
    for (const TEntryRow& Row : Rows)
        Entries.push_back(MakeEntry(Row.Formula, Row.Value, Row.RoundDecimal, Row.IsPercent));
    WriteHistoryFile(HistoryFile(), Entries);

    const THistoryReadResult Read = ReadHistoryFile(HistoryFile());
    EXPECT_EQ(Read.SkippedLines, 0);
    EXPECT_FALSE(Read.IsCut);
    EXPECT_FALSE(Read.HasReadError);
    ASSERT_EQ(Read.Entries.size(), std::size(Rows));
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        SCOPED_TRACE(Rows[i].Name);
        const TExpressionHistory& Entry = *Read.Entries[i];
        EXPECT_EQ(Entry.Expression(), Rows[i].Formula);
        EXPECT_TRUE(IsSameBits(Entry.ResultValue(), Rows[i].Value))
            << double(Entry.ResultValue()) << " for " << double(Rows[i].Value);
        EXPECT_EQ(Entry.RoundDecimal(), Rows[i].RoundDecimal);
        EXPECT_EQ(Entry.IsPercent(), Rows[i].IsPercent);
    }
    // A person's editor and terminal see valid UTF-8 without control characters.
    const QByteArray Bytes = ReadBytes(HistoryFile());
    QStringDecoder Decoder(QStringConverter::Utf8);
    const QString Text = Decoder.decode(Bytes);
    EXPECT_FALSE(Decoder.hasError());
    const bool HasControl = std::any_of(Text.begin(), Text.end(), [](QChar C) {
        return C.category() == QChar::Other_Control && C != u'\n' && C != u'\t';
    });
    EXPECT_FALSE(HasControl);
}

TEST_F(HistoryFileTest, TheFileIsTextAPersonCanRead) {
    TExpressionHistoryList Entries;
    Entries.push_back(MakeEntry("1000*1.08", 1080));
    Entries.push_back(MakeEntry("a\tb\\c\n", 0.1L, 2, true));
    Entries.push_back(MakeEntry("√2", std::sqrt(2.0L), -1));
    Entries.push_back(MakeEntry("0-0", -0.0L, -16));
    Entries.push_back(MakeEntry("1/2^16400", std::ldexp(1.0L, -16400), 5));
    WriteHistoryFile(HistoryFile(), Entries);
    EXPECT_EQ(ReadBytes(HistoryFile()).toStdString(), "Zemtrix history 1\n"
                                                      "1000*1.08\t1080\t-1\t0\n"
                                                      "a\\tb\\\\c\\n\t0.1\t2\t1\n"
                                                      "√2\t1.4142135623730950488\t-1\t0\n"
                                                      "0-0\t-0\t-16\t0\n"
                                                      "1/2^16400\t1.2825405666779e-4937\t5\t0\n");
}

TEST_F(HistoryFileTest, OnlyTheNewestThousandEntriesAreWrittenAndRead) {
    WriteHistoryFile(HistoryFile(), NumberedEntries(1001));
    const THistoryReadResult Written = ReadHistoryFile(HistoryFile());
    EXPECT_EQ(FormulasOf(Written.Entries), FormulasOf(NumberedEntries(1000)));
    EXPECT_FALSE(Written.IsCut);

    // A file made longer by hand: the first thousand, newest first, and word of the rest.
    QByteArray Long = HeaderLine;
    for (int N = 0; N < 1500; ++N) Long += QByteArray::number(N) + "\t1\t-1\t0\n";
    const THistoryReadResult Read = ReadBytesAsHistory(Long);
    EXPECT_EQ(FormulasOf(Read.Entries), FormulasOf(NumberedEntries(1000)));
    EXPECT_TRUE(Read.IsCut);
    EXPECT_EQ(Read.SkippedLines, 0);

    // Blank lines after a full history (an in-place rewrite pads a shorter text with them)
    // are no more entries.
    const THistoryReadResult Padded =
        ReadBytesAsHistory(HistoryToBytes(NumberedEntries(1000)) + QByteArray(5000, '\n'));
    EXPECT_EQ(Padded.Entries.size(), 1000u);
    EXPECT_FALSE(Padded.IsCut);
}

namespace {

struct TDamageRow {
    const char* Name;
    QByteArray Bytes;
    QStringList Formulas; // of the entries read, in order
    int SkippedLines;
};

void PrintTo(const TDamageRow& Row, std::ostream* Stream) { *Stream << Row.Name; }

// Two good entries, "1" and "2", around a line.
QByteArray Around(const QByteArray& Line) {
    return HeaderLine + "1\t1\t-1\t0\n" + Line + "\n2\t2\t-1\t0\n";
}

const QStringList OneAndTwo{"1", "2"};

// clang-format off
const TDamageRow DamageRows[] = {
    {"Empty", "", {}, 0},
    {"HeaderOnly", HeaderLine, {}, 0},
    {"NoHeader", "1\t1\t-1\t0\n", {"1"}, 0},
    {"ByteOrderMarkBeforeTheHeader", "\xEF\xBB\xBF" + HeaderLine + "1\t1\t-1\t0\n", {"1"}, 0},
    {"CrlfLineEnds", "Zemtrix history 1\r\n1\t1\t-1\t0\r\n2\t2\t-1\t0\r\n", OneAndTwo, 0},
    {"BlankLines", Around("\n\r\n"), OneAndTwo, 0},
    {"LastLineWithoutItsEnd", HeaderLine + "1\t1\t-1\t0\n2\t2\t-1\t0", OneAndTwo, 0},
    {"CutInTheFlag", HeaderLine + "1\t1\t-1\t0\n2\t2\t-1\t", {"1"}, 1},
    {"CutInTheFormat", HeaderLine + "1\t1\t-1\t0\n2\t2\t-", {"1"}, 1},
    {"CutInTheValue", HeaderLine + "1\t1\t-1\t0\n2\t2.", {"1"}, 1},
    {"CutInTheFormula", HeaderLine + "1\t1\t-1\t0\n1+", {"1"}, 1},
    {"OtherVersion", "Zemtrix history 2\n1\t1\t-1\t0\n", {"1"}, 1},
    {"OtherProgram", "[Program]\nLeft=5\n", {}, 2},
    {"Binary", Bytes("\x00\x01\xFF\xFE\n\x89PNG\r\n\x1A\n"), {}, 3},
    {"SecondHeader", Around("Zemtrix history 1"), OneAndTwo, 1},
    {"UnknownEscape", Around("a\\q\t1\t-1\t0"), OneAndTwo, 1},
    {"ShortUnicodeEscape", Around("\\u12\t1\t-1\t0"), OneAndTwo, 1},
    {"NonHexUnicodeEscape", Around("\\u12G4\t1\t-1\t0"), OneAndTwo, 1},
    {"BackslashAtTheEnd", Around("a\\\t1\t-1\t0"), OneAndTwo, 1},
    {"RawControlInTheFormula", Around("a\x01\t1\t-1\t0"), OneAndTwo, 1},
    {"InvalidUtf8", Around("\xC3(\t1\t-1\t0"), OneAndTwo, 1},
    {"OverlongUtf8", Around("\xC0\xAF\t1\t-1\t0"), OneAndTwo, 1},
    {"EncodedSurrogate", Around("\xED\xA0\x80\t1\t-1\t0"), OneAndTwo, 1},
    {"Infinity", Around("a\tinf\t-1\t0"), OneAndTwo, 1},
    {"NegativeInfinity", Around("a\t-inf\t-1\t0"), OneAndTwo, 1},
    {"NotANumber", Around("a\tnan\t-1\t0"), OneAndTwo, 1},
    {"BeyondTheLargest", Around("a\t1.2e4932\t-1\t0"), OneAndTwo, 1},
    {"HexadecimalValue", Around("a\t0x1p3\t-1\t0"), OneAndTwo, 1},
    {"PlusSign", Around("a\t+1\t-1\t0"), OneAndTwo, 1},
    {"BlankBeforeTheValue", Around("a\t 1\t-1\t0"), OneAndTwo, 1},
    {"LoneDecimalPoint", Around("a\t.\t-1\t0"), OneAndTwo, 1},
    {"EmptyValue", Around("a\t\t-1\t0"), OneAndTwo, 1},
    {"BareExponent", Around("a\t1e\t-1\t0"), OneAndTwo, 1},
    {"RoundDecimalSix", Around("a\t1\t6\t0"), OneAndTwo, 1},
    {"RoundDecimalMinusThree", Around("a\t1\t-3\t0"), OneAndTwo, 1},
    {"RoundDecimalWithPlus", Around("a\t1\t+1\t0"), OneAndTwo, 1},
    {"RoundDecimalWithLeadingZero", Around("a\t1\t01\t0"), OneAndTwo, 1},
    {"PercentTwo", Around("a\t1\t-1\t2"), OneAndTwo, 1},
    {"PercentWord", Around("a\t1\t-1\tyes"), OneAndTwo, 1},
    {"ThreeFields", Around("a\t1\t-1"), OneAndTwo, 1},
    {"FiveFields", Around("a\t1\t-1\t0\t0"), OneAndTwo, 1},
    {"OnlyBlanks", Around("   "), OneAndTwo, 1},
    {"ValueInTheExtendedRangeOnly", Around("a\t1e4000\t-1\t0"), {"1", "a", "2"}, 0},
    {"AnotherSpellingOfTheValue", Around("a\t1.50E+1\t-1\t0"), {"1", "a", "2"}, 0},
};
// clang-format on

class HistoryDamageTest : public testing::TestWithParam<TDamageRow> {};

} // namespace

TEST_P(HistoryDamageTest, GivesWhatCouldBeReadAndCountsTheRest) {
    const TDamageRow& Row = GetParam();
    const THistoryReadResult Read = ReadBytesAsHistory(Row.Bytes);
    EXPECT_EQ(FormulasOf(Read.Entries), Row.Formulas);
    EXPECT_EQ(Read.SkippedLines, Row.SkippedLines);
    EXPECT_FALSE(Read.IsCut);
    EXPECT_FALSE(Read.HasReadError);
}

INSTANTIATE_TEST_SUITE_P(Files, HistoryDamageTest, testing::ValuesIn(DamageRows),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// The longest line the reader takes is the longest the writer writes; one byte more is skipped,
// and so is an enormous line, without losing the entries after it.
TEST(HistoryLineLengthTest, LinesUpToTheLimitAreEntriesAndLongerOnesAreSkipped) {
    const QByteArray Tail = "\t1\t-1\t0";
    const QByteArray Longest = QByteArray(MaxHistoryLineBytes - Tail.size(), 'x') + Tail;
    const THistoryReadResult AtLimit = ReadBytesAsHistory(Around(Longest));
    EXPECT_EQ(AtLimit.Entries.size(), 3u);
    EXPECT_EQ(AtLimit.SkippedLines, 0);

    for (const qsizetype Extra : {qsizetype{1}, qsizetype{1} << 22}) {
        SCOPED_TRACE(Extra);
        const THistoryReadResult Over =
            ReadBytesAsHistory(Around(QByteArray(Extra, 'y') + Longest));
        EXPECT_EQ(FormulasOf(Over.Entries), OneAndTwo);
        EXPECT_EQ(Over.SkippedLines, 1);
    }

    // What the writer cannot write within the limit it leaves out rather than write a line
    // that would come back as damage.
    TExpressionHistoryList Entries;
    Entries.push_back(MakeEntry(QString(MaxHistoryLineBytes, u'z'), 1));
    Entries.push_back(MakeEntry("1", 1));
    const THistoryReadResult Read = ReadBytesAsHistory(HistoryToBytes(Entries));
    EXPECT_EQ(FormulasOf(Read.Entries), QStringList{"1"});
    EXPECT_EQ(Read.SkippedLines, 0);
}

TEST(HistoryWriterTest, EntriesThatCouldNotBeReadBackAreLeftOut) {
    TExpressionHistoryList Entries;
    Entries.push_back(MakeEntry("inf", TLimits::infinity()));
    Entries.push_back(MakeEntry("nan", TLimits::quiet_NaN()));
    Entries.push_back(MakeEntry("six", 1, 6));
    Entries.push_back(nullptr);
    Entries.push_back(MakeEntry("kept", 1));
    const THistoryReadResult Read = ReadBytesAsHistory(HistoryToBytes(Entries));
    EXPECT_EQ(FormulasOf(Read.Entries), QStringList{"kept"});
    EXPECT_EQ(Read.SkippedLines, 0);
}

// A file larger than any history the writer makes is read only up to the read limit.
TEST_F(HistoryFileTest, AHugeFileIsReadOnlyUpToTheLimit) {
    QByteArray Huge = HeaderLine + "1\t1\t-1\t0\n";
    Huge += QByteArray(MaxHistoryReadBytes, 'x') + "\n2\t2\t-1\t0\n";
    WriteBytes(HistoryFile(), Huge);
    const THistoryReadResult Read = ReadHistoryFile(HistoryFile());
    EXPECT_EQ(FormulasOf(Read.Entries), QStringList{"1"});
    EXPECT_EQ(Read.SkippedLines, 1);
    EXPECT_TRUE(Read.IsCut);
}

TEST_F(HistoryFileTest, AMissingFileIsAnEmptyHistoryAndOthersAreReadErrors) {
    const THistoryReadResult Missing = ReadHistoryFile(HistoryFile());
    EXPECT_TRUE(Missing.Entries.empty());
    EXPECT_FALSE(Missing.HasReadError);
    EXPECT_TRUE(HistoryReadReport(Missing).isEmpty());
    EXPECT_EQ(FolderEntries(), QStringList{"Zemtrix.ini"});

    ASSERT_TRUE(QDir(Folder()).mkdir("Zemtrix.history"));
    const THistoryReadResult Directory = ReadHistoryFile(HistoryFile());
    EXPECT_TRUE(Directory.HasReadError);
    ASSERT_EQ(HistoryReadReport(Directory).size(), 1);
    EXPECT_TRUE(HistoryReadReport(Directory).front().contains(HistoryFile()));
    ASSERT_TRUE(QDir(Folder()).rmdir("Zemtrix.history"));

    WriteHistoryFile(HistoryFile(), NumberedEntries(2));
    ASSERT_TRUE(SetMode(HistoryFile(), 0));
    EXPECT_TRUE(InUnprivilegedChild([&] {
        const THistoryReadResult Unreadable = ReadHistoryFile(HistoryFile());
        return Unreadable.HasReadError && Unreadable.Entries.empty();
    }));
}

TEST_F(HistoryFileTest, TheReportNamesTheFileAndWhatWasSkipped) {
    WriteBytes(HistoryFile(), Around("damaged") + "also damaged\n");
    const THistoryReadResult Read = ReadHistoryFile(HistoryFile());
    const QStringList Report = HistoryReadReport(Read);
    ASSERT_EQ(Report.size(), 1);
    EXPECT_TRUE(Report.front().startsWith(HistoryFile() + ": 2 ")) << Report.front().toStdString();

    WriteHistoryFile(HistoryFile(), NumberedEntries(2));
    EXPECT_TRUE(HistoryReadReport(ReadHistoryFile(HistoryFile())).isEmpty());
}

// The folder takes no new file (user 65534 in a folder of root's): the failure is thrown as a
// settings write failure is, naming the history file, and nothing else in the folder changes.
TEST_F(HistoryFileTest, AFailedWriteIsReportedAndTouchesNoOtherFile) {
    const QByteArray Old = HistoryToBytes(NumberedEntries(3));
    for (const bool HasOldFile : {false, true}) {
        SCOPED_TRACE(HasOldFile ? "over a read-only history" : "in a read-only folder");
        if (HasOldFile) {
            WriteBytes(HistoryFile(), Old);
            ASSERT_TRUE(SetMode(HistoryFile(), 0444));
        }
        ASSERT_TRUE(SetMode(Folder(), HasOldFile ? 0777 : 0555));
        const QStringList Before = FolderEntries();
        EXPECT_TRUE(InUnprivilegedChild([&] {
            try {
                WriteHistoryFile(HistoryFile(), NumberedEntries(5));
            } catch (const EIniFileWriteError& Error) {
                return Error.Message() == u"Cannot write "_qs + HistoryFile();
            }
            return false;
        }));
        ASSERT_TRUE(SetMode(Folder(), 0755));
        EXPECT_EQ(FolderEntries(), Before);
        EXPECT_EQ(ReadBytes(SettingsFile()), Settings);
        if (HasOldFile) {
            EXPECT_EQ(ReadBytes(HistoryFile()), Old);
        }
    }
}

// The child writes two histories in turn without end and is killed at some moment: the file is
// then one of them whole.
TEST_F(HistoryFileTest, AKillWhileWritingLeavesTheOldOrTheNewFile) {
    const TExpressionHistoryList Old = NumberedEntries(1000);
    TExpressionHistoryList New;
    for (int N = 0; N < 1000; ++N) New.push_back(MakeEntry(QStringLiteral("%1*1.08").arg(N), N));
    const QByteArray OldBytes = HistoryToBytes(Old);
    const QByteArray NewBytes = HistoryToBytes(New);
    WriteHistoryFile(HistoryFile(), Old);
    for (int Round = 0; Round < 12; ++Round) {
        SCOPED_TRACE(Round);
        const pid_t Child = fork();
        ASSERT_GE(Child, 0);
        if (Child == 0) {
            for (int N = 0;; ++N) WriteHistoryFile(HistoryFile(), N % 2 == 0 ? New : Old);
        }
        usleep(useconds_t(2000 + 3000 * Round));
        kill(Child, SIGKILL);
        int Status = 0;
        waitpid(Child, &Status, 0);
        const QByteArray Left = ReadBytes(HistoryFile());
        EXPECT_TRUE(Left == OldBytes || Left == NewBytes) << Left.size() << " bytes";
    }
}

TEST_F(HistoryFileTest, DeletingRemovesTheKeptHistory) {
    EXPECT_NO_THROW(DeleteHistoryFile(HistoryFile()));

    WriteHistoryFile(HistoryFile(), NumberedEntries(2));
    ASSERT_TRUE(SetMode(Folder(), 0555));
    EXPECT_TRUE(InUnprivilegedChild([&] {
        try {
            DeleteHistoryFile(HistoryFile());
        } catch (const EHistoryFileWriteError& Error) {
            return Error.Message() == u"Cannot write "_qs + HistoryFile();
        }
        return false;
    }));
    ASSERT_TRUE(SetMode(Folder(), 0755));
    EXPECT_TRUE(QFileInfo::exists(HistoryFile()));

    DeleteHistoryFile(HistoryFile());
    EXPECT_EQ(FolderEntries(), QStringList{"Zemtrix.ini"});

    // Through a link the history lives in the file it names, and that is what is forgotten.
    const QString Target = Dir.filePath("elsewhere.history");
    WriteHistoryFile(Target, NumberedEntries(2));
    ASSERT_TRUE(QFile::link(Target, HistoryFile()));
    DeleteHistoryFile(HistoryFile());
    EXPECT_FALSE(QFileInfo::exists(Target));
}

// The window's calls, with the settings file beside the program.
TEST_F(AppDataFileTest, TheKeptHistoryFollowsTheSetting) {
    const QString HistoryFile = Dir.filePath("program/Zemtrix.history");
    EXPECT_EQ(HistoryFileName(ProgramFile()), HistoryFile);

    // Never kept: no file is read, written or deleted, though one stands there.
    WriteBytes(HistoryFile, HeaderLine + "stray\t1\t-1\t0\n");
    Data.Read();
    EXPECT_TRUE(LoadKeptHistory(Data).Entries.empty());
    WriteSettingsAndHistory(Data, NumberedEntries(3));
    EXPECT_EQ(ReadBytes(HistoryFile), HeaderLine + "stray\t1\t-1\t0\n");

    // Turned on: written at shutdown, read at the next start.
    Data.IsKeepHistory = true;
    WriteSettingsAndHistory(Data, NumberedEntries(3));
    TAppData Next = ReadBack();
    EXPECT_TRUE(Next.IsKeepHistory);
    EXPECT_EQ(FormulasOf(LoadKeptHistory(Next).Entries), FormulasOf(NumberedEntries(3)));

    // Turned off: deleted at the next shutdown, and the setting stays in the file as 0.
    Next.IsKeepHistory = false;
    WriteSettingsAndHistory(Next, NumberedEntries(3));
    EXPECT_FALSE(QFileInfo::exists(HistoryFile));
    EXPECT_TRUE(ReadBytes(ProgramFile()).contains("\nKeepHistory=0\n"));
}

// Each file fails alone: a history that cannot be written leaves the settings written, and a
// settings file that cannot be written leaves the history written.
TEST_F(AppDataFileTest, SettingsAndHistoryAreWrittenWhateverTheOtherFileDoes) {
    ASSERT_TRUE(SetMode(Dir.path(), 0755));
    const QString HistoryFile = Dir.filePath("program/Zemtrix.history");
    struct TCase {
        const char* Name;
        int FolderMode;
        int SettingsMode;
        bool IsSettingsWritten;
    };
    // clang-format off
    const TCase Cases[] = {
        // The settings file is rewritten in place; no history file can be made beside it.
        {"HistoryFails", 0555, 0666, true},
        {"SettingsFail", 0777, 0444, false},
    };
    // clang-format on
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        WriteBytes(ProgramFile(), "[Program]\nLeft=5\n");
        ASSERT_TRUE(SetMode(ProgramFolder(), Case.FolderMode));
        ASSERT_TRUE(SetMode(ProgramFile(), Case.SettingsMode));
        EXPECT_TRUE(InUnprivilegedChild([&] {
            TAppData Child;
            Child.SetProgramFolder(ProgramFolder());
            Child.SetUserConfigFolder(Dir.filePath("config"));
            Child.Read();
            Child.IsKeepHistory = true;
            try {
                WriteSettingsAndHistory(Child, NumberedEntries(2));
            } catch (const EHistoryFileWriteError&) {
                return Case.IsSettingsWritten;
            } catch (const EIniFileWriteError&) {
                return !Case.IsSettingsWritten;
            }
            return false;
        }));
        ASSERT_TRUE(SetMode(ProgramFolder(), 0755));
        EXPECT_EQ(ReadBytes(ProgramFile()).contains("KeepHistory=1"), Case.IsSettingsWritten);
        EXPECT_EQ(QFileInfo::exists(HistoryFile), !Case.IsSettingsWritten);
    }
}
