#include "model/CalcEvaluation.h"

#include "engine/DecimalText.h"
#include "engine/MojiConvert.h"
#include "model/ResultFormat.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// A separator made of characters that the rule reads otherwise would change what a text means.
bool IsUsableDecimalSeparator(QStringView ASeparator) {
    const auto hasOtherMeaning = [](QChar c) {
        return c.isDigit() || c == u'+' || c == u'-' || c == u'E' || c == u'e' || c.isSpace();
    };
    return !ASeparator.isEmpty() &&
           std::none_of(ASeparator.begin(), ASeparator.end(), hasOtherMeaning);
}

} // namespace

// The user's separator becomes "." before reading, so a text holding both has two separators
// and does not read.
bool TryReadNumber(QStringView AText, long double& AValue, QStringView ADecimalSeparator) {
    if (ADecimalSeparator == u"." || !IsUsableDecimalSeparator(ADecimalSeparator) ||
        !AText.contains(ADecimalSeparator))
        return TryReadDecimal(AText, AValue);
    const QString withPoint =
        AText.toString().replace(ADecimalSeparator.toString(), QStringLiteral("."));
    return TryReadDecimal(withPoint, AValue);
}

TCalcVariables ReadCalcVariables(const TVariableButtonData& AVariables,
                                 QStringView ADecimalSeparator) {
    TCalcVariables variables;
    for (int number = 1; number <= TVariableButtonData::Count; ++number) {
        const std::size_t slot = std::size_t(number - 1);
        variables.Names[slot] = AVariables.GetTitle(number);
        if (!TryReadNumber(ToHalfWidth(AVariables.GetValue(number)), variables.Values[slot],
                           ADecimalSeparator))
            throw EVariableError(number, AVariables.GetTitle(number));
    }
    return variables;
}

void SetCalcVariables(TCalculatorExpression& AExpression, const TCalcVariables& AVariables) {
    for (int number = 1; number <= TVariableButtonData::Count; ++number) {
        AExpression.SetVariableName(number, AVariables.Names[std::size_t(number - 1)]);
        AExpression.SetVariableValue(number, AVariables.Values[std::size_t(number - 1)]);
    }
}

long double RoundToFifteenDigits(long double AValue) {
    if (!std::isfinite(AValue)) throw EResultRangeError(TResultLimit::FiniteNumber);
    long double rounded = 0;
    if (!TryReadNumber(GeneralText(AValue, 15, MachineNumberSeparators()), rounded))
        throw EResultRangeError(TResultLimit::FiniteNumber);
    return rounded == 0 ? 0.0L : rounded;
}

long double CalculateUnroundedFormula(const QString& AText, const TCalcVariables& AVariables,
                                      std::optional<long double> APreviousResult,
                                      QStringView ADecimalSeparator) {
    TCalculatorExpression expression;
    if (ADecimalSeparator.size() == 1) expression.SetDecimalMark(ADecimalSeparator[0].unicode());
    SetCalcVariables(expression, AVariables);
    if (APreviousResult) expression.SetPreviousResultValue(*APreviousResult);
    return expression.Calc(AText);
}

long double CalculateFormula(const QString& AText, const TVariableButtonData& AVariables,
                             std::optional<long double> APreviousResult,
                             QStringView ADecimalSeparator) {
    const TCalcVariables variables = ReadCalcVariables(AVariables, ADecimalSeparator);
    return RoundToFifteenDigits(
        CalculateUnroundedFormula(AText, variables, APreviousResult, ADecimalSeparator));
}

namespace {

TCalcFailureKind KindOf(TExpressionErrorNumber AError) {
    switch (AError) {
    case enPowerError: return TCalcFailureKind::Power;
    case enInfinityError: return TCalcFailureKind::Infinity;
    case enMathError: return TCalcFailureKind::Math;
    case enExpressionMaxLengthOver: return TCalcFailureKind::Length;
    default: return TCalcFailureKind::Syntax;
    }
}

TCalcFailure Failure(TCalcFailureKind AKind, int ACaret) {
    TCalcFailure failure{};
    failure.Kind = AKind;
    failure.CaretPosition = ACaret;
    return failure;
}

// The engine reads the name from the working text; the user wrote it before the caret, and the
// working text maps onto the typed one character for character (a voiced half-width kana
// aside), so the typed spelling is taken where it normalises to the name read.
QString TypedName(const EExpressionError& AError, const QString& AText, int ACaret) {
    const qsizetype length = AError.Name().size();
    if (length > ACaret) return AError.Name();
    const QStringView typed = QStringView(AText).mid(ACaret - length, length);
    return NormalizeFormula(typed) == AError.Name() ? typed.toString() : AError.Name();
}

TCalcFailure ExpressionFailure(const EExpressionError& AError, const QString& AText) {
    const int caret = std::clamp(AError.ErrorIndex(), 0, int(AText.size()));
    TCalcFailure failure = Failure(KindOf(AError.ErrorNumber()), caret);
    failure.Cause = AError.Cause();
    if (AError.Cause() == ecUnknownName) failure.Subject = TypedName(AError, AText, caret);
    return failure;
}

} // namespace

TCalcFailure ClassifyCalcFailure(std::exception_ptr AFailure, const QString& AText) {
    const int end = int(AText.size());
    try {
        std::rethrow_exception(AFailure);
    } catch (const EExpressionError& e) {
        return ExpressionFailure(e, AText);
    } catch (const EArithmeticFault& e) {
        TCalcFailure failure = Failure(TCalcFailureKind::Fault, end);
        failure.Cause = e.Cause();
        return failure;
    } catch (const EIntegerDivideByZero&) {
        return Failure(TCalcFailureKind::Division, end);
    } catch (const EVariableError& e) {
        TCalcFailure failure = Failure(TCalcFailureKind::Variable, end);
        failure.Subject = e.Caption();
        failure.VariableNumber = e.Number();
        return failure;
    } catch (const EResultRangeError& e) {
        TCalcFailure failure = Failure(TCalcFailureKind::Range, end);
        failure.Limit = e.Limit();
        return failure;
    }
}

