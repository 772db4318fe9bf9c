#include "ui/window/ExpressionPanelMenu.h"

#include "model/ResultFormat.h"

#include <QActionGroup>

TExpressionPanelMenu::TExpressionPanelMenu(QWidget* AParent) : QMenu(AParent) {
    setObjectName(QStringLiteral("ExpressionPanelPopupMenu"));
    RoundSelectorGroup = new QActionGroup(this);
    RoundSelectorGroup->setObjectName(QStringLiteral("RoundSelectorGroup"));
    RoundSelectorGroup->setExclusive(true);

    using T = TExpressionPanelMenu;
    struct TMenuEntry {
        const char* Name;
        const char* Caption; // "-": a separator line; else translated
        QAction* T::*Field;
        void (T::*Chosen)();
        bool IsToggle;
        bool IsRadio;
    };
    // clang-format off
    static const TMenuEntry entries[] = {
        {"CopyItem", QT_TR_NOOP("Copy"), &T::CopyItem, &T::CopyChosen, false, false},
        {"MenuItem2", "-", nullptr, nullptr, false, false},
        {"DigitGroupingSeparatorItem", QT_TR_NOOP("Digit grouping separator"), &T::DigitGroupingSeparatorItem,
         &T::DigitGroupingSeparatorChosen, true, false},
        {"MenuItem5", "-", nullptr, nullptr, false, false},
        {"RoundOffItem", QT_TR_NOOP("Round off (5/4)"), &T::RoundOffItem, nullptr, false, true},
        {"RoundCutOffItem", QT_TR_NOOP("Cut off (CUT)"), &T::RoundCutOffItem, nullptr, false, true},
        {"RoundUpItem", QT_TR_NOOP("Round up (UP)"), &T::RoundUpItem, nullptr, false, true},
        {"MenuItem3", "-", nullptr, nullptr, false, false},
        {"TopMostMenuItem", QT_TR_NOOP("Top most"), &T::TopMostMenuItem, &T::TopMostChosen, true, false},
        {"TransparencyMenuItem", QT_TR_NOOP("Transparency"), &T::TransparencyMenuItem, &T::TransparencyChosen, true,
         false},
        {"KeepHistoryItem", QT_TR_NOOP("Keep history"), &T::KeepHistoryItem, &T::KeepHistoryChosen, true, false},
        {"MenuItem1", "-", nullptr, nullptr, false, false},
        {"HomepageItem", QT_TR_NOOP("Homepage"), &T::HomepageItem, &T::HomepageChosen, false, false},
        {"About", QT_TR_NOOP("Version"), &T::About, &T::AboutChosen, false, false},
    };
    // clang-format on
    for (const TMenuEntry& entry : entries) {
        const bool isSeparator = QByteArrayView(entry.Caption) == "-";
        QAction* action = isSeparator ? addSeparator() : addAction(tr(entry.Caption));
        action->setObjectName(QString::fromLatin1(entry.Name));
        action->setCheckable(entry.IsToggle || entry.IsRadio);
        if (entry.IsRadio) RoundSelectorGroup->addAction(action);
        if (entry.Field) this->*entry.Field = action;
        if (entry.Chosen) connect(action, &QAction::triggered, this, entry.Chosen);
    }
    connect(RoundOffItem, &QAction::triggered, this, [this] { emit RoundSelectorChosen(rs54); });
    connect(RoundCutOffItem, &QAction::triggered, this,
            [this] { emit RoundSelectorChosen(rsCut); });
    connect(RoundUpItem, &QAction::triggered, this, [this] { emit RoundSelectorChosen(rsUp); });
    RoundOffItem->setChecked(true);
    setToolTipsVisible(true); // an entry that cannot be used says why
}

void TExpressionPanelMenu::ShowDisplayFormat(const TDisplayFormat& AFormat) {
    DigitGroupingSeparatorItem->setChecked(AFormat.IsDigitGroupingSeparator);
    QAction* item = AFormat.RoundSelector == rsCut  ? RoundCutOffItem
                    : AFormat.RoundSelector == rsUp ? RoundUpItem
                                                    : RoundOffItem;
    item->setChecked(true);
}

void TExpressionPanelMenu::ShowTopMost(bool AIsOn) { TopMostMenuItem->setChecked(AIsOn); }

void TExpressionPanelMenu::ShowTransparency(bool AIsOn) { TransparencyMenuItem->setChecked(AIsOn); }

void TExpressionPanelMenu::ShowKeepHistory(bool AIsOn) { KeepHistoryItem->setChecked(AIsOn); }

void TExpressionPanelMenu::DisableTopMost(const QString& ATip) {
    TopMostMenuItem->setEnabled(false);
    TopMostMenuItem->setToolTip(ATip);
}

void TExpressionPanelMenu::OpenByKey(QPoint AGlobalPosition) {
    if (isVisible()) return;
    popup(AGlobalPosition);
    setActiveAction(CopyItem);
}
