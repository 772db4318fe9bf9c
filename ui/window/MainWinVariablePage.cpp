// The variables page: renaming the six variables in place (a double-click on any value field
// enters and leaves the mode) and Enter in a value field re-evaluating the expression line.

#include "ui/window/MainWin.h"

#include "ui/widgets/Controls.h"
#include "ui/widgets/EventHook.h"

#include <QKeyEvent>
#include <QLineEdit>

void TMainForm::ConnectVariablePage() {
    for (QLineEdit* field : VariableDataEdits) {
        OnDoubleClick(field, [this] { VariableData1EditDblClick(); });
        OnKeyDown(field, [this, field](QKeyEvent* AEvent) {
            return VariableData1EditKeyDown(field, AEvent);
        });
    }
}

// Names typed while the mode is on take effect only when it is left.
void TMainForm::VariableData1EditDblClick() {
    if (IsVariableButtonEdit) {
        for (QLineEdit* title : VariableTitleEdits) title->hide();
        IsVariableButtonEdit = false;
        ReadVariableTitleEdits();
    } else {
        for (QLineEdit* title : VariableTitleEdits) title->show();
        IsVariableButtonEdit = true;
        WriteVariableTitleEdits();
    }
}

void TMainForm::ReadVariableTitleEdits() {
    for (int number = 1; number <= VariableCount; ++number) {
        VariableButtonData.SetTitle(number, VariableTitleEdits[std::size_t(number - 1)]->text());
        VariableButtons[std::size_t(number - 1)]->setText(VariableButtonData.GetTitle(number));
    }
}

void TMainForm::WriteVariableTitleEdits() {
    for (int number = 1; number <= VariableCount; ++number)
        VariableTitleEdits[std::size_t(number - 1)]->setText(VariableButtonData.GetTitle(number));
}

// The line's caret is kept where it is. On success the value is selected so that the next typing
// replaces it; on failure the field keeps its text and caret.
bool TMainForm::VariableData1EditKeyDown(QLineEdit* Sender, QKeyEvent* AEvent) {
    if (AEvent->key() != Qt::Key_Return && AEvent->key() != Qt::Key_Enter) return false;
    ExpressionCaretPosition = ExpressionEdit->cursorPosition();
    if (CalcExpression(false)) Sender->setSelection(0, int(Sender->text().size()));
    return true;
}
