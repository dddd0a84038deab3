#include "CardTestSupport.hpp"
#include "editor/deck/ReferenceLineCard.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Columns of the 04 card: reference station 3-13 (4 English / 5 metric);
// 14 station is on (digit = item); 15 skew direction; skew degrees 16-17,
// minutes 18-19, seconds 20-23 (2); 24 skew with respect to (digit = item
// + 1); 25 default bent skew; 26 layout line is (item + 1); 27, 28, 29
// options; 30 reverse layout line (digit = item); 31 option; 32-40 blank;
// transform constants 41-49, 50-58 (4 / 5); limits 59-69, 70-80 (4 / 5).
const std::string kFull = Card("04", {{3, "   12345678"},
                                      {14, "2R30153000312X X1X"},
                                      {41, " 10000000 -5000000"},
                                      {59, "   10000000   90000000"}});

Texts FullTexts(bool metric) {
    return {{"mnuFormRef", "True"},
            {"RefLineSta", metric ? "0+123.45678" : "12+34.5678"},
            {"StaOn", "Ahead Tangent"},
            {"Option1", "False"},
            {"Option2", "True"},
            {"SkewAngle", "30" + kDeg + " 15' 30.00\""},
            {"SkewRespTo", "Back Tangent"},
            {"Option3", "False"},
            {"Option4", "True"},
            {"LayoutLineIs", "Chord"},
            {"Check1", "True"},
            {"Check2", "False"},
            {"Check3", "True"},
            {"RevLayoutLine", "Decr/Reversed"},
            {"Check4", "True"},
            {"TransX", metric ? "100" : "1000"},
            {"TransY", metric ? "-50" : "-500"},
            {"LimitBegSta", metric ? "0+100.00000" : "10+00.0000"},
            {"LimitEndSta", metric ? "0+900.00000" : "90+00.0000"}};
}

const char* kSkewWarning =
    "Warning: (04) Reference line data, bad \"Skew is with respect to\" value.  Valid values are 1 "
    "to 4.";
const char* kLayoutWarning = "Warning: (04) Reference line data, bad \"Layout line is\" value.";
const char* kStaOnWarning =
    "Warning: (04) Reference line data, bad \"Station is on\" value.  Valid values are 0 to 3";
const char* kReverseWarning =
    "Warning: (04) Reference line data, bad \"Reverse layout line\" value.";

// The controls of a card whose codes are valid ("0", "1", "1", "0") and whose
// other columns are blank, with `changes` applied.
Texts Plain(const Texts& changes) {
    Texts texts = {{"mnuFormRef", "True"},
                   {"RefLineSta", ""},
                   {"StaOn", "Horizontal Control"},
                   {"Option1", "False"},
                   {"Option2", "True"},
                   {"SkewAngle", "0" + kDeg + " 0' 0.00\""},
                   {"SkewRespTo", "Horizontal Control"},
                   {"Option3", "True"},
                   {"Option4", "False"},
                   {"LayoutLineIs", "Back Tangent"},
                   {"Check1", "False"},
                   {"Check2", "False"},
                   {"Check3", "False"},
                   {"RevLayoutLine", "Incr/Not"},
                   {"Check4", "False"},
                   {"TransX", "0"},
                   {"TransY", "0"},
                   {"LimitBegSta", ""},
                   {"LimitEndSta", ""}};
    return Changed(texts, changes);
}

// The card written for Plain: the code columns from column 14 given whole.
std::string PlainCard(const std::string& codes) {
    return Card("04", {{14, codes}, {41, "    00000    00000"}}, 80);
}

// Columns 14-31: station is on, skew direction, a zero skew, skew with
// respect to, default bent skew, layout line is, three options, reverse
// layout line and the last option.
std::string Codes(char staOn, char skew, char respTo, char layout, const std::string& checks,
                  char reverse, char check4) {
    return std::string{staOn, skew} + " 0 0 000" + std::string{respTo, '0', layout} + checks +
           reverse + check4;
}

const std::string kPlainCodes = Codes('0', 'R', '1', '1', "   ", '0', ' ');

class ReferenceLineRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReferenceLineRead, FillsEveryControlAndWritesTheCardBack) {
    CheckReadCase(GetParam(), Form::RefLine, ReadReferenceLineCard, WriteReferenceLineCard);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReferenceLineRead,
    ::testing::Values(ReadCase{"EnglishCardEveryField", false, kFull, FullTexts(false), {}, kFull},
                      ReadCase{"MetricCardEveryField", true, kFull, FullTexts(true), {}, kFull},
                      ReadCase{"ValidCodesAndBlanks",
                               false,
                               Card("04", {{24, "1 1"}}),
                               Plain({}),
                               {},
                               PlainCard(kPlainCodes)},
                      // A blank 14 or 30 reads as 0 and selects item 0; a blank 24 or 26
                      // draws its warning and is kept.
                      ReadCase{"BlankCard",
                               false,
                               "04",
                               Plain({{"SkewRespTo", "(none) kept ' '"},
                                      {"LayoutLineIs", "(none) kept ' '"}}),
                               {kSkewWarning, kLayoutWarning},
                               PlainCard(Codes('0', 'R', ' ', ' ', "   ", '0', ' '))},
                      ReadCase{"StationIsOnSevenKeepsTheEarlierChoice",
                               false,
                               Card("04", {{14, "7"}, {24, "1 1"}}),
                               Plain({{"StaOn", "Ahead Tangent kept '7'"}}),
                               {kStaOnWarning},
                               PlainCard(Codes('7', 'R', '1', '1', "   ", '0', ' ')),
                               Card("04", {{14, "2"}, {24, "1 1"}})},
                      ReadCase{"LetterInStationIsOnIsKept",
                               false,
                               Card("04", {{14, "X"}, {24, "1 1"}}),
                               Plain({{"StaOn", "(none) kept 'X'"}}),
                               {},
                               PlainCard(Codes('X', 'R', '1', '1', "   ", '0', ' '))},
                      ReadCase{"SkewRespToFiveIsKept",
                               false,
                               Card("04", {{24, "5 1"}}),
                               Plain({{"SkewRespTo", "(none) kept '5'"}}),
                               {kSkewWarning},
                               PlainCard(Codes('0', 'R', '5', '1', "   ", '0', ' '))},
                      ReadCase{"LayoutLineIsFourIsKept",
                               false,
                               Card("04", {{24, "1 4"}}),
                               Plain({{"LayoutLineIs", "(none) kept '4'"}}),
                               {kLayoutWarning},
                               PlainCard(Codes('0', 'R', '1', '4', "   ", '0', ' '))},
                      // "-" reverses the layout line to the engine.
                      ReadCase{"MinusInReverseLayoutLineIsKept",
                               false,
                               Card("04", {{24, "1 1"}, {30, "-"}}),
                               Plain({{"RevLayoutLine", "(none) kept '-'"}}),
                               {},
                               PlainCard(Codes('0', 'R', '1', '1', "   ", '-', ' '))},
                      ReadCase{"ReverseLayoutLineNineIsKeptWithItsWarning",
                               false,
                               Card("04", {{24, "1 1"}, {30, "9"}}),
                               Plain({{"RevLayoutLine", "(none) kept '9'"}}),
                               {kReverseWarning},
                               PlainCard(Codes('0', 'R', '1', '1', "   ", '9', ' '))},
                      ReadCase{"LowerCaseLSkewIsLeft",
                               false,
                               Card("04", {{15, "l"}, {24, "1 1"}}),
                               Plain({{"Option1", "True"}, {"Option2", "False"}}),
                               {},
                               PlainCard(Codes('0', 'L', '1', '1', "   ", '0', ' '))},
                      ReadCase{"MinusSkewIsLeftAsForTheEngine",
                               false,
                               Card("04", {{15, "-"}, {24, "1 1"}}),
                               Plain({{"Option1", "True"}, {"Option2", "False"}}),
                               {},
                               PlainCard(Codes('0', 'L', '1', '1', "   ", '0', ' '))},
                      ReadCase{"DefaultSkewTwoIsParallel",
                               false,
                               Card("04", {{24, "121"}}),
                               Plain({}),
                               {},
                               PlainCard(kPlainCodes)},
                      ReadCase{"BlankOptionColumnsKeepTheirChecks",
                               false,
                               Card("04", {{24, "1 1"}}),
                               Plain({{"Check1", "True"}, {"Check4", "True"}}),
                               {},
                               PlainCard(Codes('0', 'R', '1', '1', "X  ", '0', 'X')),
                               Card("04", {{24, "1 1X"}, {31, "X"}})}),
    testsupport::CaseName());

class ReferenceLineWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ReferenceLineWrite, WritesTheControlsTexts) {
    CheckWriteCase(GetParam(), WriteReferenceLineCard);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReferenceLineWrite,
    ::testing::Values(
        // Nothing selected: blanks in 14 and 30, "0" in 24 and 26.
        WriteCase{"NewForm", false, [](DeckModel&) {}, Card("04", {{15, "L 0 0 000000"}}, 80)},
        WriteCase{"EnglishStationText", false,
                  [](DeckModel& d) { d.refLine.RefLineSta = "12+34.5678"; },
                  Card("04", {{3, "   12345678 L 0 0 000000"}}, 80)},
        WriteCase{"MetricStationText", true,
                  [](DeckModel& d) { d.refLine.RefLineSta = "1+234.56789"; },
                  Card("04", {{3, "  123456789 L 0 0 000000"}}, 80)},
        WriteCase{"SkewMinutesWithDecimalsFail", false,
                  [](DeckModel& d) { d.refLine.SkewAngle = "30 15.5"; },
                  "Cannot write card 04: Skew Angle \"30 15.5\" has decimals in its degrees or "
                  "minutes.",
                  true}),
    testsupport::CaseName());

}  // namespace

}  // namespace quillon::editor::test
