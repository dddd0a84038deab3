// The line type of a girder line row and what it does to the row's other
// choices: the initial offset types that Combo3 offers, and whether the
// terminal offset (Text2, Combo2) takes edits. The choice acts on its row only.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "editor/deck/RowForms.hpp"

namespace quillon::editor {

// The four Combo3 items that a row of line type `lineType` offers (none:
// no line type chosen).
std::array<std::string, 4> InitialOffsetTypes(std::optional<int> lineType);

// The segmented line's one initial offset type, "Normal from base", and three
// empty items.
std::array<std::string, 4> SegmentedOffsetTypes();

// Choosing item `lineType` of the row's Combo1, by the user or by the card
// reader: Combo3's items become those of the line type and Combo3 shows its
// prompt again; Combo2 and Text2 take edits only on a flared line (their
// contents stay). Card characters kept for the initial and terminal offset
// types are dropped: the choice of line type counts as a choice there too.
void ChooseLineType(GirderLineRow& row, int lineType);

}  // namespace quillon::editor
