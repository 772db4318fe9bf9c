#include "ui/window/ScientificPanelList.h"

#include "ui/pages/KeypadPage.h"

void TScientificPanelList::HidePanels() {
    for (TKeypadPage* page : *this) page->hide();
}

void TScientificPanelList::SetActivePanel(int ANumber) {
    for (qsizetype i = 0; i < size(); ++i) at(i)->setVisible(i == ANumber);
}

TKeypadPage* TScientificPanelList::ActivePanel() const {
    for (TKeypadPage* page : *this)
        if (page->isVisibleTo(page->parentWidget())) return page;
    return nullptr;
}

void TScientificPanelList::SetPositionY(int AY) {
    for (TKeypadPage* page : *this) page->move(page->x(), AY);
}
