#pragma once

#include <QList>

class TKeypadPage;

// The three keypad pages of the scientific area in page order. It refers to the pages but
// does not own them; the window does.
class TScientificPanelList : public QList<TKeypadPage*> {
public:
    // Hides every page.
    void HidePanels();
    // Shows page ANumber and hides the others; a number outside the list hides them all.
    void SetActivePanel(int ANumber);
    // The first visible page in page order, or nullptr.
    TKeypadPage* ActivePanel() const;
    // Moves every page to vertical position AY (window pixels).
    void SetPositionY(int AY);
};
