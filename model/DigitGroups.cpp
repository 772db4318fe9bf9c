#include "model/DigitGroups.h"

#include <QChar>

#include <algorithm>

namespace {

constexpr qsizetype GroupDigits = 3;

bool IsAsciiDigit(QChar AChar) { return AChar >= u'0' && AChar <= u'9'; }

// A separator made of digits would make digits of the number vanish.
bool JoinsGroups(const TNumberSeparators& ASeparators) {
    const QString& group = ASeparators.Thousands;
    return !group.isEmpty() && group != ASeparators.Decimal &&
           std::none_of(group.begin(), group.end(), IsAsciiDigit);
}

// The code point that ends right before APos, a surrogate pair taken whole.
char32_t CodePointBefore(QStringView AText, qsizetype APos) {
    const QChar last = AText[APos - 1];
    if (last.isLowSurrogate() && APos >= 2 && AText[APos - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(AText[APos - 2], last);
    return last.unicode();
}

// Whether a digit of any script (a surrogate pair taken whole) begins at APos.
bool IsDigitAt(QStringView AText, qsizetype APos) {
    if (APos >= AText.size()) return false;
    const QChar first = AText[APos];
    if (first.isHighSurrogate() && APos + 1 < AText.size() && AText[APos + 1].isLowSurrogate())
        return QChar::isDigit(QChar::surrogateToUcs4(first, AText[APos + 1]));
    return first.isDigit();
}

// What comes before a number's first digit decides whether it begins there: after a letter or a
// digit it is part of a name ("A1", "0x1", "1E3"), after a decimal separator it is a fraction,
// after a group separator it is a group of a number that did not join.
bool MayBeginNumber(QStringView AText, qsizetype AStart, const TNumberSeparators& ASeparators) {
    if (AStart == 0) return true;
    const char32_t before = CodePointBefore(AText, AStart);
    if (QChar::isLetterOrNumber(before) || before == U'.') return false;
    const QStringView head = AText.first(AStart);
    const QString& decimal = ASeparators.Decimal;
    return !(!decimal.isEmpty() && head.endsWith(decimal)) && !head.endsWith(ASeparators.Thousands);
}

// A leading group: 1 to 3 digits, without a leading zero, where a number may begin.
bool IsLeadingGroup(QStringView AText, qsizetype AStart, qsizetype AEnd,
                    const TNumberSeparators& ASeparators) {
    const qsizetype length = AEnd - AStart;
    return length >= 1 && length <= GroupDigits && AText[AStart] != u'0' &&
           MayBeginNumber(AText, AStart, ASeparators);
}

bool IsGroupAt(QStringView AText, qsizetype APos) {
    if (AText.size() - APos < GroupDigits) return false;
    const QStringView digits = AText.sliced(APos, GroupDigits);
    return std::all_of(digits.begin(), digits.end(), IsAsciiDigit) &&
           !IsDigitAt(AText, APos + GroupDigits);
}

// The length of the groups that follow a leading group ending at APos; 0 when they are not all
// groups, including when the separator follows the last one.
qsizetype GroupsLength(QStringView AText, qsizetype APos, QStringView ASeparator) {
    qsizetype pos = APos;
    while (AText.sliced(pos).startsWith(ASeparator)) {
        const qsizetype digits = pos + ASeparator.size();
        if (!IsGroupAt(AText, digits)) return 0;
        pos = digits + GroupDigits;
    }
    return pos - APos;
}

} // namespace

// A run that does not join is copied up to the end of its leading digits only; every digit run
// after that inside it follows the group separator and is passed over in one step, so each
// character is looked at a bounded number of times.
QString JoinDigitGroups(QStringView AText, const TNumberSeparators& ASeparators) {
    if (!JoinsGroups(ASeparators)) return AText.toString();
    const QStringView separator = ASeparators.Thousands;
    QString joined;
    joined.reserve(AText.size());
    qsizetype pos = 0;
    while (pos < AText.size()) {
        const qsizetype start = pos;
        while (pos < AText.size() && IsAsciiDigit(AText[pos])) ++pos;
        if (pos == start) {
            joined.append(AText[pos++]);
            continue;
        }
        joined.append(AText.sliced(start, pos - start));
        if (!IsLeadingGroup(AText, start, pos, ASeparators)) continue;
        const qsizetype end = pos + GroupsLength(AText, pos, separator);
        for (; pos < end; pos += separator.size() + GroupDigits)
            joined.append(AText.sliced(pos + separator.size(), GroupDigits));
    }
    return joined;
}
