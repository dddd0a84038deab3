#include "editor/forms/RowFormWindows.hpp"

#include <QPushButton>
#include <QVBoxLayout>

#include "cards/CardLayouts.hpp"
#include "editor/deck/GirderLineType.hpp"
#include "editor/deck/RowEditing.hpp"

namespace quillon::editor {

namespace {

constexpr int kVisibleRows = 12;

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// `binding` with its cell taking edits only while `enabled` says so for the row.
template <class Rows, class Enabled>
CellBinding EnabledWhen(CellBinding binding, Rows& rows, Enabled enabled) {
    auto show = binding.show;
    binding.show = [show, &rows, enabled](QWidget* cell, int row) {
        cell->setEnabled(enabled(rows[static_cast<size_t>(row)]));
        show(cell, row);
    };
    return binding;
}

int Width(const cards::CardLayout& card, const char* field) { return card.Find(field).Width(); }

}  // namespace

// The shared row form ----------------------------------------------------------

void RowFormWindow::Build(std::vector<CellBinding> bindings,
                          std::vector<RowTable::Heading> headings, const QString& addCaption,
                          const QString& hideName) {
    rows_ =
        std::make_unique<BoundRows>(std::move(bindings), std::move(headings), kVisibleRows, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table(), 1);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* add = MakeButton("AddRecord", addCaption, this);
    QPushButton* insert = MakeButton("Insert", "Insert Row", this);
    QPushButton* remove = MakeButton("Delete", "Delete Row", this);
    QPushButton* hide = MakeHideButton(hideName);
    for (QPushButton* button : {add, insert, remove}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(hide);

    // A click takes the focus from the cell being edited first, so its row
    // is the current row when the button acts.
    connect(Table(), &RowTable::CellLeft, this,
            [current = &CurrentRow()](int row) { *current = row; });
    connect(add, &QPushButton::clicked, this, [this] { Operate(&RowFormWindow::AddRecord); });
    connect(insert, &QPushButton::clicked, this, [this] { Operate(&RowFormWindow::InsertRow); });
    connect(remove, &QPushButton::clicked, this, [this] { Operate(&RowFormWindow::DeleteRow); });
    SetTabOrder({Table()->LastInTabOrder(), add, insert, remove, hide});
    Refresh();
}

RowFormWindow::~RowFormWindow() {
    // Deleting the cells moves the focus: the rows say nothing more.
    disconnect(Table(), nullptr, this, nullptr);
}

void RowFormWindow::Operate(void (RowFormWindow::*operation)()) {
    (this->*operation)();
    Refresh();
    emit Edited();
}

void RowFormWindow::Refresh() { rows_->Show(ModelRows()); }

void RowFormWindow::DeckOpened() {
    Refresh();
    Table()->ScrollToTop();
}

// GirderLine -----------------------------------------------------------------

GirderLineForm::GirderLineForm(DeckModel& deck) : RowFormWindow(deck, "GirderLine", "Girder Line") {
    Build(Columns(),
          {{"Offset Distance", 1, 4, 0},
           {"Line Type", 0, 1, 1},
           {"Initial", 1, 2, 1},
           {"Terminal", 3, 2, 1},
           {"Elevation Shift", 5, 1, 1},
           {"Description", 6, 1, 1},
           {"X-Type Frac. Points", 7, 1, 1},
           {"DL Char.", 8, 1, 1},
           {"Options", 9, 1, 1}},
          "Add New Row", "Command3");
}

std::vector<CellBinding> GirderLineForm::Columns() {
    std::vector<GirderLineRow>& rows = deck_.girderLine.rows;
    const cards::CardLayout& card = cards::kGirderLineCard;
    const QString offsetPrompt = ToControlText(GirderLine::kOffsetTypePrompt);
    const QStringList offsetTypes = ItemTexts(GirderLine::kTerminalOffsetTypes);
    const auto terminalEnabled = [](const GirderLineRow& row) { return row.TerminalEnabled; };

    // The line type: the user's pick, the item already chosen too, runs the
    // line-type rule on its own row.
    CellBinding lineType = ChoiceColumn(
        this, rows, "Combo1", 1332, &GirderLineRow::Combo1, ItemTexts(GirderLine::kLineTypes),
        ToControlText(GirderLine::kLineTypePrompt), [this](int row, int item) {
            ChooseLineType(deck_.girderLine.rows[static_cast<size_t>(row)], item);
            ShowRow(row);
        });
    // The initial offset types: the row's own items, which its line type sets.
    CellBinding initialType =
        ChoiceColumn(this, rows, "Combo3", 1092, &GirderLineRow::Combo3, offsetTypes, offsetPrompt);
    initialType.show = [&rows, show = initialType.show](QWidget* cell, int row) {
        auto* box = static_cast<QComboBox*>(cell);
        const std::array<std::string, 4>& items = rows[static_cast<size_t>(row)].Combo3Items;
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            const QString text = ToControlText(items[static_cast<size_t>(i)]);
            if (box->itemText(i) != text) box->setItemText(i, text);
        }
        show(cell, row);
    };
    return {
        lineType,
        TextColumn(this, rows, "Text1", 852, &GirderLineRow::Text1),
        initialType,
        EnabledWhen(TextColumn(this, rows, "Text2", 1092, &GirderLineRow::Text2), rows,
                    terminalEnabled),
        EnabledWhen(ChoiceColumn(this, rows, "Combo2", 1092, &GirderLineRow::Combo2, offsetTypes,
                                 offsetPrompt),
                    rows, terminalEnabled),
        TextColumn(this, rows, "Text3", 972, &GirderLineRow::Text3),
        TextColumn(this, rows, "Text4", 1212, &GirderLineRow::Text4,
                   Width(card, "GirderDescription")),
        TextColumn(this, rows, "Text13", 492, &GirderLineRow::Text13,
                   Width(card, "XTypeFracPoints"), true),
        TextColumn(this, rows, "Text16", 252, &GirderLineRow::Text16,
                   Width(card, "DeadLoadGirderCode")),
        OptionsColumn(this, rows, 1692, &GirderLineRow::List1, ItemTexts(GirderLine::kOptions)),
    };
}

void GirderLineForm::InsertRow() { editor::InsertRow(deck_.girderLine); }
void GirderLineForm::DeleteRow() { editor::DeleteRow(deck_.girderLine); }

// BentLine -------------------------------------------------------------------

BentLineForm::BentLineForm(DeckModel& deck) : RowFormWindow(deck, "BentLine", "Bent Line Data") {
    Build(Columns(),
          {{"Distance", 0, 2},
           {"Skew", 2, 3},
           {"Fractional Points", 5},
           {"Description", 6},
           {"Sel. Intersect", 7},
           {"DL", 8},
           {"Sec. Ref.", 9},
           {"Options", 10}},
          "Add Row", "Command1");
}

std::vector<CellBinding> BentLineForm::Columns() {
    std::vector<BentLineRow>& rows = deck_.bentLine.rows;
    const cards::CardLayout& card = cards::kBentLineCard;
    return {
        TextColumn(this, rows, "Text1", 1212, &BentLineRow::Text1),
        ChoiceColumn(this, rows, "Combo1", 1332, &BentLineRow::Combo1,
                     ItemTexts(BentLine::kDistanceTypes),
                     ToControlText(BentLine::kDistanceTypePrompt)),
        TextColumn(this, rows, "Text7", 252, &BentLineRow::Text7, Width(card, "SkewDirection")),
        TextColumn(this, rows, "Text2", 1092, &BentLineRow::Text2),
        ChoiceColumn(this, rows, "Combo2", 1092, &BentLineRow::Combo2,
                     ItemTexts(BentLine::kSkewTypes), ToControlText(BentLine::kSkewTypePrompt)),
        TextColumn(this, rows, "Text3", 1212, &BentLineRow::Text3),
        TextColumn(this, rows, "Text4", 1092, &BentLineRow::Text4, Width(card, "BentDescription")),
        TextColumn(this, rows, "Text5", 252, &BentLineRow::Text5, Width(card, "SelIntersect")),
        TextColumn(this, rows, "Text6", 252, &BentLineRow::Text6, Width(card, "DeadLoadFlag")),
        TextColumn(this, rows, "Text8", 372, &BentLineRow::Text8, Width(card, "SecondaryRef"),
                   true),
        OptionsColumn(this, rows, 1452, &BentLineRow::List1, ItemTexts(BentLine::kOptions)),
    };
}

void BentLineForm::InsertRow() { editor::InsertRow(deck_.bentLine); }
void BentLineForm::DeleteRow() { editor::DeleteRow(deck_.bentLine); }

// DeadLoad -------------------------------------------------------------------

namespace {

std::vector<RowTable::Heading> DeadLoadHeadings() {
    std::vector<RowTable::Heading> headings = {{"Deflections at Tenth Points", 3, 11, 0},
                                               {"Girder Code", 0, 1, 1},
                                               {"Bent Line Code", 1, 1, 1},
                                               {"Units", 2, 1, 1}};
    for (int k = 0; k < DeadLoad::kTenthPoints; ++k)
        headings.push_back({QString::number(k), 3 + k, 1, 1});
    return headings;
}

}  // namespace

DeadLoadForm::DeadLoadForm(DeckModel& deck)
    : RowFormWindow(deck, "DeadLoad", "Dead Load Deflection") {
    Build(Columns(), DeadLoadHeadings(), "Add Row", "Command3");
}

std::vector<CellBinding> DeadLoadForm::Columns() {
    std::vector<DeadLoadRow>& rows = deck_.deadLoad.rows;
    const cards::CardLayout& card = cards::kDeadLoadCard;
    std::vector<CellBinding> columns = {
        TextColumn(this, rows, "Text1", 252, &DeadLoadRow::Text1, Width(card, "GirderCode")),
        TextColumn(this, rows, "Text2", 252, &DeadLoadRow::Text2, Width(card, "BentLineCode")),
        TextColumn(this, rows, "Text14", 252, &DeadLoadRow::Text14, Width(card, "DeflectionUnits")),
    };
    std::string DeadLoadRow::*deflections[] = {
        &DeadLoadRow::Text3,  &DeadLoadRow::Text4,  &DeadLoadRow::Text5, &DeadLoadRow::Text6,
        &DeadLoadRow::Text7,  &DeadLoadRow::Text8,  &DeadLoadRow::Text9, &DeadLoadRow::Text10,
        &DeadLoadRow::Text11, &DeadLoadRow::Text12, &DeadLoadRow::Text13};
    const int widths[] = {852, 972, 852, 852, 852, 852, 852, 852, 732, 732, 732};
    for (int k = 0; k < DeadLoad::kTenthPoints; ++k)
        columns.push_back(
            TextColumn(this, rows, QString("Text%1").arg(3 + k), widths[k], deflections[k]));
    return columns;
}

void DeadLoadForm::InsertRow() { editor::InsertRow(deck_.deadLoad); }
void DeadLoadForm::DeleteRow() { editor::DeleteRow(deck_.deadLoad); }

}  // namespace quillon::editor
