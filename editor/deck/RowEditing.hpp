// Inserting and deleting rows of the GirderLine, BentLine and DeadLoad forms,
// at the form's CurrentRow. Only row contents move: Insert adds one row at
// the end (the form's add-row operation), moves the current row and every
// row below it one place down and empties the current row; Delete moves
// every row below the current one a place up and empties the last row. The
// row count never falls, and CurrentRow stays as it was.
//
// A row moves whole: every box and choice, the card characters it keeps and
// its read-from-deck mark. An emptied row is a new row's: boxes empty,
// combos at their prompts with no item chosen, no option ticked, nothing
// kept, no mark.
#pragma once

#include "editor/deck/RowForms.hpp"

namespace quillon::editor {

void InsertRow(GirderLine& form);
void DeleteRow(GirderLine& form);
void InsertRow(BentLine& form);
void DeleteRow(BentLine& form);
void InsertRow(DeadLoad& form);
void DeleteRow(DeadLoad& form);

// Row `from` copied onto row `to`. On a girder line the line type lands
// first, as a choice of it does: the row gets the initial offset types and
// the terminal enabling of that line type; the offset-type choices copied
// after it land in that list.
void CopyRow(const GirderLineRow& from, GirderLineRow& to);

}  // namespace quillon::editor
