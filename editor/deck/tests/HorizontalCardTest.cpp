#include "CardTestSupport.hpp"
#include "editor/deck/HorizontalCard.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Columns of the 01 card: 3 direction; delta degrees 4-6, minutes 7-8,
// seconds 9-12 (2 decimals); PI station 13-23 (4 English / 5 metric);
// degree of curve 24-25, 26-27, 28-31; spirals 32-37 and 38-43 (2 / 3);
// profile offset 44-51 (4 / 5); radius 52-58 (none, point punched when
// written); back and ahead stations 59-69 and 70-80 (4 / 5).
// The controls of a card "01R" that leaves every optional box empty, with
// `changes` applied.
Texts H(const Texts& changes) {
    return Changed({{"mnuFormHoriz", "True"},
                    {"Option1", "False"},
                    {"Option2", "True"},
                    {"Delta", "0" + kDeg + " 0' 0.00\""},
                    {"PIStation", ""},
                    {"Degree", "0" + kDeg + " 0' 0.00\""},
                    {"Radius", "0"},
                    {"InSpiral", ""},
                    {"OutSpiral", ""},
                    {"ProfOffset", "0"},
                    {"Back", ""},
                    {"Ahead", ""}},
                   changes);
}

// A zero delta and degree of curve, blank stations and spirals, a zero
// profile offset and radius, with the direction letter given.
std::string Written01(char direction) {
    return Card("01",
                {{3, std::string(1, direction)},
                 {4, "  0 0 000"},
                 {24, " 0 0 000"},
                 {44, "   00000"},
                 {52, "   0.00"}},
                80);
}

const std::string kFullCard = Card("01", {{3, "L"},
                                          {4, "012345678"},
                                          {13, "  123456789"},
                                          {24, " 5301000"},
                                          {32, "  1500"},
                                          {38, "  2050"},
                                          {44, "  -12500"},
                                          {52, " 716.20"},
                                          {59, "   50000000"},
                                          {70, "   51000000"}});

// What the full card shows: the same digits with one more decimal on the
// stations and lengths of a metric deck, and no degree of curve there.
Texts FullTexts(bool metric) {
    return {{"mnuFormHoriz", "True"},
            {"Option1", "True"},
            {"Option2", "False"},
            {"Delta", "12" + kDeg + " 34' 56.78\""},
            {"PIStation", metric ? "1+234.56789" : "123+45.6789"},  // 123456789 / 10^5, 10^4
            {"Degree", metric ? "" : "5" + kDeg + " 30' 10.00\""},
            {"Radius", "716.2"},
            {"InSpiral", metric ? "1.5" : "15"},
            {"OutSpiral", metric ? "2.05" : "20.5"},
            {"ProfOffset", metric ? "-0.125" : "-1.25"},
            {"Back", metric ? "0+500.00000" : "50+00.0000"},
            {"Ahead", metric ? "0+510.00000" : "51+00.0000"}};
}

// The full card written back: the delta's degrees without a leading zero,
// no degree of curve in a metric deck.
std::string FullWritten(bool metric) {
    std::string card = kFullCard;
    card.replace(3, 1, " ");
    if (metric) card.replace(23, 8, std::string(8, ' '));
    return card;
}

class HorizontalRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(HorizontalRead, FillsEveryControlAndWritesTheCardBack) {
    CheckReadCase(GetParam(), Form::Horizontal, ReadHorizontalCard, WriteHorizontalCard);
}

