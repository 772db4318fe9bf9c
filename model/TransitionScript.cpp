#include "model/TransitionScript.h"

#include "model/WindowLayout.h"

namespace {

using P = TStagePart;
using Q = TStageProperty;

using WindowLayout::RoundHalfEven;

constexpr double W = WindowLayout::DesignClientWidth;
constexpr double S = WindowLayout::PageHeight;
constexpr double B = WindowLayout::KeypadHeight;
constexpr double E = WindowLayout::ExpressionPanelHeight;
// A picture waiting behind another stands this far back, drawn slightly smaller.
constexpr double BackDepth = 10;
constexpr double EdgeOn = 90;

TStageMove Blocking(P APart, Q AProperty, double ATarget, int ADuration, TStageEasing AEasing) {
    return {APart, AProperty, ATarget, ADuration, AEasing, true};
}

// Vertical moves of the key areas (slide and flip alike): 0.4 s, quadratic in.
TStageMove MoveY(P APart, double ATarget, bool IsBlocking = true) {
    return {APart, Q::Y, ATarget, 400, TStageEasing::InQuad, IsBlocking};
}

// Depth changes of the key-area slide: 0.08 s, linear.
TStageMove MoveDepth(P APart, double ATarget) {
    return Blocking(APart, Q::Depth, ATarget, 80, TStageEasing::Linear);
}

// The flip turn about a picture's top edge: 0.4 s, linear.
TStageMove Turn(P APart, double ATarget, bool IsBlocking = true) {
    return {APart, Q::AngleX, ATarget, 400, TStageEasing::Linear, IsBlocking};
}

TTransitionScript KeypadSlide(bool IsShow, bool IsPageVisible) {
    if (!IsShow && IsPageVisible) // it sinks back, then slides up behind the page
        return {{{P::Keypad, Q::Y, S}}, {MoveDepth(P::Keypad, BackDepth), MoveY(P::Keypad, S - B)}};
    if (!IsShow)
        return {{{P::Page, Q::Y, -S}, {P::Keypad, Q::Depth, BackDepth}},
                {MoveY(P::Keypad, -B), MoveDepth(P::Keypad, 0)}};
    // It comes down from behind the page, from where the hide leaves it: started at Y 0, its lower
    // rows would stand below the page from the first frame.
    if (IsPageVisible)
        return {{{P::Keypad, Q::Y, S - B}, {P::Keypad, Q::Depth, BackDepth}},
                {MoveY(P::Keypad, S), MoveDepth(P::Keypad, 0)}};
    return {{{P::Page, Q::Y, -S}, {P::Keypad, Q::Y, -B}, {P::Keypad, Q::Depth, BackDepth}},
            {MoveY(P::Keypad, 0), MoveDepth(P::Keypad, 0)}};
}

TTransitionScript PageSlide(bool IsShow) {
    if (!IsShow)
        return {{{P::Keypad, Q::Y, S}},
                {MoveDepth(P::Page, BackDepth), MoveY(P::Page, -S, false), MoveY(P::Keypad, 0)}};
    return {{{P::Page, Q::Y, -S}, {P::Page, Q::Depth, BackDepth}},
            {MoveY(P::Keypad, S, false), MoveY(P::Page, 0), MoveDepth(P::Page, 0)}};
}

TTransitionScript KeypadFlip(bool IsShow, bool IsPageVisible) {
    // Without a visible page the keypad stands at the top and the page picture above the view.
    TTransitionScript script;
    if (IsPageVisible)
        script.Setup.push_back({P::Keypad, Q::Y, S});
    else
        script.Setup.push_back({P::Page, Q::Y, -S});
    if (IsShow) script.Setup.push_back({P::Keypad, Q::AngleX, EdgeOn});
    script.Moves.push_back(Turn(P::Keypad, IsShow ? 0 : EdgeOn));
    return script;
}

TTransitionScript PageFlip(bool IsShow) {
    if (!IsShow)
        return {{{P::Keypad, Q::Y, S}}, {Turn(P::Page, EdgeOn, false), MoveY(P::Keypad, 0)}};
    return {{{P::Page, Q::AngleX, EdgeOn}}, {Turn(P::Page, 0, false), MoveY(P::Keypad, S)}};
}

} // namespace

TTransitionScript PanelSlideScript(int Direction) {
    const double away = Direction == 0 ? -W : W;
    return {{{P::NewPage, Q::Depth, BackDepth}},
            {Blocking(P::OldPage, Q::X, away, 400, TStageEasing::InQuad),
             Blocking(P::NewPage, Q::Depth, 0, 40, TStageEasing::InQuad)}};
}

// The new page is the cube's left face (turned +90°) for a turn to the right, its right face
// (turned -90°) for a turn to the left; the cube's quarter turn brings it to the front.
TTransitionScript PanelCubeScript(int Direction) {
    const double side = Direction == 0 ? 1 : -1; // +1: the right face
    return {{{P::NewPage, Q::X, side * W / 2},
             {P::NewPage, Q::Depth, W / 2},
             {P::NewPage, Q::AngleY, -side * 90}},
            {Blocking(P::Cube, Q::AngleY, side * 90, 400, TStageEasing::InQuad)}};
}

TTransitionScript KeyAreaSlideScript(TKeyArea Area, bool IsShow, bool IsPageVisible) {
    return Area == TKeyArea::Keypad ? KeypadSlide(IsShow, IsPageVisible) : PageSlide(IsShow);
}

TTransitionScript KeyAreaFlipScript(TKeyArea Area, bool IsShow, bool IsPageVisible) {
    return Area == TKeyArea::Keypad ? KeypadFlip(IsShow, IsPageVisible) : PageFlip(IsShow);
}

int KeyAreaShowClientHeight(float Scale, TKeyArea Area, bool IsPageVisible, bool IsKeypadVisible) {
    const double c = Scale;
    if (Area == TKeyArea::Keypad)
        return RoundHalfEven(c * ((E - 1) + (IsPageVisible ? S - 1 : 0) + (B - 1)));
    const int withPage = RoundHalfEven(c * ((E - 1) + (S - 1)));
    return IsKeypadVisible ? withPage + RoundHalfEven(c * (B - 1)) : withPage;
}
