// The set of fourteen option buttons: titles, command strings and widths, numbered 1 to 14.
#include "model/OptionButtonData.h"

#include <gtest/gtest.h>

#include <stdexcept>

// What the shipped buttons do is tested through the window, where they are clicked.
TEST(OptionButtonDataTest, EveryButtonStartsAtTheDesignWidth) {
    const TOptionButtonData Data;
    for (int N = 1; N <= TOptionButtonData::Count; ++N)
        EXPECT_EQ(Data.GetWidth(N), TOptionButtonData::DesignWidth) << N;
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

TEST(OptionButtonDataTest, NumbersOutsideTheirRangeThrow) {
    TOptionButtonData Options;
    for (int Bad : {0, -1, TOptionButtonData::Count + 1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(Bad);
        EXPECT_THROW(Options.GetTitle(Bad), std::out_of_range);
        EXPECT_THROW(Options.SetExpression(Bad, QString()), std::out_of_range);
        EXPECT_THROW(Options.SetWidth(Bad, 1.0f), std::out_of_range);
    }
    EXPECT_NO_THROW(Options.GetWidth(TOptionButtonData::Count));
}
