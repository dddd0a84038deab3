#include "editor/forms/RowCells.hpp"

namespace quillon::editor {

BoundRows::BoundRows(std::vector<CellBinding> bindings, std::vector<RowTable::Heading> headings,
                     int visibleRows, QWidget* parent)
    : bindings_(std::move(bindings)) {
    std::vector<RowTable::Column> columns;
    for (const CellBinding& binding : bindings_) columns.push_back(binding.column);
    table_ = new RowTable(
        std::move(columns), std::move(headings),
        [this](int row) {
            std::vector<QWidget*> cells;
            for (const CellBinding& binding : bindings_) cells.push_back(binding.make(row));
            return cells;
        },
        visibleRows, parent);
}

void BoundRows::Show(int rows) {
    table_->SetRowCount(rows);
    for (int row = 0; row < table_->RowCount(); ++row) ShowRow(row);
}

void BoundRows::ShowRow(int row) {
    for (size_t c = 0; c < bindings_.size(); ++c)
        bindings_[c].show(table_->Cell(static_cast<int>(c), row), row);
}

}  // namespace quillon::editor
