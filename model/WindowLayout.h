#pragma once

// The arithmetic of the window's layout: the scale of a zoom step, the stacking of the key areas
// under the expression panel and the window's client size. All lengths are design pixels at
// scale 1 unless a name says otherwise.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>

#include <optional>
#include <span>

namespace WindowLayout {

inline constexpr int ExpressionPanelHeight = 113;
inline constexpr int PageHeight = 129;   // each page of the scientific area
inline constexpr int KeypadHeight = 209; // the numeric keypad
inline constexpr int KeyWidth =
    57; // every key of the pages and the keypad, and a one-column option button
inline constexpr int DesignClientWidth = 344;
inline constexpr int DesignClientHeight = 451;
inline constexpr int LowestScaleStep = -12; // the keyboard goes no lower

// The window system keeps window positions and sizes in 16 bits (X11: signed positions), so no
// position or size of the window or of anything in it may pass these.
inline constexpr int SmallestWindowCoordinate = -32768;
inline constexpr int LargestWindowCoordinate = 32767;

// 1 + 0.05 × AStep, computed in extended precision and handed on as single precision.
float ScaleOf(int AStep);

// The highest zoom step at which the window, at its widest (the history beside it) and highest
// (both key areas shown), stays within LargestWindowCoordinate: 932.
int HighestScaleStep();
// A zoom step the window can take: LowestScaleStep to HighestScaleStep.
bool IsScaleStep(int AStep);
// A stored window position (left or top edge) the window system can hold.
bool IsWindowPosition(int ACoordinate);

// The nearest integer, halves to the even neighbour (57.5 -> 58, 56.5 -> 56), whatever the
// floating-point rounding mode. Values beyond the range of int give its nearer end, NaN gives 0.
int RoundHalfEven(double AValue);

// A font's pixel size at AScale: the nearest whole pixel, at least 1.
int ScaledFontPixelSize(int ADesignPixelSize, double AScale);
// The smallest size a caption of a font of ADesignPixelSize is drawn in: its size at the lowest
// zoom step. Anything smaller is not read any more.
int SmallestFontPixelSize(int ADesignPixelSize);

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

// The window's client size at zoom step AStep with the areas shown: ClientWidth by StackAreas'
// client height.
QSize ClientSizeAt(int AStep, bool AIsHistoryBeside, bool AIsScientificKey, bool AIsNumericKey);

// What decides the window's outer size besides the zoom step: the areas shown and the
// decoration the window system draws around the client area.
struct TWindowShape {
    bool IsHistoryBeside = false;
    bool IsScientificKey = true;
    bool IsNumericKey = true;
    QMargins FrameMargins;
};

// The decoration around a window's client area AClient inside its frame AFrame, both in screen
// coordinates as QWidget::geometry() and frameGeometry() give them.
QMargins FrameMargins(const QRect& AFrame, const QRect& AClient);

// Whether the whole window (client size at AStep plus the frame margins) fits within AArea.
bool IsScaleStepWithinArea(int AStep, const TWindowShape& AShape, const QRect& AArea);

// Whether a zoom from ACurrentStep to ANewStep is taken on a screen whose available area is
// AArea: ANewStep must be a step the window can take (IsScaleStep); one that makes the window no
// larger is always taken, so a window too large for its screen can still be zoomed out; a larger
// one only when IsScaleStepWithinArea.
bool CanTakeScaleStep(int ACurrentStep, int ANewStep, const TWindowShape& AShape,
                      const QRect& AArea);

// The top-left corner at which a window whose frame is AFrame lies wholly inside AArea, moved as
// little as possible: along each axis the frame is shifted just far enough; one wider (higher)
// than AArea is aligned to the area's left (top) edge.
QPoint PositionInside(const QRect& AFrame, const QRect& AArea);

// A screen as the window system reports it: all of it, and the part windows may use (without
// panels and docks).
struct TScreenArea {
    QRect Geometry;
    QRect Available;
};

// Where a window whose stored frame is AFrame opens among AScreens: nullopt when no screen shows
// any part of it (the stored position is then not used and the system places the window);
// otherwise PositionInside the available area of the screen that shows the most of it (the first
// of equals). A screen without an available area offers all of it.
std::optional<QPoint> StartPosition(const QRect& AFrame, std::span<const TScreenArea> AScreens);

// What the program may do with its own window, by the name of Qt's platform plugin
// (QGuiApplication::platformName()). Wayland ("wayland", "wayland-egl", ...) leaves placing a
// window and keeping it above the others to the compositor: a client can request neither. The
// other platforms let the program do both.
struct TWindowControl {
    bool CanPlaceWindow = true;
    bool CanStayOnTop = true;
};
TWindowControl WindowControlOf(QStringView APlatformName);

} // namespace WindowLayout
