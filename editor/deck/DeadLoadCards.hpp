// The 07 cards: the dead-load deflections of a girder line at the tenth
// points of a span, held as the rows of the DeadLoad form.
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Fills row `row` (added when the form has fewer rows) from a 07 card: all
// fourteen boxes, a blank deflection field as an empty box.
void ReadDeadLoadCard(DeckModel& deck, int row, std::string_view card, MessageSink& sink);

// The 07 card of row `row`, 80 columns.
WrittenCard WriteDeadLoadCard(const DeckModel& deck, int row);

// A 07 card for every row that is not entirely empty, in row order: an empty
// row (such as Insert Row leaves) is skipped and the rows after it are written.
WrittenCards WriteDeadLoadCards(const DeckModel& deck);

}  // namespace quillon::editor
