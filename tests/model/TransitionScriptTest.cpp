#include "model/TransitionScript.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

// The window must have room for the area before it is shown: the expression panel and every
// area that will be visible, one pixel of overlap each, at the window's scale.
TEST(TransitionScriptTest, ClientHeightBeforeAShow) {
    struct TRow {
        const char* Name;
        float Scale;
        TKeyArea Area;
        bool IsPageVisible, IsKeypadVisible;
        int Height;
    };
    // clang-format off
    const TRow rows[] = {
        {"keypad under the page, step 0", 1.0f, TKeyArea::Keypad, true, false, 448},
        {"keypad alone, step 0", 1.0f, TKeyArea::Keypad, false, false, 320},
        {"page over the keypad, step 0", 1.0f, TKeyArea::Page, false, true, 448},
        {"page alone, step 0", 1.0f, TKeyArea::Page, false, false, 240},
        {"keypad under the page, step 1", 1.05f, TKeyArea::Keypad, true, false, 470},
        {"keypad under the page, step 10", 1.5f, TKeyArea::Keypad, true, false, 672},
        {"keypad alone, step 10", 1.5f, TKeyArea::Keypad, false, false, 480},
        {"page over the keypad, step 7", 1.35f, TKeyArea::Page, false, true, 605},
        {"page over the keypad, step -12", 0.4f, TKeyArea::Page, false, true, 179},
        {"page alone, step -12", 0.4f, TKeyArea::Page, false, false, 96},
        // Halves go to the even neighbour: 3.5 -> 4, 2.5 -> 2; the page's part (7.5 -> 8) and
        // the keypad's (6.5 -> 6) are rounded apart.
        {"keypad under the page, half", 0.0078125f, TKeyArea::Keypad, true, false, 4},
        {"keypad alone, half", 0.0078125f, TKeyArea::Keypad, false, false, 2},
        {"page over the keypad, halves", 0.03125f, TKeyArea::Page, false, true, 14},
        {"page alone, half", 0.03125f, TKeyArea::Page, false, false, 8},
    };
    // clang-format on
    for (const TRow& row : rows)
        EXPECT_EQ(
            KeyAreaShowClientHeight(row.Scale, row.Area, row.IsPageVisible, row.IsKeypadVisible),
            row.Height)
            << row.Name;
}

namespace {

using TPlaces = std::map<std::pair<TStagePart, TStageProperty>, double>;

// Where the pictures stand (their top edges and turns) before the first move.
TPlaces StartPlaces(const TTransitionScript& AScript) {
    TPlaces places;
    for (const TStagePart part : {TStagePart::Page, TStagePart::Keypad})
        for (const TStageProperty property : {TStageProperty::Y, TStageProperty::AngleX})
            places[{part, property}] = 0;
    for (const TStageValue& value : AScript.Setup)
        if (places.contains({value.Part, value.Property}))
            places[{value.Part, value.Property}] = value.Value;
    return places;
}

// Where they stand after the last move.
TPlaces EndPlaces(const TTransitionScript& AScript) {
    TPlaces places = StartPlaces(AScript);
    for (const TStageMove& move : AScript.Moves)
        if (places.contains({move.Part, move.Property}))
            places[{move.Part, move.Property}] = move.Target;
    return places;
}

} // namespace

// Showing an area plays its hiding backwards: a show starts where the hide ends, and ends where
// the hide starts. (A keypad starting its show anywhere else pops part of itself in first.)
TEST(TransitionScriptTest, ShowAndHideMirrorEachOther) {
    using TScriptOf = TTransitionScript (*)(TKeyArea, bool, bool);
    struct TRow {
        const char* Name;
        TScriptOf Script;
        TKeyArea Area;
        bool IsPageVisible;
    };
    const TRow rows[] = {
        {"keypad slide under the page", KeyAreaSlideScript, TKeyArea::Keypad, true},
        {"keypad slide alone", KeyAreaSlideScript, TKeyArea::Keypad, false},
        {"page slide", KeyAreaSlideScript, TKeyArea::Page, true},
        {"keypad flip under the page", KeyAreaFlipScript, TKeyArea::Keypad, true},
        {"keypad flip alone", KeyAreaFlipScript, TKeyArea::Keypad, false},
        {"page flip", KeyAreaFlipScript, TKeyArea::Page, true},
    };
    for (const TRow& row : rows) {
        const TTransitionScript hide = row.Script(row.Area, false, row.IsPageVisible);
        // The page's own show starts with the page not visible yet.
        const bool isPageVisibleAtShow = row.Area == TKeyArea::Keypad && row.IsPageVisible;
        const TTransitionScript show = row.Script(row.Area, true, isPageVisibleAtShow);
        EXPECT_EQ(StartPlaces(show), EndPlaces(hide)) << row.Name;
        EXPECT_EQ(EndPlaces(show), StartPlaces(hide)) << row.Name;
    }
}
