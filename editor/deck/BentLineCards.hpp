// The 06 cards: one bent line each, held as the rows of the BentLine form.
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Fills row `row` (added when the form has fewer rows) from a 06 card.
// Distance and fractional points are exact decimals. A distance type or skew
// type character that selects no item is kept (with its warning where it is
// a digit out of range); the skew direction keeps its character after its
// warning. The codes behind the secondary reference are kept as they stand.
void ReadBentLineCard(DeckModel& deck, int row, std::string_view card, MessageSink& sink);

// The 06 card of row `row`: 46 columns, 45 when the secondary reference is
// empty (more when kept codes stand behind it).
WrittenCard WriteBentLineCard(const DeckModel& deck, int row);

// True when the row is written: it was read from a deck, or its description
// is neither empty nor 10 blanks.
bool IsWrittenBentLine(const BentLineRow& row);

// A 06 card for every row that is written, in row order.
WrittenCards WriteBentLineCards(const DeckModel& deck);

}  // namespace quillon::editor
