#include "CardTestSupport.hpp"
#include "editor/deck/RoadApproachCard.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Columns of the 08 card: begin and end station of the structure 3-9 and
// 10-16 (no decimals), approach length 17-24 (1 English / 2 metric), seven
// offsets of 8 columns from column 25 (4 / 5).
WrittenCard WrittenOrEmpty(const DeckModel& deck) {
    WrittenCards cards = WriteRoadApproachCard(deck);
    if (!cards.ok()) return {std::string(), cards.failure};
    return {cards.lines.empty() ? std::string() : cards.lines[0], std::nullopt};
}

const std::string kFull = Card("08", {{3, "   1234   1334     125  -15000   15000"},
                                      {41, "   00000   00000   00000   00000   00000"}});

Texts FullTexts(bool metric) {
    return {{"mnuFormRoadApp", "True"},
            {"BegStr", metric ? "1+234.0" : "12+34.0"},
            {"EndStr", metric ? "1+334.0" : "13+34.0"},
            {"Length", metric ? "1.25" : "12.5"},
            {"Off1", metric ? "-0.15" : "-1.5"},
            {"Off2", metric ? "0.15" : "1.5"},
            {"Off3", "0"},
            {"Off4", "0"},
            {"Off5", "0"},
            {"Off6", "0"},
            {"Off7", "0"}};
}

// The metric card writes its positive offsets with one more digit.
const std::string kFullMetricWritten =
    Card("08", {{3, "   1234   1334     125  -15000  015000"},
                {41, "  000000  000000  000000  000000  000000"}});

// The controls of a blank card, with `changes` applied.
Texts R(const Texts& changes) {
    return Changed({{"mnuFormRoadApp", "True"},
                    {"BegStr", ""},
                    {"EndStr", ""},
                    {"Length", "0"},
                    {"Off1", ""},
                    {"Off2", ""},
                    {"Off3", ""},
                    {"Off4", ""},
                    {"Off5", ""},
                    {"Off6", ""},
                    {"Off7", ""}},
                   changes);
}

class RoadApproachRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RoadApproachRead, FillsEveryBoxAndWritesTheCardBack) {
    CheckReadCase(GetParam(), Form::RoadAppr, ReadRoadApproachCard, WrittenOrEmpty);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoadApproachRead,
    ::testing::Values(
        ReadCase{"EnglishCardEveryField", false, kFull, FullTexts(false), {}, kFull},
        // The metric converter reads 2 decimals on the length, 5 on the offsets.
        ReadCase{"MetricCardEveryField", true, kFull, FullTexts(true), {}, kFullMetricWritten},
        ReadCase{"PunchedLength",
                 false,
                 Card("08", {{3, "   1234"}, {17, "    12.5"}}),
                 R({{"BegStr", "12+34.0"}, {"Length", "12.5"}}),
                 {},
                 Card("08", {{3, "   1234"}, {17, "     125"}}, 80)},
        // A blank offset is one the engine does not use: it stays blank (it
        // was once saved as an offset of 0), a punched zero stays zero.
        ReadCase{"BlankOffsetsStayBlank",
                 false,
                 Card("08", {{3, "   2350   2650    4000 -220000       0"}}),
                 R({{"BegStr", "23+50.0"},
                    {"EndStr", "26+50.0"},
                    {"Length", "400"},
                    {"Off1", "-22"},
                    {"Off2", "0"}}),
                 {},
                 Card("08", {{3, "   2350   2650    4000 -220000   00000"}}, 80)},
        // A blank begin station reads as an empty box; the card was read
        // from the deck, so it is written again (it was once dropped).
        ReadCase{"BlankBeginStationIsWrittenBack",
                 false,
                 Card("08", {{10, "   1334"}}),
                 R({{"EndStr", "13+34.0"}}),
                 {},
                 Card("08", {{10, "   1334      00"}}, 80)}),
    testsupport::CaseName());

class RoadApproachWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(RoadApproachWrite, WritesTheBoxesTexts) { CheckWriteCase(GetParam(), WrittenOrEmpty); }

INSTANTIATE_TEST_SUITE_P(
    Table, RoadApproachWrite,
    ::testing::Values(WriteCase{"NeverFilledWritesNoCard", false, [](DeckModel&) {}, ""},
                      WriteCase{"SevenBlanksWriteNoCard", false,
                                [](DeckModel& d) {
                                    d.roadAppr.BegStr = "       ";
                                    d.roadAppr.Length = "12.5";
                                },
                                ""},
                      WriteCase{"BeginStationZeroWritesTheCardWithBlankBoxes", false,
                                [](DeckModel& d) { d.roadAppr.BegStr = "0"; },
                                Card("08", {{3, "      0"}}, 80)},
                      WriteCase{"MetricOffsetHasFiveDecimals", true,
                                [](DeckModel& d) {
                                    d.roadAppr.BegStr = "1+234";
                                    d.roadAppr.Off1 = "1.5";
                                },
                                Card("08", {{3, "   1234"}, {25, "  150000"}}, 80)},
                      WriteCase{"LengthThatIsNotANumberFails", false,
                                [](DeckModel& d) {
                                    d.roadAppr.BegStr = "12+34";
                                    d.roadAppr.Length = "12,5";
                                },
                                "Cannot write card 08: Approach Length \"12,5\" is not a number.",
                                true}),
    testsupport::CaseName());

}  // namespace

}  // namespace quillon::editor::test