// Values from the digits and the implied decimals of each column.
INSTANTIATE_TEST_SUITE_P(
    Table, HorizontalRead,
    ::testing::Values(
        ReadCase{
            "EnglishCardEveryField", false, kFullCard, FullTexts(false), {}, FullWritten(false)},
        // One more decimal on stations and lengths; the degree of curve is
        // neither read nor written.
        ReadCase{"MetricCardEveryField", true, kFullCard, FullTexts(true), {}, FullWritten(true)},
        ReadCase{"LowerCaseLIsLeft",
                 false,
                 "01l",
                 H({{"Option1", "True"}, {"Option2", "False"}}),
                 {},
                 Written01('L')},
        ReadCase{"MinusIsLeftAsForTheEngine",
                 false,
                 "01-",
                 H({{"Option1", "True"}, {"Option2", "False"}}),
                 {},
                 Written01('L')},
        ReadCase{"LowerCaseRIsRight", false, "01r", H({}), {}, Written01('R')},
        // Only the direction column is looked at: a letter beyond the card's
        // columns chooses nothing, and the card is written back "R".
        ReadCase{"BlankDirectionChoosesNeither",
                 false,
                 Card("01", {{85, "LEFT"}}),
                 H({{"Option2", "False"}}),
                 {},
                 Written01('R')},
        ReadCase{
            "BlankSpiralsKeepTheirBoxes",
            false,
            "01R",
            H({{"InSpiral", "15"}, {"OutSpiral", "20.5"}}),
            {},
            Card(
                "01",
                {{3, "R"}, {4, "  0 0 000"}, {24, " 0 0 000"}, {32, "  1500  2050   00000   0.00"}},
                80),
            Card("01", {{32, "  1500  2050"}})},
        ReadCase{"RadiusWithoutPointIsWhole",
                 false,
                 Card("01", {{3, "R"}, {52, "  11459"}}),
                 H({{"Radius", "11459"}}),
                 {},
                 // Two decimals do not fit seven columns; one does.
                 Card("01", {{3, "R"}, {4, "  0 0 000"}, {24, " 0 0 000"}, {44, "   0000011459.0"}},
                      80)},
        ReadCase{"NegativeStationKeepsItsSign",
                 false,
                 Card("01", {{3, "R"}, {13, "    -500000"}}),
                 H({{"PIStation", "-0+50.0000"}}),
                 {},
                 Card("01",
                      {{3, "R"},
                       {4, "  0 0 000"},
                       {13, "    -500000"},
                       {24, " 0 0 000"},
                       {44, "   00000   0.00"}},
                      80)}),
    testsupport::CaseName());

class HorizontalWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(HorizontalWrite, WritesTheControlsTexts) { CheckWriteCase(GetParam(), WriteHorizontalCard); }

INSTANTIATE_TEST_SUITE_P(
    Table, HorizontalWrite,
    ::testing::Values(
        // A form never used: "R", zero angles, blanks for every empty box.
        WriteCase{"NewFormEnglish", false, [](DeckModel&) {},
                  Card("01", {{3, "R"}, {4, "  0 0 000"}, {24, " 0 0 000"}}, 80)},
        WriteCase{"MetricLeavesTheDegreeBlank", true,
                  [](DeckModel& d) { d.horizontal.Degree = "5 30 0"; },
                  Card("01", {{3, "R"}, {4, "  0 0 000"}}, 80)},
        WriteCase{"RadiusDropsADecimalToFit", false,
                  [](DeckModel& d) { d.horizontal.Radius = "11459.16"; },
                  Card("01", {{3, "R"}, {4, "  0 0 000"}, {24, " 0 0 000"}, {52, "11459.2"}}, 80)},
        WriteCase{"RadiusOfSevenHundred", false,
                  [](DeckModel& d) { d.horizontal.Radius = "716.2"; },
                  Card("01", {{3, "R"}, {4, "  0 0 000"}, {24, " 0 0 000"}, {52, " 716.20"}}, 80)},
        WriteCase{
            "TypedAngleAndStation", false,
            [](DeckModel& d) {
                d.horizontal.ChooseLeft();
                d.horizontal.Delta = "12 3";  // 12 degrees 3 minutes
                d.horizontal.PIStation = "123+4.5";
                d.horizontal.OutSpiral = " ";
            },
            Card("01", {{3, "L"}, {4, " 12 3 000"}, {13, "  123045000"}, {24, " 0 0 000"}}, 80)},
        WriteCase{"StationThatIsNotANumberFails", false,
                  [](DeckModel& d) { d.horizontal.PIStation = "12+AB"; },
                  "Cannot write card 01: PI Station \"12+AB\" is not a number.", true},
        WriteCase{"SecondsOfOneHundredFail", false,
                  [](DeckModel& d) { d.horizontal.Delta = "12 34 100"; },
                  "Cannot write card 01: Combined Delta \"12 34 100\" does not fit its columns.",
                  true},
        WriteCase{"MetricSpiralOfOneHundredMetresFails", true,
                  [](DeckModel& d) { d.horizontal.InSpiral = "1000"; },
                  "Cannot write card 01: In Spiral Length \"1000\" does not fit its columns.",
                  true}),
    testsupport::CaseName());

}  // namespace

}  // namespace quillon::editor::test
