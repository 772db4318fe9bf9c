#include "model/WindowLayout.h"
#include "ui/widgets/Controls.h"
#include "ui/window/MainWin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr int kKeyWidth = WindowLayout::KeyWidth;
constexpr int kKeyHeight = 33;
constexpr int kColumnX[] = {16, 80, 144, 208, 272};
constexpr int kRowY[] = {8, 48, 88};
constexpr int kEditFontPixelSize = 12;

TPanel* CreatePage(QWidget* AParent, const char* AName, int AY, bool AIsVisible) {
    auto* page = new TPanel(AParent);
    page->setObjectName(QString::fromLatin1(AName));
    SetDesignGeometry(page, QRect(0, AY, 344, 129));
    page->setVisible(AIsVisible);
    return page;
}

// The page-turning strips sit on the page edges and are created last, over the keys.
void CreatePageArrows(QWidget* APage, const char* ALeftName, const char* ARightName) {
    CreatePageArrow(APage, ALeftName, true);
    CreatePageArrow(APage, ARightName, false);
}

QLineEdit* CreateEdit(QWidget* AParent, const QString& AName, const QRect& ARect, bool AIsVisible) {
    auto* edit = new QLineEdit(AParent);
    edit->setObjectName(AName);
    SetDesignGeometry(edit, ARect);
    SetDesignFont(edit, DesignFont({}, kEditFontPixelSize, false));
    edit->setVisible(AIsVisible);
    return edit;
}

QComboBox* CreateDegCombo(QWidget* APage) {
    auto* combo = new QComboBox(APage);
    combo->setObjectName(QStringLiteral("DegCombo"));
    SetStyleName(combo, QStringLiteral("DegComboStyle1"));
    SetDesignGeometry(combo, QRect(kColumnX[0], kRowY[1], kKeyWidth, kKeyHeight));
    SetDesignFont(combo, DesignFont({QStringLiteral("Segoe UI Semibold")}, 14, true));
    UseStyledComboItems(combo);
    const QSignalBlocker blocker(combo);
    const char* const units[][2] = {
        {"Deg", "ListBoxItem1"}, {"Rad", "ListBoxItem2"}, {"Gra", "ListBoxItem3"}};
    for (int index = 0; index < 3; ++index)
        AddComboItem(combo, QString::fromLatin1(units[index][0]), index,
                     QString::fromLatin1(units[index][1]));
    combo->setCurrentIndex(0);
    return combo;
}

} // namespace

void TMainForm::BuildScientificPanel() {
    using TRow = TKeyRow<TMainForm>;
    ScientificPanel = CreatePage(this, "ScientificPanel", 152, true);
    // clang-format off
    static const TRow rows[] = {
        {{"InvBtn", "inv", "InvBtnStyle", 16, 8, 57, 33, 16}, &TMainForm::InvBtn, nullptr, &TMainForm::InvBtnClick},
        {{"HypBtn", "hyp", "InvBtnStyle", 80, 8, 57, 33, 16}, &TMainForm::HypBtn, nullptr, &TMainForm::HypBtnClick},
        {{"SinBtn", "sin", "KeyBtnStyle", 144, 8, 57, 33, 16}, &TMainForm::SinBtn, &TMainForm::SinBtnClick},
        {{"CosBtn", "cos", "KeyBtnStyle", 208, 8, 57, 33, 16}, &TMainForm::CosBtn, &TMainForm::SinBtnClick},
        {{"TanBtn", "tan", "KeyBtnStyle", 272, 8, 57, 33, 16}, &TMainForm::TanBtn, &TMainForm::SinBtnClick},

        {{"SqrtBtn", "√", "KeyBtnStyle", 80, 48, 57, 33, 16}, nullptr, nullptr, &TMainForm::SqrtBtnClick},
        {{"ExpBtn", "e", "ExpBtnStyle", 144, 48, 57, 33, 16}, &TMainForm::ExpBtn, nullptr, &TMainForm::ExpBtnClick},
        {{"LogBtn", "log", "KeyBtnStyle", 208, 48, 57, 33, 16}, nullptr, &TMainForm::LogBtnClick},
        {{"LnBtn", "ln", "KeyBtnStyle", 272, 48, 57, 33, 16}, nullptr, &TMainForm::LogBtnClick},

        {{"FactBtn", "X!", "KeyBtnStyle", 16, 88, 57, 33, 16}, nullptr, nullptr, &TMainForm::FactBtnClick},
        {{"EBtn", "E", "EBtnStyle1", 80, 88, 57, 33, 16}, &TMainForm::EBtn, nullptr, &TMainForm::EBtnClick},
        {{"Power2Btn", "X", "Power2BtnStyle", 144, 88, 57, 33, 16}, &TMainForm::Power2Btn, nullptr,
         &TMainForm::Power2BtnClick},
        {{"PowerBtn", "X", "PowerBtnStyle", 208, 88, 57, 33, 16}, &TMainForm::PowerBtn, nullptr,
         &TMainForm::PowerBtnClick},
        {{"PiBtn", "π", "KeyBtnStyle", 272, 88, 57, 33, 16}, nullptr, nullptr, &TMainForm::PiBtnClick},
    };
    // clang-format on
    CreateKeys<TMainForm>(this, ScientificPanel, rows);
    DegCombo = CreateDegCombo(ScientificPanel);
    CreatePageArrows(ScientificPanel, "ScientificPanelLeftBtn", "ScientificPanelRightBtn");
}

