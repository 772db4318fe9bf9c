// Evaluation of the expression line, the result line, the history entries, and the controls
// that choose how results are shown: the decimals list, the rounding modes and the separator.

#include "ui/window/MainWin.h"

#include "model/CalcEvaluation.h"
#include "model/ResultFormat.h"
#include "ui/a11y/Accessibility.h"
#include "ui/history/HistoryList.h"
#include "ui/pages/VariablePage.h"
#include "ui/widgets/Controls.h"
#include "ui/window/ExpressionPanelMenu.h"
#include "ui/window/ResultLine.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>

#include <optional>

namespace {

constexpr int kRoundSelectorLabelWidth = 20;

// The display a value did not fit: "HEX", "BIN", or the rounding mode of fixed decimals.
QString DisplayName(const TDisplayFormat& AFormat) {
    if (AFormat.RoundDecimal == RoundDecimalHex) return QStringLiteral("HEX");
    if (AFormat.RoundDecimal == RoundDecimalBin) return QStringLiteral("BIN");
    if (AFormat.RoundSelector == rsCut) return QStringLiteral("CUT");
    if (AFormat.RoundSelector == rsUp) return QStringLiteral("UP");
    return TMainForm::tr("this display", "too large for this display");
}

} // namespace

// Every evaluation ends a walk through the earlier formulas.
bool TMainForm::CalcExpression(bool IsPercent) {
    FormulaRecall.Reset();
    bool isSuccess = false;
    try {
        const long double value = GetCalcResult(ExpressionEdit->text());
        DisplayResult(IsPercent, value);
        AddExpressionHistory(value, IsPercent);
        SetExpressionCaret(ExpressionCaretPosition);
        if (IsAlwaysDisplayHistoryPanel) UpdateHistoryListBox();
        isSuccess = true;
    } catch (...) {
        ShowEvaluationFailure(std::current_exception());
    }
    IsExpressionAllSelectionAfterEnter = true;
    return isSuccess;
}

// "Error" in the result line, with why in its tooltip and its description for screen readers;
// the caret goes to an engine error's position, else to the end.
void TMainForm::ShowEvaluationFailure(std::exception_ptr AFailure) {
    const QString text = ExpressionEdit->text();
    int caret = int(text.size());
    QString reason;
    try {
        const TCalcFailure failure = ClassifyCalcFailure(AFailure, text);
        caret = failure.CaretPosition;
        reason = CalcFailureReason(failure);
    } catch (...) {
        // Any other failure is reported like the evaluation's own non-engine failures, with
        // "Error" alone.
    }
    SetResultText(QStringLiteral("Error"), reason);
    ExpressionEdit->setFocus();
    SetExpressionCaret(caret);
}

// ANS is the newest history entry; the variables come from the variables page as it stands.
long double TMainForm::GetCalcResult(const QString& Text) {
    VariablePanel->CollectVariableButtonData();
    std::optional<long double> previous;
    if (!ExpressionHistoryList.empty()) previous = ExpressionHistoryList.front()->ResultValue();
    return CalculateFormula(Text, VariableButtonData, previous, SystemNumberSeparators().Decimal);
}

void TMainForm::AddExpressionHistory(long double Value, bool IsPercent) {
    auto entry = std::make_unique<TExpressionHistory>();
    entry->SetExpression(ExpressionEdit->text());
    entry->SetResultValue(Value);
    entry->SetRoundDecimal(DisplayFormat.RoundDecimal);
    entry->SetIsPercent(IsPercent);
    HistoryListModel->InsertFirst(std::move(entry));
}

// A failure's reason is spoken after the text; any other change drops the last reason.
void TMainForm::SetResultText(const QString& AText, const QString& AReason) {
    ResultLabel->ShowResult(AText, AReason);
    AnnounceResultText(ResultLabel,
                       AReason.isEmpty()
                           ? AText
                           : tr("%1: %2", "the result line's text, then why the evaluation failed")
                                 .arg(AText, AReason));
}

void TMainForm::DisplayResult(bool IsPercent, long double Value) {
    SetResultText(FormatResultValue(IsPercent, DisplayFormat.RoundDecimal, Value));
}

QString TMainForm::FormatResultValue(bool IsPercent, int ARoundDecimal, long double Value) const {
    return ::FormatResultValue(IsPercent, Value, DisplayFormat.WithRoundDecimal(ARoundDecimal),
                               SystemNumberSeparators());
}

// The result line keeps what it shows when the value cannot be shown the new way; a beep and a
// short note at the result line say why.
void TMainForm::RedisplayResult(bool IsPercent, long double Value) {
    try {
        DisplayResult(IsPercent, Value);
    } catch (const EResultRangeError&) {
        QApplication::beep();
        const QString note = tr("too large for %1", "HEX, BIN, CUT, UP or this display")
                                 .arg(DisplayName(DisplayFormat));
        AnnounceResultText(ResultLabel, note);
        // Shown once the event at hand is done: a window that opens in the middle of a mouse
        // event makes the platform deliver the event a second time.
        QTimer::singleShot(0, ResultLabel, [label = ResultLabel, note] {
            QToolTip::showText(label->mapToGlobal(QPoint(0, label->height())), note, label);
        });
    }
}

void TMainForm::RedisplayLatestResult() {
    if (ExpressionHistoryList.empty()) {
        RedisplayResult(false, 0);
    } else {
        const TExpressionHistory& latest = *ExpressionHistoryList.front();
        RedisplayResult(latest.IsPercent(), latest.ResultValue());
    }
}

// CUT and UP are marked at the left end of the result line while fixed decimals are shown.
void TMainForm::UpdateRoundSelectorLabel() {
    QString text;
    const bool isFixed = DisplayFormat.RoundDecimal >= 0;
    if (isFixed && DisplayFormat.RoundSelector == rsCut) text = QStringLiteral("CUT");
    if (isFixed && DisplayFormat.RoundSelector == rsUp) text = QStringLiteral("UP");
    RoundSelectorLabel->setText(text);
    QRect geometry = DesignGeometry(RoundSelectorLabel);
    geometry.setWidth(text.isEmpty() ? 0 : kRoundSelectorLabelWidth);
    SetDesignGeometry(RoundSelectorLabel, geometry);
    ApplyDesignScale(RoundSelectorLabel, ScaleFactor());
}

void TMainForm::RoundComboChange(int ARoundDecimal) {
    DisplayFormat.RoundDecimal = ARoundDecimal;
    RedisplayLatestResult();
    UpdateRoundSelectorLabel();
}

void TMainForm::SetRoundSelector(TRoundSelector ASelector) {
    DisplayFormat.RoundSelector = ASelector;
    ExpressionPanelPopupMenu->ShowDisplayFormat(DisplayFormat);
    UpdateRoundSelectorLabel();
}

void TMainForm::RoundSelectorItemClick(TRoundSelector ASelector) {
    SetRoundSelector(ASelector);
    CalcExpression(false);
}

void TMainForm::DigitGroupingSeparatorItemClick() {
    DisplayFormat.IsDigitGroupingSeparator = !DisplayFormat.IsDigitGroupingSeparator;
    ExpressionPanelPopupMenu->ShowDisplayFormat(DisplayFormat);
    CalcExpression(false);
}
