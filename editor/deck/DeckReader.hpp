// Reading a geometry input deck file into the deck model: one problem with
// one line set.
//
// The file is read whole first: a file that cannot be read fails with its
// reason and leaves the model as it was. Otherwise the model is reset (forms,
// rows, ticks, units, counters, current rows) and the deck's cards are handed
// to the card readers in deck order. Each step takes only cards of its own
// type (columns 1-2 compared exactly); a card that a step does not take is
// offered to the next one:
//
//   first card     a 00 card: structure identifier and metric mark
//   00 cards       while 00: key cards and description lines
//   01             one, if 01
//   02             one, if 02
//   first 03       one, if 03; then the override rows, while 03, from row 0
//   04             one, if 04
//   05, 06, 07     their rows, while of their type, from row 0; a form that
//                  holds fewer rows grows by its add-row operation, with no
//                  limit, and its counter ends at the number of cards read
//   08             one, if 08
//
// Lines end at LF, CRLF or a lone CR. "99" lines are skipped wherever they
// stand, as the engine skips them, and so are lines of blanks. The deck's
// units are those of its run: cards::IsMetricDeck over the deck's lines, the
// rule the metric converter applies, so a deck is read and saved in the units that
// it runs in.
//
// Some cards are not kept: the skipped "99" lines, and every card left after
// the 08 step (another line set or problem, a second 08 card, a card out of
// order). One warning, after the card readers' own, gives their count, the
// type of the first and its line; lines of blanks are not counted:
//
//   Warning: (99) 24 cards are not kept, the first at line 8 (the editor holds
//   one line set of one problem, and no comment cards); a saved deck leaves
//   them out.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "editor/deck/DeckFileResult.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// Reads the deck file at `path` into `deck`; the card readers' warnings, and
// the one for cards not kept, go to `messages` in order.
DeckFileResult ReadInputFile(const std::filesystem::path& path, DeckModel& deck,
                             MessageSink& messages);

// The same on the deck's lines, without their line ends.
void ReadDeckLines(const std::vector<std::string>& lines, DeckModel& deck, MessageSink& messages);

}  // namespace quillon::editor
