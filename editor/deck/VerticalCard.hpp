// The 02 card: the vertical alignment, held in the Vertical form.
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Fills all ten boxes of the Vertical form from a 02 card. A blank grade is
// one not given (the engine then works it out) and a blank PI station is no
// PI: both leave their box empty, and are written back blank.
void ReadVerticalCard(DeckModel& deck, std::string_view card, MessageSink& sink);

// The 02 card, 80 columns.
WrittenCard WriteVerticalCard(const DeckModel& deck);

}  // namespace quillon::editor
