#include "model/IniFile.h"

#include "FileTestSupport.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

TIniFile Parse(const char* Utf8) { return TIniFile::FromBytes(QByteArray(Utf8)); }

QByteArray Utf16WithMark(const QString& Text, bool IsBigEndian) {
    QByteArray Bytes;
    for (const QChar C : u"\uFEFF"_qs + Text) {
        const char High = char(C.unicode() >> 8);
        const char Low = char(C.unicode() & 0xFF);
        Bytes += IsBigEndian ? High : Low;
        Bytes += IsBigEndian ? Low : High;
    }
    return Bytes;
}

struct TLookupCase {
    const char* Name;
    const char* File;
    const char* Section;
    const char* Key;
    std::optional<const char*> Expected;
};

// clang-format off
const TLookupCase LookupCases[] = {
    {"ExactMatch", "[Program]\nLeft=5\n", "Program", "Left", "5"},
    {"CaseInsensitiveNames", "[PROGRAM]\nlEFT=5\n", "Program", "Left", "5"},
    {"NonAsciiLettersDoNotFold", "[S]\nÄ=1\n", "S", "ä", std::nullopt},
    {"BlanksAroundKeyAndValueTrimmed", "  [ Program ]  \n \tLeft \t=  5 \t\n", "Program", "Left",
     "5"},
    {"ValueIsAfterFirstEquals", "[S]\nK=a=b\n", "S", "K", "a=b"},
    {"FirstOfRepeatedKeys", "[S]\nK=1\nK=2\n", "S", "K", "1"},
    {"KeyInRepeatedSection", "[S]\nA=1\n[T]\nK=0\n[s]\nK=2\n", "S", "K", "2"},
    {"FirstOfKeysApart", "[S]\nK=1\nJ=0\nk=2\n", "S", "K", "1"},
    {"FirstOfKeysInRepeatedSection", "[S]\nK=1\n[T]\n[s]\nK=2\n", "S", "K", "1"},
    {"PresentButEmpty", "[S]\nK=\n", "S", "K", ""},
    {"MissingKey", "[S]\nOther=1\n", "S", "K", std::nullopt},
    {"KeyInAnotherSection", "[T]\nK=1\n[S]\n", "S", "K", std::nullopt},
    {"KeyBeforeAnySection", "K=1\n[S]\n", "S", "K", std::nullopt},
    {"CommentIsNoKey", "[S]\n;K=1\n", "S", "K", std::nullopt},
    {"LineWithoutEquals", "[S]\nK\n", "S", "K", std::nullopt},
    {"EnclosingQuotesRemoved", "[S]\nK=\" a \"\n", "S", "K", " a "},
    {"SingleQuotesRemoved", "[S]\nK='x'\n", "S", "K", "x"},
    {"UnmatchedQuotesKept", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
    {"CrlfEndings", "[S]\r\nK=5\r\n", "S", "K", "5"},
    {"ByteOrderMarkAccepted", "\xEF\xBB\xBF[S]\nK=5", "S", "K", "5"},
    {"SectionWithoutClosingBracket", "[S\nK=5\n", "S", "K", "5"},
    {"Utf8Value", "[S]\nK=税込\n", "S", "K", "税込"},
};
// clang-format on

class IniLookupTest : public testing::TestWithParam<TLookupCase> {};

} // namespace

