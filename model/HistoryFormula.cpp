#include "model/HistoryFormula.h"

#include <QStringList>

namespace {

constexpr int kResultDigits = 15;

// Plain text on the clipboard ends its lines as the platform's editors expect: a CR before the LF
// shows up as "^M" in Linux editors.
#ifdef Q_OS_WIN
constexpr char16_t kLineEnd[] = u"\r\n";
#else
constexpr char16_t kLineEnd[] = u"\n";
#endif

QString NumberText(long double AValue, const TNumberSeparators& ASeparators) {
    return GeneralText(AValue, kResultDigits, ASeparators);
}

// A negative term is parenthesised: "1 + -3" would not read as a sum of two results. Zero
// (also a negative zero) counts as non-negative.
QString SumTerm(long double AValue) {
    const QString text = NumberText(AValue, MachineNumberSeparators());
    return AValue >= 0 ? text : QStringLiteral("(") + text + QStringLiteral(")");
}

} // namespace

QString HistorySumFormula(std::span<const long double> AValues) {
    QStringList terms;
    terms.reserve(qsizetype(AValues.size()));
    for (const long double value : AValues) terms << SumTerm(value);
    return terms.join(QStringLiteral(" + "));
}

QString HistoryAverageFormula(std::span<const long double> AValues) {
    if (AValues.empty()) return {};
    return QStringLiteral("(") + HistorySumFormula(AValues) + QStringLiteral(") \u00F7 ") +
           QString::number(AValues.size());
}

QString HistoryCopyText(std::span<const long double> AValues,
                        const TNumberSeparators& ASeparators) {
    QStringList lines;
    lines.reserve(qsizetype(AValues.size()));
    for (const long double value : AValues) lines << NumberText(value, ASeparators);
    return lines.join(QStringView(kLineEnd));
}
