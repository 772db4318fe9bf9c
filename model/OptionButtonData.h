#pragma once

#include "model/WindowLayout.h"

#include <QString>

#include <array>
#include <cstdint>

// The fourteen user-defined option buttons, numbered 1..Count: a caption (empty means the
// button shows its command string), a command string and a width in pixels at scale 1.
// Every accessor throws std::out_of_range for a number outside 1..Count.
class TOptionButtonData {
public:
    static constexpr int Count = 14;
    static constexpr float DesignWidth = WindowLayout::KeyWidth;

    TOptionButtonData();

    // Copies every title, command string and width of Source, empty strings included.
    void Assign(const TOptionButtonData& Source);

    const QString& GetTitle(std::int32_t Number) const;
    void SetTitle(std::int32_t Number, const QString& Value);
    const QString& GetExpression(std::int32_t Number) const;
    void SetExpression(std::int32_t Number, const QString& Value);
    float GetWidth(std::int32_t Number) const;
    void SetWidth(std::int32_t Number, float Value);

private:
    std::array<QString, Count> FTitle;
    std::array<QString, Count> FExpression;
    std::array<float, Count> FWidth;
};
