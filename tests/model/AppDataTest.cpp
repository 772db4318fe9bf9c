#include "model/AppData.h"

#include "AppDataFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <limits>
#include <ostream>
#include <sys/resource.h>

TEST_F(AppDataFileTest, NoFileGivesEveryDefaultAndCreatesNothing) {
    Data.Read();
    EXPECT_EQ(Data.Left, -1);
    EXPECT_EQ(Data.Top, -1);
    EXPECT_EQ(Data.PanelNumber, 0);
    EXPECT_TRUE(Data.IsScientificKey);
    EXPECT_TRUE(Data.IsNumericKey);
    EXPECT_EQ(Data.AnimateNumericPanelStyle, 1);
    EXPECT_EQ(Data.AnimateScientificPanelStyle, 1);
    EXPECT_EQ(Data.WindowScaleNumber, 0);
    EXPECT_FALSE(Data.IsTopMost);
    EXPECT_FALSE(Data.IsTransparency);
    EXPECT_FALSE(Data.IsAlwaysDisplayHistoryPanel);
    EXPECT_FALSE(Data.IsDigitGroupingSeparator);
    EXPECT_EQ(Data.RoundDecimal, -1);
    EXPECT_EQ(Data.RoundSelector, rs54);
    EXPECT_EQ(Data.OptionButtonData().GetTitle(5), QStringLiteral("税込"));
    EXPECT_EQ(Data.OptionButtonData().GetExpression(1), QStringLiteral("00"));
    EXPECT_EQ(Data.OptionButtonData().GetWidth(14), 57.0f);
    EXPECT_EQ(Data.VariableButtonData().GetTitle(6), QStringLiteral("V6"));

    Data.SetIsAppDataFolder(true);
    Data.Read();
    EXPECT_FALSE(QFileInfo::exists(ProgramFolder()));
    EXPECT_FALSE(QFileInfo::exists(Dir.filePath("config")));
}

