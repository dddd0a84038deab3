#include "CardTestSupport.hpp"
#include "editor/deck/VerticalCard.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Columns of the 02 card: grade in 3-11 (6 decimals, percent); PI 1 from
// column 12 and PI 2 from column 42: curve length before (6 columns, 2
// English / 3 metric), station (9, 2 / 3), elevation (9, 4 / 5), curve
// length after (6, 2 / 3); grade out 72-80 (6).
const std::string kFull = Card("02", {{3, "  2500000"},
                                      {12, "  5000"},
                                      {18, "  1234567"},
                                      {27, " 12345678"},
                                      {36, "  5000"},
                                      {42, " 10000"},
                                      {48, "  2000000"},
                                      {57, " 12000000"},
                                      {66, " 10000"},
                                      {72, " -1500000"}});

// Blank grades are not given and stay blank.
const std::string kZeros = Card(
    "02",
    {{12, "   000"}, {27, "    00000"}, {36, "   000   000"}, {57, "    00000"}, {66, "   000"}},
    80);

// The controls of a blank card, with `changes` applied.
Texts V(const Texts& changes) {
    return Changed({{"mnuFormVert", "True"},
                    {"GradeIn", ""},
                    {"InLength1", "0"},
                    {"PISta1", ""},
                    {"PIElev1", "0"},
                    {"OutLength1", "0"},
                    {"InLength2", "0"},
                    {"PISta2", ""},
                    {"PIElev2", "0"},
                    {"OutLength2", "0"},
                    {"GradeOut", ""}},
                   changes);
}

class VerticalRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(VerticalRead, FillsEveryControlAndWritesTheCardBack) {
    CheckReadCase(GetParam(), Form::Vertical, ReadVerticalCard, WriteVerticalCard);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VerticalRead,
    ::testing::Values(ReadCase{"EnglishCardEveryField",
                               false,
                               kFull,
                               {{"mnuFormVert", "True"},
                                {"GradeIn", "2.5"},
                                {"InLength1", "50"},
                                {"PISta1", "123+45.67"},
                                {"PIElev1", "1234.5678"},
                                {"OutLength1", "50"},
                                {"InLength2", "100"},
                                {"PISta2", "200+00.00"},
                                {"PIElev2", "1200"},
                                {"OutLength2", "100"},
                                {"GradeOut", "-1.5"}},
                               {},
                               kFull},
                      // Lengths, stations and elevations carry one more decimal; grades not.
                      ReadCase{"MetricCardEveryField",
                               true,
                               kFull,
                               {{"mnuFormVert", "True"},
                                {"GradeIn", "2.5"},
                                {"InLength1", "5"},
                                {"PISta1", "1+234.567"},
                                {"PIElev1", "123.45678"},
                                {"OutLength1", "5"},
                                {"InLength2", "10"},
                                {"PISta2", "2+000.000"},
                                {"PIElev2", "120"},
                                {"OutLength2", "10"},
                                {"GradeOut", "-1.5"}},
                               {},
                               kFull},
                      // Blank numbers show "0" and come back as zeros; blank stations and
                      // grades stay empty (a zero grade was once saved for a grade not
                      // given); the card type is not looked at.
                      ReadCase{"BlankCardOfAnotherType", false, "03", V({}), {}, kZeros},
                      ReadCase{
                          "PunchedPointsAreHonoured",
                          false,
                          Card("02", {{3, "     2.5"}, {18, " 12345.6"}, {27, " 1234.5"}}),
                          V({{"GradeIn", "2.5"}, {"PISta1", "123+45.60"}, {"PIElev1", "1234.5"}}),
                          {},
                          Card("02",
                               {{3, "  2500000"},
                                {12, "   000"},
                                {18, "  1234560"},
                                {27, " 12345000"},
                                {36, "   000   000"},
                                {57, "    00000"},
                                {66, "   000"}},
                               80)}),
    testsupport::CaseName());

class VerticalWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(VerticalWrite, WritesTheControlsTexts) { CheckWriteCase(GetParam(), WriteVerticalCard); }

INSTANTIATE_TEST_SUITE_P(
    Table, VerticalWrite,
    ::testing::Values(
        WriteCase{"NewFormIsTheTypeAndBlanks", false, [](DeckModel&) {},
                  "02" + std::string(78, ' ')},
        WriteCase{"MetricElevationHasFiveDecimals", true,
                  [](DeckModel& d) { d.vertical.PIElev1 = "123.45678"; },
                  Card("02", {{27, " 12345678"}}, 80)},
        WriteCase{"ElevationThatIsNotANumberFails", false,
                  [](DeckModel& d) { d.vertical.PIElev1 = "abc"; },
                  "Cannot write card 02: PI Elevation (Vertical Curve #1) \"abc\" is not a number.",
                  true}),
    testsupport::CaseName());

}  // namespace

}  // namespace quillon::editor::test
