#include "ui/window/ScientificPanelList.h"

#include "ui/pages/KeypadPage.h"

void TScientificPanelList::HidePanels() {
    for (TKeypadPage* page : *this) page->hide();
}

// A page already shown stays as it is: hiding and showing it again would move the focus out of
// it, and would have a page not polished yet polished while hidden, which holds back the polish
// of its controls (see TDeferredPolish) until one of them is drawn.
void TScientificPanelList::SetActivePanel(int ANumber) {
    for (qsizetype i = 0; i < size(); ++i)
        if (at(i)->isHidden() == (i == ANumber)) at(i)->setVisible(i == ANumber);
}

TKeypadPage* TScientificPanelList::ActivePanel() const {
    for (TKeypadPage* page : *this)
        if (page->isVisibleTo(page->parentWidget())) return page;
    return nullptr;
}

void TScientificPanelList::SetPositionY(int AY) {
    for (TKeypadPage* page : *this) page->move(page->x(), AY);
}
