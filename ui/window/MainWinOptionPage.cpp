// The option-button page: edit mode with a "title:expression" field over each visible button,
// widening a button by double-clicking its field, and the re-flow of a row around wide buttons.

#include "ui/window/MainWin.h"

#include "model/OptionButtonRow.h"
#include "model/OptionEditLine.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/EventHook.h"

#include <QLineEdit>

namespace {

int FieldTag(const QLineEdit* AEdit) { return AEdit->property("tag").toInt(); }

} // namespace

void TMainForm::ConnectOptionPage() {
    connect(ButtonEditBtn, &QPushButton::clicked, this, &TMainForm::OptionButtonEditBtnClick);
    for (QLineEdit* edit : OptionEdits)
        OnDoubleClick(edit, [this, edit] { Option1EditDblClick(edit); });
}

// Leaving edit mode takes the fields over; entering it shows the fields of the buttons shown.
void TMainForm::OptionButtonEditBtnClick() {
    const QList<QLineEdit*> fields =
        Option1Panel->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    if (IsOptionButtonEdit) {
        for (QLineEdit* field : fields) field->hide();
        IsOptionButtonEdit = false;
        ReadOptionEdits();
    } else {
        for (QLineEdit* field : fields) {
            const TKeyButton* button = FindOptionButton(FieldTag(field));
            if (button && !button->isHidden()) field->show();
        }
        IsOptionButtonEdit = true;
        WriteOptionEdits();
    }
    UpdateOptionEditBtnStyle();
}

void TMainForm::WriteOptionEdits() {
    for (int number = 1; number <= OptionButtonCount; ++number)
        WriteOptionEdit(number, OptionEdits[number - 1]);
}

// The field shows the start of its line, where the title is, however long the line.
void TMainForm::WriteOptionEdit(int N, QLineEdit* Edit) {
    Edit->setText(OptionEditText(OptionButtonData.GetTitle(N), OptionButtonData.GetExpression(N)));
    Edit->setCursorPosition(0);
}

void TMainForm::ReadOptionEdits() {
    for (int number = 1; number <= OptionButtonCount; ++number)
        ReadOptionEdit(number, OptionEdits[number - 1]->text(), OptionButtons[number - 1]);
}

// Any text is taken; the width is the one the double-clicks left the button with.
void TMainForm::ReadOptionEdit(int N, const QString& Text, TKeyButton* Button) {
    const TOptionEditLine line = ReadOptionEditText(Text);
    OptionButtonData.SetTitle(N, line.Title);
    OptionButtonData.SetExpression(N, line.Expression);
    Button->setText(OptionCaption(line.Title, line.Expression));
    OptionButtonData.SetWidth(N, float(DesignGeometry(Button).width()));
}

void TMainForm::Option1EditDblClick(QLineEdit* Edit) {
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
}

// The fields are tagged 1..OptionButtonCount in their order once, when they are made; looking
// a tag up among the page's children by a dynamic property ran thousands of times at start-up.
QLineEdit* TMainForm::FindOptionEdit(int Tag) const {
    if (Tag < 1 || Tag > OptionButtonCount) return nullptr;
    return OptionEdits[std::size_t(Tag - 1)];
}

TKeyButton* TMainForm::FindOptionButton(int Tag) const {
    TKeyButton* found = nullptr;
    for (TKeyButton* button : Option1Panel->findChildren<TKeyButton*>(Qt::FindDirectChildrenOnly))
        if (button->Tag() == Tag) found = button;
    return found;
}

void TMainForm::SetOptionButtonWidth(TKeyButton* AButton, int AWidth) {
    QWidget* field = FindOptionEdit(AButton->Tag());
    for (QWidget* control : {static_cast<QWidget*>(AButton), field}) {
        if (!control) continue;
        QRect place = DesignGeometry(control);
        if (place.width() == AWidth) continue;
        place.setWidth(AWidth);
        SetDesignGeometry(control, place);
        ApplyDesignGeometry(control, ScaleFactor());
    }
}

namespace {

// The option buttons of the row at design height AY, in child order, without the edit key.
QList<TKeyButton*> OptionRowButtons(const QWidget* APage, const QWidget* AEditKey, int AY) {
    QList<TKeyButton*> row;
    for (TKeyButton* button : APage->findChildren<TKeyButton*>(Qt::FindDirectChildrenOnly))
        if (button != AEditKey && DesignGeometry(button).y() == AY) row << button;
    return row;
}

OptionButtonRow::TRow CellsOf(const QList<TKeyButton*>& AButtons) {
    OptionButtonRow::TRow cells;
    for (const TKeyButton* button : AButtons) {
        const QRect place = DesignGeometry(button);
        cells.push_back({place.x(), place.width(), !button->isHidden()});
    }
    return cells;
}

} // namespace

// A field is shown exactly while edit mode is on and its button is shown.
void TMainForm::ApplyOptionRow(const QList<TKeyButton*>& AButtons,
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

void TMainForm::ArrangeOptionButtonRow(TKeyButton* Button) {
    if (Button->isHidden()) return;
    const QList<TKeyButton*> buttons =
        OptionRowButtons(Option1Panel, ButtonEditBtn, DesignGeometry(Button).y());
    const qsizetype index = buttons.indexOf(Button);
    if (index < 0) return;
    OptionButtonRow::TRow cells = CellsOf(buttons);
    OptionButtonRow::ArrangeOptionButtonRow(cells, std::size_t(index));
    ApplyOptionRow(buttons, cells);
}

void TMainForm::ShowUncoveredOptionButtons(int Width, int Y, int X) {
    const QList<TKeyButton*> buttons = OptionRowButtons(Option1Panel, ButtonEditBtn, Y);
    OptionButtonRow::TRow cells = CellsOf(buttons);
    OptionButtonRow::ShowUncoveredOptionButtons(cells, Width, X);
    ApplyOptionRow(buttons, cells);
}
