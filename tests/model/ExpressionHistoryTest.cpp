// A history entry: formula, exact result and the display format it was evaluated under.
#include "model/ExpressionHistory.h"

#include <gtest/gtest.h>

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
