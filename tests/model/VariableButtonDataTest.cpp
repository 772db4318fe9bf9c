// The set of six variables: names and value texts, numbered 1 to 6.
#include "model/VariableButtonData.h"

#include <gtest/gtest.h>

#include <stdexcept>

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

TEST(VariableButtonDataTest, NumbersOutsideTheirRangeThrow) {
    TVariableButtonData Variables;
    for (int Bad : {0, TVariableButtonData::Count + 1}) {
        SCOPED_TRACE(Bad);
        EXPECT_THROW(Variables.GetValue(Bad), std::out_of_range);
        EXPECT_THROW(Variables.SetTitle(Bad, QString()), std::out_of_range);
    }
    EXPECT_NO_THROW(Variables.GetTitle(TVariableButtonData::Count));
}
