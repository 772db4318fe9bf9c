#include "model/StyleContrast.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

double Channel(double AValue) {
    const double c = std::clamp(AValue, 0.0, 255.0) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QString Simplified(QStringView AText) { return AText.toString().simplified(); }

QString WithoutComments(const QString& ASheet) {
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return QString(ASheet).remove(comment);
}

} // namespace

std::optional<TStyleColor> ParseStyleColor(QStringView AText) {
    const QString text = Simplified(AText).toLower();
    if (text == u"transparent") return TStyleColor{0, 0, 0, 0};
    if (text == u"white") return TStyleColor{255, 255, 255, 1};
    if (text == u"black") return TStyleColor{0, 0, 0, 1};
    static const QRegularExpression hex(QStringLiteral("^#([0-9a-f]{3}|[0-9a-f]{6})$"));
    if (const auto match = hex.match(text); match.hasMatch()) {
        QString digits = match.captured(1);
        if (digits.size() == 3)
            digits = QString(digits[0]).repeated(2) + QString(digits[1]).repeated(2) +
                     QString(digits[2]).repeated(2);
        const uint value = digits.toUInt(nullptr, 16);
        return TStyleColor{double((value >> 16) & 0xFF), double((value >> 8) & 0xFF),
                           double(value & 0xFF), 1};
    }
    static const QRegularExpression rgb(QStringLiteral(
        "^rgba?\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\)$"));
    if (const auto match = rgb.match(text); match.hasMatch()) {
        const bool isRgba = text.startsWith(u"rgba");
        if (isRgba == match.captured(4).isEmpty()) return std::nullopt;
        const double alpha = isRgba ? match.captured(4).toDouble() / 255.0 : 1.0;
        if (alpha > 1.0) return std::nullopt;
        const double r = match.captured(1).toDouble();
        const double g = match.captured(2).toDouble();
        const double b = match.captured(3).toDouble();
        if (r > 255 || g > 255 || b > 255) return std::nullopt;
        return TStyleColor{r, g, b, alpha};
    }
    return std::nullopt;
}

std::vector<TStyleColor> StyleColors(QStringView AValue) {
    static const QRegularExpression token(
        QStringLiteral("#[0-9A-Fa-f]+|rgba?\\([^)]*\\)|\\b(?:transparent|white|black)\\b"));
    std::vector<TStyleColor> colors;
    for (auto it = token.globalMatch(AValue); it.hasNext();)
        if (const auto color = ParseStyleColor(it.next().capturedView())) colors.push_back(*color);
    return colors;
}

TStyleColor Over(const TStyleColor& ATop, const TStyleColor& ABottom) {
    const double a = ATop.A + ABottom.A * (1 - ATop.A);
    if (a <= 0) return TStyleColor{0, 0, 0, 0};
    const auto mix = [&](double ATopChannel, double ABottomChannel) {
        return (ATopChannel * ATop.A + ABottomChannel * ABottom.A * (1 - ATop.A)) / a;
    };
    return TStyleColor{mix(ATop.R, ABottom.R), mix(ATop.G, ABottom.G), mix(ATop.B, ABottom.B), a};
}

double RelativeLuminance(const TStyleColor& AColor) {
    return 0.2126 * Channel(AColor.R) + 0.7152 * Channel(AColor.G) + 0.0722 * Channel(AColor.B);
}

double ContrastRatio(const TStyleColor& A, const TStyleColor& B) {
    const double a = RelativeLuminance(A);
    const double b = RelativeLuminance(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double LowestContrast(const std::vector<TStyleColor>& AFirst,
                      const std::vector<TStyleColor>& ASecond, const TStyleColor& AUnder) {
    if (AFirst.empty() || ASecond.empty()) return 0;
    double lowest = 21;
    for (const TStyleColor& first : AFirst)
        for (const TStyleColor& second : ASecond)
            lowest = std::min(lowest, ContrastRatio(Over(first, AUnder), Over(second, AUnder)));
    return lowest;
}

void TStyleRules::Add(const QString& ASheet) {
    const QString sheet = WithoutComments(ASheet);
    qsizetype at = 0;
    while (at < sheet.size()) {
        const qsizetype open = sheet.indexOf(u'{', at);
        const qsizetype close = open < 0 ? -1 : sheet.indexOf(u'}', open);
        if (close < 0) break;
        const QStringView selectors = QStringView(sheet).mid(at, open - at);
        const QStringView body = QStringView(sheet).mid(open + 1, close - open - 1);
        at = close + 1;
        for (QStringView selector : selectors.split(u',')) {
            auto& declarations = FRules[Simplified(selector)];
            for (QStringView declaration : body.split(u';')) {
                const qsizetype colon = declaration.indexOf(u':');
                if (colon < 0) continue;
                declarations[Simplified(declaration.left(colon))] =
                    Simplified(declaration.mid(colon + 1));
            }
        }
    }
}

QString TStyleRules::Value(const QString& ASelector, const QString& AProperty) const {
    const auto rule = FRules.find(ASelector.simplified());
    if (rule == FRules.end()) return {};
    const auto value = rule->second.find(AProperty);
    return value == rule->second.end() ? QString() : value->second;
}
