#pragma once

// The popup menu of the expression panel: copy, digit grouping, the three rounding modes, stay on
// top, transparency, keeping the history across runs, the home page and the version. Each entry
// tells the window what the user chose; a check entry has flipped its mark already, and the window
// sets the marks itself when a setting changes another way.

#include "model/RoundSelector.h"

#include <QMenu>

class QAction;
class QActionGroup;
struct TDisplayFormat;

class TExpressionPanelMenu : public QMenu {
    Q_OBJECT

public:
    explicit TExpressionPanelMenu(QWidget* AParent);

    // The marks of digit grouping and of the rounding mode as AFormat has them.
    void ShowDisplayFormat(const TDisplayFormat& AFormat);
    void ShowTopMost(bool AIsOn);
    void ShowTransparency(bool AIsOn);
    void ShowKeepHistory(bool AIsOn);
    // "Top most" disabled, with ATip saying why.
    void DisableTopMost(const QString& ATip);
    // Opens at AGlobalPosition with the first entry current, so that arrows and Enter choose.
    void OpenByKey(QPoint AGlobalPosition);

signals:
    void CopyChosen();
    void DigitGroupingSeparatorChosen();
    void RoundSelectorChosen(TRoundSelector ASelector);
    void TopMostChosen();
    void TransparencyChosen();
    void KeepHistoryChosen();
    void HomepageChosen();
    void AboutChosen();

private:
    QAction* CopyItem = nullptr;
    QAction* DigitGroupingSeparatorItem = nullptr;
    QAction* RoundOffItem = nullptr;
    QAction* RoundCutOffItem = nullptr;
    QAction* RoundUpItem = nullptr;
    QAction* TopMostMenuItem = nullptr;
    QAction* TransparencyMenuItem = nullptr;
    QAction* KeepHistoryItem = nullptr;
    QAction* HomepageItem = nullptr;
    QAction* About = nullptr;
    QActionGroup* RoundSelectorGroup = nullptr;
};