namespace {

struct TScalarCase {
    const char* Name;
    const char* Line; // in the section given by Section
    const char* Section;
    std::int32_t (*Field)(const TAppData&);
    std::int32_t Expected;
};

std::int32_t LeftOf(const TAppData& D) { return D.Left; }
std::int32_t TopOf(const TAppData& D) { return D.Top; }
std::int32_t TopMostOf(const TAppData& D) { return D.IsTopMost; }
std::int32_t ScientificOf(const TAppData& D) { return D.IsScientificKey; }
std::int32_t RoundDecimalOf(const TAppData& D) { return D.RoundDecimal; }
std::int32_t RoundSelectorOf(const TAppData& D) { return D.RoundSelector; }
std::int32_t KeepHistoryOf(const TAppData& D) { return D.IsKeepHistory; }
std::int32_t PanelNumberOf(const TAppData& D) { return D.PanelNumber; }
std::int32_t AnimateNumericOf(const TAppData& D) { return D.AnimateNumericPanelStyle; }
std::int32_t ScaleOf(const TAppData& D) { return D.WindowScaleNumber; }

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();

// clang-format off
const TScalarCase ScalarCases[] = {
    {"NegativeLeftKept", "Left=-5", "Program", LeftOf, -5},
    {"TopAsStored", "Top=100", "Program", TopOf, 100},
    {"PlusSignAndLeadingZeros", "Top=+007", "Program", TopOf, 7},
    {"LargestInt32", "Numeric=2147483647", "AnimateStyle", AnimateNumericOf, Int32Max},
    {"SmallestInt32", "Numeric=-2147483648", "AnimateStyle", AnimateNumericOf, Int32Min},
    {"BeyondInt32IsUnreadable", "Left=2147483648", "Program", LeftOf, -1},
    {"BelowInt32IsUnreadable", "Left=-2147483649", "Program", LeftOf, -1},
    {"HugeDecimalIsUnreadable", "Left=99999999999999999999999", "Program", LeftOf, -1},
    {"HexBeyondInt32IsUnreadable", "Left=0xFFFFFFFF", "Program", LeftOf, -1},
    {"DollarHex", "Numeric=$7fffffff", "AnimateStyle", AnimateNumericOf, Int32Max},
    {"DecimalPointIsUnreadable", "Left=3.0", "Program", LeftOf, -1},
    {"InnerBlankIsUnreadable", "Left=1 2", "Program", LeftOf, -1},
    {"EmptyIsUnreadable", "Left=", "Program", LeftOf, -1},
    {"TopMostYesIsUnreadable", "TopMost=yes", "Display", TopMostOf, 0},
    {"TopMostTwoIsTrue", "TopMost=2", "Display", TopMostOf, 1},
    {"TopMostNegativeIsTrue", "TopMost=-1", "Display", TopMostOf, 1},
    {"ScientificUnreadableKeepsTrue", "Scientific=no", "Panel", ScientificOf, 1},
    {"ScientificZeroIsFalse", "Scientific=0", "Panel", ScientificOf, 0},
    {"RoundDecimalLowerHex", "RoundDecimal=0x3", "Display", RoundDecimalOf, 3},
    {"RoundDecimalUpperHex", "RoundDecimal=0X5", "Display", RoundDecimalOf, 5},
    {"RoundDecimalDollarHex", "RoundDecimal=$4", "Display", RoundDecimalOf, 4},
    {"RoundDecimalBarePrefix", "RoundDecimal=0x", "Display", RoundDecimalOf, -1},
    {"RoundDecimalBareDollar", "RoundDecimal=$", "Display", RoundDecimalOf, -1},
    {"RoundDecimalSignedHex", "RoundDecimal=-0x2", "Display", RoundDecimalOf, -1},
    {"RoundDecimalHex", "RoundDecimal=-16", "Display", RoundDecimalOf, -16},
    {"RoundDecimalBin", "RoundDecimal=-2", "Display", RoundDecimalOf, -2},
    {"RoundDecimalSixIsOutOfRange", "RoundDecimal=6", "Display", RoundDecimalOf, -1},
    {"RoundDecimalMinusThreeIsOutOfRange", "RoundDecimal=-3", "Display", RoundDecimalOf, -1},
    {"RoundSelectorCut", "RoundSelector=1", "Display", RoundSelectorOf, rsCut},
    {"RoundSelectorLowByte", "RoundSelector=258", "Display", RoundSelectorOf, rsUp},
    {"RoundSelectorLowByteOutOfRange", "RoundSelector=-1", "Display", RoundSelectorOf, rs54},
    {"RoundSelectorThreeIsOutOfRange", "RoundSelector=3", "Display", RoundSelectorOf, rs54},
    {"KeepHistoryOn", "KeepHistory=1", "Display", KeepHistoryOf, 1},
    {"KeepHistoryOff", "KeepHistory=0", "Display", KeepHistoryOf, 0},
    {"KeepHistoryTwoIsTrue", "KeepHistory=2", "Display", KeepHistoryOf, 1},
    {"KeepHistoryYesIsUnreadable", "KeepHistory=yes", "Display", KeepHistoryOf, 0},
    {"KeepHistoryInAnotherSection", "KeepHistory=1", "Program", KeepHistoryOf, 0},
    {"PanelNumberVariables", "Number=2", "Panel", PanelNumberOf, 2},
    {"PanelNumberOutOfRange", "Number=3", "Panel", PanelNumberOf, 0},
    {"PanelNumberNegative", "Number=-1", "Panel", PanelNumberOf, 0},
    {"AnimationStyleZero", "Numeric=0", "AnimateStyle", AnimateNumericOf, 0},
    {"AnimationStyleOutOfRangeIsKept", "Numeric=7", "AnimateStyle", AnimateNumericOf, 7},
    {"ScaleLowestStep", "WindowScaleNumber=-12", "Panel", ScaleOf, -12},
    {"ScaleBelowLowestStep", "WindowScaleNumber=-13", "Panel", ScaleOf, 0},
    {"ScaleLarge", "WindowScaleNumber=40", "Panel", ScaleOf, 40},
    // Positions and steps the window system cannot hold (16 bits) read as the defaults.
    {"LeftLargestPosition", "Left=32767", "Program", LeftOf, 32767},
    {"LeftPastThePositions", "Left=32768", "Program", LeftOf, -1},
    {"LeftLargestInt32", "Left=2147483647", "Program", LeftOf, -1},
    {"TopSmallestPosition", "Top=-32768", "Program", TopOf, -32768},
    {"TopBelowThePositions", "Top=-32769", "Program", TopOf, -1},
    {"TopLargestInt32", "Top=2147483647", "Program", TopOf, -1},
    {"TopSmallestInt32", "Top=-2147483648", "Program", TopOf, -1},
    {"ScaleHighestStep", "WindowScaleNumber=932", "Panel", ScaleOf, 932},
    {"ScalePastTheHighestStep", "WindowScaleNumber=933", "Panel", ScaleOf, 0},
    {"ScaleThousand", "WindowScaleNumber=1000", "Panel", ScaleOf, 0},
    {"ScaleHundredMillion", "WindowScaleNumber=100000000", "Panel", ScaleOf, 0},
    {"ScaleLargestInt32", "WindowScaleNumber=2147483647", "Panel", ScaleOf, 0},
};
// clang-format on

void PrintTo(const TScalarCase& Case, std::ostream* Stream) { *Stream << Case.Name; }

class AppDataScalarTest : public testing::TestWithParam<TScalarCase> {};

} // namespace

