// The 08 card: the roadway approaches, held in the RoadAppr form.
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Fills the ten RoadAppr boxes from an 08 card. A blank offset is one not
// used: its box is left empty and written back blank.
void ReadRoadApproachCard(DeckModel& deck, std::string_view card, MessageSink& sink);

// The 08 card, 80 columns, when it was read from a deck or the begin station
// holds text: none when it is empty or seven blanks.
WrittenCards WriteRoadApproachCard(const DeckModel& deck);

}  // namespace quillon::editor
