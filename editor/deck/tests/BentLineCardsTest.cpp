#include "CardTestSupport.hpp"
#include "editor/deck/BentLineCards.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Columns of the 06 card: distance 3-10 (4 English / 5 metric); 11
// distance type (0-4 = item, 5 read as item 4, 6-7 = items 5-6); 12 skew
// direction; skew degrees 13-14, minutes 15-16, seconds 17-20 (2); 21 skew
// type (digit = item); fractional points 22-28 (4; the count 22-24);
// description 29-38; options 39-42; 43 selected intersection; 44 dead-load
// flag; 45-46 secondary reference; 47-52 the codes the engine reads behind it.
const char* kBadDistance = "Warning: (06) Bent line data, distance type invalid.";
const char* kBadSkew = "Warning: (06) Skew direction invalid. Should be L or R";
const char* kBadSkewType = "Warning: (06) Bent line data, skew type invalid.";

std::vector<At> With(std::vector<At> base, const std::vector<At>& changes) {
    base.insert(base.end(), changes.begin(), changes.end());
    return base;
}

// A card with distance type 0, skew "L" and skew type 0, `changes` over it.
std::string B(const std::vector<At>& changes) {
    return Card("06", With({{11, "0L"}, {21, "0"}}, changes));
}

// The card written for it: zero distance, skew and parts; it ends after the
// single blank of an empty secondary reference.
std::string W(const std::vector<At>& changes, size_t length = 45, bool metric = false) {
    return Card("06",
                With({{3, metric ? "  000000" : "   00000"}, {11, "0L 0 0 0000  0"}}, changes),
                length);
}

Texts T(const Texts& changes) {
    Texts texts = {{"mnuFormBent", "True"},
                   {"Text1", "0"},
                   {"Combo1", "Horiz. Control"},
                   {"Text7", "L"},
                   {"Text2", "0" + kDeg + " 0' 0.00\""},
                   {"Combo2", "Default"},
                   {"Text3", "0"},
                   {"Text4", std::string(10, ' ')},
                   {"List1", "...."},
                   {"Text5", " "},
                   {"Text6", ""},
                   {"Text8", "  "},
                   {"HiddenCodes", std::string(6, ' ')}};
    return Changed(texts, changes);
}

const std::string kFull = Card("06", {{3, "123456786R153045002  5    PIER 2    XXXX*DABB"}});

Texts FullTexts(bool metric) {
    return T({{"Text1", metric ? "123.45678" : "1234.5678"},  // every digit kept
              {"Combo1", "Normal Offset"},
              {"Text7", "R"},
              {"Text2", "15" + kDeg + " 30' 45.00\""},
              {"Combo2", "Layout Line"},
              {"Text3", "5"},
              {"Text4", "PIER 2    "},
              {"List1", "XXXX"},
              {"Text5", "*"},
              {"Text6", "D"},
              {"Text8", "AB"},
              {"HiddenCodes", "B     "}});
}

class BentLineRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(BentLineRead, FillsEveryControlOfTheRowAndWritesTheCardBack) {
    CheckReadCase(
        GetParam(), Form::BentLine,
        [](DeckModel& d, std::string_view card, MessageSink& s) {
            ReadBentLineCard(d, 0, card, s);
        },
        [](const DeckModel& d) { return WriteBentLineCard(d, 0); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, BentLineRead,
    ::testing::Values(
        ReadCase{"EnglishCardEveryField", false, kFull, FullTexts(false), {}, Card(kFull, {}, 52)},
        ReadCase{"MetricCardEveryField", true, kFull, FullTexts(true), {}, Card(kFull, {}, 52)},
        ReadCase{"BlankFieldsReadAsZeros", false, B({}), T({}), {}, W({})},
        ReadCase{"MetricZeroDistance", true, B({}), T({}), {}, W({}, 45, true)},
        ReadCase{"DistanceTypeFiveIsNormalToRefSavedAsFour",
                 false,
                 B({{11, "5"}}),
                 T({{"Combo1", "Normal to Ref."}}),
                 {},
                 W({{11, "4"}})},
        ReadCase{"DistanceTypeSevenIsSegChordLength",
                 false,
                 B({{11, "7"}}),
                 T({{"Combo1", "Seg. Chord Length"}}),
                 {},
                 W({{11, "7"}})},
        ReadCase{"DistanceTypeEightIsKeptWithItsWarning",
                 false,
                 B({{11, "8"}}),
                 T({{"Combo1", "Distance Type kept '8'"}}),
                 {kBadDistance},
                 W({{11, "8"}})},
        ReadCase{"LetterDistanceTypeIsKept",
                 false,
                 B({{11, "X"}}),
                 T({{"Combo1", "Distance Type kept 'X'"}}),
                 {},
                 W({{11, "X"}})},
        ReadCase{"BlankDistanceAndSkewTypesAreTheFirstItems",
                 false,
                 B({{11, " "}, {21, " "}}),
                 T({}),
                 {},
                 W({})},
        // The direction keeps its character after the warning: "l" and "-"
        // are left to the engine, a blank right.
        ReadCase{"BlankSkewDirectionKeepsItsBlank",
                 false,
                 B({{12, " "}}),
                 T({{"Text7", " "}}),
                 {kBadSkew},
                 W({{12, " "}})},
        ReadCase{"LowerCaseLKeepsItsCharacter",
                 false,
                 B({{12, "l"}}),
                 T({{"Text7", "l"}}),
                 {kBadSkew},
                 W({{12, "l"}})},
        ReadCase{"MinusKeepsItsCharacter",
                 false,
                 B({{12, "-"}}),
                 T({{"Text7", "-"}}),
                 {kBadSkew},
                 W({{12, "-"}})},
        ReadCase{"SkewTypeSixIsKeptWithItsWarning",
                 false,
                 B({{21, "6"}}),
                 T({{"Combo2", "Skew Type kept '6'"}}),
                 {kBadSkewType},
                 W({{21, "6"}})},
        ReadCase{"WarningsComeInColumnOrder",
                 false,
                 B({{11, "9x"}, {21, "7"}}),
                 T({{"Combo1", "Distance Type kept '9'"},
                    {"Text7", "x"},
                    {"Combo2", "Skew Type kept '7'"}}),
                 {kBadDistance, kBadSkew, kBadSkewType},
                 W({{11, "9x"}, {21, "7"}})},
        ReadCase{"FractionalPointsSpacing",
                 false,
                 B({{22, "0025000"}}),
                 T({{"Text3", "2.5"}}),
                 {},
                 W({{22, "  25000"}})},
        ReadCase{"FractionalPointsBelowOne",
                 false,
                 B({{22, "   5   "}}),
                 T({{"Text3", "0.5"}}),
                 {},
                 W({{22, "  05000"}})},
        ReadCase{"FractionalPointsPunched",
                 false,
                 B({{22, " 12.5  "}}),
                 T({{"Text3", "12.5"}}),
                 {},
                 W({{22, " 125000"}})},
        ReadCase{"SecondaryReferenceOfOneLetter",
                 false,
                 B({{45, "A"}}),
                 T({{"Text8", "A "}}),
                 {},
                 W({{45, "A "}}, 46)},
        ReadCase{"CodesBehindTheSecondaryReferenceAreKeptInPlace",
                 false,
                 B({{47, "S"}}),
                 T({{"HiddenCodes", "S     "}}),
                 {},
                 W({{47, "S"}}, 52)},
        ReadCase{"BlankColumnsKeepOptionsButEmptyTheDeadLoadFlag",
                 false,
                 B({}),
                 T({{"List1", "XXXX"}}),
                 {},
                 W({{39, "XXXX"}}),
                 B({{39, "XXXX D"}})}),
    testsupport::CaseName());

class BentLineWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(BentLineWrite, WritesTheRowsTexts) {
    CheckWriteCase(GetParam(), [](const DeckModel& d) { return WriteBentLineCard(d, 0); });
}

BentLineRow& Row0(DeckModel& d) { return d.bentLine.rows[0]; }

INSTANTIATE_TEST_SUITE_P(
    Table, BentLineWrite,
    ::testing::Values(
        WriteCase{"NothingChosenWritesBlanksInPlace", false,
                  [](DeckModel& d) { Row0(d).Text4 = "P1"; },
                  Card("06", {{12, "L 0 0 000"}, {29, "P1"}}, 45)},
        WriteCase{"ItemsFiveAndSixWriteSixAndSeven", false,
                  [](DeckModel& d) { Row0(d).Combo1.Choose(5); },
                  Card("06", {{11, "6L 0 0 000"}}, 45)},
        WriteCase{"OneColumnBoxesWriteTheirFirstCharacter", false,
                  [](DeckModel& d) {
                      Row0(d).Text7 = "Right";
                      Row0(d).Text5 = "**";
                      Row0(d).Text6 = "DL";
                      Row0(d).Text8 = "ABC";
                  },
                  Card("06", {{12, "R 0 0 000"}, {43, "*DAB"}}, 46)},
        WriteCase{"ControlCharactersAreWrittenAsBlanks", false,
                  [](DeckModel& d) { Row0(d).Text4 = "PIER\t2\r"; },
                  Card("06", {{12, "L 0 0 000"}, {29, "PIER 2"}}, 45)},
        WriteCase{"DescriptionIsCutToTen", false,
                  [](DeckModel& d) { Row0(d).Text4 = "ABUTMENT 1 WEST"; },
                  Card("06", {{12, "L 0 0 000"}, {29, "ABUTMENT 1"}}, 45)},
        WriteCase{"WholeFractionalPointsOfOneThousandFail", false,
                  [](DeckModel& d) { Row0(d).Text3 = "1000"; },
                  "Cannot write card 06, bent line row 1: Fractional Points \"1000\" does not fit "
                  "its columns.",
                  true},
        WriteCase{"FractionalPointsThatAreNotANumberFail", false,
                  [](DeckModel& d) { Row0(d).Text3 = "five"; },
                  "Cannot write card 06, bent line row 1: Fractional Points \"five\" is not a "
                  "number.",
                  true}),
    testsupport::CaseName());

TEST(BentLineGroup, RowsWithoutADescriptionAreLeftOut) {
    DeckModel deck;
    deck.bentLine.rows[0].Text4 = "ABUT 1";
    deck.bentLine.rows[2].Text4 = "ABUT 2";
    deck.bentLine.rows[3].Text4 = std::string(10, ' ');
    WrittenCards cards = WriteBentLineCards(deck);
    ASSERT_TRUE(cards.ok());
    EXPECT_EQ(cards.lines,
              (std::vector<std::string>{Card("06", {{12, "L 0 0 000"}, {29, "ABUT 1"}}, 45),
                                        Card("06", {{12, "L 0 0 000"}, {29, "ABUT 2"}}, 45)}));
}

TEST(BentLineRead, DistanceKeepsEveryDigit) {
    DeckModel deck;
    CollectedWarnings warnings;
    ReadBentLineCard(deck, 0, B({{3, "12345678"}}), warnings);
    EXPECT_EQ(deck.bentLine.rows[0].Text1, "1234.5678");  // not 1234.568, saved as 12345680
    EXPECT_EQ(WriteBentLineCard(deck, 0).line, W({{3, "12345678"}}));
}

}  // namespace

}  // namespace quillon::editor::test
