#pragma once

// The arithmetic of the window's layout: the scale of a zoom step, the stacking of the key areas
// under the expression panel and the window's client size. All lengths are design pixels at
// scale 1 unless a name says otherwise.

#include <QRect>

namespace WindowLayout {

inline constexpr int ExpressionPanelHeight = 113;
inline constexpr int PageHeight = 129;   // each page of the scientific area
inline constexpr int KeypadHeight = 209; // the numeric keypad
inline constexpr int KeyWidth =
    57; // every key of the pages and the keypad, and a one-column option button
inline constexpr int DesignClientWidth = 344;
inline constexpr int DesignClientHeight = 451;
inline constexpr int LowestScaleStep = -12; // the keyboard goes no lower

// 1 + 0.05 × AStep, computed in extended precision and handed on as single precision.
float ScaleOf(int AStep);

// The nearest integer, halves to the even neighbour (57.5 -> 58, 56.5 -> 56), whatever the
// floating-point rounding mode.
int RoundHalfEven(double AValue);

// Where the visible areas stand at scale AScale, each overlapping the one above by one pixel,
// and the client height that holds them (window pixels).
struct TAreaStack {
    double PageTop = 0;   // meaningful when the scientific area is shown
    double KeypadTop = 0; // meaningful when the numeric keypad is shown
    int ClientHeight = 0;
};
TAreaStack StackAreas(double AScale, bool AIsScientificKey, bool AIsNumericKey);

// The client width at AScale: the scaled design width, doubled with the history beside it.
int ClientWidth(double AScale, bool AIsHistoryBeside);

// The history panel at AScale in window pixels: left edge at AX, the scaled design width, as high
// as the visible areas, its top at 0 or, when AIsAbove, just above the window. At AX 0 it covers
// the single client area, at AX = the scaled design width the second half of the double one.
QRect HistoryPanelRect(double AScale, float AX, bool AIsAbove, bool AIsScientificKey,
                       bool AIsNumericKey);

} // namespace WindowLayout