TEST_P(IniLookupTest, FindsTheValueAClassicProfileReaderWould) {
    const TLookupCase& Case = GetParam();
    const std::optional<QString> Value =
        Parse(Case.File).ReadString(QString::fromUtf8(Case.Section), QString::fromUtf8(Case.Key));
    ASSERT_EQ(Value.has_value(), Case.Expected.has_value());
    if (Value) {
        EXPECT_EQ(*Value, QString::fromUtf8(*Case.Expected));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, IniLookupTest, testing::ValuesIn(LookupCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(IniFileTest, WritesInPlaceAndKeepsEveryOtherByte) {
    const QByteArray Original("; hand-written\r\n"
                              "[Program]\r\n"
                              "left = 7\r\n"
                              "junk \xFF\xFE no equals\r\n"
                              "\r\n"
                              "[Mine]\r\n"
                              "Keep=  spaced  \r\n"
                              "[Program]\r\n"
                              "Left=second\r\n");
    TIniFile Ini = TIniFile::FromBytes(Original);
    Ini.WriteString("Program", "Left", "10");
    Ini.WriteString("PROGRAM", "Top", "20");
    Ini.WriteString("Display", "TopMost", "1");
    // The new "Top" goes after the last non-blank line of the first "Program" section.
    EXPECT_EQ(Ini.ToBytes(), QByteArray("; hand-written\r\n"
                                        "[Program]\r\n"
                                        "Left=10\r\n"
                                        "junk \xFF\xFE no equals\r\n"
                                        "Top=20\r\n"
                                        "\r\n"
                                        "[Mine]\r\n"
                                        "Keep=  spaced  \r\n"
                                        "[Program]\r\n"
                                        "Left=second\r\n"
                                        "[Display]\r\n"
                                        "TopMost=1\r\n"));
}

TEST(IniFileTest, AppendsAfterALastLineWithoutEnding) {
    TIniFile Ini = Parse("[S]\nA=1");
    Ini.WriteString("S", "B", "2");
    Ini.WriteString("T", "C", "3");
    EXPECT_EQ(Ini.ToBytes(), QByteArray("[S]\nA=1\nB=2\n[T]\nC=3\n"));

    TIniFile Untouched = Parse("[S]\nA=1");
    Untouched.WriteString("s", "a", "9");
    EXPECT_EQ(Untouched.ToBytes(), QByteArray("[S]\na=9"));

    // A CR at the very end belongs to the last value; the line added after it must not take it.
    TIniFile EndsWithCr = Parse("[S]\nA=x\r");
    ASSERT_EQ(EndsWithCr.ReadString("S", "A"), u"x\r"_qs);
    EndsWithCr.WriteString("S", "B", "2");
    EXPECT_EQ(Parse(EndsWithCr.ToBytes()).ReadString("S", "A"), u"x\r"_qs);
}

TEST(IniFileTest, FreshDocumentUsesLfAndUtf8WithoutBomAndAMarkedFileKeepsItsMark) {
    TIniFile Fresh;
    Fresh.WriteString("OptionButton", "Title5", QStringLiteral("税込"));
    EXPECT_EQ(Fresh.ToBytes(), QByteArray("[OptionButton]\nTitle5=税込\n"));

    TIniFile Marked = TIniFile::FromBytes(Utf8Bom);
    Marked.WriteString("OptionButton", "Title5", QStringLiteral("税込"));
    EXPECT_EQ(Marked.ToBytes(), Utf8Bom + "[OptionButton]\nTitle5=税込\n");
}

// Written by a buggy tool or by concatenating files; before, the second mark made the first
// section header unreadable, and each rewrite dropped one mark and read different settings.
TEST(IniFileTest, ARunOfByteOrderMarksReadsAsOneAndIsWrittenAsOne) {
    for (int Marks = 1; Marks <= 3; ++Marks) {
        SCOPED_TRACE(Marks);
        TIniFile Ini = TIniFile::FromBytes(Utf8Bom.repeated(Marks) + "[Program]\nLeft=5\n");
        EXPECT_EQ(Ini.ReadString("Program", "Left"), QStringLiteral("5"));
        Ini.WriteString("Program", "Top", "1");
        const QByteArray Written = Ini.ToBytes();
        EXPECT_EQ(Written, Utf8Bom + "[Program]\nLeft=5\nTop=1\n");
        TIniFile Reread = TIniFile::FromBytes(Written);
        EXPECT_EQ(Reread.ReadString("Program", "Left"), QStringLiteral("5"));
        Reread.WriteString("Program", "Top", "1");
        EXPECT_EQ(Reread.ToBytes(), Written);
    }
}

// Some editors save UTF-16 with a byte-order mark. The whole file is written back as UTF-8,
// never UTF-8 lines after UTF-16 ones.
TEST(IniFileTest, Utf16FilesAreReadAndRewrittenAsUtf8) {
    // The emoji of the last line straddles the boundary of the pieces the text is decoded in.
    const QString Head = u"[Program]\r\nLeft=5\r\n[OptionButton]\r\nTitle5=税込\r\n[Long]\r\nK="_qs;
    const QString LongValue = QString(32767 - Head.size(), u'a') + u"😀"_qs;
    const QString Text = Head + LongValue + u"\r\n"_qs;
    ASSERT_TRUE(Text[32767].isHighSurrogate());
    for (const bool IsBigEndian : {false, true}) {
        SCOPED_TRACE(IsBigEndian ? "big endian" : "little endian");
        TIniFile Ini = TIniFile::FromBytes(Utf16WithMark(Text, IsBigEndian));
        EXPECT_EQ(Ini.ReadString("Program", "Left"), QStringLiteral("5"));
        EXPECT_EQ(Ini.ReadString("OptionButton", "Title5"), QStringLiteral("税込"));
        EXPECT_EQ(Ini.ReadString("Long", "K"), LongValue);
        Ini.WriteString("Program", "Top", "7");
        QString Expected = Text;
        Expected.insert(Text.indexOf(u"[OptionButton]"), u"Top=7\r\n");
        EXPECT_EQ(Ini.ToBytes(), Expected.toUtf8());
    }
}

TEST(IniFileTest, AddedLinesKeepTheirPlacesWhateverTheWritingOrder) {
    TIniFile Ini = Parse("[A]\nx=1\n\n[B]\ny=2");
    Ini.WriteString("New1", "a", "1");
    Ini.WriteString("B", "z", "3");
    Ini.WriteString("New2", "b", "2");
    Ini.WriteString("A", "w", "4");
    Ini.WriteString("New1", "c", "5");
    Ini.WriteString("A", "v", "6");
    Ini.WriteString("new1", "A", "7");
    Ini.WriteString("b", "Y", "8");
    Ini.WriteString("a", "W", "9");
    EXPECT_EQ(Ini.ToBytes(), QByteArray("[A]\nx=1\nW=9\nv=6\n\n"
                                        "[B]\nY=8\nz=3\n"
                                        "[New1]\nA=7\nc=5\n"
                                        "[New2]\nb=2\n"));
    const std::pair<const char*, const char*> Keys[] = {{"a", "x"}, {"A", "w"},    {"B", "y"},
                                                        {"B", "z"}, {"NEW1", "a"}, {"New2", "B"}};
    for (const auto& [Section, Key] : Keys)
        EXPECT_EQ(Ini.ReadString(Section, Key),
                  TIniFile::FromBytes(Ini.ToBytes()).ReadString(Section, Key))
            << Section << "/" << Key;
    EXPECT_EQ(Ini.ReadString("A", "w"), QStringLiteral("9"));
}

TEST(IniFileTest, NamesThatWouldNotReadBackAreNotWritten) {
    // clang-format off
    const std::pair<QString, QString> Names[] = {
        {"S", ""},
        {"S", "a=b"},
        {"S", "[k"},
        {"S", ";k"},
        {"S", " k"},
        {"S", "k\t"},
        {"S", "k\nL"},
        {"a]b", "K"},
        {" S", "K"},
        {"S\n[T", "K"},
        {"S", QString(QChar(0xD800))},
    };
    // clang-format on
    for (const auto& [Section, Key] : Names) {
        TIniFile Ini = Parse("[S]\nK=1\n");
        Ini.WriteString(Section, Key, "2");
        EXPECT_EQ(Ini.ToBytes(), QByteArray("[S]\nK=1\n"))
            << Section.toStdString() << "/" << Key.toStdString();
    }
}

TEST(IniFileTest, WrittenValuesReadBackUnchangedExceptLineBreaks) {
    struct TCase {
        const char* Name;
        const char* Written;
        const char* ReadBack;
    };
    // clang-format off
    const TCase Cases[] = {
        {"Empty", "", ""},
        {"LeadingAndTrailingBlanks", " a\t", " a\t"},
        {"OnlyBlanks", "  ", "  "},
        {"LooksQuoted", "\"q\"", "\"q\""},
        {"SingleQuoteChar", "'", "'"},
        {"TwoQuotes", "''", "''"},
        {"EqualsInside", "x=y", "x=y"},
        {"Japanese", "税抜　", "税抜　"},
        {"LineBreaksBecomeBlanks", "a\r\nb\nc\r", "a  b c "},
        {"ByteOrderMarksFirst", "\xEF\xBB\xBF\xEF\xBB\xBFx", "\xEF\xBB\xBF\xEF\xBB\xBFx"},
    };
    // clang-format on
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TIniFile Ini;
        Ini.WriteString("S", "K", QString::fromUtf8(Case.Written));
        const TIniFile Reread = TIniFile::FromBytes(Ini.ToBytes());
        EXPECT_EQ(Reread.ReadString("S", "K"), QString::fromUtf8(Case.ReadBack));
    }
}

TEST(IniFileTest, ALineBreakInAValueCannotInjectAKey) {
    TIniFile Ini;
    Ini.WriteString("Program", "Title", "x\n[Display]\nTopMost=1\rLeft=99");
    const TIniFile Reread = TIniFile::FromBytes(Ini.ToBytes());
    EXPECT_EQ(Reread.ReadString("Display", "TopMost"), std::nullopt);
    EXPECT_EQ(Reread.ReadString("Program", "Left"), std::nullopt);
    EXPECT_EQ(Ini.ToBytes().count('\n'), 2);
}

TEST(IniFileTest, LoadNeverCreatesAndRejectsWhatIsNoFile) {
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QString Missing = Dir.filePath("sub/Zemtrix.ini");
    const std::optional<TIniFile> Empty = TIniFile::Load(Missing);
    ASSERT_TRUE(Empty.has_value());
    EXPECT_TRUE(Empty->ToBytes().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Missing));
    EXPECT_FALSE(QFileInfo::exists(Dir.filePath("sub")));

    ASSERT_TRUE(QDir(Dir.path()).mkdir("Folder.ini"));
    EXPECT_EQ(TIniFile::Load(Dir.filePath("Folder.ini")), std::nullopt);
}

namespace {

// The settings file in a folder the user may not add files to.
class IniSaveTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        ASSERT_TRUE(SetMode(Dir.path(), 0755)); // the unprivileged child must reach the folder
        ASSERT_TRUE(QDir(Dir.path()).mkdir("locked"));
    }
    void TearDown() override { SetMode(Folder(), 0755); }

    QString Folder() const { return Dir.filePath("locked"); }
    QString FileName() const { return Dir.filePath("locked/Zemtrix.ini"); }
    void CreateLocked(const QByteArray& Bytes, int FileMode) {
        WriteBytes(FileName(), Bytes);
        ASSERT_TRUE(SetMode(FileName(), FileMode));
        ASSERT_TRUE(SetMode(Folder(), 0555));
    }
    QStringList FolderEntries() const {
        return QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir Dir;
};

bool FailsWithMessage(const TIniFile& Ini, const QString& FileName) {
    try {
        Ini.Save(FileName);
        return false;
    } catch (const EIniFileWriteError& Error) {
        return Error.Message() == u"Cannot write "_qs + FileName;
    }
}

} // namespace

