#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The six user variables, numbered 1..Count: a name and the value text as the user typed it.
// Every accessor throws std::out_of_range for a number outside 1..Count.
class TVariableButtonData {
public:
    static constexpr int Count = 6;

    // Names "V1".."V6", every value "0".
    TVariableButtonData();

    // Copies every name and value of Source, empty strings included.
    void Assign(const TVariableButtonData& Source);

    const QString& GetTitle(std::int32_t Number) const;
    void SetTitle(std::int32_t Number, const QString& Value);
    const QString& GetValue(std::int32_t Number) const;
    void SetValue(std::int32_t Number, const QString& Value);

private:
    std::array<QString, Count> FTitle;
    std::array<QString, Count> FValue;
};
