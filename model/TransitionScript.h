#pragma once

// The page and key-area transitions as data: where the pictures of the panels stand when a
// transition starts and the moves that follow, in design units (scale 1), degrees and
// milliseconds. Y grows downwards, depth away from the viewer.

#include <vector>

// The moving parts: the old and new page pictures of the page view and the cube that holds
// them, and the page and keypad pictures of the key-area view.
enum class TStagePart { OldPage, NewPage, Cube, Page, Keypad };

// X and Y of a picture's top-left corner, its depth, its turn about its top edge (AngleX,
// positive: the lower edge goes away from the viewer) and about its vertical centre line
// (AngleY; the cube turns about its own centre).
enum class TStageProperty { X, Y, Depth, AngleX, AngleY };

enum class TStageEasing { InQuad, Linear };

struct TStageValue {
    TStagePart Part;
    TStageProperty Property;
    double Value;
};

struct TStageMove {
    TStagePart Part;
    TStageProperty Property;
    double Target;
    int Duration;
    TStageEasing Easing;
    bool IsBlocking; // false: starts and runs on beside the blocking move that follows
};

// Setup lists the values that differ from zero; every other value starts at zero.
struct TTransitionScript {
    std::vector<TStageValue> Setup;
    std::vector<TStageMove> Moves;
};

enum class TKeyArea { Page, Keypad };

// Direction 0: the old page leaves to the left; any other value: to the right.
TTransitionScript PanelSlideScript(int Direction);
TTransitionScript PanelCubeScript(int Direction);

// Showing or hiding Area; IsPageVisible: the page pictured is visible when the move starts.
TTransitionScript KeyAreaSlideScript(TKeyArea Area, bool IsShow, bool IsPageVisible);
TTransitionScript KeyAreaFlipScript(TKeyArea Area, bool IsShow, bool IsPageVisible);

// The client height the window needs before Area is shown at Scale: the expression panel and
// the areas that will be visible, neighbours overlapping by one pixel, each part rounded to the
// nearest integer with halves to even.
int KeyAreaShowClientHeight(float Scale, TKeyArea Area, bool IsPageVisible, bool IsKeypadVisible);
