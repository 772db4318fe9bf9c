#pragma once

// The decimals list of the expression panel: "Normal" and 0 to 5 decimals, joined by HEX and BIN
// the first time the user asks for them (a right-click or Shift+F4). Each entry's tag is the
// RoundDecimal it stands for. Choosing an entry, by the list or by Enter, tells the window the
// RoundDecimal chosen; the window keeps it and shows results by it.

#include <QComboBox>

class QKeyEvent;

class TRoundCombo : public QComboBox {
    Q_OBJECT

public:
    explicit TRoundCombo(QWidget* AParent);

    // Selects the entry whose tag is ARoundDecimal (which reports it when the selection changes);
    // without such an entry the selection stays as it is.
    void SelectRoundComboItem(int ARoundDecimal);
    // The right-click's switch: adds HEX and BIN the first time, then goes between them.
    void SwitchRoundComboHexBin();
    // Opens the list, or closes it when it is open; the list keeps the focus.
    void ToggleDropDown();

signals:
    // An entry was chosen: the RoundDecimal it stands for.
    void RoundDecimalChosen(int ARoundDecimal);
    // Enter chose the entry: typing goes on in the expression line.
    void Confirmed();

private:
    void RoundComboChange();
    bool RoundComboKeyDown(QKeyEvent* AEvent);     // true: the key is consumed
    bool RoundComboListKeyDown(QKeyEvent* AEvent); // a key in the open list
    void RoundComboMouseUp(Qt::MouseButton AButton);
};
