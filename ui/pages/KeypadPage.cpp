#include "ui/pages/KeypadPage.h"

#include "model/WindowLayout.h"

#include <QToolButton>

namespace {

// A speed button of 10 x 33 on the page edge: it acts on click but leaves the keyboard focus where
// it was (F9 and F10 turn the pages from the keyboard).
QToolButton* CreatePageArrow(QWidget* APage, const char* AName, bool AIsLeft) {
    auto* arrow = new QToolButton(APage);
    arrow->setObjectName(QString::fromLatin1(AName));
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setArrowType(AIsLeft ? Qt::LeftArrow : Qt::RightArrow);
    SetStyleName(arrow, AIsLeft ? QStringLiteral("LeftPanelBtnStyle")
                                : QStringLiteral("RightPanelBtnStyle"));
    SetDesignGeometry(arrow, QRect(AIsLeft ? 1 : 333, 48, 10, 33));
    return arrow;
}

} // namespace

TKeypadPage::TKeypadPage(QWidget* AParent, const char* AName, int AY, bool AIsVisible)
    : TPanel(AParent) {
    setObjectName(QString::fromLatin1(AName));
    SetDesignGeometry(this,
                      QRect(0, AY, WindowLayout::DesignClientWidth, WindowLayout::PageHeight));
    // Showing a widget polishes it as the class it is at that moment: shown from here, a page
    // would be polished as a TKeypadPage and then, with all its controls, once more as what it
    // really is, while it is hidden, which undoes the holding back of the hidden pages' polish.
    // A shown page needs nothing here: a child is shown with its window.
    if (!AIsVisible) hide();
}

void TKeypadPage::CreatePageArrows(const char* ALeftName, const char* ARightName) {
    connect(CreatePageArrow(this, ALeftName, true), &QToolButton::clicked, this,
            [this] { emit TurnRequested(TurnLeft); });
    connect(CreatePageArrow(this, ARightName, false), &QToolButton::clicked, this,
            [this] { emit TurnRequested(TurnRight); });
}

// The page arrows are tool buttons, not keys, and keep their style.
void TKeypadPage::ApplyKeyStyles() {
    for (TKeyButton* key : findChildren<TKeyButton*>(Qt::FindDirectChildrenOnly))
        SetStyleName(key, QStringLiteral("KeyBtnStyle"));
}
