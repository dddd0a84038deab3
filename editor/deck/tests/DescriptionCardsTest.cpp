#include "CardTestSupport.hpp"
#include "editor/deck/DescriptionCards.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

using Lines = std::vector<std::string>;

// The first card, then the 00 text cards of a deck.
struct DescriptionCase {
    const char* name;
    Lines cards;
    Texts controls;
    Lines written;
};

void ReadAll(DeckModel& deck, const Lines& cards) {
    CollectedWarnings warnings;
    ReadFirstCard(deck, cards.at(0), warnings);
    for (size_t i = 1; i < cards.size(); ++i) ReadDescriptionCard(deck, cards[i], warnings);
    EXPECT_TRUE(warnings.warnings.empty());
}

// Every control of the form after `controls` is applied to the controls of a
// deck whose 00 cards hold nothing: the cases give only what differs.
Texts WithDefaults(const Texts& controls) {
    Texts all = {{"mnuFormDesc", "True"}, {"Units", "English"}, {"StructureID", "B-17      "},
                 {"ProjNum", ""},         {"SubAcc", ""},       {"Designer", ""},
                 {"Detailer", ""},        {"Location", ""},     {"GenDesc", ""}};
    return Changed(all, controls);
}

// The key cards written for empty boxes, English.
Lines Written(const Lines& extra, const std::string& project = "00 Project: ; Subaccount: ;",
              const std::string& designer = "00 Designer: ; Detailer: ;",
              const std::string& location = "00 Location: ;",
              const std::string& units = "00 Units: feet;",
              const std::string& first = "00B-17      ") {
    Lines lines = {first, units, project, designer, location};
    lines.insert(lines.end(), extra.begin(), extra.end());
    return lines;
}

class DescriptionRead : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(DescriptionRead, FillsTheFormAndWritesTheGroupBack) {
    const DescriptionCase& c = GetParam();
    DeckModel deck;
    ReadAll(deck, c.cards);
    EXPECT_EQ(ControlTexts(deck, Form::Description), WithDefaults(c.controls));
    WrittenCards written = WriteDescriptionCards(deck);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.lines, c.written);

    DeckModel again;
    ReadAll(again, written.lines);
    EXPECT_EQ(WriteDescriptionCards(again).lines, written.lines)
        << "written, read and written again";
}

const std::string kMetricFirst = Card("00", {{3, "B-17"}, {80, "M"}});

INSTANTIATE_TEST_SUITE_P(
    Table, DescriptionRead,
    ::testing::Values(
        DescriptionCase{
            "FirstCardOnlyTicksNothing", {"00B-17"}, {{"mnuFormDesc", "False"}}, Written({"00"})},
        DescriptionCase{"ProjectAndSubaccount",
                        {"00B-17", "00 Project: 12345; Subaccount: 7;"},
                        {{"ProjNum", "12345"}, {"SubAcc", "7"}},
                        Written({"00"}, "00 Project: 12345; Subaccount: 7;")},
        DescriptionCase{"KeysIgnoreLetterCase",
                        {"00B-17", "00 PROJECT: A1;"},
                        {{"ProjNum", "A1"}},
                        Written({"00"}, "00 Project: A1; Subaccount: ;")},
        DescriptionCase{"ValueWithoutSemicolonLosesItsTrailingBlanks",
                        {"00B-17", Card("00", {{3, " Location: Main St"}}, 80)},
                        {{"Location", "Main St"}},
                        Written({"00"}, "00 Project: ; Subaccount: ;", "00 Designer: ; Detailer: ;",
                                "00 Location: Main St;")},
        DescriptionCase{"CharacterAfterTheKeyIsSkippedOnlyWhenBlank",
                        {"00B-17", "00 Project:X;"},
                        {{"ProjNum", "X"}},
                        Written({"00"}, "00 Project: X; Subaccount: ;")},
        DescriptionCase{"OneBlankAfterTheKeyIsSkipped",
                        {"00B-17", "00 Project:  X;"},
                        {{"ProjNum", " X"}},
                        Written({"00"}, "00 Project:  X; Subaccount: ;")},
        DescriptionCase{"SeveralKeysOnOneCard",
                        {"00B-17", "00 Designer: J. Smith; Detailer: K. Lee;"},
                        {{"Designer", "J. Smith"}, {"Detailer", "K. Lee"}},
                        Written({"00"}, "00 Project: ; Subaccount: ;",
                                "00 Designer: J. Smith; Detailer: K. Lee;")},
        DescriptionCase{"UnitsCardMakesTheDeckMetric",
                        {"00B-17", "00 Units: metric;"},
                        {{"Units", "Metric"}},
                        Written({"00"}, "00 Project: ; Subaccount: ;", "00 Designer: ; Detailer: ;",
                                "00 Location: ;", "00 Units: metric;", kMetricFirst)},
        DescriptionCase{"UnitsFeetAfterAMetricFirstCard",
                        {kMetricFirst, "00 Units: feet;"},
                        {},
                        Written({"00"})},
        DescriptionCase{"UnitsWithoutMetricIsEnglish",
                        {Card("00", {{3, "B-17"}, {80, "m"}}), "00 Units:"},
                        {},
                        Written({"00"})},
        DescriptionCase{"LowerCaseMarkIsMetric",
                        {Card("00", {{3, "B-17"}, {80, "m"}})},
                        {{"mnuFormDesc", "False"}, {"Units", "Metric"}},
                        Written({"00"}, "00 Project: ; Subaccount: ;", "00 Designer: ; Detailer: ;",
                                "00 Location: ;", "00 Units: metric;", kMetricFirst)},
        DescriptionCase{"FreeTextIsADescriptionLineAsTheFileHoldsIt",
                        {"00B-17", "00 SPAN OVER CREEK", "00", "00  PIERS 2 AND 3"},
                        {{"GenDesc", " SPAN OVER CREEK||  PIERS 2 AND 3"}},
                        Written({"00 SPAN OVER CREEK", "00", "00  PIERS 2 AND 3"})},
        DescriptionCase{"PaddedFreeTextComesBackByteForByte",
                        {"00B-17", Card("00", {{3, " SPAN OVER CREEK"}}, 80)},
                        {{"GenDesc", " SPAN OVER CREEK" + std::string(62, ' ')}},
                        Written({Card("00", {{3, " SPAN OVER CREEK"}}, 80)})},
        DescriptionCase{"LongDescriptionLineIsOneCard",
                        {"00B-17", "00" + std::string(100, 'x')},
                        {{"GenDesc", std::string(100, 'x')}},
                        Written({"00" + std::string(100, 'x')})},
        // A key in free text does not make a key card: the text stays.
        DescriptionCase{"FreeTextHoldingLocationStaysText",
                        {"00B-17", "00 Ring road, Location: bay 4"},
                        {{"GenDesc", " Ring road, Location: bay 4"}},
                        Written({"00 Ring road, Location: bay 4"})},
        DescriptionCase{"FreeTextHoldingUnitsStaysText",
                        {kMetricFirst, "00 span 2, units: 3"},
                        {{"Units", "Metric"}, {"GenDesc", " span 2, units: 3"}},
                        Written({"00 span 2, units: 3"}, "00 Project: ; Subaccount: ;",
                                "00 Designer: ; Detailer: ;", "00 Location: ;", "00 Units: metric;",
                                kMetricFirst)},
        DescriptionCase{"IdentifierKeepsItsBlanks",
                        {" 0  B 17"},
                        {{"mnuFormDesc", "False"}, {"StructureID", "  B 17    "}},
                        Written({"00"}, "00 Project: ; Subaccount: ;", "00 Designer: ; Detailer: ;",
                                "00 Location: ;", "00 Units: feet;", "00  B 17    ")}),
    testsupport::CaseName());

