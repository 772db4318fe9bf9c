// Fuzz target: any text, read as UTF-16 code units (so unpaired surrogates and NULs occur),
// evaluated by the calculator's evaluator. Every input must end in a value or one of the
// evaluator's failures.
#include "engine/CalculatorExpression.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString formula(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        formula[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    // Half of the inputs as plain Latin-1 text reach the grammar more often.
    const QString latin = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));

    for (const QString& text : {formula, latin}) {
        TCalculatorExpression expression;
        expression.SetVariableName(1, QStringLiteral("X"));
        expression.SetVariableValue(1, 3);
        expression.SetPreviousResultValue(-2.5L);
        try {
            expression.Calc(text);
        } catch (const EExpressionError& e) {
            if (e.ErrorNumber() == enNotError || e.ErrorIndex() < 1) std::abort();
        } catch (const EArithmeticFault&) {
        } catch (const EIntegerDivideByZero&) {
        }
    }
    return 0;
}
