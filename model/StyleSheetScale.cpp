#include "model/StyleSheetScale.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsDigit(QChar AChar) { return AChar >= u'0' && AChar <= u'9'; }

// A number directly before "px" that is not the tail of a name ("h1px" is not a length).
bool IsLengthStart(const QString& ASheet, qsizetype AStart) {
    return AStart == 0 || !(ASheet[AStart - 1].isLetter() || ASheet[AStart - 1] == u'_' ||
                            ASheet[AStart - 1] == u'-' || ASheet[AStart - 1] == u'.');
}

} // namespace

QString ScaledStyleSheet(const QString& ASheet, double AScale) {
    QString result;
    result.reserve(ASheet.size());
    qsizetype copied = 0;
    for (qsizetype at = ASheet.indexOf(u"px"); at >= 0; at = ASheet.indexOf(u"px", at + 2)) {
        qsizetype start = at;
        while (start > copied && (IsDigit(ASheet[start - 1]) || ASheet[start - 1] == u'.')) --start;
        if (start == at || !IsLengthStart(ASheet, start)) continue;
        bool isNumber = false;
        const double length = QStringView(ASheet).mid(start, at - start).toDouble(&isNumber);
        if (!isNumber) continue;
        double scaled = std::round(length * AScale);
        if (length > 0) scaled = std::max(1.0, scaled);
        result += QStringView(ASheet).mid(copied, start - copied);
        result += QString::number(scaled, 'f', 0);
        copied = at;
    }
    result += QStringView(ASheet).mid(copied);
    return result;
}
