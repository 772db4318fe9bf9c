// Fuzz target: text pasted into the expression line. Its grouped numbers are joined, which only
// removes group separators and changes nothing when done again; the joined text is evaluated, and
// a failure gets its reason in words.
//
// Input layout: byte 0 picks the separators (bits 0-2), reads the rest as UTF-16 code units
// (bit 3; lone surrogates included) or as Latin-1 characters, and repeats it 2^n times (bits 4-6,
// for long pastes); the rest is the text.
#include "model/CalcEvaluation.h"
#include "model/DigitGroups.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <optional>

namespace {

TNumberSeparators SeparatorsOf(std::uint8_t AChoice) {
    static const TNumberSeparators Choices[8] = {
        {QStringLiteral("."), QStringLiteral(",")},
        {QStringLiteral(","), QStringLiteral(".")},
        {QStringLiteral(","), QStringLiteral("\u202F")},
        {QStringLiteral("."), QStringLiteral("'")},
        {QStringLiteral("."), QString()},
        {QStringLiteral(","), QStringLiteral(",")},
        {QStringLiteral("٫"), QStringLiteral("٬")},
        {QStringLiteral(".,"), QStringLiteral(", ")},
    };
    return Choices[AChoice & 7];
}

QString TextOf(const std::uint8_t* AData, std::size_t ASize, bool AIsUtf16) {
    if (!AIsUtf16)
        return QString::fromLatin1(reinterpret_cast<const char*>(AData), qsizetype(ASize));
    QString text;
    for (std::size_t i = 0; i + 1 < ASize; i += 2)
        text.append(QChar(char16_t(AData[i] | (AData[i + 1] << 8))));
    return text;
}

QString WithoutSeparator(QString AText, const QString& ASeparator) {
    return ASeparator.isEmpty() ? AText : AText.remove(ASeparator);
}

void EvaluateAndExplain(const QString& AText, const TNumberSeparators& ASeparators) {
    try {
        CalculateFormula(AText, TVariableButtonData(), std::nullopt, ASeparators.Decimal);
    } catch (...) {
        const TCalcFailure failure = ClassifyCalcFailure(std::current_exception(), AText);
        if (failure.CaretPosition < 0 || failure.CaretPosition > AText.size()) std::abort();
        if (CalcFailureReason(failure).isEmpty()) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const TNumberSeparators separators = SeparatorsOf(data[0]);
    const QString text =
        TextOf(data + 1, size - 1, data[0] & 8).repeated(1 << ((data[0] >> 4) & 7));
    const QString joined = JoinDigitGroups(text, separators);
    if (joined.size() > text.size()) std::abort();
    const QString& group = separators.Thousands;
    if (WithoutSeparator(joined, group) != WithoutSeparator(text, group)) std::abort();
    if (JoinDigitGroups(joined, separators) != joined) std::abort();
    if (joined.size() <= 2 * 1024) EvaluateAndExplain(joined, separators);
    return 0;
}
