// The re-flow of a row of option buttons around a widened one.
#include "model/OptionButtonRow.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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

TEST(OptionButtonRow, ColumnsSpannedByEachWidthAWideningGives) {
    EXPECT_EQ(ColumnsSpanned(KeyWidth), 1);
    EXPECT_EQ(ColumnsSpanned(KeyWidth + ColumnPitch), 2);
    EXPECT_EQ(ColumnsSpanned(KeyWidth + 3 * ColumnPitch), 4);
    EXPECT_EQ(ColumnsSpanned(WidestButton), ColumnCount);
}

} // namespace
