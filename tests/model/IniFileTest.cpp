#include "model/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

TIniFile Parse(const char* Utf8) {
    return TIniFile::FromBytes(QByteArray(Utf8));
}

struct TLookupCase {
    const char* Name;
    const char* File;
    const char* Section;
    const char* Key;
    std::optional<const char*> Expected;
};

const TLookupCase LookupCases[] = {
    {"ExactMatch", "[Program]\nLeft=5\n", "Program", "Left", "5"},
    {"CaseInsensitiveNames", "[PROGRAM]\nlEFT=5\n", "Program", "Left", "5"},
    {"NonAsciiLettersDoNotFold", "[S]\nÄ=1\n", "S", "ä", std::nullopt},
    {"BlanksAroundKeyAndValueTrimmed", "  [ Program ]  \n \tLeft \t=  5 \t\n", "Program", "Left",
     "5"},
    {"ValueIsAfterFirstEquals", "[S]\nK=a=b\n", "S", "K", "a=b"},
    {"FirstOfRepeatedKeys", "[S]\nK=1\nK=2\n", "S", "K", "1"},
    {"KeyInRepeatedSection", "[S]\nA=1\n[T]\nK=0\n[s]\nK=2\n", "S", "K", "2"},
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
}

TEST(IniFileTest, FreshDocumentUsesLfAndUtf8WithoutBom) {
    TIniFile Ini = TIniFile::FromBytes(QByteArray("\xEF\xBB\xBF"));
    Ini.WriteString("OptionButton", "Title5", QStringLiteral("税込"));
    EXPECT_EQ(Ini.ToBytes(), QByteArray("[OptionButton]\nTitle5=税込\n"));
}

TEST(IniFileTest, WrittenValuesReadBackUnchangedExceptLineBreaks) {
    struct TCase {
        const char* Name;
        const char* Written;
        const char* ReadBack;
    };
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
    };
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
