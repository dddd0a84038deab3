// The 03 cards: the first one (crown type, cross slope, superelevation,
// transitions, parabolic crown) and one override card per override row, all
// held in the CrossTrans form.
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Fills the single boxes of CrossTrans from the first 03 card. A crown type
// that is no item ("D", a digit, a blank) is kept as its character.
void ReadCrossSectionCard(DeckModel& deck, std::string_view card, MessageSink& sink);

// Fills override row `row` (added when the form has fewer rows) from an
// override card.
void ReadOverrideCard(DeckModel& deck, int row, std::string_view card, MessageSink& sink);

// The first 03 card, 80 columns.
WrittenCard WriteCrossSectionCard(const DeckModel& deck);

// The override card of row `row`, 21 columns.
WrittenCard WriteOverrideCard(const DeckModel& deck, int row);

// The first 03 card and an override card for every row whose station box is
// not empty or that was read from a deck, in row order.
WrittenCards WriteCrossSlopeCards(const DeckModel& deck);

}  // namespace quillon::editor
