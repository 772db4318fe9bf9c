// Fuzz target: any 80-bit pattern (NaNs, infinities, denormals and unnormal encodings included)
// under any display setting gives a text or EResultRangeError; a finite value's 15-digit text
// reads back.
#include "model/CalcEvaluation.h"
#include "model/ResultFormat.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 13) return 0;
    long double value = 0;
    std::memcpy(&value, data, 10);
    const int roundDecimal = int(std::int8_t(data[10])) - 20; // -148 .. 107
    const auto selector = TRoundSelector(data[11] % 3);
    const bool isPercent = data[12] & 1;
    const bool isGrouped = data[12] & 2;
    const TNumberSeparators separators =
        (data[12] & 4) ? TNumberSeparators{QStringLiteral(","), QStringLiteral(".")}
                       : TNumberSeparators{};
    try {
        FormatResultValue(isPercent, roundDecimal, value, selector, isGrouped, separators);
    } catch (const EResultRangeError&) {
    }
    if (std::isfinite(value)) {
        long double back = 0;
        if (!TryReadNumber(GeneralText(value, 15, MachineNumberSeparators()), back)) std::abort();
    }
    return 0;
}
