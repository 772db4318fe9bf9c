#include "model/OptionEditLine.h"

#include "model/Func.h"

#include <array>

namespace {

constexpr char16_t kColon = u':';
constexpr char16_t kFullWidthColon = u'\uFF1A';
constexpr std::size_t kPartCount = 256; // as many parts as a line may be split into

} // namespace

QString OptionEditText(const QString& Title, const QString& Expression) {
    return Title.isEmpty() ? Expression : Title + QChar(kColon) + Expression;
}

TOptionEditLine ReadOptionEditText(const QString& Text) {
    const bool hasColon = Text.contains(QChar(kColon));
    if (!hasColon && !Text.contains(QChar(kFullWidthColon))) return {QString(), Text};
    std::array<QString, kPartCount> parts;
    SplitText(Text, QString(QChar(hasColon ? kColon : kFullWidthColon)), parts);
    return {parts[0], parts[1]};
}

QString OptionCaption(const QString& Title, const QString& Expression) {
    return Title.isEmpty() ? Expression : Title;
}