// Child order matters to the option page's row re-flow: the edit key, the fourteen buttons,
// their fourteen edits, then the page arrows.
void TMainForm::BuildOptionPanel() {
    Option1Panel = CreatePage(this, "Option1Panel", 184, false);
    ButtonEditBtn = CreateKey(Option1Panel, {"ButtonEditBtn", "edit", "OptionEditBtnStyle",
                                             kColumnX[0], kRowY[0], kKeyWidth, kKeyHeight, 14});
    constexpr int columns = std::size(kColumnX);
    for (int number = 1; number <= OptionButtonCount; ++number) {
        const int cell = number; // cell 0 is the edit key
        const QByteArray name = "Option" + QByteArray::number(number) + "Btn";
        TKeyButton* button =
            CreateKey(Option1Panel, {name.constData(), "", "KeyBtnStyle", kColumnX[cell % columns],
                                     kRowY[cell / columns], kKeyWidth, kKeyHeight, 14});
        button->SetTag(number);
        connect(button, &QPushButton::clicked, this, [this, button] { Option1BtnClick(button); });
        OptionButtons[number - 1] = button;
    }
    for (int number = 1; number <= OptionButtonCount; ++number) {
        const QRect buttonRect = DesignGeometry(OptionButtons[number - 1]);
        QLineEdit* edit =
            CreateEdit(Option1Panel, QStringLiteral("Option%1Edit").arg(number),
                       QRect(buttonRect.x(), buttonRect.y() + 6, kKeyWidth, 22), false);
        edit->setProperty("tag", number);
        OptionEdits[number - 1] = edit;
    }
    SetDesignFont(OptionEdits[0],
                  DesignFont({QStringLiteral("Tahoma")}, kEditFontPixelSize, false));
    CreatePageArrows(Option1Panel, "Option1PanelLeftBtn", "Option1PanelRightBtn");
}

void TMainForm::BuildVariablePanel() {
    VariablePanel = CreatePage(this, "VariablePanel", 168, false);
    // The "=" labels were named row by row with the first row's pair swapped.
    constexpr int labelNumbers[] = {2, 1, 3, 4, 5, 6};
    for (int number = 1; number <= VariableCount; ++number) {
        const int x = (number % 2 == 1) ? 0 : 168;
        const int y = kRowY[(number - 1) / 2];
        const QByteArray name = "Variable" + QByteArray::number(number) + "Btn";
        TKeyButton* button = CreateKey(VariablePanel, {name.constData(), "", "KeyBtnStyle", 16 + x,
                                                       y, kKeyWidth, kKeyHeight, 14});
        button->SetTag(number);
        connect(button, &QPushButton::clicked, this, [this, button] { Digit1BtnClick(button); });
        VariableButtons[number - 1] = button;

        auto* label = new QLabel(QStringLiteral("="), VariablePanel);
        label->setObjectName(QStringLiteral("Label%1").arg(labelNumbers[number - 1]));
        SetDesignGeometry(label, QRect(75 + x, y + 7, 9, 16));
        SetDesignFont(label, DesignFont({}, kEditFontPixelSize, true));

        QLineEdit* data =
            CreateEdit(VariablePanel, QStringLiteral("VariableData%1Edit").arg(number),
                       QRect(88 + x, y + 4, 73, 25), true);
        data->setProperty("tag", number);
        VariableDataEdits[number - 1] = data;
    }
    // Created after all keys so that each lies over its key in rename mode.
    for (int number = 1; number <= VariableCount; ++number) {
        const QRect key = DesignGeometry(VariableButtons[number - 1]);
        QLineEdit* title =
            CreateEdit(VariablePanel, QStringLiteral("VariableBtn%1Edit").arg(number),
                       QRect(key.x(), key.y() + 4, kKeyWidth, 25), false);
        title->setProperty("tag", number);
        VariableTitleEdits[number - 1] = title;
    }
    CreatePageArrows(VariablePanel, "VariablePanelLeftBtn", "VariablePanelRightBtn");
}
