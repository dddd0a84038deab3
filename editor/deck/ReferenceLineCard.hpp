// The 04 card: the reference line of the line set, held in the RefLine form.
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Fills the RefLine form from an 04 card. A code outside its list's range
// draws its warning; a code character that selects no item is kept. Check
// boxes whose columns are blank keep their state.
void ReadReferenceLineCard(DeckModel& deck, std::string_view card, MessageSink& sink);

// The 04 card, 80 columns.
WrittenCard WriteReferenceLineCard(const DeckModel& deck);

}  // namespace quillon::editor
