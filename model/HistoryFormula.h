#pragma once

// Texts the history panel builds from selected results: the Sum and Ave formulas the calculator
// evaluates, and the Copy text for the clipboard. Each result is written as GeneralText(v, 15).

#include "model/ResultFormat.h"

#include <QString>

#include <span>

// "12 + (-3) + 4.5": the values in order, negative ones in parentheses, "." as decimal separator
// so that the formula scanner reads them back. Empty for no values. Throws EResultRangeError for
// an infinite or NaN value.
QString HistorySumFormula(std::span<const long double> AValues);

// "(12 + (-3) + 4.5) ÷ 3": the sum formula in parentheses divided by the count. Empty for no
// values. Throws as HistorySumFormula.
QString HistoryAverageFormula(std::span<const long double> AValues);

// The values one per line, joined by the platform's line end (LF; CR LF on Windows), with
// ASeparators' decimal separator (the user's, for pasting elsewhere). Empty for no values. Throws
// as HistorySumFormula.
QString HistoryCopyText(std::span<const long double> AValues, const TNumberSeparators& ASeparators);
