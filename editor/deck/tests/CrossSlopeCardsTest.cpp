#include "CardTestSupport.hpp"
#include "editor/deck/CrossSlopeCards.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Columns of the first 03 card: 3 crown type; cross slope 4-8 (4); super
// rate 9-12 (4); pivot offset 13-20 (4 English / 5 metric); run-out in 21-25
// (2), transition length in 26-30 (2 / 3), percent in 31-35 (2); the same
// out in 36-40, 41-45, 46-50; maximum transition curve length 51-55 (3);
// curve-length flag 56; crown width 57-65 (4 / 5), height 66-70 (3 inches /
// 2 millimetres), left and right crown slopes 71-75, 76-80 (4).
const std::string kFull = Card("03", {{3, "B"},
                                      {4, "00200"},
                                      {9, "0600"},
                                      {13, " -120000"},
                                      {21, " 5000"},
                                      {26, "15000"},
                                      {31, " 6000"},
                                      {36, " 4000"},
                                      {41, "12000"},
                                      {46, " 5000"},
                                      {51, "500  X"},
                                      {57, "   240000"},
                                      {66, " 0750"},
                                      {71, "-0200"},
                                      {76, "00200"}});

// The same card written from a metric deck: a crown height of 7.5 mm needs
// only three digits.
std::string FullMetricWritten() {
    std::string card = kFull;
    card.replace(65, 5, "  750");
    return card;
}

Texts FullTexts(bool metric) {
    return {{"mnuFormCross", "True"},
            {"CrownType", "B"},
            {"CrossSlope", "0.02"},
            {"SuperRate", "0.06"},
            {"PivotOffset", metric ? "-1.2" : "-12"},
            {"InRunOut", "50"},
            {"InTransLength", metric ? "15" : "150"},
            {"InTransPer", "60"},
            {"OutRunout", "40"},
            {"OutTransLength", metric ? "12" : "120"},
            {"OutTransPer", "50"},
            {"MaxTransVC", "50"},  // 50000 / 10^3: blanks are zeros
            {"CurveLengthFlag", "X"},
            {"CrownWidth", metric ? "2.4" : "24"},
            {"CrownHeight", metric ? "7.5" : "0.75"},
            {"CrownLeft", "-0.02"},
            {"CrownRight", "0.02"}};
}

// A card of blank numbers but the crown type `crown`, with `maxTransVC`
// and `flag` in the curve columns.
std::string Blank03(const std::string& crown, const std::string& curve = "      ") {
    return Card("03", {{3, crown},
                       {4, "00000"},
                       {13, "   00000"},
                       {51, curve},
                       {57, "    00000"},
                       {66, " 0000"},
                       {71, "0000000000"}});
}

Texts BlankTexts(const std::string& crown, const std::string& maxTransVC = "",
                 const std::string& flag = " ") {
    return {{"mnuFormCross", "True"},  {"CrownType", crown}, {"CrossSlope", "0"},
            {"SuperRate", ""},         {"PivotOffset", "0"}, {"InRunOut", ""},
            {"InTransLength", ""},     {"InTransPer", ""},   {"OutRunout", ""},
            {"OutTransLength", ""},    {"OutTransPer", ""},  {"MaxTransVC", maxTransVC},
            {"CurveLengthFlag", flag}, {"CrownWidth", "0"},  {"CrownHeight", "0"},
            {"CrownLeft", "0"},        {"CrownRight", "0"}};
}

class CrossSectionRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CrossSectionRead, FillsEveryControlAndWritesTheCardBack) {
    CheckReadCase(GetParam(), Form::CrossTrans, ReadCrossSectionCard, WriteCrossSectionCard);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CrossSectionRead,
    ::testing::Values(
        ReadCase{"EnglishCardEveryField", false, kFull, FullTexts(false), {}, kFull},
        ReadCase{"MetricCardEveryField", true, kFull, FullTexts(true), {}, FullMetricWritten()},
        ReadCase{"LowerCaseLetterChoosesItsItem",
                 false,
                 Card("03", {{3, "p"}}),
                 BlankTexts("P"),
                 {},
                 Blank03("P")},
        ReadCase{"BlankFieldsEmptyTheOptionalBoxes",
                 false,
                 Card("03", {{3, "A"}}),
                 BlankTexts("A"),
                 {},
                 Blank03("A")},
        // Crown types the engine reads that are no item keep their character.
        ReadCase{"BlankCrownTypeIsKept",
                 false,
                 Card("03", {{3, " "}}, 80),
                 BlankTexts("B kept ' '"),
                 {},
                 Blank03(" "),
                 Card("03", {{3, "B"}})},
        ReadCase{"CrownTypeDIsKept",
                 false,
                 Card("03", {{3, "D"}}),
                 BlankTexts("(none) kept 'D'"),
                 {},
                 Blank03("D")},
        ReadCase{"CrownTypeDigitIsKept",
                 false,
                 Card("03", {{3, "3"}}),
                 BlankTexts("(none) kept '3'"),
                 {},
                 Blank03("3")},
        ReadCase{"MaxTransVCHasThreeDecimals",
                 false,
                 Card("03", {{3, "A"}, {51, "12345"}}),
                 BlankTexts("A", "12.345"),
                 {},
                 Blank03("A", "12345 ")},
        ReadCase{"MaxTransVCWrittenWithOneDecimalStays",
                 false,
                 Card("03", {{3, "A"}, {51, "123"}}),
                 BlankTexts("A", "12.3"),
                 {},
                 Blank03("A", "123   ")},
        ReadCase{"MaxTransVCOfZero",
                 false,
                 Card("03", {{3, "A"}, {51, "  0"}}),
                 BlankTexts("A", "0"),
                 {},
                 Blank03("A", " 00   ")},
        ReadCase{"CurveLengthFlagIsKeptInPlace",
                 false,
                 Card("03", {{3, "A"}, {56, "X"}}),
                 BlankTexts("A", "", "X"),
                 {},
                 Blank03("A", "     X")}),
    testsupport::CaseName());

class OverrideRead : public ::testing::TestWithParam<ReadCase> {};