const char* CalcFailureName(TCalcFailureKind AKind) {
    switch (AKind) {
    case TCalcFailureKind::Syntax: return "syntax";
    case TCalcFailureKind::Power: return "power";
    case TCalcFailureKind::Infinity: return "infinity";
    case TCalcFailureKind::Math: return "math";
    case TCalcFailureKind::Length: return "length";
    case TCalcFailureKind::Fault: return "fault";
    case TCalcFailureKind::Division: return "division";
    case TCalcFailureKind::Variable: return "variable";
    case TCalcFailureKind::Range: return "range";
    }
    return "unknown";
}

namespace {

constexpr qsizetype MaxSubjectLength = 20;

// A name or caption of any length keeps the sentence short; a surrogate pair is never split.
QString Shortened(const QString& AText) {
    if (AText.size() <= MaxSubjectLength) return AText;
    qsizetype kept = MaxSubjectLength - 1;
    if (AText.at(kept - 1).isHighSurrogate()) --kept;
    return AText.left(kept) + QChar(0x2026);
}

QString Translated(const char* ASource) {
    return QCoreApplication::translate("CalcFailure", ASource);
}

QString Sentence(const char* ASource, int ACaret) { return Translated(ASource).arg(ACaret); }

// One pass of arg() for both values: a name such as "%2" is never taken for a place marker.
QString Sentence(const char* ASource, const QString& ASubject, int ACaret) {
    return Translated(ASource).arg(ASubject, QString::number(ACaret));
}

const char* ArithmeticSentence(TExpressionErrorCause ACause) {
    switch (ACause) {
    case ecDivisionByZero:
        return QT_TRANSLATE_NOOP("CalcFailure", "Division by zero at position %1");
    case ecOverflow: return QT_TRANSLATE_NOOP("CalcFailure", "Number out of range at position %1");
    default: return QT_TRANSLATE_NOOP("CalcFailure", "Invalid operation at position %1");
    }
}

QString SyntaxReason(const TCalcFailure& AFailure) {
    switch (AFailure.Cause) {
    case ecUnknownName:
        return Sentence(QT_TRANSLATE_NOOP("CalcFailure", "Unknown name %1 at position %2"),
                        Shortened(AFailure.Subject), AFailure.CaretPosition);
    case ecNegativeSquareRoot:
        return Sentence(
            QT_TRANSLATE_NOOP("CalcFailure", "Square root of a negative number at position %1"),
            AFailure.CaretPosition);
    default:
        return Sentence(QT_TRANSLATE_NOOP("CalcFailure", "Syntax error at position %1"),
                        AFailure.CaretPosition);
    }
}

QString VariableReason(const TCalcFailure& AFailure) {
    if (AFailure.Subject.trimmed().isEmpty())
        return Translated(QT_TRANSLATE_NOOP("CalcFailure", "Variable %1 has no number"))
            .arg(AFailure.VariableNumber);
    return Translated(QT_TRANSLATE_NOOP("CalcFailure", "%1 has no number"))
        .arg(Shortened(AFailure.Subject));
}

// "HEX" and "BIN" are the captions of the displays, "CUT" and "UP" the marks of the rounding
// modes: names the user sees as they are, in every language.
QString RangeReason(TResultLimit ALimit) {
    const char* display = nullptr;
    switch (ALimit) {
    case TResultLimit::FiniteNumber:
        return Translated(QT_TRANSLATE_NOOP("CalcFailure", "Result is not a finite number"));
    case TResultLimit::Hex: display = "HEX"; break;
    case TResultLimit::Bin: display = "BIN"; break;
    case TResultLimit::Cut: display = "CUT"; break;
    case TResultLimit::Up: display = "UP"; break;
    }
    return Translated(QT_TRANSLATE_NOOP("CalcFailure", "Result too large for %1"))
        .arg(QLatin1String(display));
}

} // namespace

QString CalcFailureReason(const TCalcFailure& AFailure) {
    const int caret = AFailure.CaretPosition;
    switch (AFailure.Kind) {
    case TCalcFailureKind::Syntax: return SyntaxReason(AFailure);
    case TCalcFailureKind::Power:
        return Sentence(
            QT_TRANSLATE_NOOP("CalcFailure", "Zero to the power of zero or less at position %1"),
            caret);
    case TCalcFailureKind::Infinity:
        return Sentence(AFailure.Cause == ecDivisionByZero
                            ? ArithmeticSentence(ecDivisionByZero)
                            : QT_TRANSLATE_NOOP("CalcFailure", "Infinite result at position %1"),
                        caret);
    case TCalcFailureKind::Math:
    case TCalcFailureKind::Fault: return Sentence(ArithmeticSentence(AFailure.Cause), caret);
    case TCalcFailureKind::Division: return Sentence(ArithmeticSentence(ecDivisionByZero), caret);
    case TCalcFailureKind::Length:
        return Translated(QT_TRANSLATE_NOOP("CalcFailure", "Formula longer than %1 characters"))
            .arg(TExpression::MaxFormulaLength);
    case TCalcFailureKind::Variable: return VariableReason(AFailure);
    case TCalcFailureKind::Range: return RangeReason(AFailure.Limit);
    }
    return Sentence(QT_TRANSLATE_NOOP("CalcFailure", "Syntax error at position %1"), caret);
}
