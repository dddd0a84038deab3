// The date and time texts of the listing's page heading, from the clock.
#pragma once

#include <string>

#include "environment/Environment.hpp"

namespace quillon::engine {

// " yy/mm/dd " from the clock.
std::string MakeDateText(const LocalTime& now);
// "hh:mm ss  " (the second colon blanked; the heading prints "hh:mm ").
std::string MakeTimeText(const LocalTime& now);

}  // namespace quillon::engine
