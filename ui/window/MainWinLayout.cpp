// Layout of the window: the scale, the stacking of the pages and the numeric keypad, the keys'
// styles on the pages, and the option and variable keys shown from their sets.

#include "ui/window/MainWin.h"

#include "model/OptionEditLine.h"
#include "model/WindowLayout.h"
#include "ui/widgets/Controls.h"

#include <QComboBox>
#include <QLineEdit>

using WindowLayout::RoundHalfEven;

// Stacks the visible areas under the expression panel, each overlapping the one above by one
// pixel, and fits the window's height to them.
void TMainForm::ArrangePanels() {
    const WindowLayout::TAreaStack stack =
        WindowLayout::StackAreas(ScaleFactor(), IsScientificKey, IsNumericKey);
    ScientificPanelList.HidePanels();
    if (IsScientificKey) {
        ScientificPanelList.SetPositionY(RoundHalfEven(stack.PageTop));
        ScientificPanelList.SetActivePanel(ScientificPanelNumber);
        if (QWidget* page = ScientificPanelList.ActivePanel()) ApplyPanelKeyStyles(page);
    }
    if (IsNumericKey) {
        ButtonPanel->move(ButtonPanel->x(), RoundHalfEven(stack.KeypadTop));
        ButtonPanel->show();
    } else {
        ButtonPanel->hide();
    }
    SetClientSize(width(), stack.ClientHeight);
}

void TMainForm::ApplyOptionButtonData() {
    for (int number = 1; number <= OptionButtonCount; ++number) {
        TKeyButton* button = OptionButtons[std::size_t(number - 1)];
        button->setText(OptionCaption(OptionButtonData.GetTitle(number),
                                      OptionButtonData.GetExpression(number)));
        SetOptionButtonWidth(button, RoundHalfEven(OptionButtonData.GetWidth(number)));
        ArrangeOptionButtonRow(button);
    }
}

void TMainForm::ApplyVariableButtonData() {
    for (int number = 1; number <= VariableCount; ++number)
        VariableButtons[std::size_t(number - 1)]->setText(VariableButtonData.GetTitle(number));
    for (int number = 1; number <= VariableCount; ++number)
        VariableDataEdits[std::size_t(number - 1)]->setText(VariableButtonData.GetValue(number));
}

void TMainForm::InvBtnClick() {
    IsInv = !IsInv;
    UpdateScientificKeyStyles();
}

void TMainForm::HypBtnClick() {
    IsHyp = !IsHyp;
    UpdateScientificKeyStyles();
}

void TMainForm::UpdateScientificKeyStyles() {
    const QString toggleOff = QStringLiteral("InvBtnStyle");
    const QString toggleOn = QStringLiteral("InvBtnPushStyle");
    SetStyleName(InvBtn, IsInv ? toggleOn : toggleOff);
    SetStyleName(HypBtn, IsHyp ? toggleOn : toggleOff);
    const QString trigStyle =
        IsInv ? QStringLiteral("TrigInvBtnStyle") : QStringLiteral("KeyBtnStyle");
    const QString suffix = IsHyp ? QStringLiteral("h") : QString();
    SinBtn->setText(QStringLiteral("sin") + suffix);
    CosBtn->setText(QStringLiteral("cos") + suffix);
    TanBtn->setText(QStringLiteral("tan") + suffix);
    for (TKeyButton* key : {SinBtn, CosBtn, TanBtn}) SetStyleName(key, trigStyle);
    SetStyleName(DegCombo, QStringLiteral("RoundComboStyle"));
    SetStyleName(ExpBtn, QStringLiteral("ExpBtnStyle"));
    SetStyleName(Power2Btn, QStringLiteral("Power2BtnStyle"));
    SetStyleName(PowerBtn, QStringLiteral("PowerBtnStyle"));
}

void TMainForm::UpdateOptionEditBtnStyle() {
    SetStyleName(ButtonEditBtn, IsOptionButtonEdit ? QStringLiteral("OptionEditBtnPushStyle")
                                                   : QStringLiteral("OptionEditBtnStyle"));
}

void TMainForm::UpdateCopyBtnStyles() {
    for (TKeyButton* key :
         {CopyBtn, CurLeftBtn, CurRightBtn, BeginParenthesisBtn, EndParenthesisBtn})
        SetStyleName(key, QStringLiteral("CopyBtnStyle"));
}

// The keys of a page get the plain key style, then the keys with a state of their own get
// theirs back. The page arrows are tool buttons, not keys, and keep their style.
void TMainForm::ApplyPanelKeyStyles(QWidget* Page) {
    for (TKeyButton* key : Page->findChildren<TKeyButton*>(Qt::FindDirectChildrenOnly))
        SetStyleName(key, QStringLiteral("KeyBtnStyle"));
    UpdateScientificKeyStyles();
    UpdateOptionEditBtnStyle();
    UpdateCopyBtnStyles();
}
