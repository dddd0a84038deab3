// The row forms: GirderLine (05 cards), BentLine (06) and DeadLoad (07),
// one row per card with Add Row, Insert Row and Delete Row, and CrossTrans
// (the first 03 card and its override rows). The cell of a row is named for
// its control and row, as "Combo1(3)"; the options list of a row is
// "List1(3)" with one check box per item, "List1(3)[0]", "List1(3)[1]", ...
#pragma once

#include <memory>

#include "editor/forms/FormWindow.hpp"
#include "editor/forms/RowCells.hpp"

class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace quillon::editor {

// What GirderLine, BentLine and DeadLoad share: the rows under their
// headings, the buttons, and CurrentRow, the row of the cell that last lost
// the focus, on which Insert Row and Delete Row act.
class RowFormWindow : public FormWindow {
    Q_OBJECT

public:
    ~RowFormWindow() override;
    void Refresh() override;
    // Shows the deck from its first row, scrolled to the top.
    void DeckOpened() override;
    RowTable* Table() const { return rows_->Table(); }

protected:
    RowFormWindow(DeckModel& deck, const QString& name, const QString& caption)
        : FormWindow(deck, name, caption) {}
    // Builds the form: its rows of `bindings` under `headings`, then its
    // buttons `addCaption` (AddRecord), "Insert Row", "Delete Row" and "Hide"
    // named `hideName`.
    void Build(std::vector<CellBinding> bindings, std::vector<RowTable::Heading> headings,
               const QString& addCaption, const QString& hideName);

    virtual int ModelRows() const = 0;
    virtual int& CurrentRow() = 0;
    virtual void AddRecord() = 0;
    virtual void InsertRow() = 0;
    virtual void DeleteRow() = 0;
    void ShowRow(int row) { rows_->ShowRow(row); }

private:
    // Runs a button's operation on the model, then shows the rows again.
    void Operate(void (RowFormWindow::*operation)());

    std::unique_ptr<BoundRows> rows_;
};

class GirderLineForm : public RowFormWindow {
    Q_OBJECT

public:
    explicit GirderLineForm(DeckModel& deck);

private:
    int ModelRows() const override { return static_cast<int>(deck_.girderLine.rows.size()); }
    int& CurrentRow() override { return deck_.girderLine.CurrentRow; }
    void AddRecord() override { deck_.girderLine.AddRecord(); }
    void InsertRow() override;
    void DeleteRow() override;
    std::vector<CellBinding> Columns();
};

class BentLineForm : public RowFormWindow {
    Q_OBJECT

public:
    explicit BentLineForm(DeckModel& deck);

private:
    int ModelRows() const override { return static_cast<int>(deck_.bentLine.rows.size()); }
    int& CurrentRow() override { return deck_.bentLine.CurrentRow; }
    void AddRecord() override { deck_.bentLine.AddRecord(); }
    void InsertRow() override;
    void DeleteRow() override;
    std::vector<CellBinding> Columns();
};

class DeadLoadForm : public RowFormWindow {
    Q_OBJECT

public:
    explicit DeadLoadForm(DeckModel& deck);

private:
    int ModelRows() const override { return static_cast<int>(deck_.deadLoad.rows.size()); }
    int& CurrentRow() override { return deck_.deadLoad.CurrentRow; }
    void AddRecord() override { deck_.deadLoad.AddRecord(); }
    void InsertRow() override;
    void DeleteRow() override;
    std::vector<CellBinding> Columns();
};

class CrossTransForm : public FormWindow {
    Q_OBJECT

public:
    explicit CrossTransForm(DeckModel& deck);
    void Refresh() override;
    void DeckOpened() override;
    RowTable* Table() const { return overrides_->Table(); }

private:
    // Each group of fields, added below the ones before; its controls in tab order.
    std::vector<QWidget*> AddCrownAndSlopes(QVBoxLayout* layout);
    std::vector<QWidget*> AddTransitions(QVBoxLayout* layout);
    std::vector<QWidget*> AddParabolicCrown(QVBoxLayout* layout);
    void AddOverrideRows(QVBoxLayout* layout);
    std::vector<QWidget*> AddButtons(QVBoxLayout* layout);

    QListWidget* crownType_;
    std::unique_ptr<BoundRows> overrides_;
};

}  // namespace quillon::editor
