#include "model/WindowLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace WindowLayout;

struct TWidthRow {
    int Step;
    int Single;
    int Double;
};

// The history panel covers exactly the client area it stands on: the whole single-width window
// as an overlay, the added half beside it when docked, at every step and with either keypad hidden.
TEST(WindowLayout, HistoryPanelCoversItsHalfOfTheClientArea) {
    for (const TWidthRow& row :
         {TWidthRow{0, 344, 688}, TWidthRow{1, 361, 722}, TWidthRow{2, 378, 757},
          TWidthRow{5, 430, 860}, TWidthRow{10, 516, 1032}, TWidthRow{-1, 327, 654},
          TWidthRow{-10, 172, 344}, TWidthRow{-12, 138, 275}}) {
        const double s = ScaleOf(row.Step);
        EXPECT_EQ(ClientWidth(s, false), row.Single) << row.Step;
        EXPECT_EQ(ClientWidth(s, true), row.Double) << row.Step;
        EXPECT_EQ(HistoryPanelRect(s, 0, false, true, true),
                  QRect(0, 0, row.Single, StackAreas(s, true, true).ClientHeight));
        const QRect beside = HistoryPanelRect(s, float(s) * DesignClientWidth, false, true, true);
        EXPECT_EQ(beside.left(), row.Single) << row.Step;
        EXPECT_EQ(beside.left() + beside.width(), row.Double) << row.Step;
    }
    for (int step = LowestScaleStep; step <= 100; ++step) {
        const double s = ScaleOf(step);
        for (const bool isScientific : {false, true}) {
            for (const bool isNumeric : {false, true}) {
                const int height = StackAreas(s, isScientific, isNumeric).ClientHeight;
                const QRect overlay = HistoryPanelRect(s, 0, false, isScientific, isNumeric);
                EXPECT_EQ(overlay, QRect(0, 0, ClientWidth(s, false), height)) << step;
                EXPECT_EQ(HistoryPanelRect(s, 0, true, isScientific, isNumeric),
                          overlay.translated(0, -height))
                    << "above the window: the slide's start " << step;
                const QRect beside = HistoryPanelRect(s, float(s) * DesignClientWidth, false,
                                                      isScientific, isNumeric);
                EXPECT_EQ(beside.left(), ClientWidth(s, false)) << step;
                EXPECT_EQ(beside.left() + beside.width(), ClientWidth(s, true)) << step;
                EXPECT_EQ(beside.height(), height) << step;
            }
        }
    }
}

} // namespace
