#include "ui/widgets/Controls.h"
#include "ui/window/MainWin.h"

namespace {

constexpr char kOperatorFamily[] = "Segoe UI Semibold";

} // namespace

void TMainForm::BuildButtonPanel() {
    using TRow = TKeyRow<TMainForm>;
    ButtonPanel = new TPanel(this);
    ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    SetDesignGeometry(ButtonPanel, QRect(0, 312, 344, 209));

    // clang-format off
    static const TRow rows[] = {
        {{"CopyBtn", "copy", "CopyBtnStyle", 16, 8, 57, 33, 16}, &TMainForm::CopyBtn, nullptr,
         &TMainForm::CopyBtnClick},
        {{"CurLeftBtn", "←", "CopyBtnStyle", 80, 8, 57, 33, 16, "Tahoma"}, &TMainForm::CurLeftBtn, nullptr,
         &TMainForm::CurLeftBtnClick},
        {{"CurRightBtn", "→", "CopyBtnStyle", 144, 8, 57, 33, 16, "Tahoma"}, &TMainForm::CurRightBtn, nullptr,
         &TMainForm::CurRightBtnClick},
        {{"BeginParenthesisBtn", "(", "CopyBtnStyle", 208, 8, 57, 33, 16}, &TMainForm::BeginParenthesisBtn,
         &TMainForm::Digit1BtnClick},
        {{"EndParenthesisBtn", ")", "CopyBtnStyle", 272, 8, 57, 33, 16}, &TMainForm::EndParenthesisBtn,
         &TMainForm::Digit1BtnClick},

        {{"Digit7Btn", "7", "CalcBtnStyle", 16, 48, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"Digit8Btn", "8", "CalcBtnStyle", 80, 48, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"Digit9Btn", "9", "CalcBtnStyle", 144, 48, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"DelBtn", "DEL", "AcBtnStyle", 208, 48, 57, 33, 16}, nullptr, nullptr, &TMainForm::DelBtnClick},
        {{"ACBtn", "AC", "AcBtnStyle", 272, 48, 57, 33, 16}, nullptr, nullptr, &TMainForm::ACBtnClick},

        {{"Digit4Btn", "4", "CalcBtnStyle", 16, 88, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"Digit5Btn", "5", "CalcBtnStyle", 80, 88, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"Digit6Btn", "6", "CalcBtnStyle", 144, 88, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"MultiplyBtn", "×", "CalcBtn2Style", 208, 88, 57, 33, 22, kOperatorFamily}, nullptr,
         &TMainForm::PlusBtnClick},
        {{"dividBtn", "÷", "CalcBtn2Style", 272, 88, 57, 33, 22, kOperatorFamily}, nullptr, &TMainForm::PlusBtnClick},

        {{"Digit1Btn", "1", "CalcBtnStyle", 16, 128, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"Digit2Btn", "2", "CalcBtnStyle", 80, 128, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"Digit3Btn", "3", "CalcBtnStyle", 144, 128, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"PlusBtn", "＋", "CalcBtn2Style", 208, 128, 57, 33, 22, kOperatorFamily}, nullptr, &TMainForm::PlusBtnClick},
        {{"MinusBtn", "－", "CalcBtn2Style", 272, 128, 57, 33, 22, kOperatorFamily}, nullptr,
         &TMainForm::PlusBtnClick},

        {{"Digit0Btn", "0", "CalcBtnStyle", 16, 168, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"DotBtn", ".", "CalcBtnStyle", 80, 168, 57, 33, 20}, nullptr, &TMainForm::Digit1BtnClick},
        {{"AnsBtn", "ANS", "CalcBtnStyle", 144, 168, 57, 33, 15}, nullptr, &TMainForm::Digit1BtnClick},
        {{"EnterBtn", "＝", "CalcBtnStyle", 208, 168, 121, 33, 28}, &TMainForm::EnterBtn},
    };
    // clang-format on
    CreateKeys<TMainForm>(this, ButtonPanel, rows);

    // "＝" evaluates on the press itself, with the button and modifiers held at that moment.
    connect(EnterBtn, &TKeyButton::MouseDown, this, &TMainForm::EnterBtnMouseDown);
}
