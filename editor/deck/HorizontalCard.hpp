// The 01 card: the horizontal alignment, held in the Horizontal form.
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Fills the Horizontal form from an 01 card. The direction is the one
// character the engine reads: "L", "l" or "-" chooses "Left", "R" or "r"
// "Right", anything else neither. Blank spiral fields, and the degree of
// curve in a metric deck, leave their boxes as they were.
void ReadHorizontalCard(DeckModel& deck, std::string_view card, MessageSink& sink);

// The 01 card, 80 columns; the radius is written with its point punched.
WrittenCard WriteHorizontalCard(const DeckModel& deck);

}  // namespace quillon::editor
