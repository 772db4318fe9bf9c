#pragma once

// The numeric keypad: digits, the decimal point, ANS, parentheses, the four operators, DEL, AC,
// the cursor keys, copy and "＝". Every key asks for what the user wants done to the expression
// line through a signal; the line and what it holds are the window's.

#include "ui/widgets/Controls.h"

class QPushButton;

class TNumericKeypad : public TPanel {
    Q_OBJECT

public:
    explicit TNumericKeypad(QWidget* AParent);

    // "＝" takes the focus when it is shown; false when it is not.
    bool FocusEnterKey();

signals:
    // A digit, ".", "ANS" or a parenthesis: its caption goes into the line.
    void TextChosen(const QString& ACaption);
    // "×", "÷", "＋" or "－": its caption goes into the line, continuing a result just shown.
    void OperatorChosen(const QString& ACaption);
    void CopyRequested();
    void CaretLeftRequested();
    void CaretRightRequested();
    void DeleteRequested();
    void ClearRequested();
    // "＝" pressed: a left press with Shift asks for a percentage.
    void EvaluateRequested(bool AIsPercent);

private:
    // The digits, the point, ANS and the parentheses.
    void Digit1BtnClick(QPushButton* Sender);
    // The four operators.
    void PlusBtnClick(QPushButton* Sender);
    // "＝" evaluates on the press itself, with the button and modifiers held at that moment.
    void EnterBtnMouseDown(Qt::MouseButton AButton, Qt::KeyboardModifiers AModifiers);

    TKeyButton* EnterBtn = nullptr;
};
