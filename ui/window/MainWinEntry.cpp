// Expression entry: the keys that put text into the expression line, DEL, AC, the cursor keys,
// copy, the two ways to evaluate, the rule right after an evaluation, and the window shortcuts.

#include "ui/window/MainWin.h"

#include "model/WindowLayout.h"
#include "ui/widgets/Controls.h"

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

// The printable character a key press types, or a null character for keys that type none
// (Enter, arrows, function keys, anything held with Ctrl or Alt).
QChar TypedCharacter(const QKeyEvent* AEvent) {
    if (AEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return {};
    const QString text = AEvent->text();
    if (text.isEmpty() || text[0].unicode() < 32 || text[0].unicode() == 127) return {};
    return text[0];
}

bool IsEnterKey(int AKey) { return AKey == Qt::Key_Return || AKey == Qt::Key_Enter; }

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
        ACBtnClick();
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

void TMainForm::Digit1BtnClick(QPushButton* Sender) { InputExpression(Sender->text()); }

void TMainForm::PlusBtnClick(QPushButton* Sender) {
    const QString text = QLatin1Char(' ') + Sender->text() + QLatin1Char(' ');
    InputExpression(IsExpressionAllSelectionAfterEnter ? QStringLiteral("ANS") + text : text);
}

// "a" for inv, the caption ("sin" or "sinh"), the unit suffix unless hyp, "(".
void TMainForm::SinBtnClick(QPushButton* Sender) {
    static const QString kUnitSuffixes[] = {QString(), QStringLiteral("r"), QStringLiteral("g")};
    QString text = IsInv ? QStringLiteral("a") : QString();
    text += Sender->text();
    const int unit = DegCombo->currentIndex();
    if (!IsHyp && unit >= 0 && unit < 3) text += kUnitSuffixes[unit];
    InputExpression(text + QLatin1Char('('));
}

void TMainForm::SqrtBtnClick() { InputExpression(QStringLiteral("sqrt(")); }
void TMainForm::ExpBtnClick() { InputExpression(QStringLiteral("exp(")); }
void TMainForm::LogBtnClick(QPushButton* Sender) {
    InputExpression(Sender->text() + QLatin1Char('('));
}
void TMainForm::FactBtnClick() { InputExpression(QStringLiteral("fact(")); }
void TMainForm::PowerBtnClick() { InputExpression(QStringLiteral("^")); }
void TMainForm::Power2BtnClick() { InputExpression(QStringLiteral("^2")); }
void TMainForm::EBtnClick() { InputExpression(QStringLiteral("E")); }
void TMainForm::PiBtnClick() { InputExpression(QStringLiteral("pi")); }

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

void TMainForm::CopyBtnClick() {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(ResultLabel->text());
    ExpressionEdit->setFocus();
    SetExpressionCaret(int(ExpressionEdit->text().size()));
}

// The ＝ key evaluates on press; a left press with Shift shows a percentage.
void TMainForm::EnterBtnMouseDown(Qt::MouseButton AButton, Qt::KeyboardModifiers AModifiers) {
    CalcExpression(AButton == Qt::LeftButton && (AModifiers & Qt::ShiftModifier));
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
    if (IsEnterKey(key)) {
        ExpressionCaretPosition = ExpressionEdit->cursorPosition();
        if (CalcExpression(AEvent->modifiers() & Qt::ShiftModifier))
            ExpressionEdit->setSelection(0, int(ExpressionEdit->text().size()));
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

// A key pressed on a key or a closed list reaches the line as if typed there, in the state the
// line is in after an evaluation (all of it selected), else as it was when it lost the focus.
bool TMainForm::ForwardKeyToExpressionLine(QKeyEvent* AEvent) {
    QWidget* focus = QApplication::focusWidget();
    const auto* combo = qobject_cast<QComboBox*>(focus);
    if (!qobject_cast<TKeyButton*>(focus) && !(combo && !combo->view()->isVisible())) return false;
    const QChar typed = TypedCharacter(AEvent);
    if (!IsEnterKey(AEvent->key()) && (typed.isNull() || typed == u' ')) return false;
    ExpressionEdit->setFocus(Qt::OtherFocusReason);
    if (IsExpressionAllSelectionAfterEnter) {
        ExpressionEdit->selectAll();
    } else if (ExpressionSelLength > 0) {
        const bool isCaretAtStart = ExpressionCaretPosition == ExpressionSelStart;
        ExpressionEdit->setSelection(isCaretAtStart ? ExpressionSelStart + ExpressionSelLength
                                                    : ExpressionSelStart,
                                     isCaretAtStart ? -ExpressionSelLength : ExpressionSelLength);
    } else {
        SetExpressionCaret(ExpressionCaretPosition);
    }
    QKeyEvent typedHere(AEvent->type(), AEvent->key(), AEvent->modifiers(), AEvent->text(),
                        AEvent->isAutoRepeat(), ushort(AEvent->count()));
    QCoreApplication::sendEvent(ExpressionEdit, &typedHere);
    return true;
}

bool TMainForm::FormKeyDown(QKeyEvent* AEvent) {
    const Qt::KeyboardModifiers modifiers = AEvent->modifiers();
    const bool isShiftAlt = (modifiers & Qt::ShiftModifier) && (modifiers & Qt::AltModifier);
    const bool isShift = modifiers & Qt::ShiftModifier;
    switch (AEvent->key()) {
    case Qt::Key_Up:
        if (!isShiftAlt) return false;
        if (WindowScaleNumber < WindowLayout::HighestScaleStep())
            SetWindowScale(WindowScaleNumber + 1);
        return true;
    case Qt::Key_Down:
        if (!isShiftAlt) return false;
        if (WindowScaleNumber > WindowLayout::LowestScaleStep)
            SetWindowScale(WindowScaleNumber - 1);
        return true;
    case Qt::Key_F12:
        if (!isShiftAlt) return false;
        SetWindowScale(0);
        return true;
    case Qt::Key_F1: ScientificKeyBtnClick(); return true;
    case Qt::Key_F2: NumericKeyBtnClick(); return true;
    case Qt::Key_F3: F3KeyDown(modifiers & Qt::ShiftModifier); return true;
    case Qt::Key_F4:
        // Shift+F4 is the right-click of the decimals list: HEX and BIN.
        if (isShift) {
            SwitchRoundComboHexBin();
        } else {
            ToggleRoundComboDropDown();
        }
        return true;
    case Qt::Key_F5: CopyBtnClick(); return true;
    case Qt::Key_F8: ACBtnClick(); return true;
    case Qt::Key_F9: TurnPageByKey(0); return true;
    case Qt::Key_F10:
        // Shift+F10 is the desktop's key for a control's menu.
        if (isShift) {
            OpenPopupMenuByKey();
        } else {
            TurnPageByKey(1);
        }
        return true;
    case Qt::Key_Menu: OpenPopupMenuByKey(); return true;
    case Qt::Key_Escape: return EscapeKeyDown();
    default: return false;
    }
}

void TMainForm::ToggleRoundComboDropDown() {
    if (RoundCombo->view()->isVisible()) {
        RoundCombo->hidePopup();
    } else {
        RoundCombo->showPopup();
    }
    RoundCombo->setFocus();
}
