// Expression entry: text from the keys into the expression line, DEL, AC, the cursor keys, copy,
// Enter in the line, Up and Down recalling earlier formulas, and the rule right after an
// evaluation.

#include "ui/window/MainWin.h"

#include "model/WindowLayout.h"
#include "ui/a11y/Accessibility.h"
#include "ui/widgets/EventHook.h"
#include "ui/window/ResultLine.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace {

// Typed characters that continue the previous result when typed right after an evaluation.
bool IsOperatorCharacter(QChar c) {
    switch (c.unicode()) {
    case u'*':
    case u'+':
    case u'-':
    case u'/':
    case u'\u00D7':
    case u'\u00F7':
    case u'\uFF0A':
    case u'\uFF0B':
    case u'\uFF0D':
    case u'\uFF0F': return true;
    default: return false;
    }
}

} // namespace

// The line's caret, selection start (its lower end, the caret without one) and length.
void TMainForm::SaveExpressionCaret() {
    ExpressionCaretPosition = ExpressionEdit->cursorPosition();
    if (ExpressionEdit->hasSelectedText()) {
        ExpressionSelStart = ExpressionEdit->selectionStart();
        ExpressionSelLength = ExpressionEdit->selectionLength();
    } else {
        ExpressionSelStart = ExpressionCaretPosition;
        ExpressionSelLength = 0;
    }
}

void TMainForm::SetExpressionCaret(int APosition) {
    ExpressionEdit->deselect();
    ExpressionEdit->setCursorPosition(std::clamp(APosition, 0, int(ExpressionEdit->text().size())));
}

void TMainForm::InputExpression(const QString& Text) {
    ExpressionEdit->setFocus();
    if (Text.endsWith(u'=')) {
        ExecuteOptionExpression(Text);
        return;
    }
    if (IsExpressionAllSelectionAfterEnter) {
        // A new formula clears the line and the result (with a failure's reason) as AC does, but
        // without having "0" spoken: only AC itself says it.
        ExpressionEdit->clear();
        ResultLabel->ShowResult(QStringLiteral("0"));
    } else {
        SetExpressionCaret(ExpressionCaretPosition);
        if (ExpressionSelLength > 0) {
            const int length = int(ExpressionEdit->text().size());
            const int start = std::clamp(ExpressionSelStart, 0, length);
            ExpressionEdit->setSelection(start, std::min(ExpressionSelLength, length - start));
            ExpressionEdit->del();
            ExpressionCaretPosition = ExpressionSelStart;
        }
    }
    // insert() replaces nothing and keeps the line's undo history.
    SetExpressionCaret(ExpressionCaretPosition);
    ExpressionEdit->insert(Text);
    SetExpressionCaret(ExpressionCaretPosition + int(Text.size()));
    IsExpressionAllSelectionAfterEnter = false;
}

void TMainForm::PlusBtnClick(const QString& ACaption) {
    const QString text = QLatin1Char(' ') + ACaption + QLatin1Char(' ');
    InputExpression(IsExpressionAllSelectionAfterEnter ? QStringLiteral("ANS") + text : text);
}

// DEL deletes the saved selection, else the character after the caret, or the last one at the
// end of the line.
void TMainForm::DelBtnClick() {
    IsExpressionAllSelectionAfterEnter = false;
    ExpressionEdit->setFocus();
    SetExpressionCaret(ExpressionCaretPosition);
    const int length = int(ExpressionEdit->text().size());
    if (ExpressionSelLength != 0) {
        const int start = std::clamp(ExpressionSelStart, 0, length);
        ExpressionEdit->setSelection(start, std::min(ExpressionSelLength, length - start));
        ExpressionEdit->del();
    } else if (ExpressionEdit->cursorPosition() == length) {
        ExpressionEdit->backspace();
    } else {
        ExpressionEdit->del();
    }
}

void TMainForm::ACBtnClick() {
    IsExpressionAllSelectionAfterEnter = false;
    ExpressionEdit->clear();
    ExpressionEdit->setFocus();
    SetResultText(QStringLiteral("0"));
}

