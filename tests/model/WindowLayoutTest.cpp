// The layout arithmetic of the window: client sizes per zoom step, with and without the history
// beside the calculator, and the style sheet's lengths scaled with the keys.
#include "model/WindowLayout.h"
#include "QtPrinters.h"
#include "model/StyleSheetScale.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <span>
#include <string>

// Found by argument-dependent lookup, so in the namespace of QPoint.
void PrintTo(const QPoint& APoint, std::ostream* AStream) {
    *AStream << "(" << APoint.x() << ", " << APoint.y() << ")";
}

namespace {

using namespace WindowLayout;

TEST(WindowLayout, ClientWidthPerStep) {
    struct Case {
        int Step;
        int Width;
        int WidthWithHistory;
    };
    for (const Case c : {Case{0, 344, 688}, Case{1, 361, 722}, Case{2, 378, 757}, Case{3, 396, 791},
                         Case{5, 430, 860}, Case{10, 516, 1032}, Case{-1, 327, 654},
                         Case{-10, 172, 344}, Case{-11, 155, 310}, Case{-12, 138, 275}}) {
        EXPECT_EQ(ClientWidth(ScaleOf(c.Step), false), c.Width) << c.Step;
        EXPECT_EQ(ClientWidth(ScaleOf(c.Step), true), c.WidthWithHistory) << c.Step;
    }
}

TEST(WindowLayout, AreasStackWithOnePixelOverlap) {
    struct Case {
        bool Scientific, Numeric;
        int Height;
        double KeypadTop;
    };
    for (const Case c : {Case{true, true, 448, 240}, Case{true, false, 240, 240},
                         Case{false, true, 320, 112}, Case{false, false, 112, 112}}) {
        const TAreaStack stack = StackAreas(1.0, c.Scientific, c.Numeric);
        EXPECT_EQ(stack.ClientHeight, c.Height);
        EXPECT_EQ(stack.PageTop, 112);
        EXPECT_EQ(stack.KeypadTop, c.KeypadTop);
    }
    EXPECT_EQ(StackAreas(ScaleOf(3), true, true).ClientHeight, 515) << "1.15 × 448 = 515.2";
    EXPECT_EQ(StackAreas(ScaleOf(-12), false, false).ClientHeight, 45) << "0.4 × 112 = 44.8";
}

TEST(WindowLayout, HalvesRoundToEven) {
    EXPECT_EQ(RoundHalfEven(57.5), 58);
    EXPECT_EQ(RoundHalfEven(56.5), 56);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
}

// Values that int cannot hold are held at its ends instead of converting undefinedly.
TEST(WindowLayout, RoundingHoldsValuesBeyondInt) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    struct Case {
        const char* Name;
        double Value;
        int Rounded;
    };
    for (const Case c :
         {Case{"largest int", 2147483647.0, kMax}, Case{"just below it", 2147483646.5, 2147483646},
          Case{"past it", 2147483648.0, kMax}, Case{"far past it", 1e300, kMax},
          Case{"infinity", std::numeric_limits<double>::infinity(), kMax},
          Case{"smallest int", -2147483648.0, kMin}, Case{"below it", -1e300, kMin},
          Case{"minus infinity", -std::numeric_limits<double>::infinity(), kMin},
          Case{"not a number", std::numeric_limits<double>::quiet_NaN(), 0}})
        EXPECT_EQ(RoundHalfEven(c.Value), c.Rounded) << c.Name;
}

// The window system holds 16-bit positions and sizes: the highest step is the last one whose
// widest and highest window stays within them, and positions past them are not the window's.
TEST(WindowLayout, StepsAndPositionsStayWithinTheWindowSystem) {
    EXPECT_EQ(HighestScaleStep(), 932);
    EXPECT_LE(ClientWidth(ScaleOf(932), true), LargestWindowCoordinate);
    EXPECT_LE(StackAreas(ScaleOf(932), true, true).ClientHeight, LargestWindowCoordinate);
    EXPECT_GT(ClientWidth(ScaleOf(933), true), LargestWindowCoordinate);
    struct Case {
        const char* Name;
        int Value;
        bool IsStep;
        bool IsPosition;
    };
    // clang-format off
    for (const Case c : {Case{"zero",                 0,          true,  true},
                         Case{"lowest step",          -12,        true,  true},
                         Case{"below the lowest",     -13,        false, true},
                         Case{"highest step",         932,        true,  true},
                         Case{"past the highest",     933,        false, true},
                         Case{"a thousand",           1000,       false, true},
                         Case{"largest coordinate",   32767,      false, true},
                         Case{"past it",              32768,      false, false},
                         Case{"smallest coordinate",  -32768,     false, true},
                         Case{"below it",             -32769,     false, false},
                         Case{"largest int",          2147483647, false, false},
                         Case{"smallest int",         -2147483647 - 1, false, false}}) {
        EXPECT_EQ(IsScaleStep(c.Value), c.IsStep) << c.Name;
        EXPECT_EQ(IsWindowPosition(c.Value), c.IsPosition) << c.Name;
    }
    // clang-format on
}

