// Layout of the window: the scale, the stacking of the pages and the numeric keypad, the keys'
// styles on the pages, and the option and variable keys shown from their sets.

#include "ui/MainWin.h"

#include "ui/AboutWin.h"
#include "ui/Controls.h"

#include <QComboBox>
#include <QLineEdit>

#include <cmath>

namespace {

constexpr int kExpressionPanelHeight = 113;
constexpr int kPageHeight = 129;
constexpr int kKeypadHeight = 209;

// Halves go to the even neighbour.
int RoundHalfEven(double AValue) { return int(std::nearbyint(AValue)); }

} // namespace

double TMainForm::ScaleFactor() const { return 1.0 + 0.05 * WindowScaleNumber; }

void TMainForm::SetClientSize(int AWidth, int AHeight) { setFixedSize(AWidth, AHeight); }

void TMainForm::SetWindowScale(int Step) {
    WindowScaleNumber = Step;
    const double s = ScaleFactor();
    for (QWidget* panel : {static_cast<QWidget*>(ExpressionPanel), static_cast<QWidget*>(ScientificPanel),
                           static_cast<QWidget*>(Option1Panel), static_cast<QWidget*>(VariablePanel),
                           static_cast<QWidget*>(ButtonPanel), static_cast<QWidget*>(HistoryPanel)})
        ApplyDesignScale(panel, s);
    ArrangePanels();
    // The pages share the place of the scientific page.
    Option1Panel->move(ScientificPanel->pos());
    VariablePanel->move(ScientificPanel->pos());
    const float width = float(s * DesignClientWidth);
    SetClientSize(RoundHalfEven(IsAlwaysDisplayHistoryPanel ? width * 2 : width), height());
}

// Stacks the visible areas under the expression panel, each overlapping the one above by one
// pixel, and fits the window's height to them.
void TMainForm::ArrangePanels() {
    const double s = ScaleFactor();
    double y = s * (kExpressionPanelHeight - 1);
    ScientificPanelList.HidePanels();
    if (IsScientificKey) {
        ScientificPanelList.SetPositionY(RoundHalfEven(y));
        y += s * (kPageHeight - 1);
        ScientificPanelList.SetActivePanel(ScientificPanelNumber);
        if (QWidget* page = ScientificPanelList.ActivePanel()) ApplyPanelKeyStyles(page);
    }
    if (IsNumericKey) {
        ButtonPanel->move(ButtonPanel->x(), RoundHalfEven(y));
        ButtonPanel->show();
        y += s * (kKeypadHeight - 1);
    } else {
        ButtonPanel->hide();
    }
    SetClientSize(width(), RoundHalfEven(y));
}

void TMainForm::ApplyOptionButtonData() {
    for (int number = 1; number <= OptionButtonCount; ++number) {
        TKeyButton* button = OptionButtons[std::size_t(number - 1)];
        const QString& title = OptionButtonData.GetTitle(number);
        button->setText(title.isEmpty() ? OptionButtonData.GetExpression(number) : title);
        const int width = RoundHalfEven(OptionButtonData.GetWidth(number));
        for (QWidget* control : {static_cast<QWidget*>(button), static_cast<QWidget*>(OptionEdits[std::size_t(number - 1)])}) {
            QRect geometry = DesignGeometry(control);
            geometry.setWidth(width);
            SetDesignGeometry(control, geometry);
        }
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
    const QString trigStyle = IsInv ? QStringLiteral("TrigInvBtnStyle") : QStringLiteral("KeyBtnStyle");
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
    for (TKeyButton* key : {CopyBtn, CurLeftBtn, CurRightBtn, BeginParenthesisBtn, EndParenthesisBtn})
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

// A fresh about box each time, owned by the window and gone when it closes.
void TMainForm::AboutClick() {
    TAboutForm about(this);
    about.exec();
}
