#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CardTestSupport.hpp"
#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "editor/deck/BentLineCards.hpp"
#include "editor/deck/DeadLoadCards.hpp"
#include "editor/deck/GirderLineCards.hpp"
#include "editor/deck/GirderLineType.hpp"
#include "editor/deck/RowEditing.hpp"
#include "testsupport/CaseName.hpp"

namespace ed = quillon::editor;
namespace cards = quillon::cards;
using ed::test::ControlTexts;
using ed::test::Texts;

namespace {

using Items = std::array<std::string, 4>;
const Items kLolHcl = {"Bent from LOL", "Norm. from LOL", "Bent from HCL", "Norm. from HCL"};
const Items kSegmented = {"Normal from base", "", "", ""};

std::string Numbered(const char* prefix, size_t row) { return prefix + std::to_string(row); }

// Every row of the three forms filled with contents of its own: each box
// names its row, the choices and option ticks differ from row to row, and the
// kept card characters too.
void FillGirderLines(ed::GirderLine& form) {
    for (size_t i = 0; i < form.rows.size(); ++i) {
        ed::GirderLineRow& row = form.rows[i];
        ed::ChooseLineType(row, static_cast<int>(i % 5));
        row.Text1 = Numbered("1.", i);
        row.Combo3.Choose(static_cast<int>(i % 4));
        row.Text2 = Numbered("2.", i);
        row.Combo2.Choose(static_cast<int>((i + 1) % 4));
        if (i % 3 == 0) row.Combo2.Keep('9');
        row.Text3 = Numbered("3.", i);
        row.Text4 = Numbered("GIRDER ", i);
        row.Text13 = std::to_string(i % 100);
        row.Text16 = std::string(1, static_cast<char>('A' + i % 26));
        for (size_t k = 0; k < row.List1.size(); ++k) row.List1[k] = (i >> k) & 1;
    }
}

void FillBentLines(ed::BentLine& form) {
    for (size_t i = 0; i < form.rows.size(); ++i) {
        ed::BentLineRow& row = form.rows[i];
        row.Text1 = Numbered("10", i);
        row.Combo1.Choose(static_cast<int>(i % 7));
        if (i % 4 == 1) row.Combo1.Keep('8');
        row.Text7 = i % 2 ? "R" : "L";
        row.Text2 = Numbered("12 ", i);
        row.Combo2.Choose(static_cast<int>(i % 5));
        row.Text3 = Numbered("4.", i);
        row.Text4 = Numbered("BENT ", i);
        row.Text5 = std::string(1, static_cast<char>('0' + i % 10));
        row.Text6 = "D";
        row.Text8 = "AB";
        row.HiddenCodes = Numbered("S", i);
        for (size_t k = 0; k < row.List1.size(); ++k) row.List1[k] = (i >> k) & 1;
    }
}

void FillDeadLoads(ed::DeadLoad& form) {
    for (size_t i = 0; i < form.rows.size(); ++i) {
        ed::DeadLoadRow& row = form.rows[i];
        row.Text1 = std::string(1, static_cast<char>('A' + i % 26));
        row.Text2 = std::to_string(i % 10);
        row.Text14 = i % 2 ? "M" : "I";
        row.HiddenCode = static_cast<char>('a' + i % 26);
        for (int k = 0; k < ed::DeadLoad::kTenthPoints; ++k)
            row.Deflection(k) = std::to_string(i) + "." + std::to_string(k);
    }
}

// One of the three forms, driven through the deck model.
struct RowForm {
    ed::test::Form form;
    std::function<void(ed::DeckModel&)> fill;
    std::function<int&(ed::DeckModel&)> currentRow;
    std::function<size_t(const ed::DeckModel&)> rowCount;
    std::function<void(ed::DeckModel&)> insert;
    std::function<void(ed::DeckModel&)> remove;
    std::function<void(ed::DeckModel&)> addRecord;
};

// The form held at `member` of the deck.
template <auto member, class Fill>
RowForm RowFormOf(ed::test::Form form, Fill fill) {
    return {form,
            [fill](ed::DeckModel& d) { fill(d.*member); },
            [](ed::DeckModel& d) -> int& { return (d.*member).CurrentRow; },
            [](const ed::DeckModel& d) { return (d.*member).rows.size(); },
            [](ed::DeckModel& d) { ed::InsertRow(d.*member); },
            [](ed::DeckModel& d) { ed::DeleteRow(d.*member); },
            [](ed::DeckModel& d) { (d.*member).AddRecord(); }};
}

const RowForm kGirderLine =
    RowFormOf<&ed::DeckModel::girderLine>(ed::test::Form::GirderLine, FillGirderLines);
const RowForm kBentLine =
    RowFormOf<&ed::DeckModel::bentLine>(ed::test::Form::BentLine, FillBentLines);
const RowForm kDeadLoad =
    RowFormOf<&ed::DeckModel::deadLoad>(ed::test::Form::DeadLoad, FillDeadLoads);

// What a row emptied by Insert or Delete shows: a row as the add-row
// operation makes it (the skew direction of a bent line empty too).
Texts EmptyRowTexts(const RowForm& f) {
    ed::DeckModel fresh;
    f.addRecord(fresh);
    return ControlTexts(fresh, f.form, static_cast<int>(f.rowCount(fresh)) - 1);
}

std::vector<Texts> AllRows(const ed::DeckModel& deck, const RowForm& f) {
    std::vector<Texts> rows;
    for (size_t i = 0; i < f.rowCount(deck); ++i)
        rows.push_back(ControlTexts(deck, f.form, static_cast<int>(i)));
    return rows;
}

struct ShiftCase {
    const char* name;
    const RowForm* form;
    int currentRow;  // -1: no cell has lost the focus yet (CurrentRow is 0)
};

class RowShift : public ::testing::TestWithParam<ShiftCase> {
protected:
    // The rows of the case's filled form before and after `operation`.
    void Run(const std::function<void(ed::DeckModel&)>& operation) {
        const ShiftCase& c = GetParam();
        ed::DeckModel deck;
        c.form->fill(deck);
        if (c.currentRow >= 0) c.form->currentRow(deck) = c.currentRow;
        current = static_cast<size_t>(c.form->currentRow(deck));
        before = AllRows(deck, *c.form);
        operation(deck);
        after = AllRows(deck, *c.form);
        currentAfter = static_cast<size_t>(c.form->currentRow(deck));
        empty = EmptyRowTexts(*c.form);
    }

