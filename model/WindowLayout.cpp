#include "model/WindowLayout.h"

#include <cmath>

namespace WindowLayout {

float ScaleOf(int AStep) { return static_cast<float>(1.0L + 0.05L * AStep); }

// nearbyint follows the rounding mode, which is to-nearest-even unless someone changed it.
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

int VisibleCalculatorHeight(bool AIsScientificKey, bool AIsNumericKey) {
    return (ExpressionPanelHeight - 1) + (AIsScientificKey ? PageHeight - 1 : 0) +
           (AIsNumericKey ? KeypadHeight - 1 : 0);
}

} // namespace WindowLayout
