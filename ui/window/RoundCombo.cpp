#include "ui/window/RoundCombo.h"

#include "model/ResultFormat.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/EventHook.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {

struct TRoundEntry {
    const char* Name;
    const char* Caption;
    int Tag;
};
// clang-format off
constexpr TRoundEntry kRoundEntries[] = {
    {"RoundItemNorm", "Normal", -1}, {"RoundItemD0", "0", 0},         {"RoundItemD1", "0.0", 1},
    {"RoundItemD2", "0.00", 2},      {"RoundItemD3", "0.000", 3},     {"RoundItemD4", "0.0000", 4},
    {"RoundItemD5", "0.00000", 5},
};
// clang-format on

} // namespace

TRoundCombo::TRoundCombo(QWidget* AParent) : QComboBox(AParent) {
    setObjectName(QStringLiteral("RoundCombo"));
    SetStyleName(this, QStringLiteral("RoundComboStyle"));
    SetDesignGeometry(this, QRect(259, 6, 70, 18));
    SetDesignFont(this, DesignFont({}, 10, true));
    setMaxVisibleItems(9);
    UseStyledComboItems(this);
    {
        const QSignalBlocker blocker(this);
        for (const TRoundEntry& entry : kRoundEntries)
            AddComboItem(this, QString::fromLatin1(entry.Caption), entry.Tag,
                         QString::fromLatin1(entry.Name));
        setCurrentIndex(0);
    }
    connect(this, &QComboBox::currentIndexChanged, this, &TRoundCombo::RoundComboChange);
    OnKeyDown(this, [this](QKeyEvent* AEvent) { return RoundComboKeyDown(AEvent); });
    OnMouseUp(this, [this](QMouseEvent* AEvent) { RoundComboMouseUp(AEvent->button()); });
    OnKeyDown(view(), [this](QKeyEvent* AEvent) { return RoundComboListKeyDown(AEvent); });
}

void TRoundCombo::SelectRoundComboItem(int ARoundDecimal) {
    for (int index = 0; index < count(); ++index) {
        if (itemData(index, ItemTagRole).toInt() == ARoundDecimal) {
            setCurrentIndex(index);
            return;
        }
    }
}

// No entry selected stands for one decimal.
void TRoundCombo::RoundComboChange() {
    const int index = currentIndex();
    emit RoundDecimalChosen(index >= 0 ? itemData(index, ItemTagRole).toInt() : 1);
}

bool TRoundCombo::RoundComboKeyDown(QKeyEvent* AEvent) {
    if (!IsEnterKey(AEvent)) return false;
    RoundComboChange();
    if (currentIndex() >= 0) emit Confirmed();
    hidePopup();
    return true;
}

// Enter in the open list: the highlighted entry is chosen and shown (also when it was chosen
// already), the list closes and typing goes on in the expression line.
bool TRoundCombo::RoundComboListKeyDown(QKeyEvent* AEvent) {
    if (!IsEnterKey(AEvent)) return false;
    const int row = view()->currentIndex().row();
    hidePopup();
    if (row >= 0 && row != currentIndex()) {
        setCurrentIndex(row); // reports the new entry
    } else if (currentIndex() >= 0) {
        RoundComboChange();
    }
    emit Confirmed();
    return true;
}

void TRoundCombo::RoundComboMouseUp(Qt::MouseButton AButton) {
    if (AButton == Qt::RightButton) SwitchRoundComboHexBin();
}

void TRoundCombo::SwitchRoundComboHexBin() {
    const int hex = findText(QStringLiteral("HEX"));
    if (hex < 0) {
        AddComboItem(this, QStringLiteral("HEX"), RoundDecimalHex);
        AddComboItem(this, QStringLiteral("BIN"), RoundDecimalBin);
        setCurrentIndex(count() - 2);
        return;
    }
    if (currentIndex() < 0) return;
    const bool isHex = currentText() == u"HEX";
    setCurrentIndex(findText(isHex ? QStringLiteral("BIN") : QStringLiteral("HEX")));
}

void TRoundCombo::ToggleDropDown() {
    if (view()->isVisible()) {
        hidePopup();
    } else {
        showPopup();
    }
    setFocus();
}
