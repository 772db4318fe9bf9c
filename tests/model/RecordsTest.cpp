#include "model/ExpressionHistory.h"
#include "model/OptionButtonData.h"
#include "model/VariableButtonData.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ExpressionHistoryTest, StartsEmptyWithNormalFormatAndKeepsWhatIsSet) {
    TExpressionHistory Entry;
    EXPECT_TRUE(Entry.Expression().isEmpty());
    EXPECT_EQ(Entry.ResultValue(), 0.0L);
    EXPECT_EQ(Entry.RoundDecimal(), -1);
    EXPECT_FALSE(Entry.IsPercent());

    // A value that only 80-bit precision holds must survive unchanged.
    const long double Precise = 1.0L + 1.0L / (1ULL << 62);
    Entry.SetExpression(QStringLiteral("1+１"));
    Entry.SetResultValue(Precise);
    Entry.SetRoundDecimal(-16);
    Entry.SetIsPercent(true);
    EXPECT_EQ(Entry.Expression(), QStringLiteral("1+１"));
    EXPECT_EQ(Entry.ResultValue(), Precise);
    EXPECT_EQ(Entry.RoundDecimal(), -16);
    EXPECT_TRUE(Entry.IsPercent());
}

TEST(OptionButtonDataTest, DefaultsMatchTheShippedButtons) {
    struct TSlot {
        const char* Title;
        const char* Expression;
    };
    const TSlot Expected[TOptionButtonData::Count] = {
        {"", "00"},
        {"", "000"},
        {"", ""},
        {"", ""},
        {"税込", "[]*1.08@DP0="},
        {"税抜", "[]/1.08@DP0="},
        {"税額", "[]*0.08@DP0="},
        {"", ""},
        {"", ""},
        {"5/4", "@RS54="},
        {"CUT", "@RSCUT="},
        {"UP", "@RSUP="},
        {"", ""},
        {"", ""},
    };
    const TOptionButtonData Data;
    for (int N = 1; N <= TOptionButtonData::Count; ++N) {
        SCOPED_TRACE(N);
        EXPECT_EQ(Data.GetTitle(N), QString::fromUtf8(Expected[N - 1].Title));
        EXPECT_EQ(Data.GetExpression(N), QString::fromUtf8(Expected[N - 1].Expression));
        EXPECT_EQ(Data.GetWidth(N), 57.0f);
    }
}

TEST(OptionButtonDataTest, AssignCopiesClearedTitlesAndExactWidths) {
    TOptionButtonData Source;
    Source.SetTitle(5, QString());
    Source.SetExpression(1, QString());
    Source.SetTitle(14, QStringLiteral("最後"));
    Source.SetWidth(3, 57.3f);
    Source.SetWidth(14, 1e-7f);

    TOptionButtonData Target;
    Target.SetTitle(2, QStringLiteral("stale"));
    Target.Assign(Source);
    for (int N = 1; N <= TOptionButtonData::Count; ++N) {
        SCOPED_TRACE(N);
        EXPECT_EQ(Target.GetTitle(N), Source.GetTitle(N));
        EXPECT_EQ(Target.GetExpression(N), Source.GetExpression(N));
        EXPECT_EQ(Target.GetWidth(N), Source.GetWidth(N));
    }
    EXPECT_TRUE(Target.GetTitle(5).isEmpty());
    EXPECT_EQ(Target.GetWidth(3), 57.3f);
}

TEST(VariableButtonDataTest, DefaultsAreV1ToV6WithZero) {
    const TVariableButtonData Data;
    for (int N = 1; N <= TVariableButtonData::Count; ++N) {
        SCOPED_TRACE(N);
        EXPECT_EQ(Data.GetTitle(N), QStringLiteral("V%1").arg(N));
        EXPECT_EQ(Data.GetValue(N), QStringLiteral("0"));
    }
}

TEST(VariableButtonDataTest, AssignCopiesEveryNameAndValue) {
    TVariableButtonData Source;
    Source.SetTitle(1, QStringLiteral("税率"));
    Source.SetValue(1, QStringLiteral("１．０８"));
    Source.SetValue(6, QString());
    TVariableButtonData Target;
    Target.SetTitle(4, QStringLiteral("stale"));
    Target.Assign(Source);
    for (int N = 1; N <= TVariableButtonData::Count; ++N) {
        SCOPED_TRACE(N);
        EXPECT_EQ(Target.GetTitle(N), Source.GetTitle(N));
        EXPECT_EQ(Target.GetValue(N), Source.GetValue(N));
    }
}

TEST(RecordAccessorsTest, NumbersOutsideTheirRangeThrow) {
    TOptionButtonData Options;
    TVariableButtonData Variables;
    for (int Bad : {0, -1, TOptionButtonData::Count + 1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(Bad);
        EXPECT_THROW(Options.GetTitle(Bad), std::out_of_range);
        EXPECT_THROW(Options.SetExpression(Bad, QString()), std::out_of_range);
        EXPECT_THROW(Options.SetWidth(Bad, 1.0f), std::out_of_range);
    }
    for (int Bad : {0, TVariableButtonData::Count + 1}) {
        SCOPED_TRACE(Bad);
        EXPECT_THROW(Variables.GetValue(Bad), std::out_of_range);
        EXPECT_THROW(Variables.SetTitle(Bad, QString()), std::out_of_range);
    }
    EXPECT_NO_THROW(Options.GetWidth(TOptionButtonData::Count));
    EXPECT_NO_THROW(Variables.GetTitle(TVariableButtonData::Count));
}
