#include "editor/deck/RowEditing.hpp"

#include <algorithm>

#include "editor/deck/GirderLineType.hpp"

namespace quillon::editor {

namespace {

template <class Row>
void CopyRow(const Row& from, Row& to) {
    to = from;
}

// The row the operations act on: CurrentRow, kept within the rows (it always
// is, since rows are never removed).
template <class Form>
size_t Current(const Form& form) {
    const int last = static_cast<int>(form.rows.size()) - 1;
    return static_cast<size_t>(std::clamp(form.CurrentRow, 0, last));
}

template <class Form, class EmptyRow>
void Insert(Form& form, EmptyRow emptyRow) {
    form.AddRecord();
    const size_t current = Current(form);
    for (size_t i = form.rows.size() - 1; i > current; --i) CopyRow(form.rows[i - 1], form.rows[i]);
    form.rows[current] = emptyRow();
}

template <class Form, class EmptyRow>
void Delete(Form& form, EmptyRow emptyRow) {
    for (size_t i = Current(form); i + 1 < form.rows.size(); ++i)
        CopyRow(form.rows[i + 1], form.rows[i]);
    form.rows.back() = emptyRow();
}

}  // namespace

void CopyRow(const GirderLineRow& from, GirderLineRow& to) {
    to = from;
    if (!from.Combo1.chosen) return;  // no line type: the row comes as it stood
    ChooseLineType(to, *from.Combo1.chosen);
    to.Combo1 = from.Combo1;
    to.Combo3 = from.Combo3;
    to.Combo2 = from.Combo2;
}

void InsertRow(GirderLine& form) { Insert(form, GirderLine::NewRow); }
void DeleteRow(GirderLine& form) { Delete(form, GirderLine::NewRow); }
void InsertRow(BentLine& form) {
    Insert(form, [] { return BentLineRow(); });
}
void DeleteRow(BentLine& form) {
    Delete(form, [] { return BentLineRow(); });
}
void InsertRow(DeadLoad& form) {
    Insert(form, [] { return DeadLoadRow(); });
}
void DeleteRow(DeadLoad& form) {
    Delete(form, [] { return DeadLoadRow(); });
}

}  // namespace quillon::editor
