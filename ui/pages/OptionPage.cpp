#include "ui/pages/OptionPage.h"

#include "model/OptionEditLine.h"
#include "model/WindowLayout.h"
#include "ui/a11y/Accessibility.h"
#include "ui/widgets/EventHook.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kKeyWidth = WindowLayout::KeyWidth;
constexpr int kKeyHeight = 33;
constexpr int kColumnX[] = {16, 80, 144, 208, 272};
constexpr int kRowY[] = {8, 48, 88};
constexpr int kEditFontPixelSize = 12;

int FieldTag(const QLineEdit* AEdit) { return AEdit->property("tag").toInt(); }

OptionButtonRow::TRow CellsOf(const QList<TKeyButton*>& AButtons) {
    OptionButtonRow::TRow cells;
    for (const TKeyButton* button : AButtons) {
        const QRect place = DesignGeometry(button);
        cells.push_back({place.x(), place.width(), !button->isHidden()});
    }
    return cells;
}

} // namespace

// Child order matters to the rows' re-flow: the edit key, the fourteen buttons, their fourteen
// fields, then the page arrows.
TOptionPage::TOptionPage(TOptionButtonData& AOptionButtonData, TScale AScale, QWidget* AParent)
    : TKeypadPage(AParent, "Option1Panel", 184, false), OptionButtonData(AOptionButtonData),
      Scale(std::move(AScale)) {
    ButtonEditBtn = CreateKey(this, {"ButtonEditBtn", "edit", "OptionEditBtnStyle", kColumnX[0],
                                     kRowY[0], kKeyWidth, kKeyHeight, 14});
    connect(ButtonEditBtn, &QPushButton::clicked, this, &TOptionPage::OptionButtonEditBtnClick);
    CreateButtons();
    CreateEdits();
    CreatePageArrows("Option1PanelLeftBtn", "Option1PanelRightBtn");
}

void TOptionPage::CreateButtons() {
    constexpr int columns = std::size(kColumnX);
    for (int number = 1; number <= OptionButtonCount; ++number) {
        const int cell = number; // cell 0 is the edit key
        const QByteArray name = "Option" + QByteArray::number(number) + "Btn";
        TKeyButton* button =
            CreateKey(this, {name.constData(), "", "KeyBtnStyle", kColumnX[cell % columns],
                             kRowY[cell / columns], kKeyWidth, kKeyHeight, 14});
        button->SetTag(number);
        connect(button, &QPushButton::clicked, this, [this, button] { Option1BtnClick(button); });
        OptionButtons[std::size_t(number - 1)] = button;
    }
}

void TOptionPage::CreateEdits() {
    for (int number = 1; number <= OptionButtonCount; ++number) {
        const QRect buttonRect = DesignGeometry(OptionButtons[std::size_t(number - 1)]);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Option%1Edit").arg(number));
        SetDesignGeometry(edit, QRect(buttonRect.x(), buttonRect.y() + 6, kKeyWidth, 22));
        SetDesignFont(edit, DesignFont({}, kEditFontPixelSize, false));
        edit->setVisible(false);
        edit->setProperty("tag", number);
        OnDoubleClick(edit, [this, edit] { Option1EditDblClick(edit); });
        // Ctrl+Enter is the keyboard's double-click.
        OnKeyDown(edit, [this, edit](QKeyEvent* AEvent) {
            if (!IsCtrlEnterKey(AEvent)) return false;
            Option1EditDblClick(edit);
            return true;
        });
        OptionEdits[std::size_t(number - 1)] = edit;
    }
    SetDesignFont(OptionEdits[0],
                  DesignFont({QStringLiteral("Tahoma")}, kEditFontPixelSize, false));
}

void TOptionPage::ApplyOptionButtonData() {
    for (int number = 1; number <= OptionButtonCount; ++number) {
        TKeyButton* button = OptionButtons[std::size_t(number - 1)];
        button->setText(OptionCaption(OptionButtonData.GetTitle(number),
                                      OptionButtonData.GetExpression(number)));
        SetOptionButtonWidth(button,
                             WindowLayout::RoundHalfEven(OptionButtonData.GetWidth(number)));
        ArrangeOptionButtonRow(button);
    }
}

void TOptionPage::ApplyKeyStyles() {
    TKeypadPage::ApplyKeyStyles();
    UpdateOptionEditBtnStyle();
}

void TOptionPage::Option1BtnClick(TKeyButton* Sender) {
    const int number = Sender->Tag();
    if (number < 1 || number > OptionButtonCount) return;
    emit TextChosen(OptionButtonData.GetExpression(number));
}

// Leaving edit mode takes the fields over; entering it shows the fields of the buttons shown.
void TOptionPage::OptionButtonEditBtnClick() {
    if (IsOptionButtonEdit) {
        for (QLineEdit* field : OptionEdits) field->hide();
        IsOptionButtonEdit = false;
        ReadOptionEdits();
    } else {
        for (QLineEdit* field : OptionEdits) {
            const TKeyButton* button = FindOptionButton(FieldTag(field));
            if (button && !button->isHidden()) field->show();
        }
        IsOptionButtonEdit = true;
        WriteOptionEdits();
    }
    UpdateOptionEditBtnStyle();
    Announce(this, IsOptionButtonEdit ? tr("edit mode on") : tr("edit mode off"));
}

