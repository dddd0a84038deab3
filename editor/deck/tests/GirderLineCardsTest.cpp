#include "CardTestSupport.hpp"
#include "editor/deck/GirderLineCards.hpp"
#include "editor/deck/GirderLineType.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Columns of the 05 card: 3 line type (digit = item); initial offset 4-11
// (4 English / 5 metric); 12 initial offset type (1-4 = item + 1, 5
// segmented); terminal offset 13-20; 21 terminal offset type; elevation
// shift 22-29 (4 English; metric 5 on an "Offset Varies" line, else 3);
// description 30-49; options 50, 51, 55, 56, 57; 52-53 the two-column field;
// 54 the dead-load character. The line ends after column 57.
const std::string kLol = "Bent from LOL/Norm. from LOL/Bent from HCL/Norm. from HCL";
const std::string kVaries =
    "Fr HC at Nom. CS/Fr HC at Level CS/Fr Pivot at Nom. CS/Fr Pivot at Level CS";
const std::string kSegmented = "Normal from base///";
const std::string kNoDescription(20, ' ');

const char* kBadLineType = "Warning: (05) Girder line data, bad line type.";
const char* kBadInitial = "Warning: (05) Girder line data, initial offset type invalid.";
const char* kBadTerminal = "Warning: (05) Girder line data, terminal offset type invalid.";

std::vector<At> With(std::vector<At> base, const std::vector<At>& changes) {
    base.insert(base.end(), changes.begin(), changes.end());
    return base;
}

// A card of line type 0 with initial offset type 1, `changes` placed over it.
std::string G(const std::vector<At>& changes) {
    return Card("05", With({{3, "0"}, {12, "1"}}, changes));
}

// The card written for it: zero offsets and shift (one more digit on the
// metric offsets, one less on a metric shift in millimetres), blanks elsewhere.
std::string W(const std::vector<At>& changes, bool metric = false) {
    std::vector<At> zeros = {
        {3, "0"}, {4, "   00000"}, {12, "1"}, {13, "   00000"}, {22, "   00000"}};
    if (metric) zeros = {{3, "0"}, {4, "  000000"}, {12, "1"}, {13, "  000000"}, {22, "    0000"}};
    return Card("05", With(zeros, changes), 57);
}

// The controls of G({}), with `changes` applied.
Texts T(const Texts& changes) {
    Texts texts = {{"mnuFormGird", "True"},
                   {"Combo1", "Parallel to Horiz."},
                   {"Text1", "0"},
                   {"Combo3", "Bent from LOL"},
                   {"Combo3Items", kLol},
                   {"Text2", "0"},
                   {"Combo2", "Offset Type kept ' '"},  // not flared: kept as it stands
                   {"TerminalEnabled", "False"},
                   {"Text3", "0"},
                   {"Text4", kNoDescription},
                   {"List1", "....."},
                   {"Text13", "  "},
                   {"Text16", ""}};
    return Changed(texts, changes);
}

const std::string kFlared =
    Card("05", {{3, "3  1250002  1500002   12345GIRDER A"}, {50, "XXABDXXX"}});

class GirderLineRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GirderLineRead, FillsEveryControlOfTheRowAndWritesTheCardBack) {
    CheckReadCase(
        GetParam(), Form::GirderLine,
        [](DeckModel& d, std::string_view card, MessageSink& s) {
            ReadGirderLineCard(d, 0, card, s);
        },
        [](const DeckModel& d) { return WriteGirderLineCard(d, 0); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, GirderLineRead,
    ::testing::Values(ReadCase{"FlaredLineEveryField",
                               false,
                               kFlared,
                               T({{"Combo1", "Flared Girder Line"},
                                  {"Text1", "12.5"},
                                  {"Combo3", "Norm. from LOL"},
                                  {"Text2", "15"},
                                  {"Combo2", "Norm. from LOL"},
                                  {"TerminalEnabled", "True"},
                                  {"Text3", "1.2345"},
                                  {"Text4", "GIRDER A            "},
                                  {"List1", "XXXXX"},
                                  {"Text13", "AB"},
                                  {"Text16", "D"}}),
                               {},
                               kFlared},
                      // The engine takes 8 in the terminal offset type of this line: it is
                      // kept; the elevation shift is in metres.
                      ReadCase{"MetricOffsetVariesLine",
                               true,
                               G({{3, "4  125000"}, {21, "8   12345"}}),
                               T({{"Combo1", "Offset Varies"},
                                  {"Text1", "1.25"},
                                  {"Combo3", "Fr HC at Nom. CS"},
                                  {"Combo3Items", kVaries},
                                  {"Combo2", "Offset Type kept '8'"},
                                  {"Text3", "0.12345"}}),
                               {},
                               W({{3, "4  125000"}, {21, "8  012345"}}, true)},
                      ReadCase{"MetricElevationShiftInMillimetres",
                               true,
                               G({{22, "   12345"}}),
                               T({{"Text3", "12.345"}}),
                               {},
                               W({{22, "   12345"}}, true)},
                      ReadCase{"SegmentedLine",
                               false,
                               G({{3, "1"}, {12, "5"}}),
                               T({{"Combo1", "Segmented"},
                                  {"Combo3", "Normal from base"},
                                  {"Combo3Items", kSegmented}}),
                               {},
                               W({{3, "1"}, {12, "5"}})},
                      ReadCase{
                          "BlankLineTypeIsParallelToHoriz", false, G({{3, " "}}), T({}), {}, W({})},
                      ReadCase{"LineTypeSevenKeepsTheEarlierChoice",
                               false,
                               G({{3, "7"}}),
                               T({{"Combo1", "Parallel to Layout kept '7'"}}),
                               {kBadLineType},
                               W({{3, "7"}}),
                               G({{3, "2"}})},
                      ReadCase{"LetterLineTypeIsKept",
                               false,
                               G({{3, "A"}}),
                               T({{"Combo1", "Line Type kept 'A'"}, {"TerminalEnabled", "True"}}),
                               {},
                               W({{3, "A"}})},
                      ReadCase{"BlankInitialOffsetTypeIsKeptWithItsWarning",
                               false,
                               G({{12, " "}}),
                               T({{"Combo3", "Offset Type kept ' '"}}),
                               {kBadInitial},
                               W({{12, " "}})},
                      ReadCase{"InitialOffsetTypeSixIsKeptWithItsWarning",
                               false,
                               G({{12, "6"}}),
                               T({{"Combo3", "Offset Type kept '6'"}}),
                               {kBadInitial},
                               W({{12, "6"}})},
                      ReadCase{"InitialTypeFiveOfALineNotSegmentedIsWrittenBackAsFive",
                               false,
                               G({{12, "5"}}),
                               T({{"Combo3", "Offset Type kept '5'"}}),
                               {},
                               W({{12, "5"}})},
                      ReadCase{"FlaredTerminalTypeFiveIsKeptWithoutAWarning",
                               false,
                               G({{3, "3"}, {21, "5"}}),
                               T({{"Combo1", "Flared Girder Line"},
                                  {"Combo2", "Offset Type kept '5'"},
                                  {"TerminalEnabled", "True"}}),
                               {},
                               W({{3, "3"}, {21, "5"}})},
                      ReadCase{"FlaredBlankTerminalTypeIsKeptWithItsWarning",
                               false,
                               G({{3, "3"}}),
                               T({{"Combo1", "Flared Girder Line"},
                                  {"Combo2", "Offset Type kept ' '"},
                                  {"TerminalEnabled", "True"}}),
                               {kBadTerminal},
                               W({{3, "3"}, {21, " "}})},
                      ReadCase{"TerminalTypeOfALineNotFlaredIsKeptInPlace",
                               false,
                               G({{21, "3"}}),
                               T({{"Combo2", "Offset Type kept '3'"}}),
                               {},
                               W({{21, "3"}})},
                      // A line type out of range leaves the row flared; the later codes
                      // are still read, each with its warning.
                      ReadCase{"WarningsComeInColumnOrder",
                               false,
                               G({{3, "8"}, {12, "0"}, {21, "9"}}),
                               T({{"Combo1", "Flared Girder Line kept '8'"},
                                  {"Combo3", "Bent from LOL kept '0'"},
                                  {"Combo2", "Offset Type kept '9'"},
                                  {"TerminalEnabled", "True"}}),
                               {kBadLineType, kBadInitial, kBadTerminal},
                               W({{3, "8"}, {12, "0"}, {21, "9"}}),
                               G({{3, "3"}})},
                      ReadCase{"BlankColumnsKeepOptionsButEmptyTheDeadLoadCharacter",
                               false,
                               G({}),
                               T({{"List1", "XXXXX"}}),
                               {},
                               W({{50, "XX"}, {55, "XXX"}}),
                               G({{50, "XX  DXXX"}})},
                      ReadCase{"TwoColumnFieldAsItStands",
                               false,
                               G({{52, "B"}}),
                               T({{"Text13", "B "}}),
                               {},
                               W({{52, "B"}})}),
    testsupport::CaseName());

class GirderLineWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(GirderLineWrite, WritesTheRowsTexts) {
    CheckWriteCase(GetParam(), [](const DeckModel& d) { return WriteGirderLineCard(d, 0); });
}

GirderLineRow& Row0(DeckModel& d) { return d.girderLine.rows[0]; }

INSTANTIATE_TEST_SUITE_P(
    Table, GirderLineWrite,
    ::testing::Values(
        WriteCase{"NothingChosenWritesBlankLineTypeAndZeroOffsetType", false,
                  [](DeckModel& d) { Row0(d).Text4 = "G1"; },
                  Card("05", {{12, "0"}, {30, "G1"}}, 57)},
        WriteCase{"LongDescriptionIsCutToTwenty", false,
                  [](DeckModel& d) { Row0(d).Text4 = "ABCDEFGHIJKLMNOPQRSTUVWXY"; },
                  Card("05", {{12, "0"}, {30, "ABCDEFGHIJKLMNOPQRST"}}, 57)},
        WriteCase{"SegmentedWritesFiveWhateverCombo3Shows", false,
                  [](DeckModel& d) {
                      ChooseLineType(Row0(d), GirderLine::kSegmented);
                      Row0(d).Combo3.Choose(2);
                  },
                  Card("05", {{3, "1"}, {12, "5"}}, 57)},
        WriteCase{"FlaredWithoutATerminalChoiceWritesZero", false,
                  [](DeckModel& d) { ChooseLineType(Row0(d), GirderLine::kFlaredGirderLine); },
                  Card("05", {{3, "3"}, {12, "0"}, {21, "0"}}, 57)},
        WriteCase{"LineNotFlaredWritesNoTerminalTypeEvenWithAChoice", false,
                  [](DeckModel& d) {
                      ChooseLineType(Row0(d), GirderLine::kParallelToLayout);
                      Row0(d).Combo2.Choose(1);
                  },
                  Card("05", {{3, "2"}, {12, "0"}}, 57)},
        WriteCase{"ChoosingTheLineTypeDropsTheKeptCodes", false,
                  [](DeckModel& d) {
                      CollectedWarnings warnings;
                      ReadGirderLineCard(d, 0, G({{3, "4"}, {12, " "}, {21, "8"}}), warnings);
                      ChooseLineType(Row0(d), GirderLine::kOffsetVaries);
                  },
                  W({{3, "4"}, {12, "0"}})},
        WriteCase{"ElevationShiftThatIsNotANumberFails", false,
                  [](DeckModel& d) { Row0(d).Text3 = "abc"; },
                  "Cannot write card 05, girder line row 1: Elevation Shift \"abc\" is not a "
                  "number.",
                  true}),
    testsupport::CaseName());

TEST(GirderLineGroup, RowsWithoutADescriptionAreLeftOut) {
    DeckModel deck;
    deck.girderLine.rows[0].Text4 = "G1";
    deck.girderLine.rows[1].Text4 = "";
    deck.girderLine.rows[2].Text4 = "G3";
    deck.girderLine.rows[3].Text4 = kNoDescription;
    deck.girderLine.rows[3].Text1 = "5";
    WrittenCards cards = WriteGirderLineCards(deck);
    ASSERT_TRUE(cards.ok());
    EXPECT_EQ(cards.lines, (std::vector<std::string>{Card("05", {{12, "0"}, {30, "G1"}}, 57),
                                                     Card("05", {{12, "0"}, {30, "G3"}}, 57)}));
}

TEST(GirderLineGroup, ACardBeyondTheRowsAddsRowsAndLeavesTheOthersAlone) {
    DeckModel deck;
    deck.girderLine.rows[3].Text4 = "KEEP";
    CollectedWarnings warnings;
    ReadGirderLineCard(deck, 24, kFlared, warnings);
    ASSERT_EQ(deck.girderLine.rows.size(), 25u);
    EXPECT_EQ(deck.girderLine.rows[24].Text1, "12.5");
    EXPECT_EQ(deck.girderLine.rows[3].Text4, "KEEP");
    EXPECT_FALSE(deck.girderLine.rows[23].Combo1.chosen.has_value());
}

}  // namespace

}  // namespace quillon::editor::test