// A caption is drawn no smaller than its font at the lowest step, whatever the step.
TEST(WindowLayout, FontSizes) {
    struct Case {
        int Design;
        double Scale;
        int Scaled;
        int Smallest;
    };
    for (const Case c :
         {Case{14, 1.0, 14, 6}, Case{14, ScaleOf(-12), 6, 6}, Case{10, ScaleOf(-12), 4, 4},
          Case{16, ScaleOf(-6), 11, 6}, Case{20, ScaleOf(10), 30, 8}, Case{1, 0.1, 1, 1},
          Case{14, ScaleOf(932), 666, 6}})
        EXPECT_EQ(ScaledFontPixelSize(c.Design, c.Scale), c.Scaled) << c.Design << " " << c.Scale;
    for (const Case c : {Case{14, 1.0, 14, 6}, Case{10, 1.0, 10, 4}, Case{16, 1.0, 16, 6},
                         Case{20, 1.0, 20, 8}, Case{1, 1.0, 1, 1}, Case{2, 1.0, 2, 1}})
        EXPECT_EQ(SmallestFontPixelSize(c.Design), c.Smallest) << c.Design;
}

TEST(StyleSheetScale, LengthsInPixelsScaleAndNothingElse) {
    const QString sheet =
        u"A { border: 1px solid #9A9A9A; border-radius: 3px; padding: 0px 2px; }\n"
        "B { min-height: 19px; background: rgba(42, 138, 223, 128); width: 12.5px; }\n"
        "C[styleName=\"X1px\"] { stop: 0.49 #EFEFEF; }"_qs;
    EXPECT_EQ(ScaledStyleSheet(sheet, 1.0), QString(sheet).replace(u"12.5px"_qs, u"13px"_qs));
    EXPECT_EQ(ScaledStyleSheet(sheet, 2.0),
              u"A { border: 2px solid #9A9A9A; border-radius: 6px; padding: 0px 4px; }\n"
              "B { min-height: 38px; background: rgba(42, 138, 223, 128); width: 25px; }\n"
              "C[styleName=\"X1px\"] { stop: 0.49 #EFEFEF; }"_qs);
    EXPECT_EQ(ScaledStyleSheet(u"a { border: 1px; padding: 0px; radius: 3px; }"_qs, 0.4),
              u"a { border: 1px; padding: 0px; radius: 1px; }"_qs)
        << "thin borders stay visible when small";
}

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

// Only Wayland takes placing and stacking away from the program; XWayland is X11 ("xcb").
TEST(WindowLayout, WaylandLeavesPositionAndStackingToTheCompositor) {
    struct TPlatformRow {
        const char* Name;
        bool IsWayland;
    };
    for (const TPlatformRow row :
         {TPlatformRow{"wayland", true}, TPlatformRow{"wayland-egl", true},
          TPlatformRow{"wayland-brcm", true}, TPlatformRow{"xcb", false},
          TPlatformRow{"offscreen", false}, TPlatformRow{"windows", false},
          TPlatformRow{"cocoa", false}, TPlatformRow{"", false}, TPlatformRow{"xwayland", false}}) {
        const TWindowControl control = WindowControlOf(QString::fromLatin1(row.Name));
        EXPECT_EQ(control.CanPlaceWindow, !row.IsWayland) << row.Name;
        EXPECT_EQ(control.CanStayOnTop, !row.IsWayland) << row.Name;
    }
}

// A laptop screen of 1366 x 768 beside a larger one to its right; each has a 40-pixel panel at
// the top, so windows may use only what lies below it.
const TScreenArea Laptop{QRect(0, 0, 1366, 768), QRect(0, 40, 1366, 728)};
const TScreenArea Monitor{QRect(1366, 0, 2560, 1440), QRect(1366, 40, 2560, 1400)};
const QSize Frame(346, 480); // the design client size with its decoration

struct TPlaceCase {
    const char* Name;
    QPoint Stored;
    std::optional<QPoint> Opened;
};

void PrintTo(const TPlaceCase& ACase, std::ostream* AStream) {
    *AStream << ACase.Stored.x() << "," << ACase.Stored.y();
}

class StartPositionTest : public testing::TestWithParam<TPlaceCase> {};

