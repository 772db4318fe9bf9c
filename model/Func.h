#pragma once

#include <QString>

#include <span>

// Splits Text at every Delimiter, left to right, into Parts and returns how many entries it
// filled. When the parts outnumber the entries, the last entry keeps the rest of the text,
// delimiters included. An empty Delimiter never splits; no entries gives 0.
int SplitText(const QString& Text, const QString& Delimiter, std::span<QString> Parts);
