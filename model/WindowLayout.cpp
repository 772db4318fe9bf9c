#include "model/WindowLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace WindowLayout {

float ScaleOf(int AStep) { return static_cast<float>(1.0L + 0.05L * AStep); }

namespace {

bool FitsTheWindowSystem(int AStep) {
    const float scale = ScaleOf(AStep);
    return ClientWidth(scale, true) <= LargestWindowCoordinate &&
           StackAreas(scale, true, true).ClientHeight <= LargestWindowCoordinate;
}

int FindHighestScaleStep() {
    // The widest window is twice the design width; start there and settle the rounding.
    int step =
        static_cast<int>((double(LargestWindowCoordinate) / (2 * DesignClientWidth) - 1) / 0.05);
    while (!FitsTheWindowSystem(step)) --step;
    while (FitsTheWindowSystem(step + 1)) ++step;
    return step;
}

} // namespace

int HighestScaleStep() {
    static const int highest = FindHighestScaleStep();
    return highest;
}

bool IsScaleStep(int AStep) { return AStep >= LowestScaleStep && AStep <= HighestScaleStep(); }

bool IsWindowPosition(int ACoordinate) {
    return ACoordinate >= SmallestWindowCoordinate && ACoordinate <= LargestWindowCoordinate;
}

// Done by hand rather than with nearbyint, which follows the floating-point rounding mode: a
// changed mode must not alter the layout or the widths written to the settings file. Converting a
// double that int cannot hold would be undefined: such values are held at the ends.
int RoundHalfEven(double AValue) {
    if (std::isnan(AValue)) return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (AValue <= lowest) return std::numeric_limits<int>::min();
    if (AValue >= highest) return std::numeric_limits<int>::max();
    const double floor = std::floor(AValue);
    const double fraction = AValue - floor;
    const bool isFloorEven = std::fmod(floor, 2.0) == 0.0;
    const bool isUp = fraction > 0.5 || (fraction == 0.5 && !isFloorEven);
    return static_cast<int>(isUp ? floor + 1.0 : floor);
}

TAreaStack StackAreas(double AScale, bool AIsScientificKey, bool AIsNumericKey) {
    TAreaStack stack;
    double y = AScale * (ExpressionPanelHeight - 1);
    stack.PageTop = y;
    if (AIsScientificKey) y += AScale * (PageHeight - 1);
    stack.KeypadTop = y;
    if (AIsNumericKey) y += AScale * (KeypadHeight - 1);
    stack.ClientHeight = RoundHalfEven(y);
    return stack;
}

int ClientWidth(double AScale, bool AIsHistoryBeside) {
    const float width = static_cast<float>(AScale) * DesignClientWidth;
    return RoundHalfEven(AIsHistoryBeside ? width * 2.0f : width);
}

// Both edges are rounded rather than the width, so the right edge lands where ClientWidth puts
// the window's: X + width is computed in single precision as ClientWidth computes 2 × width.
QRect HistoryPanelRect(double AScale, float AX, bool AIsAbove, bool AIsScientificKey,
                       bool AIsNumericKey) {
    const float width = static_cast<float>(AScale) * DesignClientWidth;
    const int left = RoundHalfEven(AX);
    const int right = RoundHalfEven(AX + width);
    const int height = StackAreas(AScale, AIsScientificKey, AIsNumericKey).ClientHeight;
    return {left, AIsAbove ? -height : 0, right - left, height};
}

int ScaledFontPixelSize(int ADesignPixelSize, double AScale) {
    // Held far below what lround could not return.
    const double size = std::min(ADesignPixelSize * AScale, 1e6);
    return std::max(1, static_cast<int>(std::lround(size)));
}

int SmallestFontPixelSize(int ADesignPixelSize) {
    return ScaledFontPixelSize(ADesignPixelSize, ScaleOf(LowestScaleStep));
}

QSize ClientSizeAt(int AStep, bool AIsHistoryBeside, bool AIsScientificKey, bool AIsNumericKey) {
    const float scale = ScaleOf(AStep);
    return {ClientWidth(scale, AIsHistoryBeside),
            StackAreas(scale, AIsScientificKey, AIsNumericKey).ClientHeight};
}

bool IsScaleStepWithinArea(int AStep, const TWindowShape& AShape, const QRect& AArea) {
    const QSize client =
        ClientSizeAt(AStep, AShape.IsHistoryBeside, AShape.IsScientificKey, AShape.IsNumericKey);
    const QMargins& margins = AShape.FrameMargins;
    const qint64 width = qint64{client.width()} + margins.left() + margins.right();
    const qint64 height = qint64{client.height()} + margins.top() + margins.bottom();
    return width <= AArea.width() && height <= AArea.height();
}

bool CanTakeScaleStep(int ACurrentStep, int ANewStep, const TWindowShape& AShape,
                      const QRect& AArea) {
    if (!IsScaleStep(ANewStep)) return false;
    return ANewStep <= ACurrentStep || IsScaleStepWithinArea(ANewStep, AShape, AArea);
}

namespace {

// Along one axis: the start that keeps [AStart, AStart + ALength) within the area, or the area's
// start when it is too short. Computed in 64 bits: no sum of two ints overflows.
int StartInside(int AStart, int ALength, int AAreaStart, int AAreaLength) {
    const qint64 lastStart = qint64{AAreaStart} + AAreaLength - ALength;
    return static_cast<int>(std::max<qint64>(std::min<qint64>(AStart, lastStart), AAreaStart));
}

qint64 SharedArea(const QRect& AFrame, const QRect& AScreen) {
    const QRect shared = AFrame.intersected(AScreen);
    return shared.isEmpty() ? 0 : qint64{shared.width()} * shared.height();
}

} // namespace

QMargins FrameMargins(const QRect& AFrame, const QRect& AClient) {
    return {AClient.left() - AFrame.left(), AClient.top() - AFrame.top(),
            AFrame.right() - AClient.right(), AFrame.bottom() - AClient.bottom()};
}

QPoint PositionInside(const QRect& AFrame, const QRect& AArea) {
    return {StartInside(AFrame.x(), AFrame.width(), AArea.x(), AArea.width()),
            StartInside(AFrame.y(), AFrame.height(), AArea.y(), AArea.height())};
}

std::optional<QPoint> StartPosition(const QRect& AFrame, std::span<const TScreenArea> AScreens) {
    const TScreenArea* best = nullptr;
    qint64 bestShared = 0;
    for (const TScreenArea& screen : AScreens) {
        const qint64 shared = SharedArea(AFrame, screen.Geometry);
        if (shared > bestShared) {
            best = &screen;
            bestShared = shared;
        }
    }
    if (best == nullptr) return std::nullopt;
    const QRect& available = best->Available.isEmpty() ? best->Geometry : best->Available;
    return PositionInside(AFrame, available);
}

TWindowControl WindowControlOf(QStringView APlatformName) {
    const bool isWayland = APlatformName.startsWith(u"wayland");
    return {.CanPlaceWindow = !isWayland, .CanStayOnTop = !isWayland};
}

} // namespace WindowLayout
