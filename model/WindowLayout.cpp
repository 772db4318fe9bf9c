#include "model/WindowLayout.h"

#include <cmath>

namespace WindowLayout {

float ScaleOf(int AStep) { return static_cast<float>(1.0L + 0.05L * AStep); }

// Done by hand rather than with nearbyint, which follows the floating-point rounding mode: a
// changed mode must not alter the layout or the widths written to the settings file.
int RoundHalfEven(double AValue) {
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

} // namespace WindowLayout
