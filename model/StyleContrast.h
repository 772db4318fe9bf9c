#pragma once

// WCAG 2 contrast of the colours a Qt style sheet gives its controls: the sheet's declarations by
// selector, the colours a value paints, and the contrast ratio between two colours.

#include <QString>
#include <QStringView>

#include <map>
#include <optional>
#include <vector>

// A colour with channels 0 to 255 and an opacity 0 to 1.
struct TStyleColor {
    double R = 0;
    double G = 0;
    double B = 0;
    double A = 1;
};

// "#RGB", "#RRGGBB", "rgb(r, g, b)", "rgba(r, g, b, a)" (a 0 to 255, as Qt reads it),
// "transparent", "white" or "black"; nothing for anything else.
std::optional<TStyleColor> ParseStyleColor(QStringView AText);
// Every colour a value paints, in order: the one colour of "2px solid #005ACC", or each stop of a
// gradient. Empty for "none" and for values without a colour.
std::vector<TStyleColor> StyleColors(QStringView AValue);
// ATop drawn over ABottom; the result is opaque when ABottom is.
TStyleColor Over(const TStyleColor& ATop, const TStyleColor& ABottom);
// Relative luminance of the colour's own channels (its opacity is not looked at).
double RelativeLuminance(const TStyleColor& AColor);
// (lighter + 0.05) / (darker + 0.05): 1 to 21.
double ContrastRatio(const TStyleColor& A, const TStyleColor& B);
// The lowest ratio between any colour of AFirst and any of ASecond, each laid over AUnder first
// (a translucent colour is seen with what is under it). 0 when either list is empty.
double LowestContrast(const std::vector<TStyleColor>& AFirst,
                      const std::vector<TStyleColor>& ASecond, const TStyleColor& AUnder);

// The declarations of one or more sheets by selector: a rule for a list of selectors counts for
// each of them, comments are dropped, blanks inside a selector are made single, and a later
// declaration of the same property for the same selector wins (as a later sheet's does).
class TStyleRules {
public:
    void Add(const QString& ASheet);
    // The value of AProperty in the rules for exactly ASelector; empty when there is none.
    QString Value(const QString& ASelector, const QString& AProperty) const;

private:
    std::map<QString, std::map<QString, QString>> FRules;
};
