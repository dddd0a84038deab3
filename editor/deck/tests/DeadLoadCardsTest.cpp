#include "CardTestSupport.hpp"
#include "editor/deck/DeadLoadCards.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Columns of the 07 card: 3 girder code, 4 bent line code, 5 unit letter,
// 6 a label character the engine keeps, 7-14 blank, deflection k in columns
// 15 + 6k to 20 + 6k: 3 decimals in an English deck; in a metric deck 4 when
// the unit letter is "M" (metres), else 2 (millimetres).
Texts T(const Texts& changes) {
    Texts texts = {{"mnuFormDead", "True"},
                   {"Text1", "A"},
                   {"Text2", "1"},
                   {"Text14", " "},
                   {"HiddenCode", " "}};
    for (int k = 0; k < 11; ++k) texts.emplace_back("Text" + std::to_string(3 + k), "");
    return Changed(texts, changes);
}

std::string D(const std::string& units, const std::vector<At>& deflections) {
    std::vector<At> texts = {{3, "A1" + units}};
    texts.insert(texts.end(), deflections.begin(), deflections.end());
    return Card("07", texts, 80);
}

class DeadLoadRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DeadLoadRead, FillsEveryBoxOfTheRowAndWritesTheCardBack) {
    CheckReadCase(
        GetParam(), Form::DeadLoad,
        [](DeckModel& d, std::string_view card, MessageSink& s) {
            ReadDeadLoadCard(d, 0, card, s);
        },
        [](const DeckModel& d) { return WriteDeadLoadCard(d, 0); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeadLoadRead,
    ::testing::Values(ReadCase{"EnglishDeflections",
                               false,
                               D("F", {{15, "000500-00250      000000"}, {75, "001250"}}),
                               T({{"Text14", "F"},
                                  {"Text3", "0.5"},
                                  {"Text4", "-0.25"},
                                  {"Text6", "0"},
                                  {"Text13", "1.25"}}),
                               {},
                               D("F", {{15, "  0500  -250        0000"}, {75, "  1250"}})},
                      ReadCase{"MetricCapitalMIsMetres",
                               true,
                               D("M", {{15, "000123"}}),
                               T({{"Text14", "M"}, {"Text3", "0.0123"}}),
                               {},
                               D("M", {{15, " 00123"}})},
                      ReadCase{"MetricLowerCaseMIsMillimetres",
                               true,
                               D("m", {{15, "000123"}}),
                               T({{"Text14", "m"}, {"Text3", "1.23"}}),
                               {},
                               D("m", {{15, "   123"}})},
                      ReadCase{"MetricBlankLetterIsMillimetres",
                               true,
                               D(" ", {{15, "000123"}}),
                               T({{"Text3", "1.23"}}),
                               {},
                               D(" ", {{15, "   123"}})},
                      ReadCase{"EnglishUnitLetterLeavesThreeDecimals",
                               false,
                               D("M", {{15, "000123"}}),
                               T({{"Text14", "M"}, {"Text3", "0.123"}}),
                               {},
                               D("M", {{15, "  0123"}})},
                      ReadCase{"LabelCharacterIsKeptInPlace",
                               false,
                               D(" X", {}),
                               T({{"HiddenCode", "X"}}),
                               {},
                               D(" X", {})},
                      ReadCase{"ReadingSetsAllFourteenBoxes",
                               false,
                               "07A1",
                               T({}),
                               {},
                               D(" ", {}),
                               D("F", {{15, "000500"}, {75, "000500"}})}),
    testsupport::CaseName());

class DeadLoadWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(DeadLoadWrite, WritesTheRowsTexts) {
    CheckWriteCase(GetParam(), [](const DeckModel& d) { return WriteDeadLoadCard(d, 0); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeadLoadWrite,
    ::testing::Values(
        WriteCase{"RowWithOnlyAGirderCode", false,
                  [](DeckModel& d) { d.deadLoad.rows[0].Text1 = "A"; }, Card("07", {{3, "A"}}, 80)},
        WriteCase{"ChangedUnitLetterWritesTheNumbersAtTheNewScale", true,
                  [](DeckModel& d) {
                      d.deadLoad.rows[0].Text14 = "M";
                      d.deadLoad.rows[0].Text3 = "1.23";
                  },
                  Card("07", {{5, "M"}, {15, " 12300"}}, 80)},
        WriteCase{"DeflectionThatIsNotANumberFails", false,
                  [](DeckModel& d) { d.deadLoad.rows[0].Text7 = "1/2"; },
                  "Cannot write card 07, dead load row 1: Deflection at tenth point 4 \"1/2\" is "
                  "not a number.",
                  true}),
    testsupport::CaseName());

// An empty row (Insert Row leaves one) is skipped; it once ended the group
// and every row below it was lost.
TEST(DeadLoadGroup, AnEmptyRowIsSkippedAndTheRowsAfterItAreWritten) {
    DeckModel deck;
    deck.deadLoad.rows[0].Text1 = "A";
    deck.deadLoad.rows[2].Text1 = "C";
    WrittenCards cards = WriteDeadLoadCards(deck);
    ASSERT_TRUE(cards.ok());
    EXPECT_EQ(cards.lines,
              (std::vector<std::string>{Card("07", {{3, "A"}}, 80), Card("07", {{3, "C"}}, 80)}));
}

TEST(DeadLoadGroup, ARowOfBlanksIsNotEmpty) {
    DeckModel deck;
    deck.deadLoad.rows[0].Text2 = " ";
    EXPECT_EQ(WriteDeadLoadCards(deck).lines.size(), 1u);
}

}  // namespace

}  // namespace quillon::editor::test
