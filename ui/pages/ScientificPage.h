#pragma once

// Page 0 of the scientific area: the trigonometric keys with their "inv" and "hyp" modifiers, the
// angle-unit list, and the keys of the other functions and powers. Each key asks for the text it
// stands for to be put into the expression line (TextChosen); the modifiers and the unit shape
// the text of the trigonometric keys.

#include "ui/pages/KeypadPage.h"

class QComboBox;
class QPushButton;

class TScientificPage : public TKeypadPage {
    Q_OBJECT

public:
    explicit TScientificPage(QWidget* AParent);

    // The modifiers' keys in their on or off style, the trigonometric keys with their captions and
    // style, the other keys of a style of their own.
    void ApplyKeyStyles() override;

    bool IsInverse() const { return IsInv; }
    bool IsHyperbolic() const { return IsHyp; }
    QComboBox* AngleUnitList() const { return DegCombo; }

signals:
    void TextChosen(const QString& AText);

private:
    void InvBtnClick();
    void HypBtnClick();
    void UpdateScientificKeyStyles();
    // "a" for inv, the caption ("sin" or "sinh"), the unit's suffix unless hyp, "(".
    void SinBtnClick(QPushButton* Sender);
    void SqrtBtnClick();
    void ExpBtnClick();
    void LogBtnClick(QPushButton* Sender);
    void FactBtnClick();
    void PowerBtnClick();
    void Power2BtnClick();
    void EBtnClick();
    void PiBtnClick();

    bool IsInv = false;
    bool IsHyp = false;
    TKeyButton* InvBtn = nullptr;
    TKeyButton* HypBtn = nullptr;
    TKeyButton* SinBtn = nullptr;
    TKeyButton* CosBtn = nullptr;
    TKeyButton* TanBtn = nullptr;
    QComboBox* DegCombo = nullptr;
    TKeyButton* ExpBtn = nullptr;
    TKeyButton* EBtn = nullptr;
    TKeyButton* PowerBtn = nullptr;
    TKeyButton* Power2Btn = nullptr;
};
