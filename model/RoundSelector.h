#pragma once

#include <cstdint>

// Rounding mode of the fixed-decimals result display; stored as its ordinal.
enum TRoundSelector : std::uint8_t {
    rs54 = 0,  // round half away from zero
    rsCut = 1, // toward minus infinity
    rsUp = 2,  // toward plus infinity
};
