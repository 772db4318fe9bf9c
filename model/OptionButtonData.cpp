#include "model/OptionButtonData.h"

#include <stdexcept>

namespace {

struct TOptionDefault {
    const char* Title;
    const char* Expression;
};

// Buttons 1 and 2 enter "00" and "000"; 5 to 7 compute 8 % tax; 10 to 12 pick the rounding mode.
// clang-format off
constexpr std::array<TOptionDefault, TOptionButtonData::Count> OptionDefaults{{
    {"", "00"},
    {"", "000"},
    {"", ""},
    {"", ""},
    {"税込", "[]*1.08@DP0="},
    {"税抜", "[]/1.08@DP0="},
    {"税額", "[]*0.08@DP0="},
    {"", ""},
    {"", ""},
    {"5/4", "@RS54="},
    {"CUT", "@RSCUT="},
    {"UP", "@RSUP="},
    {"", ""},
    {"", ""},
}};
// clang-format on

std::size_t SlotIndex(std::int32_t Number) {
    if (Number < 1 || Number > TOptionButtonData::Count)
        throw std::out_of_range("option button number out of range");
    return static_cast<std::size_t>(Number - 1);
}

// Decoded once and shared by every set, so a new set allocates nothing.
const std::array<QString, 2 * TOptionButtonData::Count>& DefaultTexts() {
    static const auto Texts = [] {
        std::array<QString, 2 * TOptionButtonData::Count> Decoded;
        for (std::size_t i = 0; i < OptionDefaults.size(); ++i) {
            Decoded[2 * i] = QString::fromUtf8(OptionDefaults[i].Title);
            Decoded[2 * i + 1] = QString::fromUtf8(OptionDefaults[i].Expression);
        }
        return Decoded;
    }();
    return Texts;
}

} // namespace

TOptionButtonData::TOptionButtonData() {
    for (std::size_t i = 0; i < OptionDefaults.size(); ++i) {
        FTitle[i] = DefaultTexts()[2 * i];
        FExpression[i] = DefaultTexts()[2 * i + 1];
    }
    FWidth.fill(DesignWidth);
}

void TOptionButtonData::Assign(const TOptionButtonData& Source) {
    for (std::int32_t Number = 1; Number <= Count; ++Number) {
        SetTitle(Number, Source.GetTitle(Number));
        SetExpression(Number, Source.GetExpression(Number));
        SetWidth(Number, Source.GetWidth(Number));
    }
}

const QString& TOptionButtonData::GetTitle(std::int32_t Number) const {
    return FTitle[SlotIndex(Number)];
}

void TOptionButtonData::SetTitle(std::int32_t Number, const QString& Value) {
    FTitle[SlotIndex(Number)] = Value;
}

const QString& TOptionButtonData::GetExpression(std::int32_t Number) const {
    return FExpression[SlotIndex(Number)];
}

void TOptionButtonData::SetExpression(std::int32_t Number, const QString& Value) {
    FExpression[SlotIndex(Number)] = Value;
}

float TOptionButtonData::GetWidth(std::int32_t Number) const { return FWidth[SlotIndex(Number)]; }

void TOptionButtonData::SetWidth(std::int32_t Number, float Value) {
    FWidth[SlotIndex(Number)] = Value;
}
