// The 05 cards: one girder line each, held as the rows of the GirderLine form.
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Fills row `row` (added when the form has fewer rows) from a 05 card. The
// line type is chosen first, with what it does to the row, so the offset
// types read after it stand. Codes outside their range draw their warnings;
// code characters that select no item are kept. The terminal offset type of a
// line that is not flared is kept as it stands.
void ReadGirderLineCard(DeckModel& deck, int row, std::string_view card, MessageSink& sink);

// The 05 card of row `row`, 57 columns.
WrittenCard WriteGirderLineCard(const DeckModel& deck, int row);

// True when the row is written: it was read from a deck, or its description
// is neither empty nor 20 blanks.
bool IsWrittenGirderLine(const GirderLineRow& row);

// A 05 card for every row that is written, in row order.
WrittenCards WriteGirderLineCards(const DeckModel& deck);

}  // namespace quillon::editor
