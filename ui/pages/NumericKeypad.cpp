#include "ui/pages/NumericKeypad.h"

namespace {

constexpr char kOperatorFamily[] = "Segoe UI Semibold";

} // namespace

TNumericKeypad::TNumericKeypad(QWidget* AParent) : TPanel(AParent) {
    setObjectName(QStringLiteral("ButtonPanel"));
    SetDesignGeometry(this, QRect(0, 312, 344, 209));

    using TRow = TKeyRow<TNumericKeypad>;
    using T = TNumericKeypad;
    // The keys that only ask for something click through to the signal that asks for it.
    // clang-format off
    static const TRow rows[] = {
        {{"CopyBtn", "copy", "CopyBtnStyle", 16, 8, 57, 33, 16}, nullptr, nullptr, &T::CopyRequested},
        {{"CurLeftBtn", "←", "CopyBtnStyle", 80, 8, 57, 33, 16, "Tahoma"}, nullptr, nullptr,
         &T::CaretLeftRequested},
        {{"CurRightBtn", "→", "CopyBtnStyle", 144, 8, 57, 33, 16, "Tahoma"}, nullptr, nullptr,
         &T::CaretRightRequested},
        {{"BeginParenthesisBtn", "(", "CopyBtnStyle", 208, 8, 57, 33, 16}, nullptr, &T::Digit1BtnClick},
        {{"EndParenthesisBtn", ")", "CopyBtnStyle", 272, 8, 57, 33, 16}, nullptr, &T::Digit1BtnClick},

        {{"Digit7Btn", "7", "CalcBtnStyle", 16, 48, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"Digit8Btn", "8", "CalcBtnStyle", 80, 48, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"Digit9Btn", "9", "CalcBtnStyle", 144, 48, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"DelBtn", "DEL", "AcBtnStyle", 208, 48, 57, 33, 16}, nullptr, nullptr, &T::DeleteRequested},
        {{"ACBtn", "AC", "AcBtnStyle", 272, 48, 57, 33, 16}, nullptr, nullptr, &T::ClearRequested},

        {{"Digit4Btn", "4", "CalcBtnStyle", 16, 88, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"Digit5Btn", "5", "CalcBtnStyle", 80, 88, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"Digit6Btn", "6", "CalcBtnStyle", 144, 88, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"MultiplyBtn", "×", "CalcBtn2Style", 208, 88, 57, 33, 22, kOperatorFamily}, nullptr, &T::PlusBtnClick},
        {{"dividBtn", "÷", "CalcBtn2Style", 272, 88, 57, 33, 22, kOperatorFamily}, nullptr, &T::PlusBtnClick},

        {{"Digit1Btn", "1", "CalcBtnStyle", 16, 128, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"Digit2Btn", "2", "CalcBtnStyle", 80, 128, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"Digit3Btn", "3", "CalcBtnStyle", 144, 128, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"PlusBtn", "＋", "CalcBtn2Style", 208, 128, 57, 33, 22, kOperatorFamily}, nullptr, &T::PlusBtnClick},
        {{"MinusBtn", "－", "CalcBtn2Style", 272, 128, 57, 33, 22, kOperatorFamily}, nullptr, &T::PlusBtnClick},

        {{"Digit0Btn", "0", "CalcBtnStyle", 16, 168, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"DotBtn", ".", "CalcBtnStyle", 80, 168, 57, 33, 20}, nullptr, &T::Digit1BtnClick},
        {{"AnsBtn", "ANS", "CalcBtnStyle", 144, 168, 57, 33, 15}, nullptr, &T::Digit1BtnClick},
        {{"EnterBtn", "＝", "CalcBtnStyle", 208, 168, 121, 33, 28}, &T::EnterBtn},
    };
    // clang-format on
    CreateKeys<TNumericKeypad>(this, this, rows);
    connect(EnterBtn, &TKeyButton::MouseDown, this, &TNumericKeypad::EnterBtnMouseDown);
}

bool TNumericKeypad::FocusEnterKey() {
    if (!EnterBtn->isVisible()) return false;
    EnterBtn->setFocus();
    return true;
}

void TNumericKeypad::Digit1BtnClick(QPushButton* Sender) { emit TextChosen(Sender->text()); }

void TNumericKeypad::PlusBtnClick(QPushButton* Sender) { emit OperatorChosen(Sender->text()); }

void TNumericKeypad::EnterBtnMouseDown(Qt::MouseButton AButton, Qt::KeyboardModifiers AModifiers) {
    emit EvaluateRequested(AButton == Qt::LeftButton && (AModifiers & Qt::ShiftModifier));
}
