#pragma once

#include <QString>
#include <QStringView>

// Replaces "×" by "*", "÷" by "/", and the long-vowel marks "ー", "ｰ" and the bar "―" by "-".
// Keeps the length: one character for one.
QString ConvertOperatorChars(QStringView text);

// The half-width mapping of typed text: full-width ASCII forms (U+FF01..U+FF5E) become ASCII,
// the ideographic space becomes a blank, full-width katakana and Japanese punctuation become
// their half-width forms (a voiced kana becomes two characters: the base and its sound mark),
// and the full-width signs U+FFE0..U+FFE6 become their ordinary forms. Everything else is kept.
QString ToHalfWidth(QStringView text);

// The working text of a formula: operator characters, the half-width mapping, then "a".."z"
// upper-cased (no other character changes case).
QString NormalizeFormula(QStringView text);
