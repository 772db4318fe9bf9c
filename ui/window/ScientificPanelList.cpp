#include "ui/window/ScientificPanelList.h"

#include <QWidget>

void TScientificPanelList::HidePanels() {
    for (QWidget* page : *this) page->hide();
}

void TScientificPanelList::SetActivePanel(int ANumber) {
    for (qsizetype i = 0; i < size(); ++i) at(i)->setVisible(i == ANumber);
}

QWidget* TScientificPanelList::ActivePanel() const {
    for (QWidget* page : *this)
        if (page->isVisibleTo(page->parentWidget())) return page;
    return nullptr;
}

void TScientificPanelList::SetPositionY(int AY) {
    for (QWidget* page : *this) page->move(page->x(), AY);
}
