// The option page's pure logic: the string splitter, the edit-line text and the row re-flow.
#include "QtPrinters.h"
#include "model/Func.h"
#include "model/OptionButtonRow.h"
#include "model/OptionEditLine.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(SplitTextTest, SplitsAtEveryDelimiterAndKeepsEmptyParts) {
    struct Case {
        QString Text;
        QString Delimiter;
        QStringList Parts;
    };
    // clang-format off
    const Case cases[] = {
        {u"a:b"_qs, u":"_qs, {u"a"_qs, u"b"_qs}},
        {u"a::b"_qs, u":"_qs, {u"a"_qs, {}, u"b"_qs}},
        {u":"_qs, u":"_qs, {{}, {}}},
        {u"abc"_qs, u":"_qs, {u"abc"_qs}},
        {{}, u":"_qs, {{}}},
        {u"税込：[]*1.08@DP0="_qs, u"："_qs, {u"税込"_qs, u"[]*1.08@DP0="_qs}},
        {u"1<>2<>"_qs, u"<>"_qs, {u"1"_qs, u"2"_qs, {}}},
        {u"a:b"_qs, {}, {u"a:b"_qs}},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::array<QString, 8> parts;
        const int count = SplitText(c.Text, c.Delimiter, parts);
        ASSERT_EQ(count, c.Parts.size()) << c.Text.toStdString();
        EXPECT_EQ(QStringList(parts.begin(), parts.begin() + count), c.Parts)
            << c.Text.toStdString();
    }
}

TEST(SplitTextTest, MorePartsThanEntriesLeaveTheRestInTheLastEntry) {
    std::array<QString, 3> parts;
    EXPECT_EQ(SplitText(u"a:b:c:d:e"_qs, u":"_qs, parts), 3);
    EXPECT_EQ(parts[2], u"c:d:e"_qs);
    EXPECT_EQ(SplitText(u"a:b"_qs, u":"_qs, std::span<QString>()), 0);
    const QString colons(1000, u':');
    std::array<QString, 256> many;
    EXPECT_EQ(SplitText(colons, u":"_qs, many), 256);
    EXPECT_EQ(many[255], QString(745, u':'));
}

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

using namespace OptionButtonRow;

constexpr int kRightEdge = GridRightEdge(16);

TEST(OptionButtonRowTest, WidthCyclesOneColumnAtATimeAndResetsAtTheEdge) {
    struct Case {
        const char* Name;
        int X;
        int Width;
        std::vector<int> Widths; // after each double-click; the last one is the reset
    };
    // clang-format off
    const Case cases[] = {
        {"column 0", 16, 57, {121, 185, 249, 313, 57}},
        {"column 1", 80, 57, {121, 185, 249, 57}},
        {"column 4 is already at the edge", 272, 57, {57}},
        {"a hand-edited width stops short of the edge", 16, 100, {164, 228, 292, 57}},
        {"a width already past the edge", 80, 313, {57}},
    };
    // clang-format on
    EXPECT_EQ(kRightEdge, 329);
    for (const Case& c : cases) {
        int width = c.Width;
        for (std::size_t i = 0; i < c.Widths.size(); ++i) {
            const TWidthStep step = NextOptionButtonWidth(c.X, width, kRightEdge);
            EXPECT_EQ(step.Width, c.Widths[i]) << c.Name << ", click " << i + 1;
            EXPECT_EQ(step.IsReset, i + 1 == c.Widths.size()) << c.Name << ", click " << i + 1;
            width = step.Width;
        }
    }
}

TRow RowOfWidths(std::initializer_list<int> AWidths) {
    TRow row;
    int x = 16;
    for (int width : AWidths) {
        row.push_back({x, width, true});
        x += ColumnPitch;
    }
    return row;
}

std::string Shown(const TRow& ARow) {
    std::string text;
    for (const TCell& cell : ARow) text += cell.IsVisible ? std::to_string(cell.Width) + " " : "- ";
    return text;
}

TEST(OptionButtonRowTest, AWiderButtonHidesTheButtonsItCovers) {
    struct Case {
        const char* Name;
        TRow Row;
        std::size_t Changed;
        std::string Expected;
    };
    TRow hiddenChanged = RowOfWidths({57, 121, 57, 57, 57});
    hiddenChanged[1].IsVisible = false;
    // clang-format off
    const Case cases[] = {
        {"one more column", RowOfWidths({121, 57, 57, 57, 57}), 0, "121 - 57 57 57 "},
        {"the whole row", RowOfWidths({313, 57, 57, 57, 57}), 0, "313 - - - - "},
        {"a covered wide button narrows and covers nothing", RowOfWidths({121, 185, 57, 57, 57}), 0,
         "121 - 57 57 57 "},
        {"two wide buttons side by side", RowOfWidths({57, 121, 57, 121, 57}), 3,
         "57 121 - 121 - "},
        {"the last column covers nothing", RowOfWidths({57, 57, 57, 57, 121}), 4,
         "57 57 57 57 121 "},
        {"a hidden button changes nothing", hiddenChanged, 1, "57 - 57 57 57 "},
    };
    // clang-format on
    for (const Case& c : cases) {
        TRow row = c.Row;
        ArrangeOptionButtonRow(row, c.Changed);
        EXPECT_EQ(Shown(row), c.Expected) << c.Name;
    }
}

TEST(OptionButtonRowTest, ResetShowsTheButtonsRightOfTheNarrowedButton) {
    TRow row = RowOfWidths({313, 57, 57, 57, 57});
    ArrangeOptionButtonRow(row, 0);
    ASSERT_EQ(Shown(row), "313 - - - - ");
    row[0].Width = KeyWidth;
    ShowUncoveredOptionButtons(row, KeyWidth, row[0].X);
    EXPECT_EQ(Shown(row), "57 57 57 57 57 ");

    TRow middle = RowOfWidths({57, 57, 185, 57, 57});
    ArrangeOptionButtonRow(middle, 2);
    ASSERT_EQ(Shown(middle), "57 57 185 - - ");
    middle[2].Width = KeyWidth;
    ShowUncoveredOptionButtons(middle, KeyWidth, middle[2].X);
    EXPECT_EQ(Shown(middle), "57 57 57 57 57 ");
}

} // namespace