TEST_P(StartPositionTest, MovesTheWindowJustInsideTheScreenItIsOn) {
    const TPlaceCase& c = GetParam();
    const TScreenArea screens[] = {Laptop, Monitor};
    EXPECT_EQ(StartPosition(QRect(c.Stored, Frame), screens), c.Opened);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Positions, StartPositionTest,
    testing::Values(
        TPlaceCase{"InsideStays", {100, 200}, QPoint(100, 200)},
        TPlaceCase{"UnderThePanelMovesDown", {100, 10}, QPoint(100, 40)},
        TPlaceCase{"PastTheBottomMovesUpJustEnough", {100, 700}, QPoint(100, 768 - 480)},
        TPlaceCase{"LeftOfTheScreenMovesRight", {-200, 100}, QPoint(0, 100)},
        TPlaceCase{"MostlyOnTheMonitorMovesOntoIt", {1300, 100}, QPoint(1366, 100)},
        TPlaceCase{"MostlyOnTheLaptopMovesBackOntoIt", {1100, 100}, QPoint(1366 - 346, 100)},
        TPlaceCase{"StripOnTheMonitorsBottomEdge", {2000, 1400}, QPoint(2000, 1440 - 480)},
        TPlaceCase{"WhereAMonitorWasUnplugged", {5000, 100}, std::nullopt},
        TPlaceCase{"AboveEveryScreen", {100, -480}, std::nullopt}),
    [](const testing::TestParamInfo<TPlaceCase>& AInfo) { return std::string(AInfo.param.Name); });
// clang-format on

TEST(WindowLayout, AWindowLargerThanTheAreaAlignsToItsTopLeft) {
    const QRect area(10, 40, 300, 400);
    EXPECT_EQ(PositionInside(QRect(500, 500, 301, 100), area), QPoint(10, 340));
    EXPECT_EQ(PositionInside(QRect(-50, -50, 100, 401), area), QPoint(10, 40));
    EXPECT_EQ(PositionInside(QRect(200, 300, 1000, 1000), area), QPoint(10, 40));
    const TScreenArea noPanel{QRect(0, 0, 800, 600), QRect()};
    EXPECT_EQ(StartPosition(QRect(700, 500, 200, 200), std::span(&noPanel, 1)), QPoint(600, 400))
        << "a screen without an available area offers all of it";
    EXPECT_EQ(StartPosition(QRect(0, 0, 200, 200), {}), std::nullopt) << "no screen at all";
}

// On the laptop's 728 usable pixels with a 31-pixel decoration, both key areas shown, the
// window grows up to step 11 (694 pixels high); zooming out is always taken.
TEST(WindowLayout, AZoomStepThatOutgrowsTheAreaIsNotTaken) {
    const TWindowShape shape{.FrameMargins = QMargins(1, 30, 1, 1)};
    EXPECT_EQ(ClientSizeAt(11, false, true, true), QSize(533, 694));
    EXPECT_TRUE(IsScaleStepWithinArea(11, shape, Laptop.Available));
    EXPECT_FALSE(IsScaleStepWithinArea(12, shape, Laptop.Available));
    EXPECT_TRUE(CanTakeScaleStep(10, 11, shape, Laptop.Available));
    EXPECT_FALSE(CanTakeScaleStep(11, 12, shape, Laptop.Available));
    EXPECT_TRUE(CanTakeScaleStep(20, 19, shape, Laptop.Available)) << "smaller, though too large";
    EXPECT_TRUE(CanTakeScaleStep(5, 0, shape, Laptop.Available)) << "back to the design size";
    EXPECT_FALSE(CanTakeScaleStep(LowestScaleStep, LowestScaleStep - 1, shape, Laptop.Available));

    TWindowShape wide = shape;
    wide.IsHistoryBeside = true;
    EXPECT_EQ(ClientSizeAt(10, true, true, true).width(), 1032);
    EXPECT_FALSE(CanTakeScaleStep(9, 10, wide, QRect(0, 0, 1033, 2000)))
        << "1032 + 2 pixels of border";
    EXPECT_TRUE(CanTakeScaleStep(9, 10, wide, QRect(0, 0, 1034, 2000)));
    TWindowShape keysHidden = shape;
    keysHidden.IsScientificKey = keysHidden.IsNumericKey = false;
    EXPECT_TRUE(CanTakeScaleStep(11, 12, keysHidden, Laptop.Available)) << "112 pixels at scale 1";
}

} // namespace

TEST(WindowLayout, FrameMarginsAreTheDecorationAroundTheClientArea) {
    // A title bar of 30 and borders of 4, 5 and 6 around a 344 × 451 client area.
    const QRect client(104, 230, 344, 451);
    const QRect frame(client.left() - 4, client.top() - 30, 344 + 4 + 5, 451 + 30 + 6);
    EXPECT_EQ(FrameMargins(frame, client), QMargins(4, 30, 5, 6));
    EXPECT_EQ(FrameMargins(client, client), QMargins()) << "no decoration";
}
