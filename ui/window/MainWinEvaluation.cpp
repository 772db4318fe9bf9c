// Evaluation of the expression line, the result line, the history entries, and the controls
// that choose how results are shown: the decimals list, the rounding modes and the separator.

#include "ui/window/MainWin.h"

#include "model/CalcEvaluation.h"
#include "model/ResultFormat.h"
#include "ui/a11y/Accessibility.h"
#include "ui/history/HistoryPanel.h"
#include "ui/widgets/Controls.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>

#include <optional>

namespace {

constexpr int kRoundSelectorLabelWidth = 20;

// The display a value did not fit: "HEX", "BIN", or the rounding mode of fixed decimals.
QString DisplayName(int ARoundDecimal, TRoundSelector ASelector) {
    if (ARoundDecimal == RoundDecimalHex) return QStringLiteral("HEX");
    if (ARoundDecimal == RoundDecimalBin) return QStringLiteral("BIN");
    if (ASelector == rsCut) return QStringLiteral("CUT");
    if (ASelector == rsUp) return QStringLiteral("UP");
    return QStringLiteral("this display");
}

} // namespace

bool TMainForm::CalcExpression(bool IsPercent) {
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

// "Error" in the result line; the caret goes to an engine error's position, else to the end.
void TMainForm::ShowEvaluationFailure(std::exception_ptr AFailure) {
    const QString text = ExpressionEdit->text();
    int caret = int(text.size());
    try {
        caret = ClassifyCalcFailure(AFailure, text).CaretPosition;
    } catch (...) {
        // Any other failure is reported like the evaluation's own non-engine failures.
    }
    SetResultText(QStringLiteral("Error"));
    ExpressionEdit->setFocus();
    SetExpressionCaret(caret);
}

// ANS is the newest history entry; the variables come from the variables page as it stands.
long double TMainForm::GetCalcResult(const QString& Text) {
    CollectVariableButtonData();
    std::optional<long double> previous;
    if (!ExpressionHistoryList.empty()) previous = ExpressionHistoryList.front()->ResultValue();
    return CalculateFormula(Text, VariableButtonData, previous, SystemNumberSeparators().Decimal);
}

void TMainForm::CollectVariableButtonData() {
    for (int number = 1; number <= VariableCount; ++number)
        VariableButtonData.SetTitle(number, VariableButtons[std::size_t(number - 1)]->text());
    for (int number = 1; number <= VariableCount; ++number)
        VariableButtonData.SetValue(number, VariableDataEdits[std::size_t(number - 1)]->text());
}

void TMainForm::AddExpressionHistory(long double Value, bool IsPercent) {
    auto entry = std::make_unique<TExpressionHistory>();
    entry->SetExpression(ExpressionEdit->text());
    entry->SetResultValue(Value);
    entry->SetRoundDecimal(RoundDecimal);
    entry->SetIsPercent(IsPercent);
    HistoryPanel->Model().InsertFirst(std::move(entry));
}

void TMainForm::SetResultText(const QString& AText) {
    ResultLabel->setText(AText);
    AnnounceResultText(ResultLabel, AText);
}

void TMainForm::DisplayResult(bool IsPercent, long double Value) {
    SetResultText(FormatResultValue(IsPercent, RoundDecimal, Value));
}

QString TMainForm::FormatResultValue(bool IsPercent, int ARoundDecimal, long double Value) const {
    return ::FormatResultValue(IsPercent, ARoundDecimal, Value, RoundSelector,
                               IsDigitGroupingSeparator, SystemNumberSeparators());
}

// The result line keeps what it shows when the value cannot be shown the new way; a beep and a
// short note at the result line say why.
void TMainForm::RedisplayResult(bool IsPercent, long double Value) {
    try {
        DisplayResult(IsPercent, Value);
    } catch (const EResultRangeError&) {
        QApplication::beep();
        const QString note =
            QStringLiteral("too large for %1").arg(DisplayName(RoundDecimal, RoundSelector));
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

void TMainForm::SelectRoundComboItem() {
    for (int index = 0; index < RoundCombo->count(); ++index) {
        if (RoundCombo->itemData(index, ItemTagRole).toInt() == RoundDecimal) {
            RoundCombo->setCurrentIndex(index);
            return;
        }
    }
}

// CUT and UP are marked at the left end of the result line while fixed decimals are shown.
void TMainForm::UpdateRoundSelectorLabel() {
    QString text;
    if (RoundDecimal >= 0 && RoundSelector == rsCut) text = QStringLiteral("CUT");
    if (RoundDecimal >= 0 && RoundSelector == rsUp) text = QStringLiteral("UP");
    RoundSelectorLabel->setText(text);
    QRect geometry = DesignGeometry(RoundSelectorLabel);
    geometry.setWidth(text.isEmpty() ? 0 : kRoundSelectorLabelWidth);
    SetDesignGeometry(RoundSelectorLabel, geometry);
    ApplyDesignScale(RoundSelectorLabel, ScaleFactor());
}

void TMainForm::RoundComboChange() {
    const int index = RoundCombo->currentIndex();
    RoundDecimal = index >= 0 ? RoundCombo->itemData(index, ItemTagRole).toInt() : 1;
    RedisplayLatestResult();
    UpdateRoundSelectorLabel();
}

bool TMainForm::RoundComboKeyDown(QKeyEvent* AEvent) {
    if (AEvent->key() != Qt::Key_Return && AEvent->key() != Qt::Key_Enter) return false;
    const int index = RoundCombo->currentIndex();
    if (index >= 0) {
        RoundComboChange(); // takes RoundDecimal from the entry's tag
        ExpressionEdit->setFocus();
    } else {
        RoundDecimal = 1;
    }
    RoundCombo->hidePopup();
    return true;
}

// Enter in the open list: the highlighted entry is chosen and shown (also when it was chosen
// already), the list closes and typing goes on in the expression line.
bool TMainForm::RoundComboListKeyDown(QKeyEvent* AEvent) {
    if (AEvent->key() != Qt::Key_Return && AEvent->key() != Qt::Key_Enter) return false;
    const int row = RoundCombo->view()->currentIndex().row();
    RoundCombo->hidePopup();
    if (row >= 0 && row != RoundCombo->currentIndex()) {
        RoundCombo->setCurrentIndex(row); // runs RoundComboChange
    } else if (RoundCombo->currentIndex() >= 0) {
        RoundComboChange();
    }
    ExpressionEdit->setFocus();
    return true;
}

void TMainForm::RoundComboMouseUp(Qt::MouseButton AButton) {
    if (AButton == Qt::RightButton) SwitchRoundComboHexBin();
}

void TMainForm::SwitchRoundComboHexBin() {
    const int hex = RoundCombo->findText(QStringLiteral("HEX"));
    if (hex < 0) {
        AddComboItem(RoundCombo, QStringLiteral("HEX"), RoundDecimalHex);
        AddComboItem(RoundCombo, QStringLiteral("BIN"), RoundDecimalBin);
        RoundCombo->setCurrentIndex(RoundCombo->count() - 2);
        return;
    }
    if (RoundCombo->currentIndex() < 0) return;
    const bool isHex = RoundCombo->currentText() == u"HEX";
    RoundCombo->setCurrentIndex(
        RoundCombo->findText(isHex ? QStringLiteral("BIN") : QStringLiteral("HEX")));
}

void TMainForm::SetRoundSelector(TRoundSelector ASelector) {
    RoundSelector = ASelector;
    QAction* item = ASelector == rsCut  ? RoundCutOffItem
                    : ASelector == rsUp ? RoundUpItem
                                        : RoundOffItem;
    item->setChecked(true);
    UpdateRoundSelectorLabel();
}

void TMainForm::RoundOffItemClick() {
    SetRoundSelector(rs54);
    CalcExpression(false);
}

void TMainForm::RoundCutOffItemClick() {
    SetRoundSelector(rsCut);
    CalcExpression(false);
}

void TMainForm::RoundUpItemClick() {
    SetRoundSelector(rsUp);
    CalcExpression(false);
}

void TMainForm::DigitGroupingSeparatorItemClick() {
    IsDigitGroupingSeparator = !IsDigitGroupingSeparator;
    DigitGroupingSeparatorItem->setChecked(IsDigitGroupingSeparator);
    CalcExpression(false);
}