TEST_P(AppDataScalarTest, ReadsTheStoredValueOrTheDefault) {
    const TScalarCase& Case = GetParam();
    const QByteArray File = QByteArray("[") + Case.Section + "]\n" + Case.Line + "\n";
    TAppData Data;
    Data.ReadFrom(TIniFile::FromBytes(File));
    EXPECT_EQ(Case.Field(Data), Case.Expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AppDataScalarTest, testing::ValuesIn(ScalarCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(AppDataFileTest, EmptyTitleIsReadButADeletedOneKeepsItsDefault) {
    WriteBytes(ProgramFile(), "[OptionButton]\nTitle5=\nWidth3=80\nWidth4=wide\n"
                              "[VariableButton]\nValue2=\n");
    Data.Read();
    EXPECT_TRUE(Data.OptionButtonData().GetTitle(5).isEmpty());
    EXPECT_EQ(Data.OptionButtonData().GetWidth(3), 80.0f);
    EXPECT_EQ(Data.OptionButtonData().GetWidth(4), 57.0f);
    EXPECT_TRUE(Data.VariableButtonData().GetValue(2).isEmpty());

    WriteBytes(ProgramFile(), "[OptionButton]\nWidth3=80\n");
    TAppData Fresh = ReadBack();
    EXPECT_EQ(Fresh.OptionButtonData().GetTitle(5), QStringLiteral("税込"));
}

TEST_F(AppDataFileTest, LongValuesAreCutAt2047Characters) {
    const QByteArray Long(3000, 'x');
    // 2046 characters, then a character outside the BMP that would straddle the limit.
    const QByteArray Straddling = QByteArray(2046, 'y') + "😀z";
    WriteBytes(ProgramFile(), "[VariableButton]\nValue1=" + Long + "\nValue2=" + Straddling +
                                  "\n[OptionButton]\nExpression1=" + Long + "\n");
    Data.Read();
    EXPECT_EQ(Data.VariableButtonData().GetValue(1), QString(2047, u'x'));
    EXPECT_EQ(Data.VariableButtonData().GetValue(2), QString(2046, u'y'));
    EXPECT_EQ(Data.OptionButtonData().GetExpression(1).size(), 2047);
}

TEST_F(AppDataFileTest, WidthsAreWrittenAsWholePixelsRoundingHalvesToEven) {
    struct TCase {
        float Width;
        const char* Written;
    };
    // clang-format off
    const TCase Cases[] = {
        {57.5f, "58"},
        {56.5f, "56"},
        {57.49f, "57"},
        {-0.5f, "0"},
        {-1.5f, "-2"},
        {1e10f, "2147483647"},
        {-1e10f, "-2147483648"},
        {std::numeric_limits<float>::quiet_NaN(), "57"},
        {std::numeric_limits<float>::infinity(), "2147483647"},
    };
    // clang-format on
    for (int N = 1; N <= static_cast<int>(std::size(Cases)); ++N)
        Data.OptionButtonData().SetWidth(N, Cases[N - 1].Width);
    Data.Write();
    const TIniFile Written = *TIniFile::Load(ProgramFile());
    const TAppData Reread = ReadBack();
    for (int N = 1; N <= static_cast<int>(std::size(Cases)); ++N) {
        SCOPED_TRACE(N);
        const QString Expected = QString::fromLatin1(Cases[N - 1].Written);
        EXPECT_EQ(Written.ReadString("OptionButton", QStringLiteral("Width%1").arg(N)), Expected);
        EXPECT_EQ(Reread.OptionButtonData().GetWidth(N), Expected.toFloat());
    }
}

TEST_F(AppDataFileTest, EverySettingRoundTripsThroughTheFile) {
    Data.Left = 0;
    Data.Top = -20;
    Data.PanelNumber = 2;
    Data.IsScientificKey = false;
    Data.IsNumericKey = false;
    Data.AnimateScientificPanelStyle = 2;
    Data.AnimateNumericPanelStyle = 0;
    Data.WindowScaleNumber = -12;
    Data.IsTopMost = true;
    Data.IsTransparency = true;
    Data.IsAlwaysDisplayHistoryPanel = true;
    Data.IsDigitGroupingSeparator = true;
    Data.RoundDecimal = -16;
    Data.RoundSelector = rsUp;
    TOptionButtonData& Options = Data.OptionButtonData();
    Options.SetTitle(1, QStringLiteral(" 前後の空白 "));
    Options.SetTitle(5, QString());
    Options.SetExpression(6, QStringLiteral("\"[]\"=;x"));
    Options.SetWidth(14, 114.0f);
    TVariableButtonData& Variables = Data.VariableButtonData();
    Variables.SetTitle(3, QStringLiteral("税率"));
    Variables.SetValue(3, QStringLiteral("１．０８"));
    Variables.SetValue(4, QStringLiteral("'quoted'"));
    Data.Write();

    const TAppData Reread = ReadBack();
    EXPECT_EQ(Reread.Left, 0);
    EXPECT_EQ(Reread.Top, -20);
    EXPECT_EQ(Reread.PanelNumber, 2);
    EXPECT_FALSE(Reread.IsScientificKey);
    EXPECT_FALSE(Reread.IsNumericKey);
    EXPECT_EQ(Reread.AnimateScientificPanelStyle, 2);
    EXPECT_EQ(Reread.AnimateNumericPanelStyle, 0);
    EXPECT_EQ(Reread.WindowScaleNumber, -12);
    EXPECT_TRUE(Reread.IsTopMost);
    EXPECT_TRUE(Reread.IsTransparency);
    EXPECT_TRUE(Reread.IsAlwaysDisplayHistoryPanel);
    EXPECT_TRUE(Reread.IsDigitGroupingSeparator);
    EXPECT_EQ(Reread.RoundDecimal, -16);
    EXPECT_EQ(Reread.RoundSelector, rsUp);
    for (int N = 1; N <= TOptionButtonData::Count; ++N) {
        SCOPED_TRACE(N);
        EXPECT_EQ(Reread.OptionButtonData().GetTitle(N), Options.GetTitle(N));
        EXPECT_EQ(Reread.OptionButtonData().GetExpression(N), Options.GetExpression(N));
        EXPECT_EQ(Reread.OptionButtonData().GetWidth(N), Options.GetWidth(N));
    }
    for (int N = 1; N <= TVariableButtonData::Count; ++N) {
        SCOPED_TRACE(N);
        EXPECT_EQ(Reread.VariableButtonData().GetTitle(N), Variables.GetTitle(N));
        EXPECT_EQ(Reread.VariableButtonData().GetValue(N), Variables.GetValue(N));
    }
    const QByteArray Bytes = ReadBytes(ProgramFile());
    EXPECT_FALSE(Bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(Bytes.contains("Title6=税抜\n"));
}

TEST_F(AppDataFileTest, AFreshFileHasTheSectionsAndKeysInTableOrder) {
    Data.Read();
    Data.Write();
    const QByteArray Bytes = ReadBytes(ProgramFile());
    EXPECT_TRUE(Bytes.startsWith("[Program]\nLeft=-1\nTop=-1\n"
                                 "[Panel]\nNumber=0\nScientific=1\nNumeric=1\nWindowScaleNumber=0\n"
                                 "[AnimateStyle]\nNumeric=1\nScientific=1\n"
                                 "[Display]\nTopMost=0\nTransparency=0\n"
                                 "AlwaysDisplayHistoryPanel=0\nGroupingSeparator=0\n"
                                 "RoundDecimal=-1\nRoundSelector=0\n"
                                 "[OptionButton]\nTitle1=\nExpression1=00\nWidth1=57\n"
                                 "Title2=\nExpression2=000\nWidth2=57\n"))
        << Bytes.constData();
    QByteArray Tail("[VariableButton]\n");
    for (int N = 1; N <= TVariableButtonData::Count; ++N)
        Tail += QStringLiteral("Title%1=V%1\nValue%1=0\n").arg(N).toUtf8();
    EXPECT_TRUE(Bytes.endsWith("Title14=\nExpression14=\nWidth14=57\n" + Tail))
        << Bytes.constData();
}

// A user who never kept the history gets the file without the key; once kept, the key stays
// as 1 or 0, at the end of "Display".
TEST_F(AppDataFileTest, KeepHistoryIsWrittenOnlyOnceTheHistoryWasKept) {
    const QByteArray DisplayEnd("RoundSelector=0\n[OptionButton]\n");
    Data.Read();
    EXPECT_FALSE(Data.IsKeepHistory);
    Data.Write();
    EXPECT_TRUE(ReadBytes(ProgramFile()).contains(DisplayEnd));
    EXPECT_FALSE(ReadBytes(ProgramFile()).contains("KeepHistory"));

    Data.IsKeepHistory = true;
    Data.Write();
    EXPECT_TRUE(
        ReadBytes(ProgramFile()).contains("RoundSelector=0\nKeepHistory=1\n[OptionButton]"));

    TAppData Next = ReadBack();
    EXPECT_TRUE(Next.IsKeepHistory);
    Next.IsKeepHistory = false;
    Next.Write();
    EXPECT_TRUE(
        ReadBytes(ProgramFile()).contains("RoundSelector=0\nKeepHistory=0\n[OptionButton]"));
    TAppData Third = ReadBack();
    EXPECT_FALSE(Third.IsKeepHistory);
    EXPECT_TRUE(Third.IsKeepHistoryUsed());
    Third.Write();
    EXPECT_TRUE(ReadBytes(ProgramFile()).contains("\nKeepHistory=0\n"));

    // Turned on and off again within one run.
    WriteBytes(ProgramFile(), "[Display]\nTopMost=1\nMine=x\n[Other]\nKey=1\n");
    TAppData OnAndOff = ReadBack();
    OnAndOff.MarkKeepHistoryUsed();
    OnAndOff.Write();
    EXPECT_TRUE(ReadBytes(ProgramFile()).contains("RoundSelector=0\nKeepHistory=0\n[Other]\n"))
        << ReadBytes(ProgramFile()).constData();
}

TEST_F(AppDataFileTest, RewritingKeepsUnknownLinesInPlaceAndCrlfEndings) {
    WriteBytes(ProgramFile(), "; my notes\r\n"
                              "[program]\r\n"
                              "LEFT = 12\r\n"
                              "Left=13\r\n"
                              "Colour=blue\r\n"
                              "\r\n"
                              "[Unknown]\r\n"
                              "Key=value\r\n");
    Data.Read();
    EXPECT_EQ(Data.Left, 12);
    Data.Left = 40;
    Data.Write();
    const QByteArray Bytes = ReadBytes(ProgramFile());
    EXPECT_TRUE(Bytes.startsWith("; my notes\r\n"
                                 "[program]\r\n"
                                 "Left=40\r\n"
                                 "Left=13\r\n"
                                 "Colour=blue\r\n"
                                 "Top=-1\r\n"
                                 "\r\n"
                                 "[Unknown]\r\n"
                                 "Key=value\r\n"
                                 "[Panel]\r\n"))
        << Bytes.constData();
    EXPECT_EQ(Bytes.count("\r\n"), Bytes.count('\n'));
}

TEST_F(AppDataFileTest, HostileFilesGiveDefaultsOrTheReadableKeys) {
    struct TCase {
        const char* Name;
        QByteArray Bytes;
        std::int32_t Left;
    };
    // clang-format off
    const TCase Cases[] = {
        {"Empty", QByteArray(), -1},
        {"BinaryGarbage", Bytes("\x00\xFF\xFE\x01[\x80]=\x00=\n"), -1},
        {"GarbageAroundAKey", Bytes("\xC3(\x00\n[Program]\n\xFF\xFF\nLeft=12\n\x01"), 12},
        {"VeryLongLineBeforeKey", QByteArray(1 << 20, '[') + "\n[Program]\nLeft=3\n", 3},
        {"LoneCarriageReturns", "[Program]\rLeft=4\r", -1},
        {"ByteOrderMark", "\xEF\xBB\xBF[Program]\r\nLeft=5\r\n", 5},
    };
    // clang-format on
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        WriteBytes(ProgramFile(), Case.Bytes);
        TAppData Reread = ReadBack();
        EXPECT_EQ(Reread.Left, Case.Left);
        EXPECT_EQ(Reread.OptionButtonData().GetTitle(6), QStringLiteral("税抜"));
        EXPECT_NO_THROW(Reread.Write());
        EXPECT_EQ(ReadBack().Left, Case.Left);
    }
}

// Two windows open at once, each a settings object that read the same file at its start.
class TwoWindowsTest : public AppDataFileTest {
protected:
    TAppData Opened() const {
        TAppData Window;
        Window.SetProgramFolder(ProgramFolder());
        Window.Read();
        return Window;
    }
};

// Each window writes what it changed into the file as the other left it; a setting both changed
// is the last one's.
TEST_F(TwoWindowsTest, EachKeepsWhatTheOtherChanged) {
    WriteBytes(ProgramFile(), "; kept\n[Program]\nLeft=10\n[Mine]\nColour=blue\n");
    Data.Read();
    Data.Write();
    TAppData First = Opened();
    TAppData Second = Opened();
    First.IsTopMost = true;
    First.IsKeepHistory = true;
    First.Left = 100;
    First.OptionButtonData().SetTitle(5, QStringLiteral("込み"));
    First.Write();
    Second.RoundDecimal = 2;
    Second.Left = 200;
    Second.OptionButtonData().SetExpression(5, QStringLiteral("[]*1.1="));
    Second.VariableButtonData().SetValue(3, QStringLiteral("7"));
    Second.Write();

    const TAppData Both = ReadBack();
    EXPECT_TRUE(Both.IsTopMost);
    EXPECT_TRUE(Both.IsKeepHistory) << "the other never kept the history: it writes no key";
    EXPECT_EQ(Both.RoundDecimal, 2);
    EXPECT_EQ(Both.Left, 200);
    EXPECT_EQ(Both.OptionButtonData().GetTitle(5), QStringLiteral("込み"));
    EXPECT_EQ(Both.OptionButtonData().GetExpression(5), QStringLiteral("[]*1.1="));
    EXPECT_EQ(Both.VariableButtonData().GetValue(3), QStringLiteral("7"));
    const QByteArray Bytes = ReadBytes(ProgramFile());
    EXPECT_TRUE(Bytes.startsWith("; kept\n[Program]\nLeft=200\n")) << Bytes.constData();
    EXPECT_TRUE(Bytes.contains("[Mine]\nColour=blue\n")) << Bytes.constData();
}

TEST_F(TwoWindowsTest, AnUnchangedRunLeavesTheOthersFileAlone) {
    Data.Read();
    Data.Write();
    const TAppData Unchanged = Opened();
    TAppData Other = Opened();
    Other.IsDigitGroupingSeparator = true;
    Other.OptionButtonData().SetWidth(3, 114.0f);
    Other.Write();
    const QByteArray Written = ReadBytes(ProgramFile());
    Unchanged.Write();
    EXPECT_EQ(ReadBytes(ProgramFile()), Written);
}

// With no file at either start, the first to close writes it whole and the other merges into it.
TEST_F(TwoWindowsTest, TheFirstToCloseCreatesTheFileTheOtherMerges) {
    TAppData First = Opened();
    TAppData Second = Opened();
    First.WindowScaleNumber = 3;
    First.Write();
    Second.PanelNumber = 2;
    Second.Write();
    const TAppData Both = ReadBack();
    EXPECT_EQ(Both.WindowScaleNumber, 3);
    EXPECT_EQ(Both.PanelNumber, 2);
}

// A key the file lacks is written whatever its value, so the file keeps every setting; one that
// is present and unchanged keeps its text, even one that did not read.
TEST_F(TwoWindowsTest, MissingKeysAreFilledInAndUnchangedOnesKeepTheirText) {
    WriteBytes(ProgramFile(), "[Display]\nTopMost=yes\nRoundDecimal=0x3\n");
    Opened().Write();
    const QByteArray Bytes = ReadBytes(ProgramFile());
    EXPECT_TRUE(Bytes.startsWith("[Display]\nTopMost=yes\nRoundDecimal=0x3\nTransparency=0\n"))
        << Bytes.constData();
    EXPECT_TRUE(Bytes.contains("[Program]\nLeft=-1\nTop=-1\n")) << Bytes.constData();
    EXPECT_TRUE(Bytes.contains("Title14=\nExpression14=\nWidth14=57\n")) << Bytes.constData();
}

// A file-size limit makes every write past it fail, as a full disk would, even for root.
TEST_F(AppDataFileTest, AFailedWriteLeavesTheOldFileIntact) {
    const QByteArray Old("[Program]\nLeft=5\n");
    WriteBytes(ProgramFile(), Old);
    Data.Read();
    Data.Left = 99;

    rlimit Saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Saved), 0);
    rlimit Small = Saved;
    Small.rlim_cur = 64;
    const auto SavedHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
    EXPECT_THROW(Data.Write(), EIniFileWriteError);
    setrlimit(RLIMIT_FSIZE, &Saved);
    std::signal(SIGXFSZ, SavedHandler);

    EXPECT_EQ(ReadBytes(ProgramFile()), Old);
    EXPECT_EQ(QDir(ProgramFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Zemtrix.ini"});
}

// clang-format on