// Columns of an override card: station 3-11 (2 / 3), left slope 12-16 (4),
// right slope 17-21 (4); the line ends after column 21.
TEST_P(OverrideRead, FillsTheRowAndWritesTheCardBack) {
    CheckReadCase(
        GetParam(), Form::OverrideRow,
        [](DeckModel& d, std::string_view card, MessageSink& s) {
            ReadOverrideCard(d, 0, card, s);
        },
        [](const DeckModel& d) { return WriteOverrideCard(d, 0); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, OverrideRead,
    ::testing::Values(
        ReadCase{"EnglishRow",
                 false,
                 "03  123456700200-0200",
                 {{"OverSta", "123+45.67"}, {"OverLeft", "0.02"}, {"OverRight", "-0.02"}},
                 {},
                 "03  123456700200-0200"},
        ReadCase{"MetricRow",
                 true,
                 Card("03", {{3, "  1234567"}, {12, "00200"}, {17, "00200"}}, 80),
                 {{"OverSta", "1+234.567"}, {"OverLeft", "0.02"}, {"OverRight", "0.02"}},
                 {},
                 "03  12345670020000200"},
        ReadCase{"BlankLeftSlopeIsEmpty",
                 false,
                 "03    10000       200",
                 {{"OverSta", "1+00.00"}, {"OverLeft", ""}, {"OverRight", "0.02"}},
                 {},
                 "03    10000     00200"},
        ReadCase{"BlankRightSlopeIsEmpty",
                 false,
                 "03    10000  200",
                 {{"OverSta", "1+00.00"}, {"OverLeft", "0.02"}, {"OverRight", ""}},
                 {},
                 "03    1000000200     "}),
    testsupport::CaseName());

class CrossSlopeWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(CrossSlopeWrite, WritesTheControlsTexts) {
    CheckWriteCase(GetParam(), WriteCrossSectionCard);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CrossSlopeWrite,
    ::testing::Values(
        WriteCase{"NewFormIsCrownAAndBlanks", false, [](DeckModel&) {},
                  "03A" + std::string(77, ' ')},
        WriteCase{"MaxTransVCOfFiftyLeavesTheLastColumnsBlank", false,
                  [](DeckModel& d) { d.crossTrans.MaxTransVC = "50"; },
                  Card("03", {{3, "A"}, {51, "500"}}, 80)},
        WriteCase{"MetricCrownHeightInMillimetres", true,
                  [](DeckModel& d) { d.crossTrans.CrownHeight = "12.5"; },
                  Card("03", {{3, "A"}, {66, " 1250"}}, 80)},
        WriteCase{"EnglishCrownHeightInInches", false,
                  [](DeckModel& d) { d.crossTrans.CrownHeight = "0.75"; },
                  Card("03", {{3, "A"}, {66, " 0750"}}, 80)},
        WriteCase{"ChosenItemAfterAKeptCrownType", false,
                  [](DeckModel& d) {
                      d.crossTrans.CrownType.Keep('D');
                      d.crossTrans.CrownType.Choose(2);
                  },
                  "03C" + std::string(77, ' ')},
        WriteCase{"CrossSlopeThatIsNotANumberFails", false,
                  [](DeckModel& d) { d.crossTrans.CrossSlope = "x"; },
                  "Cannot write card 03: Nominal Cross-Slope \"x\" is not a number.", true},
        WriteCase{"MetricTransitionOfOneHundredMetresFails", true,
                  [](DeckModel& d) { d.crossTrans.InTransLength = "100"; },
                  "Cannot write card 03: Transition In Transition Length \"100\" does not fit its "
                  "columns.",
                  true},
        WriteCase{"MaxTransVCThatIsNotANumberFails", false,
                  [](DeckModel& d) { d.crossTrans.MaxTransVC = "5O"; },
                  "Cannot write card 03: Transition Vertical curve Maximum Length \"5O\" is not a "
                  "number.",
                  true}),
    testsupport::CaseName());

TEST(CrossSlopeGroup, OverrideRowsWithAStationFollowTheFirstCard) {
    DeckModel deck;
    deck.crossTrans.OverRows[0] = {"1+00.00", "0.02", "0.02"};
    deck.crossTrans.OverRows[1] = {"", "0.04", "0.04"};  // no station: not written
    deck.crossTrans.OverRows[3] = {" ", "", ""};         // a blank station is written
    WrittenCards cards = WriteCrossSlopeCards(deck);
    ASSERT_TRUE(cards.ok());
    EXPECT_EQ(cards.lines,
              (std::vector<std::string>{"03A" + std::string(77, ' '), "03    100000020000200",
                                        "03" + std::string(19, ' ')}));
}

TEST(CrossSlopeGroup, AFailingRowNamesItself) {
    DeckModel deck;
    deck.crossTrans.OverRows[2] = {"2+00", "bad", ""};
    WrittenCards cards = WriteCrossSlopeCards(deck);
    ASSERT_FALSE(cards.ok());
    EXPECT_EQ(cards.failure->Message(),
              "Cannot write card 03, override row 3: Left Slope \"bad\" is not a number.");
    EXPECT_EQ(cards.lines.size(), 1u);  // the cards before it
}

TEST(CrossSlopeGroup, OverrideCardsBeyondTheRowsAddRows) {
    DeckModel deck;
    CollectedWarnings warnings;
    for (int row = 0; row < 8; ++row) ReadOverrideCard(deck, row, "03    10000", warnings);
    EXPECT_EQ(deck.crossTrans.OverRows.size(), 8u);
    EXPECT_EQ(deck.crossTrans.OverRows[7].OverSta, "1+00.00");
}

}  // namespace

}  // namespace quillon::editor::test