// Right after an evaluation the caret stays where it is (the end); else it moves one place.
void TMainForm::CurLeftBtnClick() {
    ExpressionEdit->setFocus();
    SetExpressionCaret(IsExpressionAllSelectionAfterEnter ? ExpressionCaretPosition
                                                          : ExpressionCaretPosition - 1);
    IsExpressionAllSelectionAfterEnter = false;
}

// Right after an evaluation the caret jumps to the start; else it moves one place.
void TMainForm::CurRightBtnClick() {
    ExpressionEdit->setFocus();
    SetExpressionCaret(IsExpressionAllSelectionAfterEnter ? 0 : ExpressionCaretPosition + 1);
    IsExpressionAllSelectionAfterEnter = false;
}

// Right after a result the line stays wholly selected, so that the next formula typed still
// replaces the last one; otherwise the caret goes to the end.
void TMainForm::CopyBtnClick() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(ResultLabel->text());
        AnnounceResultText(ResultLabel, tr("copied"));
    }
    ExpressionEdit->setFocus();
    const bool isAllSelected =
        ExpressionEdit->hasSelectedText() &&
        ExpressionEdit->selectedText().size() == ExpressionEdit->text().size();
    if (!(IsExpressionAllSelectionAfterEnter && isAllSelected))
        SetExpressionCaret(int(ExpressionEdit->text().size()));
}

void TMainForm::ExpressionEditClick() { IsExpressionAllSelectionAfterEnter = false; }

void TMainForm::ExpressionEditExit() {
    SaveExpressionCaret();
    IsExpressionAllSelectedAtExit =
        ExpressionEdit->hasSelectedText() &&
        ExpressionEdit->selectedText().size() == ExpressionEdit->text().size();
}

// The line drops its selection whenever the focus leaves it (to the decimals list, a key, another
// field); right after an evaluation the whole-line selection is what makes the next typed key
// start a new formula, so it comes back with the focus.
void TMainForm::ExpressionEditEnter() {
    if (IsExpressionAllSelectionAfterEnter && IsExpressionAllSelectedAtExit)
        ExpressionEdit->selectAll();
}

bool TMainForm::ExpressionEditKeyDown(QKeyEvent* AEvent) {
    const int key = AEvent->key();
    if (IsEnterKey(AEvent)) {
        ExpressionCaretPosition = ExpressionEdit->cursorPosition();
        if (CalcExpression(AEvent->modifiers() & Qt::ShiftModifier))
            ExpressionEdit->setSelection(0, int(ExpressionEdit->text().size()));
        return true;
    }
    // Up and Down step through the history's formulas; an edited line is the walk's new draft.
    const bool isPlain = (AEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && isPlain) {
        QStringList formulas;
        for (const auto& entry : ExpressionHistoryList) formulas << entry->Expression();
        const std::optional<QString> recalled =
            key == Qt::Key_Up ? FormulaRecall.Older(formulas, ExpressionEdit->text())
                              : FormulaRecall.Newer(formulas, ExpressionEdit->text());
        if (recalled) {
            // Replaced as one step of the line's undo history, the caret at the end.
            ExpressionEdit->selectAll();
            ExpressionEdit->insert(*recalled);
            IsExpressionAllSelectionAfterEnter = false;
        }
        return true;
    }
    const QChar typed = TypedCharacter(AEvent);
    if (IsExpressionAllSelectionAfterEnter) {
        // The line's own typing then adds the operator after "ANS ".
        if (IsOperatorCharacter(typed)) InputExpression(QStringLiteral("ANS "));
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            SetExpressionCaret(key == Qt::Key_Left ? int(ExpressionEdit->text().size()) : 0);
            IsExpressionAllSelectionAfterEnter = false;
            return true;
        }
    }
    if (!typed.isNull()) IsExpressionAllSelectionAfterEnter = false;
    return false;
}
