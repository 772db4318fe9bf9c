#include "model/Func.h"

int SplitText(const QString& Text, const QString& Delimiter, std::span<QString> Parts) {
    if (Parts.empty()) return 0;
    std::size_t count = 0;
    qsizetype start = 0;
    // The last entry is kept for the rest, so a long line never writes past the caller's array.
    while (!Delimiter.isEmpty() && count + 1 < Parts.size()) {
        const qsizetype position = Text.indexOf(Delimiter, start);
        if (position < 0) break;
        Parts[count++] = Text.mid(start, position - start);
        start = position + Delimiter.size();
    }
    Parts[count] = Text.mid(start);
    return int(count + 1);
}
