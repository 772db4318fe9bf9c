#include "engine/DecimalText.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// strtold follows LC_NUMERIC, which the application sets from the user's environment; the
// conversion must always see "." as the separator, so it runs under a private "C" locale.
locale_t cNumericLocale() {
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Copies a run of ASCII digits from text[pos] on into `out`; returns how many were copied.
qsizetype copyDigits(QStringView text, qsizetype& pos, std::string& out) {
    const qsizetype start = pos;
    while (pos < text.size() && isAsciiDigit(text[pos].unicode())) {
        out.push_back(static_cast<char>(text[pos].unicode()));
        ++pos;
    }
    return pos - start;
}

void skipBlanks(QStringView text, qsizetype& pos) {
    while (pos < text.size() && text[pos] == u' ') ++pos;
}

void copySign(QStringView text, qsizetype& pos, std::string& out) {
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        out.push_back(static_cast<char>(text[pos].unicode()));
        ++pos;
    }
}

} // namespace

bool TryReadDecimal(QStringView text, long double& value) {
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()) + 2);
    qsizetype pos = 0;
    skipBlanks(text, pos);
    copySign(text, pos, ascii);

    qsizetype mantissaDigits = copyDigits(text, pos, ascii);
    bool hasSeparator = false;
    if (pos < text.size() && text[pos] == u'.') {
        hasSeparator = true;
        ascii.push_back('.');
        ++pos;
        mantissaDigits += copyDigits(text, pos, ascii);
    }
    if (mantissaDigits == 0 && !hasSeparator) return false;

    if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e')) {
        ++pos;
        ascii.push_back('e');
        copySign(text, pos, ascii);
        if (copyDigits(text, pos, ascii) == 0) return false;
    }
    skipBlanks(text, pos);
    if (pos != text.size()) return false;

    if (mantissaDigits == 0) { // a lone separator
        value = (!ascii.empty() && ascii[0] == '-') ? -0.0L : 0.0L;
        return true;
    }
    char* end = nullptr;
    const long double result = strtold_l(ascii.c_str(), &end, cNumericLocale());
    if (end != ascii.c_str() + ascii.size() || std::isinf(result)) return false;
    value = result;
    return true;
}
