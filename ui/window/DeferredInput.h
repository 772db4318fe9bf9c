#pragma once

// Input that arrives while a page or key-area transition runs (the page keys and arrows, the
// key-area buttons and their keys) would start a transition of its own. It is kept instead, the
// running transition is told to end at once, and the kept input runs in the order it came once
// the operation that started the transition is over.

#include <deque>
#include <functional>

class TPanelTransition;

class TDeferredInput {
public:
    // True when ATransition runs: AAction is then kept for RunKept and the transition ends at
    // once. False (nothing kept) otherwise: the caller goes on.
    bool Defer(TPanelTransition& ATransition, std::function<void()> AAction);
    // Runs the kept input in order, also what is kept while it runs.
    void RunKept();
    // Drops the kept input (the window is closing).
    void Clear() { FKept.clear(); }

private:
    std::deque<std::function<void()>> FKept;
};
