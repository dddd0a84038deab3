// The rows of a row form: one column per control array, one row per card,
// cell (column, row) is element `row` of the column's array. The rows sit in
// a scroll area under the column headings, with no row limit. A cell is
// named for its control and row, as "Text1(5)".
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

class QGridLayout;
class QScrollArea;

namespace quillon::editor {

class RowTable : public QWidget {
    Q_OBJECT

public:
    struct Column {
        QString name;  // the control array: "Text1", "Combo1", "List1"
        int twips;     // the least width
    };
    // A heading over `span` columns from `first`, on heading line `line`
    // (0 at the top); group headings are bold.
    struct Heading {
        QString text;
        int first;
        int span = 1;
        int line = 0;
        bool bold = false;
    };
    // Makes the cells of row `row`, one per column in column order. The
    // table names, sizes and places them.
    using CellMaker = std::function<std::vector<QWidget*>(int row)>;

    RowTable(std::vector<Column> columns, std::vector<Heading> headings, CellMaker maker,
             int visibleRows, QWidget* parent);

    // Adds or removes rows at the end until there are `rows` (at least one):
    // the model's rows only grow, but a new deck starts from the design rows.
    void SetRowCount(int rows);
    int RowCount() const { return static_cast<int>(cells_.size()); }
    QWidget* Cell(int column, int row) const;
    int ColumnOf(const QString& name) const;
    QScrollArea* ScrollArea() const { return scroll_; }
    void ScrollToTop();
    // The last control of the rows in the tab order (the cells of the last
    // row end it); a control put after it follows the rows.
    QWidget* LastInTabOrder() const { return last_; }
    // Puts the rows, row after row, after `before` in the tab order.
    void FollowInTabOrder(QWidget* before);

signals:
    // A cell of row `row` lost the keyboard focus.
    void CellLeft(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddRow();
    void RemoveLastRow();
    void FixColumnWidths(const std::vector<QWidget*>& firstRow);

    std::vector<Column> columns_;
    std::vector<Heading> headings_;
    CellMaker maker_;
    int visibleRows_;
    std::vector<int> widths_;
    std::vector<std::vector<QWidget*>> cells_;
    QGridLayout* header_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QWidget* rows_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* last_ = nullptr;
};

}  // namespace quillon::editor
