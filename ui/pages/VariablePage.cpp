#include "ui/pages/VariablePage.h"

#include "model/WindowLayout.h"
#include "ui/a11y/Accessibility.h"
#include "ui/widgets/EventHook.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kKeyWidth = WindowLayout::KeyWidth;
constexpr int kRowY[] = {8, 48, 88};
constexpr int kEditFontPixelSize = 12;

QLineEdit* CreateEdit(QWidget* AParent, const QString& AName, const QRect& ARect, int ATag,
                      bool AIsVisible) {
    auto* edit = new QLineEdit(AParent);
    edit->setObjectName(AName);
    SetDesignGeometry(edit, ARect);
    SetDesignFont(edit, DesignFont({}, kEditFontPixelSize, false));
    edit->setVisible(AIsVisible);
    edit->setProperty("tag", ATag);
    return edit;
}

} // namespace

TVariablePage::TVariablePage(TVariableButtonData& AVariableButtonData, QWidget* AParent)
    : TKeypadPage(AParent, "VariablePanel", 168, false), VariableButtonData(AVariableButtonData) {
    for (int number = 1; number <= VariableCount; ++number) CreateVariable(number);
    CreateTitleEdits();
    CreatePageArrows("VariablePanelLeftBtn", "VariablePanelRightBtn");
}

// Variables 1, 3 and 5 in the left column, 2, 4 and 6 in the right one: the key, "=" and the
// value field.
void TVariablePage::CreateVariable(int ANumber) {
    // The "=" labels were named row by row with the first row's pair swapped.
    constexpr int labelNumbers[] = {2, 1, 3, 4, 5, 6};
    const int x = (ANumber % 2 == 1) ? 0 : 168;
    const int y = kRowY[(ANumber - 1) / 2];
    const QByteArray name = "Variable" + QByteArray::number(ANumber) + "Btn";
    TKeyButton* button =
        CreateKey(this, {name.constData(), "", "KeyBtnStyle", 16 + x, y, kKeyWidth, 33, 14});
    button->SetTag(ANumber);
    connect(button, &QPushButton::clicked, this,
            [this, button] { emit TextChosen(button->text()); });
    VariableButtons[std::size_t(ANumber - 1)] = button;

    auto* label = new QLabel(QStringLiteral("="), this);
    label->setObjectName(QStringLiteral("Label%1").arg(labelNumbers[ANumber - 1]));
    SetDesignGeometry(label, QRect(75 + x, y + 7, 9, 16));
    SetDesignFont(label, DesignFont({}, kEditFontPixelSize, true));

    QLineEdit* data = CreateEdit(this, QStringLiteral("VariableData%1Edit").arg(ANumber),
                                 QRect(88 + x, y + 4, 73, 25), ANumber, true);
    OnDoubleClick(data, [this] { VariableData1EditDblClick(); });
    OnKeyDown(data, [this, ANumber](QKeyEvent* AEvent) {
        return VariableData1EditKeyDown(ANumber, AEvent);
    });
    VariableDataEdits[std::size_t(ANumber - 1)] = data;
}

// Made after all keys so that each lies over its key in rename mode.
void TVariablePage::CreateTitleEdits() {
    for (int number = 1; number <= VariableCount; ++number) {
        const QRect key = DesignGeometry(VariableButtons[std::size_t(number - 1)]);
        QLineEdit* title = CreateEdit(this, QStringLiteral("VariableBtn%1Edit").arg(number),
                                      QRect(key.x(), key.y() + 4, kKeyWidth, 25), number, false);
        OnKeyDown(title, [this, number](QKeyEvent* AEvent) {
            return VariableTitleEditKeyDown(number, AEvent);
        });
        VariableTitleEdits[std::size_t(number - 1)] = title;
    }
}

void TVariablePage::ApplyVariableButtonData() {
    for (int number = 1; number <= VariableCount; ++number)
        VariableButtons[std::size_t(number - 1)]->setText(VariableButtonData.GetTitle(number));
    for (int number = 1; number <= VariableCount; ++number)
        VariableDataEdits[std::size_t(number - 1)]->setText(VariableButtonData.GetValue(number));
}

void TVariablePage::CollectVariableButtonData() {
    for (int number = 1; number <= VariableCount; ++number)
        VariableButtonData.SetTitle(number, VariableButtons[std::size_t(number - 1)]->text());
    for (int number = 1; number <= VariableCount; ++number)
        VariableButtonData.SetValue(number, VariableDataEdits[std::size_t(number - 1)]->text());
}

void TVariablePage::SelectValue(int ANumber) {
    if (ANumber < 1 || ANumber > VariableCount) return;
    QLineEdit* field = VariableDataEdits[std::size_t(ANumber - 1)];
    field->setSelection(0, int(field->text().size()));
}

// Names typed while the mode is on take effect only when it is left.
void TVariablePage::VariableData1EditDblClick() {
    if (IsVariableButtonEdit) {
        for (QLineEdit* title : VariableTitleEdits) title->hide();
        IsVariableButtonEdit = false;
        ReadVariableTitleEdits();
    } else {
        for (QLineEdit* title : VariableTitleEdits) title->show();
        IsVariableButtonEdit = true;
        WriteVariableTitleEdits();
    }
    Announce(this, IsVariableButtonEdit ? tr("rename mode on") : tr("rename mode off"));
}

void TVariablePage::ReadVariableTitleEdits() {
    for (int number = 1; number <= VariableCount; ++number) {
        VariableButtonData.SetTitle(number, VariableTitleEdits[std::size_t(number - 1)]->text());
        VariableButtons[std::size_t(number - 1)]->setText(VariableButtonData.GetTitle(number));
    }
}

void TVariablePage::WriteVariableTitleEdits() {
    for (int number = 1; number <= VariableCount; ++number)
        VariableTitleEdits[std::size_t(number - 1)]->setText(VariableButtonData.GetTitle(number));
}

// Ctrl+Enter is the keyboard's double-click: it enters rename mode at the variable's name, or
// leaves it.
bool TVariablePage::VariableData1EditKeyDown(int ANumber, QKeyEvent* AEvent) {
    if (AEvent->key() != Qt::Key_Return && AEvent->key() != Qt::Key_Enter) return false;
    if (!IsCtrlEnterKey(AEvent)) {
        emit ValueEntered(ANumber);
        return true;
    }
    VariableData1EditDblClick();
    if (IsVariableButtonEdit) VariableTitleEdits[std::size_t(ANumber - 1)]->setFocus();
    return true;
}

// Ctrl+Enter in a name leaves rename mode, back at the variable's value (before the name hides,
// which would pass the focus on elsewhere).
bool TVariablePage::VariableTitleEditKeyDown(int ANumber, QKeyEvent* AEvent) {
    if (!IsCtrlEnterKey(AEvent) || !IsVariableButtonEdit) return false;
    VariableDataEdits[std::size_t(ANumber - 1)]->setFocus();
    VariableData1EditDblClick();
    return true;
}