    size_t current = 0, currentAfter = 0;
    std::vector<Texts> before, after;
    Texts empty;
};

// Insert pushes the current row and every row below it one place down and
// opens an empty row at the current row; the row count grows by one.
TEST_P(RowShift, InsertOpensAnEmptyRowAtTheCurrentRow) {
    Run(GetParam().form->insert);
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(currentAfter, current);
    for (size_t i = 0; i < current; ++i) EXPECT_EQ(after[i], before[i]) << "row " << i;
    EXPECT_EQ(after[current], empty);
    for (size_t i = current + 1; i < after.size(); ++i)
        EXPECT_EQ(after[i], before[i - 1]) << "row " << i;
}

// Delete pulls every row below the current one a place up and empties the
// last row; the row count stays.
TEST_P(RowShift, DeleteRemovesTheCurrentRowAndEmptiesTheLast) {
    Run(GetParam().form->remove);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(currentAfter, current);
    for (size_t i = 0; i < current; ++i) EXPECT_EQ(after[i], before[i]) << "row " << i;
    for (size_t i = current; i + 1 < after.size(); ++i)
        EXPECT_EQ(after[i], before[i + 1]) << "row " << i;
    EXPECT_EQ(after.back(), empty);  // no option ticked either
}

INSTANTIATE_TEST_SUITE_P(Table, RowShift,
                         ::testing::Values(ShiftCase{"GirderLineFirstRowUntouched", &kGirderLine,
                                                     -1},
                                           ShiftCase{"GirderLineMiddleRow", &kGirderLine, 5},
                                           ShiftCase{"GirderLineLastRow", &kGirderLine, 19},
                                           ShiftCase{"BentLineFirstRowUntouched", &kBentLine, -1},
                                           ShiftCase{"BentLineMiddleRow", &kBentLine, 5},
                                           ShiftCase{"BentLineLastRow", &kBentLine, 19},
                                           ShiftCase{"DeadLoadFirstRowUntouched", &kDeadLoad, -1},
                                           ShiftCase{"DeadLoadMiddleRow", &kDeadLoad, 5},
                                           ShiftCase{"DeadLoadLastRow", &kDeadLoad, 19}),
                         quillon::testsupport::CaseName());

TEST(RowShiftCounts, DeleteNeverLowersTheRowCountAndInsertRaisesItByOne) {
    ed::DeckModel deck;
    for (int i = 0; i < 5; ++i) ed::DeleteRow(deck.girderLine);
    EXPECT_EQ(deck.girderLine.rows.size(), 20u);
    ed::InsertRow(deck.bentLine);
    ed::InsertRow(deck.bentLine);
    EXPECT_EQ(deck.bentLine.rows.size(), 22u);
    deck.deadLoad.CurrentRow = 19;
    ed::InsertRow(deck.deadLoad);
    EXPECT_EQ(deck.deadLoad.rows.size(), 21u);
    EXPECT_EQ(deck.deadLoad.CurrentRow, 19);  // now the emptied last-but-one row
}

TEST(RowShiftCounts, DeleteAgainRemovesTheRowThatMovedUp) {
    ed::DeckModel deck;
    FillBentLines(deck.bentLine);
    deck.bentLine.CurrentRow = 3;
    ed::DeleteRow(deck.bentLine);
    ed::DeleteRow(deck.bentLine);
    EXPECT_EQ(deck.bentLine.rows[3].Text4, "BENT 5");
}

// A CurrentRow past the rows (no form sets one) acts on the last row rather
// than past the end.
TEST(RowShiftCounts, CurrentRowPastTheRowsActsOnTheLastRow) {
    ed::DeckModel deck;
    FillDeadLoads(deck.deadLoad);
    deck.deadLoad.CurrentRow = 500;
    ed::DeleteRow(deck.deadLoad);
    EXPECT_TRUE(deck.deadLoad.rows[19].IsEmpty());
    EXPECT_EQ(deck.deadLoad.rows[18].Text3, "18.0");
    ed::InsertRow(deck.deadLoad);
    EXPECT_EQ(deck.deadLoad.rows.size(), 21u);
    EXPECT_TRUE(deck.deadLoad.rows[20].IsEmpty());  // the emptied last row moved down
    EXPECT_TRUE(deck.deadLoad.rows[19].IsEmpty());
    deck.deadLoad.CurrentRow = -3;
    ed::DeleteRow(deck.deadLoad);
    EXPECT_EQ(deck.deadLoad.rows[0].Text3, "1.0");
}

// The girder line form: a row moved onto a row of another line type ends
// with the offset types and terminal enabling of its own line type, and with
// its own offset-type choices.
TEST(GirderLineRowMove, FlaredRowMovedOntoSegmentedRowKeepsItsOwnListAndChoices) {
    ed::GirderLine form;
    ed::ChooseLineType(form.rows[4], ed::GirderLine::kSegmented);
    form.rows[4].Combo3.Choose(0);
    ed::ChooseLineType(form.rows[5], ed::GirderLine::kFlaredGirderLine);
    form.rows[5].Combo3.Choose(2);
    form.rows[5].Combo2.Choose(1);
    form.rows[5].Text2 = "3.5";
    form.CurrentRow = 4;

    ed::DeleteRow(form);

    const ed::GirderLineRow& moved = form.rows[4];
    EXPECT_TRUE(moved.Combo1.Is(ed::GirderLine::kFlaredGirderLine));
    EXPECT_EQ(moved.Combo3Items, kLolHcl);
    EXPECT_TRUE(moved.TerminalEnabled);
    EXPECT_EQ(moved.Combo3.chosen, 2);  // "Bent from HCL"
    EXPECT_EQ(moved.Combo2.chosen, 1);  // "Norm. from LOL"
    EXPECT_EQ(moved.Text2, "3.5");
}

TEST(GirderLineRowMove, SegmentedRowMovedOntoFlaredRowDisablesTheTerminal) {
    ed::GirderLine form;
    ed::ChooseLineType(form.rows[4], ed::GirderLine::kSegmented);
    form.rows[4].Combo3.Choose(0);
    ed::ChooseLineType(form.rows[5], ed::GirderLine::kFlaredGirderLine);
    form.CurrentRow = 4;

    ed::InsertRow(form);

    const ed::GirderLineRow& moved = form.rows[5];
    EXPECT_TRUE(moved.Combo1.Is(ed::GirderLine::kSegmented));
    EXPECT_EQ(moved.Combo3Items, kSegmented);
    EXPECT_EQ(moved.Combo3.chosen, 0);  // "Normal from base"
    EXPECT_FALSE(moved.TerminalEnabled);
    EXPECT_TRUE(form.rows[6].Combo1.Is(ed::GirderLine::kFlaredGirderLine));
    EXPECT_TRUE(form.rows[6].TerminalEnabled);
}

TEST(GirderLineRowMove, RowWithoutLineTypeComesAsItStood) {
    ed::GirderLine form;
    form.rows[1].Combo1.Keep('8');  // a card's line type that is no item
    form.rows[1].Combo3.Choose(3);
    form.rows[1].Combo2.Keep('7');
    ed::ChooseLineType(form.rows[2], ed::GirderLine::kSegmented);
    form.CurrentRow = 1;

    ed::InsertRow(form);

    const ed::GirderLineRow& moved = form.rows[2];
    EXPECT_FALSE(moved.Combo1.chosen.has_value());
    EXPECT_EQ(moved.Combo1.keptCode, '8');
    EXPECT_EQ(moved.Combo3.chosen, 3);
    EXPECT_EQ(moved.Combo2.keptCode, '7');
    EXPECT_EQ(moved.Combo3Items, kLolHcl);
    EXPECT_TRUE(moved.TerminalEnabled);
}

// Emptying shows the prompts with no item chosen and keeps no card character.
TEST(EmptiedRow, KeepsNothingOfTheRowThatStoodThere) {
    ed::DeckModel deck;
    FillBentLines(deck.bentLine);
    FillGirderLines(deck.girderLine);
    FillDeadLoads(deck.deadLoad);
    deck.bentLine.CurrentRow = 1;    // its distance type keeps '8'
    deck.girderLine.CurrentRow = 3;  // a segmented row keeping a terminal type '9'
    ed::InsertRow(deck.bentLine);
    ed::InsertRow(deck.girderLine);
    ed::InsertRow(deck.deadLoad);

    const ed::BentLineRow& bent = deck.bentLine.rows[1];
    EXPECT_FALSE(bent.Combo1.chosen.has_value());
    EXPECT_FALSE(bent.Combo1.keptCode.has_value());
    EXPECT_EQ(bent.HiddenCodes, "");
    EXPECT_EQ(bent.Text7, "");
    EXPECT_EQ(bent.List1, (std::array<bool, 4>{}));
    const ed::GirderLineRow& girder = deck.girderLine.rows[3];
    EXPECT_FALSE(girder.Combo1.chosen.has_value());
    EXPECT_FALSE(girder.Combo2.keptCode.has_value());
    EXPECT_EQ(girder.Combo3Items, kLolHcl);
    EXPECT_TRUE(girder.TerminalEnabled);
    EXPECT_EQ(girder.List1, (std::array<bool, 5>{}));
    EXPECT_TRUE(deck.deadLoad.rows[0].IsEmpty());
    EXPECT_EQ(deck.deadLoad.rows[0].HiddenCode, ' ');
}

// A row read from a deck is written back without a description: its mark
// moves with it, and the row emptied in its place has none.
TEST(ReadFromDeckMark, MovesWithItsRowAndLeavesTheEmptiedRow) {
    ed::DeckModel deck;
    deck.girderLine.rows[2].readFromDeck = true;
    deck.bentLine.rows[2].readFromDeck = true;
    deck.girderLine.CurrentRow = deck.bentLine.CurrentRow = 2;
    ed::InsertRow(deck.girderLine);
    ed::InsertRow(deck.bentLine);
    EXPECT_FALSE(deck.girderLine.rows[2].readFromDeck);
    EXPECT_TRUE(deck.girderLine.rows[3].readFromDeck);
    EXPECT_FALSE(deck.bentLine.rows[2].readFromDeck);
    EXPECT_TRUE(deck.bentLine.rows[3].readFromDeck);
    EXPECT_EQ(ed::WriteGirderLineCards(deck).lines.size(), 1u);
    ed::DeleteRow(deck.girderLine);
    ed::DeleteRow(deck.girderLine);
    EXPECT_FALSE(deck.girderLine.rows[2].readFromDeck);
    EXPECT_TRUE(ed::WriteGirderLineCards(deck).lines.empty());
}

// The card columns of a written line, by the card's layout.
std::string Field(const std::string& line, const cards::CardLayout& layout, const char* name) {
    return cards::Text(line, layout.Find(name));
}

// Save after Insert writes the cards in the rows' new order, the new row's
// card where it was inserted.
TEST(InsertThenSave, WritesTheCardsInTheirNewOrder) {
    ed::DeckModel deck;
    for (std::size_t i = 0; i < 3; ++i) {
        deck.girderLine.rows[i].Text4 = Numbered("G", i);
        deck.bentLine.rows[i].Text4 = Numbered("B", i);
        deck.deadLoad.rows[i].Text1 = Numbered("", i);
        deck.deadLoad.rows[i].Text3 = "1";
    }
    deck.girderLine.CurrentRow = deck.bentLine.CurrentRow = deck.deadLoad.CurrentRow = 1;
    ed::InsertRow(deck.girderLine);
    ed::InsertRow(deck.bentLine);
    ed::InsertRow(deck.deadLoad);
    deck.girderLine.rows[1].Text4 = "NEW";
    deck.bentLine.rows[1].Text4 = "NEW";
    deck.deadLoad.rows[1].Text1 = "N";

    const ed::WrittenCards girders = ed::WriteGirderLineCards(deck);
    const ed::WrittenCards bents = ed::WriteBentLineCards(deck);
    const ed::WrittenCards loads = ed::WriteDeadLoadCards(deck);
    ASSERT_TRUE(girders.ok() && bents.ok() && loads.ok());
    const std::vector<std::string> order = {"0", "N", "1", "2"};
    ASSERT_EQ(girders.lines.size(), 4u);
    ASSERT_EQ(bents.lines.size(), 4u);
    ASSERT_EQ(loads.lines.size(), 4u);
    for (size_t i = 0; i < order.size(); ++i) {
        const std::string g = order[i] == "N" ? "NEW" : "G" + order[i];
        const std::string b = order[i] == "N" ? "NEW" : "B" + order[i];
        EXPECT_EQ(Field(girders.lines[i], cards::kGirderLineCard, "GirderDescription"),
                  g + std::string(20 - g.size(), ' '));
        EXPECT_EQ(Field(bents.lines[i], cards::kBentLineCard, "BentDescription"),
                  b + std::string(10 - b.size(), ' '));
        EXPECT_EQ(Field(loads.lines[i], cards::kDeadLoadCard, "GirderCode"), order[i]);
    }
}

}  // namespace
