#include "ui/pages/ScientificPage.h"

#include "model/WindowLayout.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

QComboBox* CreateDegCombo(QWidget* APage) {
    auto* combo = new QComboBox(APage);
    combo->setObjectName(QStringLiteral("DegCombo"));
    SetStyleName(combo, QStringLiteral("DegComboStyle1"));
    SetDesignGeometry(combo, QRect(16, 48, WindowLayout::KeyWidth, 33));
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

TScientificPage::TScientificPage(QWidget* AParent)
    : TKeypadPage(AParent, "ScientificPanel", 152, true) {
    using TRow = TKeyRow<TScientificPage>;
    using T = TScientificPage;
    // clang-format off
    static const TRow rows[] = {
        {{"InvBtn", "inv", "InvBtnStyle", 16, 8, 57, 33, 16}, &T::InvBtn, nullptr, &T::InvBtnClick},
        {{"HypBtn", "hyp", "InvBtnStyle", 80, 8, 57, 33, 16}, &T::HypBtn, nullptr, &T::HypBtnClick},
        {{"SinBtn", "sin", "KeyBtnStyle", 144, 8, 57, 33, 16}, &T::SinBtn, &T::SinBtnClick},
        {{"CosBtn", "cos", "KeyBtnStyle", 208, 8, 57, 33, 16}, &T::CosBtn, &T::SinBtnClick},
        {{"TanBtn", "tan", "KeyBtnStyle", 272, 8, 57, 33, 16}, &T::TanBtn, &T::SinBtnClick},

        {{"SqrtBtn", "√", "KeyBtnStyle", 80, 48, 57, 33, 16}, nullptr, nullptr, &T::SqrtBtnClick},
        {{"ExpBtn", "e", "ExpBtnStyle", 144, 48, 57, 33, 16}, &T::ExpBtn, nullptr, &T::ExpBtnClick},
        {{"LogBtn", "log", "KeyBtnStyle", 208, 48, 57, 33, 16}, nullptr, &T::LogBtnClick},
        {{"LnBtn", "ln", "KeyBtnStyle", 272, 48, 57, 33, 16}, nullptr, &T::LogBtnClick},

        {{"FactBtn", "X!", "KeyBtnStyle", 16, 88, 57, 33, 16}, nullptr, nullptr, &T::FactBtnClick},
        {{"EBtn", "E", "EBtnStyle1", 80, 88, 57, 33, 16}, &T::EBtn, nullptr, &T::EBtnClick},
        {{"Power2Btn", "X", "Power2BtnStyle", 144, 88, 57, 33, 16}, &T::Power2Btn, nullptr,
         &T::Power2BtnClick},
        {{"PowerBtn", "X", "PowerBtnStyle", 208, 88, 57, 33, 16}, &T::PowerBtn, nullptr,
         &T::PowerBtnClick},
        {{"PiBtn", "π", "KeyBtnStyle", 272, 88, 57, 33, 16}, nullptr, nullptr, &T::PiBtnClick},
    };
    // clang-format on
    CreateKeys<TScientificPage>(this, this, rows);
    DegCombo = CreateDegCombo(this);
    CreatePageArrows("ScientificPanelLeftBtn", "ScientificPanelRightBtn");
}

void TScientificPage::ApplyKeyStyles() {
    TKeypadPage::ApplyKeyStyles();
    UpdateScientificKeyStyles();
}

void TScientificPage::InvBtnClick() {
    IsInv = !IsInv;
    UpdateScientificKeyStyles();
}

void TScientificPage::HypBtnClick() {
    IsHyp = !IsHyp;
    UpdateScientificKeyStyles();
}

void TScientificPage::UpdateScientificKeyStyles() {
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

void TScientificPage::SinBtnClick(QPushButton* Sender) {
    static const QString kUnitSuffixes[] = {QString(), QStringLiteral("r"), QStringLiteral("g")};
    QString text = IsInv ? QStringLiteral("a") : QString();
    text += Sender->text();
    const int unit = DegCombo->currentIndex();
    if (!IsHyp && unit >= 0 && unit < 3) text += kUnitSuffixes[unit];
    emit TextChosen(text + QLatin1Char('('));
}

void TScientificPage::SqrtBtnClick() { emit TextChosen(QStringLiteral("sqrt(")); }
void TScientificPage::ExpBtnClick() { emit TextChosen(QStringLiteral("exp(")); }
void TScientificPage::LogBtnClick(QPushButton* Sender) {
    emit TextChosen(Sender->text() + QLatin1Char('('));
}
void TScientificPage::FactBtnClick() { emit TextChosen(QStringLiteral("fact(")); }
void TScientificPage::PowerBtnClick() { emit TextChosen(QStringLiteral("^")); }
void TScientificPage::Power2BtnClick() { emit TextChosen(QStringLiteral("^2")); }
void TScientificPage::EBtnClick() { emit TextChosen(QStringLiteral("E")); }
void TScientificPage::PiBtnClick() { emit TextChosen(QStringLiteral("pi")); }