TEST(DescriptionWrite, EmptyFormWritesTheFirstCardKeyCardsAndOneEmptyLine) {
    DeckModel deck;
    EXPECT_EQ(WriteDescriptionCards(deck).lines,
              (Lines{"00          ", "00 Units: feet;", "00 Project: ; Subaccount: ;",
                     "00 Designer: ; Detailer: ;", "00 Location: ;", "00"}));
}

TEST(DescriptionWrite, LongIdentifierIsCutToTenCharactersMetricMarkStaysInPlace) {
    DeckModel deck;
    deck.MetricFlag = true;
    deck.description.StructureID = "BRIDGE-0001-A";
    std::string first = WriteDescriptionCards(deck).lines.at(0);
    EXPECT_EQ(first, Card("00", {{3, "BRIDGE-000"}, {80, "M"}}));
    EXPECT_EQ(first.size(), 80u);
}

TEST(DescriptionWrite, TypedLinesAreOneCardEachAndControlCharactersAreBlanks) {
    DeckModel deck;
    deck.description.GenDesc = SplitTypedLines("one\r\ntwo\nthree\r\n");
    deck.description.GenDesc.push_back("tab\there");
    deck.description.ProjNum =
        "P\x01"
        "7";
    Lines lines = WriteDescriptionCards(deck).lines;
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "00 Project: P 7; Subaccount: ;");
    EXPECT_EQ(Lines(lines.begin() + 5, lines.end()),
              (Lines{"00one", "00two", "00three", "00tab here"}));
}

TEST(DescriptionWrite, KeyValuesAreWrittenWholeAndASemicolonCutsThemOnReading) {
    DeckModel deck;
    deck.description.ProjNum = "A;B";
    Lines lines = WriteDescriptionCards(deck).lines;
    EXPECT_EQ(lines.at(2), "00 Project: A;B; Subaccount: ;");
    DeckModel again;
    ReadAll(again, lines);
    EXPECT_EQ(again.description.ProjNum, "A");
}

TEST(DescriptionRead, DescriptionLinesAreAppendedToWhatTheFormHolds) {
    DeckModel deck;
    deck.description.GenDesc = {"EARLIER"};
    CollectedWarnings warnings;
    ReadDescriptionCard(deck, "00 LATER", warnings);
    EXPECT_EQ(deck.description.GenDesc, (Lines{"EARLIER", " LATER"}));
}

}  // namespace

}  // namespace quillon::editor::test
