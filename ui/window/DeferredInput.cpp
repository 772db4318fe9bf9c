#include "ui/window/DeferredInput.h"

#include "ui/motion/PanelTransition.h"

#include <utility>

bool TDeferredInput::Defer(TPanelTransition& ATransition, std::function<void()> AAction) {
    if (!ATransition.IsRunning()) return false;
    FKept.push_back(std::move(AAction));
    ATransition.Finish();
    return true;
}

// An action may start a transition that keeps more input; it is run by that action's own end
// or by this loop, whichever comes first, once each.
void TDeferredInput::RunKept() {
    while (!FKept.empty()) {
        std::function<void()> action = std::move(FKept.front());
        FKept.pop_front();
        action();
    }
}