void TOptionPage::UpdateOptionEditBtnStyle() {
    SetStyleName(ButtonEditBtn, IsOptionButtonEdit ? QStringLiteral("OptionEditBtnPushStyle")
                                                   : QStringLiteral("OptionEditBtnStyle"));
}

void TOptionPage::WriteOptionEdits() {
    for (int number = 1; number <= OptionButtonCount; ++number)
        WriteOptionEdit(number, OptionEdits[std::size_t(number - 1)]);
}

// The field shows the start of its line, where the title is, however long the line.
void TOptionPage::WriteOptionEdit(int N, QLineEdit* Edit) {
    Edit->setText(OptionEditText(OptionButtonData.GetTitle(N), OptionButtonData.GetExpression(N)));
    Edit->setCursorPosition(0);
}

void TOptionPage::ReadOptionEdits() {
    for (int number = 1; number <= OptionButtonCount; ++number)
        ReadOptionEdit(number, OptionEdits[std::size_t(number - 1)]->text(),
                       OptionButtons[std::size_t(number - 1)]);
}

// Any text is taken; the width is the one the double-clicks left the button with.
void TOptionPage::ReadOptionEdit(int N, const QString& Text, TKeyButton* Button) {
    const TOptionEditLine line = ReadOptionEditText(Text);
    OptionButtonData.SetTitle(N, line.Title);
    OptionButtonData.SetExpression(N, line.Expression);
    Button->setText(OptionCaption(line.Title, line.Expression));
    OptionButtonData.SetWidth(N, float(DesignGeometry(Button).width()));
}

void TOptionPage::Option1EditDblClick(QLineEdit* Edit) {
    TKeyButton* button = FindOptionButton(FieldTag(Edit));
    if (!button) return;
    const QRect place = DesignGeometry(button);
    const int rightEdge = OptionButtonRow::GridRightEdge(DesignGeometry(ButtonEditBtn).x());
    const OptionButtonRow::TWidthStep step =
        OptionButtonRow::NextOptionButtonWidth(place.x(), place.width(), rightEdge);
    SetOptionButtonWidth(button, step.Width);
    if (step.IsReset) {
        ShowUncoveredOptionButtons(step.Width, place.y(), place.x());
    } else {
        ArrangeOptionButtonRow(button);
    }
    const int columns = OptionButtonRow::ColumnsSpanned(step.Width);
    Announce(this, columns > 1 ? tr("%n columns wide", "an option button's new width", columns)
                               : tr("one column wide", "an option button's new width"));
}

// The fields and buttons are tagged 1..OptionButtonCount in their order once, when they are
// made; looking a tag up among the page's children ran thousands of times at start-up.
QLineEdit* TOptionPage::FindOptionEdit(int Tag) const {
    if (Tag < 1 || Tag > OptionButtonCount) return nullptr;
    return OptionEdits[std::size_t(Tag - 1)];
}

TKeyButton* TOptionPage::FindOptionButton(int Tag) const {
    if (Tag < 1 || Tag > OptionButtonCount) return nullptr;
    return OptionButtons[std::size_t(Tag - 1)];
}

void TOptionPage::SetOptionButtonWidth(TKeyButton* AButton, int AWidth) {
    QWidget* field = FindOptionEdit(AButton->Tag());
    for (QWidget* control : {static_cast<QWidget*>(AButton), field}) {
        if (!control) continue;
        QRect place = DesignGeometry(control);
        if (place.width() == AWidth) continue;
        place.setWidth(AWidth);
        SetDesignGeometry(control, place);
        ApplyDesignGeometry(control, Scale());
    }
}

QList<TKeyButton*> TOptionPage::OptionRowButtons(int AY) const {
    QList<TKeyButton*> row;
    for (TKeyButton* button : OptionButtons)
        if (DesignGeometry(button).y() == AY) row << button;
    return row;
}

// A field is shown exactly while edit mode is on and its button is shown.
void TOptionPage::ApplyOptionRow(const QList<TKeyButton*>& AButtons,
                                 const OptionButtonRow::TRow& ACells) {
    for (qsizetype i = 0; i < AButtons.size(); ++i) {
        TKeyButton* button = AButtons[i];
        const OptionButtonRow::TCell& cell = ACells[std::size_t(i)];
        SetOptionButtonWidth(button, cell.Width);
        button->setVisible(cell.IsVisible);
        if (QLineEdit* field = FindOptionEdit(button->Tag()))
            field->setVisible(IsOptionButtonEdit && cell.IsVisible);
    }
}

void TOptionPage::ArrangeOptionButtonRow(TKeyButton* Button) {
    if (Button->isHidden()) return;
    const QList<TKeyButton*> buttons = OptionRowButtons(DesignGeometry(Button).y());
    const qsizetype index = buttons.indexOf(Button);
    if (index < 0) return;
    OptionButtonRow::TRow cells = CellsOf(buttons);
    OptionButtonRow::ArrangeOptionButtonRow(cells, std::size_t(index));
    ApplyOptionRow(buttons, cells);
}

void TOptionPage::ShowUncoveredOptionButtons(int Width, int Y, int X) {
    const QList<TKeyButton*> buttons = OptionRowButtons(Y);
    OptionButtonRow::TRow cells = CellsOf(buttons);
    OptionButtonRow::ShowUncoveredOptionButtons(cells, Width, X);
    ApplyOptionRow(buttons, cells);
}
