#include "editor/forms/RowTable.hpp"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/forms/FormControls.hpp"

namespace quillon::editor {

namespace {

constexpr int kColumnSpacing = 2;  // the cells of a row nearly touch, as on the cards
constexpr int kRowSpacing = 1;
constexpr int kHeadingGap = 8;  // between a heading and the next
constexpr char kRowProperty[] = "row";

// The controls of a cell that take the focus by Tab: the cell itself, or the
// check boxes of an options cell.
std::vector<QWidget*> Focusable(QWidget* cell) {
    if (cell->focusPolicy() & Qt::TabFocus) return {cell};
    std::vector<QWidget*> inside;
    for (QWidget* child : cell->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->focusPolicy() & Qt::TabFocus) inside.push_back(child);
    return inside;
}

// The least width that shows a cell's content: a text box needs room for a
// character or two, a drop-down for its longest item or prompt.
int NaturalWidth(QWidget* cell) {
    if (qobject_cast<QLineEdit*>(cell))
        return std::max(cell->minimumWidth(), cell->minimumSizeHint().width());
    return std::max(cell->minimumWidth(), cell->sizeHint().width());
}

}  // namespace

RowTable::RowTable(std::vector<Column> columns, std::vector<Heading> headings, CellMaker maker,
                   int visibleRows, QWidget* parent)
    : QWidget(parent),
      columns_(std::move(columns)),
      headings_(std::move(headings)),
      maker_(std::move(maker)),
      visibleRows_(visibleRows) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("Frame1");
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->setFocusPolicy(Qt::NoFocus);  // Tab walks the cells, not the frame
    scroll_->verticalScrollBar()->setObjectName("VScroll1");

    auto* header = new QWidget(this);
    header_ = new QGridLayout(header);
    header_->setContentsMargins(scroll_->frameWidth(), 0, 0, 0);
    header_->setHorizontalSpacing(kColumnSpacing);
    header_->setVerticalSpacing(0);

    rows_ = new QWidget(scroll_);
    auto* rowsLayout = new QVBoxLayout(rows_);
    rowsLayout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QWidget(rows_);
    grid_ = new QGridLayout(grid);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(kColumnSpacing);
    grid_->setVerticalSpacing(kRowSpacing);
    grid_->setColumnStretch(static_cast<int>(columns_.size()), 1);
    rowsLayout->addWidget(grid);
    rowsLayout->addStretch(1);
    scroll_->setWidget(rows_);

    layout->addWidget(header);
    layout->addWidget(scroll_, 1);
    AddRow();
}

void RowTable::FixColumnWidths(const std::vector<QWidget*>& firstRow) {
    widths_.assign(columns_.size(), 0);
    for (size_t c = 0; c < columns_.size(); ++c)
        widths_[c] = std::max(Pixels(columns_[c].twips), NaturalWidth(firstRow[c]));
    // Headings are never clipped: a column grows to its heading, a group's
    // last column to what its heading lacks.
    std::vector<QLabel*> labels;
    for (const Heading& heading : headings_) {
        QLabel* label =
            heading.bold ? MakeHeading(heading.text, this) : MakeLabel(heading.text, this);
        labels.push_back(label);
        const int need = label->sizeHint().width() + kHeadingGap;
        int have = kColumnSpacing * (heading.span - 1);
        // A heading's columns are columns of the table, counted from 0.
        const auto first = static_cast<std::size_t>(heading.first);
        const auto end = first + static_cast<std::size_t>(heading.span);
        for (std::size_t c = first; c < end; ++c) have += widths_[c];
        if (need > have) widths_[end - 1] += need - have;
    }
    for (size_t i = 0; i < headings_.size(); ++i) {
        const Heading& heading = headings_[i];
        const Qt::Alignment align = heading.span > 1 ? Qt::AlignHCenter : Qt::AlignLeft;
        header_->addWidget(labels[i], heading.line, heading.first, 1, heading.span,
                           align | Qt::AlignBottom);
    }
    for (size_t c = 0; c < columns_.size(); ++c)
        header_->setColumnMinimumWidth(static_cast<int>(c), widths_[c]);
    header_->setColumnStretch(static_cast<int>(columns_.size()), 1);

    int rowsWidth = kColumnSpacing * (static_cast<int>(columns_.size()) - 1);
    int rowHeight = 0;
    for (size_t c = 0; c < columns_.size(); ++c) {
        rowsWidth += widths_[c];
        rowHeight = std::max(rowHeight, firstRow[c]->sizeHint().height());
    }
    const int frames = 2 * scroll_->frameWidth();
    scroll_->setMinimumWidth(rowsWidth + scroll_->verticalScrollBar()->sizeHint().width() + frames);
    scroll_->setMinimumHeight(visibleRows_ * (rowHeight + kRowSpacing) + frames);
}

void RowTable::AddRow() {
    const int row = RowCount();
    std::vector<QWidget*> cells = maker_(row);
    if (widths_.empty()) FixColumnWidths(cells);
    for (size_t c = 0; c < cells.size() && c < columns_.size(); ++c) {
        QWidget* cell = cells[c];
        cell->setParent(grid_->parentWidget());
        cell->setObjectName(QString("%1(%2)").arg(columns_[c].name).arg(row));
        cell->setFixedWidth(widths_[c]);
        grid_->addWidget(cell, row, static_cast<int>(c));
        for (QWidget* control : Focusable(cell)) {
            control->setProperty(kRowProperty, row);
            control->installEventFilter(this);
            if (last_) QWidget::setTabOrder(last_, control);
            last_ = control;
        }
        cell->show();
    }
    cells_.push_back(std::move(cells));
}

void RowTable::RemoveLastRow() {
    for (QWidget* cell : cells_.back()) delete cell;
    cells_.pop_back();
    last_ = nullptr;
    for (QWidget* cell : cells_.back())
        for (QWidget* control : Focusable(cell)) last_ = control;
}

void RowTable::SetRowCount(int rows) {
    while (RowCount() < rows) AddRow();
    while (RowCount() > std::max(rows, 1)) RemoveLastRow();
}

QWidget* RowTable::Cell(int column, int row) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(columns_.size()))
        return nullptr;
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int RowTable::ColumnOf(const QString& name) const {
    for (size_t c = 0; c < columns_.size(); ++c)
        if (columns_[c].name == name) return static_cast<int>(c);
    return -1;
}

void RowTable::ScrollToTop() { scroll_->verticalScrollBar()->setValue(0); }

void RowTable::FollowInTabOrder(QWidget* before) {
    QWidget* previous = before;
    for (const std::vector<QWidget*>& row : cells_)
        for (QWidget* cell : row)
            for (QWidget* control : Focusable(cell)) {
                QWidget::setTabOrder(previous, control);
                previous = control;
            }
    last_ = previous;
}

bool RowTable::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const QVariant row = watched->property(kRowProperty);
        if (row.isValid()) emit CellLeft(row.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quillon::editor
