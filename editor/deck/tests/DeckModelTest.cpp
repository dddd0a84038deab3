#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editor/deck/DeckModel.hpp"
#include "editor/deck/GirderLineType.hpp"
#include "testsupport/CaseName.hpp"

namespace ed = quillon::editor;

namespace {

using Items = std::array<std::string, 4>;
const Items kLolHcl = {"Bent from LOL", "Norm. from LOL", "Bent from HCL", "Norm. from HCL"};
const Items kSegmented = {"Normal from base", "", "", ""};
const Items kOffsetVaries = {"Fr HC at Nom. CS", "Fr HC at Level CS", "Fr Pivot at Nom. CS",
                             "Fr Pivot at Level CS"};

TEST(DeckModelStart, FormsHoldTheirStartValues) {
    ed::DeckModel deck;
    EXPECT_FALSE(deck.MetricFlag);  // "English" chosen
    EXPECT_FALSE(deck.horizontal.Option1);
    EXPECT_FALSE(deck.horizontal.Option2);
    EXPECT_TRUE(deck.refLine.Option1);  // skew "Left"
    EXPECT_FALSE(deck.refLine.Option2);
    EXPECT_TRUE(deck.refLine.Option3);  // "Parallel to Ref. Line"
    EXPECT_FALSE(deck.refLine.Option4);
    EXPECT_FALSE(deck.refLine.StaOn.chosen.has_value());
    EXPECT_FALSE(deck.refLine.Check1 || deck.refLine.Check2 || deck.refLine.Check3 ||
                 deck.refLine.Check4);
    EXPECT_FALSE(deck.crossTrans.CrownType.chosen.has_value());
    EXPECT_EQ(deck.crossTrans.OverRows.size(), 6u);
    EXPECT_EQ(deck.girderLine.rows.size(), 20u);
    EXPECT_EQ(deck.bentLine.rows.size(), 20u);
    EXPECT_EQ(deck.deadLoad.rows.size(), 20u);
    EXPECT_EQ(deck.girderLine.CurrentRow, 0);
    EXPECT_EQ(deck.bentLine.CurrentRow, 0);
    EXPECT_EQ(deck.deadLoad.CurrentRow, 0);
    for (const ed::GirderLineRow& row : deck.girderLine.rows) {
        EXPECT_EQ(row.Combo3Items, kLolHcl);
        EXPECT_TRUE(row.TerminalEnabled);
        EXPECT_FALSE(row.Combo1.chosen.has_value());
    }
    for (const ed::BentLineRow& row : deck.bentLine.rows) EXPECT_EQ(row.Text7, "L");
    EXPECT_TRUE(deck.description.GenDesc.empty());
}

TEST(DeckModelReset, ReturnsEveryFormToItsStartValues) {
    ed::DeckModel deck;
    deck.MetricFlag = true;
    deck.ticks.mnuFormBent = true;
    deck.horizontal.PIStation = "12+34.00";
    deck.refLine.ChooseSkewRight();
    deck.refLine.StaOn.Choose(2);
    deck.girderLine.AddRecord();
    ed::ChooseLineType(deck.girderLine.rows[0], ed::GirderLine::kSegmented);
    deck.bentLine.rows[3].Text7 = "R";
    deck.bentLine.CurrentRow = 3;
    deck.crossTrans.AddOverRecord();
    deck.description.GenDesc = {"SPAN OVER CREEK"};

    deck.Reset();

    EXPECT_FALSE(deck.MetricFlag);
    EXPECT_FALSE(deck.ticks.mnuFormBent);
    EXPECT_EQ(deck.horizontal.PIStation, "");
    EXPECT_TRUE(deck.refLine.Option1);
    EXPECT_FALSE(deck.refLine.StaOn.chosen.has_value());
    EXPECT_EQ(deck.girderLine.rows.size(), 20u);
    EXPECT_EQ(deck.girderLine.rows[0].Combo3Items, kLolHcl);
    EXPECT_EQ(deck.bentLine.rows[3].Text7, "L");
    EXPECT_EQ(deck.bentLine.CurrentRow, 0);
    EXPECT_EQ(deck.crossTrans.OverRows.size(), 6u);
    EXPECT_TRUE(deck.description.GenDesc.empty());
}

TEST(AddRow, GrowsEveryColumnOfEachRowFormByOneEmptyRow) {
    ed::DeckModel deck;
    deck.bentLine.rows[0].Combo1.Choose(2);
    deck.girderLine.rows[0].List1[1] = true;
    for (int i = 0; i < 3; ++i) {
        deck.girderLine.AddRecord();
        deck.bentLine.AddRecord();
        deck.deadLoad.AddRecord();
        deck.crossTrans.AddOverRecord();
    }
    ASSERT_EQ(deck.girderLine.rows.size(), 23u);
    ASSERT_EQ(deck.bentLine.rows.size(), 23u);
    ASSERT_EQ(deck.deadLoad.rows.size(), 23u);
    ASSERT_EQ(deck.crossTrans.OverRows.size(), 9u);

    const ed::BentLineRow& bent = deck.bentLine.rows[20];
    EXPECT_EQ(bent.Text7, "");                     // the design rows show "L", an added row nothing
    EXPECT_FALSE(bent.Combo1.chosen.has_value());  // shows its prompt
    EXPECT_FALSE(bent.Combo2.chosen.has_value());
    EXPECT_EQ(bent.List1, (std::array<bool, 4>{}));
    const ed::GirderLineRow& girder = deck.girderLine.rows[22];
    EXPECT_FALSE(girder.Combo1.chosen.has_value());
    EXPECT_FALSE(girder.Combo3.chosen.has_value());
    EXPECT_TRUE(girder.TerminalEnabled);
    EXPECT_EQ(girder.List1, (std::array<bool, 5>{}));
    EXPECT_TRUE(deck.deadLoad.rows[21].IsEmpty());
    EXPECT_EQ(deck.crossTrans.OverRows[8].OverSta, "");
}

TEST(AddRow, HasNoLimit) {
    ed::BentLine bentLine;
    for (int i = 0; i < 500; ++i) bentLine.AddRecord();
    EXPECT_EQ(bentLine.rows.size(), 520u);
}

TEST(AddRow, NewGirderRowTakesRowZerosOffsetTypesButShowsThePrompt) {
    ed::GirderLine girderLine;
    ed::ChooseLineType(girderLine.rows[0], ed::GirderLine::kSegmented);
    girderLine.rows[0].Combo3.Choose(0);
    girderLine.AddRecord();
    const ed::GirderLineRow& added = girderLine.rows.back();
    EXPECT_EQ(added.Combo3Items, kSegmented);
    EXPECT_FALSE(added.Combo3.chosen.has_value());
    EXPECT_FALSE(added.Combo1.chosen.has_value());
}

struct LineTypeCase {
    const char* name;
    int lineType;
    Items items;
    bool terminalEnabled;
};

class LineTypeChoice : public ::testing::TestWithParam<LineTypeCase> {};

// What each line type leaves in its row, from the line-type table of the
// girder line form; the other rows keep what they held.
TEST_P(LineTypeChoice, ActsOnItsOwnRowOnly) {
    const LineTypeCase& c = GetParam();
    ed::GirderLine girderLine;
    for (ed::GirderLineRow& row : girderLine.rows) {
        row.Combo3.Choose(2);
        row.Combo2.Choose(1);
        row.Text2 = "5.5";
    }
    ed::GirderLineRow& row = girderLine.rows[3];
    row.Combo3.Keep('7');
    row.Combo2.Keep('8');

    ed::ChooseLineType(row, c.lineType);

    EXPECT_EQ(row.Combo1.chosen, c.lineType);
    EXPECT_EQ(row.Combo3Items, c.items);
    EXPECT_FALSE(row.Combo3.chosen.has_value());  // "Offset Type" shows again
    EXPECT_EQ(row.TerminalEnabled, c.terminalEnabled);
    EXPECT_EQ(row.Combo2.chosen, 1);  // contents stay
    EXPECT_EQ(row.Text2, "5.5");
    EXPECT_FALSE(row.Combo3.keptCode.has_value());  // the choice counts for both codes
    EXPECT_FALSE(row.Combo2.keptCode.has_value());
    for (size_t i = 0; i < girderLine.rows.size(); ++i) {
        if (i == 3) continue;
        const ed::GirderLineRow& other = girderLine.rows[i];
        EXPECT_FALSE(other.Combo1.chosen.has_value()) << i;
        EXPECT_EQ(other.Combo3Items, kLolHcl) << i;
        EXPECT_EQ(other.Combo3.chosen, 2) << i;
        EXPECT_TRUE(other.TerminalEnabled) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LineTypeChoice,
                         ::testing::Values(LineTypeCase{"ParallelToHoriz", 0, kLolHcl, false},
                                           LineTypeCase{"Segmented", 1, kSegmented, false},
                                           LineTypeCase{"ParallelToLayout", 2, kLolHcl, false},
                                           LineTypeCase{"FlaredGirderLine", 3, kLolHcl, true},
                                           LineTypeCase{"OffsetVaries", 4, kOffsetVaries, false}),
                         quillon::testsupport::CaseName());

TEST(LineTypeChoiceRule, FlaredAfterSegmentedBringsBackTheItemsAndEnablesTheTerminal) {
    ed::GirderLineRow row;
    row.Text2 = "12.5";
    ed::ChooseLineType(row, ed::GirderLine::kSegmented);
    ed::ChooseLineType(row, ed::GirderLine::kFlaredGirderLine);
    EXPECT_EQ(row.Combo3Items, kLolHcl);
    EXPECT_TRUE(row.TerminalEnabled);
    EXPECT_EQ(row.Text2, "12.5");
}

TEST(LineTypeChoiceRule, NoLineTypeOffersTheLolHclItems) {
    EXPECT_EQ(ed::InitialOffsetTypes(std::nullopt), kLolHcl);
}

TEST(ChoiceKeptCode, GoesWhenAnItemIsChosen) {
    ed::Choice choice;
    choice.Choose(1);
    choice.Keep('-');
    EXPECT_EQ(choice.chosen, 1);  // the choice stays as it was
    EXPECT_EQ(choice.keptCode, '-');
    choice.Choose(2);
    EXPECT_FALSE(choice.keptCode.has_value());
}

TEST(TypedLines, LineEndsOnlySeparateLines) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ed::SplitTypedLines("A\r\nB\nC\rD"), (Lines{"A", "B", "C", "D"}));
    EXPECT_EQ(ed::SplitTypedLines("A\r\n"), (Lines{"A"}));
    EXPECT_EQ(ed::SplitTypedLines("A\r\n\r\nB"), (Lines{"A", "", "B"}));
    EXPECT_EQ(ed::SplitTypedLines(""), Lines{});
    EXPECT_EQ(ed::SplitTypedLines("\n"), (Lines{""}));
    for (const Lines& lines : {Lines{"A", "B"}, Lines{"A", ""}, Lines{""}, Lines{}})
        EXPECT_EQ(ed::SplitTypedLines(ed::JoinLines(lines)), lines);
}

TEST(DeadLoadRowBoxes, DeflectionsAreTextThreeToThirteen) {
    ed::DeadLoadRow row;
    row.Deflection(0) = "a";
    row.Deflection(10) = "b";
    EXPECT_EQ(row.Text3, "a");
    EXPECT_EQ(row.Text13, "b");
    EXPECT_FALSE(row.IsEmpty());
    ed::DeadLoadRow blank;
    blank.Text14 = " ";
    EXPECT_FALSE(blank.IsEmpty());  // a blank is not empty
}

}  // namespace
