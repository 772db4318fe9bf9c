// Option-button command strings: "template@directive@directive=". The template wraps the current
// line through "[]", the directives change the display settings, and the line is evaluated.

#include "ui/window/MainWin.h"

#include "ui/pages/NumericKeypad.h"
#include "ui/window/ExpressionPanelMenu.h"
#include "ui/window/RoundCombo.h"

#include <QLineEdit>

#include <stdexcept>

namespace {

// An optional run of leading blanks, an optional sign and decimal digits, nothing after them.
bool ReadDirectiveInteger(QStringView AText, int& AValue) {
    qsizetype start = 0;
    while (start < AText.size() && AText[start] == u' ') ++start;
    const QStringView number = AText.mid(start);
    const qsizetype firstDigit =
        (!number.isEmpty() && (number[0] == u'+' || number[0] == u'-')) ? 1 : 0;
    if (number.size() == firstDigit) return false;
    for (qsizetype i = firstDigit; i < number.size(); ++i)
        if (number[i] < u'0' || number[i] > u'9') return false;
    bool isOk = false;
    const int value = number.toInt(&isOk);
    if (isOk) AValue = value;
    return isOk;
}

} // namespace

void TMainForm::ExecuteOptionExpression(const QString& Command) {
    ReplaceOptionPlaceholder(ExpressionEdit->text(), Command);
    ExpressionCaretPosition = int(ExpressionEdit->text().size());
    const QString body = Command.chopped(1);
    if (body.contains(u'@')) ApplyOptionCommands(body.split(u'@', Qt::KeepEmptyParts));
    if (CalcExpression(false)) {
        ExpressionEdit->setSelection(0, int(ExpressionEdit->text().size()));
        // With the numeric keypad hidden the line keeps the focus, its text selected.
        ButtonPanel->FocusEnterKey();
    }
}

// Every "[]" becomes the current text in parentheses; the line keeps what precedes the first
// "@". Without directives the command's final "=" only asks for the evaluation, so it is not
// left in the line (where it would read as a comparison with nothing after it).
void TMainForm::ReplaceOptionPlaceholder(const QString& CurrentText, const QString& Command) {
    if (!Command.contains(QStringLiteral("[]"))) return;
    QString line = Command;
    line.replace(QStringLiteral("[]"), QLatin1Char('(') + CurrentText + QLatin1Char(')'));
    const qsizetype at = line.indexOf(u'@');
    if (at >= 0) {
        line.truncate(at);
    } else if (line.endsWith(u'=')) {
        line.chop(1);
    }
    ExpressionEdit->setText(line);
}

void TMainForm::ApplyOptionCommands(const QStringList& Pieces) {
    for (qsizetype i = 1; i < Pieces.size(); ++i) {
        const QString piece = Pieces[i].toUpper();
        if (piece.size() < 2) continue;
        if (piece.startsWith(QStringLiteral("DP"))) {
            const QStringView rest = QStringView(piece).mid(2);
            int decimals = -1;
            if (rest.isEmpty() || ReadDirectiveInteger(rest, decimals)) {
                DisplayFormat.RoundDecimal = decimals;
                RoundCombo->SelectRoundComboItem(decimals);
            }
        } else if (piece == u"DGSON" || piece == u"DGSOFF") {
            DisplayFormat.IsDigitGroupingSeparator = piece == u"DGSON";
            ExpressionPanelPopupMenu->ShowDisplayFormat(DisplayFormat);
        } else if (piece == u"RS54") {
            SetRoundSelector(rs54);
        } else if (piece == u"RSCUT") {
            SetRoundSelector(rsCut);
        } else if (piece == u"RSUP") {
            SetRoundSelector(rsUp);
        }
    }
}