TEST_F(IniSaveTest, AWritableFileInAReadOnlyFolderIsRewrittenInPlaceKeepingItsMode) {
    CreateLocked("[Program]\nLeft=5\n; a comment long enough to make the first rewrite shorter\n",
                 0666);
    for (const QString& Value : {QStringLiteral("1"), QString(300, u'x')}) {
        SCOPED_TRACE(Value.size());
        TIniFile Ini = *TIniFile::Load(FileName());
        Ini.WriteString("Program", "Left", Value);
        Ini.WriteString("Program", "Top", Value);
        EXPECT_TRUE(InUnprivilegedChild([&] {
            Ini.Save(FileName());
            return true;
        }));
        EXPECT_EQ(ReadBytes(FileName()), Ini.ToBytes());
        EXPECT_EQ(ModeOf(FileName()), 0666);
        EXPECT_EQ(FolderEntries(), QStringList{"Zemtrix.ini"});
    }
}

TEST_F(IniSaveTest, AFileTheUserCannotWriteFailsWithItsPathAndStaysUntouched) {
    const QByteArray Old("[Program]\nLeft=5\n");
    CreateLocked(Old, 0444);
    TIniFile Ini = TIniFile::FromBytes(Old);
    Ini.WriteString("Program", "Left", "6");
    EXPECT_TRUE(InUnprivilegedChild([&] { return FailsWithMessage(Ini, FileName()); }));
    EXPECT_EQ(ReadBytes(FileName()), Old);
    EXPECT_EQ(ModeOf(FileName()), 0444);
}

// A size limit fails every write past it, as a full disk would: the space is reserved before
// the first byte changes, so nothing of the old file is lost.
TEST_F(IniSaveTest, AFullDiskWhileRewritingInPlaceLeavesTheOldFile) {
    const QByteArray Old("[Program]\nLeft=5\n");
    CreateLocked(Old, 0666);
    TIniFile Ini = TIniFile::FromBytes(Old);
    Ini.WriteString("Program", "Left", QString(200, u'x'));
    EXPECT_TRUE(InUnprivilegedChild([&] {
        LimitFileSize(rlim_t(Old.size()) + 16);
        return FailsWithMessage(Ini, FileName());
    }));
    EXPECT_EQ(ReadBytes(FileName()), Old);
    EXPECT_EQ(FolderEntries(), QStringList{"Zemtrix.ini"});
}

// clang-format on