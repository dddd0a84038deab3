// Writing the deck model as a geometry input deck file: cards 00 to 08 in
// deck order, one line each, every line ended by LF.
//
//   00 group     the first card, the units, project, designer and location
//                cards, one card per description line (a card "00" alone
//                when there is none)
//   01, 02       one each
//   03           the first card, then an override card per row that has a
//                station or was read from a deck, in row order
//   04           one
//   05, 06       a card per row that has a description or was read from a
//                deck, in row order
//   07           a card per row that is not entirely empty, in row order
//   08           one when it was read from a deck or its begin station holds
//                text
//
// Gaps between rows leave no card and no blank line. Every card is built in
// memory first: a box that cannot be written fails the whole save with the
// card, row and field it names, and no file is touched. The file is then
// written whole through a temporary file beside it, so a failure (a missing
// folder, a read-only file, a full disk) leaves the old deck as it was and no
// temporary file behind.
#pragma once

#include <filesystem>
#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckFileResult.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

inline constexpr std::string_view kNoOutputFile = "No file specified for output.";

// Writes `deck` to the deck file at `path`. An empty path writes nothing: the
// message "No file specified for output." goes to `messages` and the result
// fails with it as its reason. Any other failure is only returned.
DeckFileResult WriteInputFile(const std::filesystem::path& path, const DeckModel& deck,
                              MessageSink& messages);

// The deck's card lines in order, up to the first card that cannot be written.
WrittenCards WriteDeckCards(const DeckModel& deck);

}  // namespace quillon::editor
