// The "title:expression" text of an option button's edit field, both ways.
#include "model/OptionEditLine.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionEditLineTest, ReadsTitleAndExpressionWithEitherColon) {
    struct Case {
        QString Line;
        QString Title;
        QString Expression;
        QString Caption;
    };
    // clang-format off
    const Case cases[] = {
        {u"税込：[]*1.08@DP0="_qs, u"税込"_qs, u"[]*1.08@DP0="_qs, u"税込"_qs},
        {u"a:b:c"_qs, u"a"_qs, u"b"_qs, u"a"_qs},
        {u":5"_qs, {}, u"5"_qs, u"5"_qs},
        {u"abc:"_qs, u"abc"_qs, {}, u"abc"_qs},
        {{}, {}, {}, {}},
        {u"000"_qs, {}, u"000"_qs, u"000"_qs},
        {u"x：y:z"_qs, u"x：y"_qs, u"z"_qs, u"x：y"_qs}, // the half-width colon wins
        {u"：："_qs, {}, {}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const TOptionEditLine line = ReadOptionEditText(c.Line);
        EXPECT_EQ(line.Title, c.Title) << c.Line.toStdString();
        EXPECT_EQ(line.Expression, c.Expression) << c.Line.toStdString();
        EXPECT_EQ(OptionCaption(line.Title, line.Expression), c.Caption) << c.Line.toStdString();
    }
    EXPECT_EQ(OptionEditText(u"税込"_qs, u"[]*1.08@DP0="_qs), u"税込:[]*1.08@DP0="_qs);
    EXPECT_EQ(OptionEditText({}, u"5"_qs), u"5"_qs);
    EXPECT_EQ(OptionEditText(u"abc"_qs, {}), u"abc:"_qs);
}

} // namespace
