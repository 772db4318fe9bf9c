#pragma once

// A page of the scientific area: a panel of the page size with a page-turning arrow on either
// edge. The arrows only ask for the turn (which page comes next, and how it moves, is the
// window's business); a double-click on the page's background asks for the next transition
// style (TPanel::DoubleClicked).

#include "ui/widgets/Controls.h"

class TKeypadPage : public TPanel {
    Q_OBJECT

public:
    static constexpr int TurnLeft = 0;
    static constexpr int TurnRight = 1;

    // Before the page is shown: every key of the page gets the plain key style, then the keys
    // with a state of their own get the style of that state back.
    virtual void ApplyKeyStyles();

signals:
    // An arrow was clicked: ADirection is TurnLeft or TurnRight.
    void TurnRequested(int ADirection);

protected:
    // The page named AName at design height AY, shown or hidden.
    TKeypadPage(QWidget* AParent, const char* AName, int AY, bool AIsVisible);

    // The arrows lie over the keys at the page's edges: made last, after the keys and fields.
    void CreatePageArrows(const char* ALeftName, const char* ARightName);
};
