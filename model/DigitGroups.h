#pragma once

#include "model/ResultFormat.h"

#include <QString>
#include <QStringView>

// Text pasted into the expression line with its grouped numbers joined, so that a result copied
// with thousands separators evaluates when pasted back: with the group separator "," and the
// decimal separator ".", "1,234.50*2" becomes "1234.50*2"; with "." and "," (de_DE),
// "1.234,5" becomes "1234,5". A grouped number is joined only when all of it is one:
// - it begins with 1 to 3 ASCII digits, the first of them not "0", that follow no letter, no
//   digit of any script, no ".", no decimal separator and no group separator;
// - one or more groups follow, each the group separator and exactly 3 ASCII digits that no
//   digit follows;
// - the group separator does not follow its last group.
// Everything else stays as typed: "1,2", "12,34", "1,234,56", "1,234,", "0,125", "1234,567",
// "A1,234", "0x1,234", "1.5,234". An empty group separator, one that holds an ASCII digit, or
// one equal to the decimal separator joins nothing. Any UTF-16 text (NULs and lone surrogates
// included) gives a defined answer, in time linear in its length.
QString JoinDigitGroups(QStringView AText, const TNumberSeparators& ASeparators);
