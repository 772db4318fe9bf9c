#include "model/VariableButtonData.h"

#include <stdexcept>

namespace {

std::size_t SlotIndex(std::int32_t Number) {
    if (Number < 1 || Number > TVariableButtonData::Count)
        throw std::out_of_range("variable number out of range");
    return static_cast<std::size_t>(Number - 1);
}

} // namespace

TVariableButtonData::TVariableButtonData() {
    // Formatted once and shared by every set, so a new set allocates nothing.
    static const auto Titles = [] {
        std::array<QString, Count> Names;
        for (std::int32_t Number = 1; Number <= Count; ++Number)
            Names[std::size_t(Number - 1)] = QStringLiteral("V%1").arg(Number);
        return Names;
    }();
    FTitle = Titles;
    FValue.fill(QStringLiteral("0"));
}

void TVariableButtonData::Assign(const TVariableButtonData& Source) {
    for (std::int32_t Number = 1; Number <= Count; ++Number) {
        SetTitle(Number, Source.GetTitle(Number));
        SetValue(Number, Source.GetValue(Number));
    }
}

const QString& TVariableButtonData::GetTitle(std::int32_t Number) const {
    return FTitle[SlotIndex(Number)];
}

void TVariableButtonData::SetTitle(std::int32_t Number, const QString& Value) {
    FTitle[SlotIndex(Number)] = Value;
}

const QString& TVariableButtonData::GetValue(std::int32_t Number) const {
    return FValue[SlotIndex(Number)];
}

void TVariableButtonData::SetValue(std::int32_t Number, const QString& Value) {
    FValue[SlotIndex(Number)] = Value;
}
