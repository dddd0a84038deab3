// The 08 card of the roadway approaches as read from the deck (its columns
// are the card layout's): the begin and end stations of the structure, the
// approach length and up to seven offsets. Every field reads blanks as zeros
// with its implied decimals; an offset field left blank is not used.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/alignment/AlignmentCardReader.hpp"

namespace quillon::engine {

inline constexpr size_t kApproachOffsets = 7;

struct RoadApproachCard {
    double begStr = 0.0;  // deck station of the begin of the structure (feet)
    double endStr = 0.0;  // deck station of the end of the structure (feet)
    double length = 0.0;  // approach length (feet)
    std::array<double, kApproachOffsets> offsets{};    // from the horizontal control (feet)
    std::array<bool, kApproachOffsets> offsetGiven{};  // the field is not blank
};

// Reads every field; a field that is not a number reads as 0 and the first
// such field is named for the card's fatal box.
FieldFailure ReadRoadApproachCard(std::string_view card, RoadApproachCard& out);

}  // namespace quillon::engine
