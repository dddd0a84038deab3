// The approaches step on whole decks: the stations listed for each kind of
// card, the values at each station and offset in both builds, the station
// equations, the paging, the table after a fatal error, and cards that do
// not read or carry huge values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/approaches/tests/ApproachTestSupport.hpp"
#include "engine/problem/tests/EngineTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using namespace approachtest;

constexpr double kPrinted = 0.00005;           // half the last printed decimal of F12.4
constexpr double kMetre = 0.3048006096012192;  // metres per US survey foot
const std::string kSection = "   (2)    ";

// A station text "sss+ff" (leading blanks allowed) in feet.
double FeetOf(const std::string& text) {
    const size_t plus = text.find('+');
    return std::stod(text.substr(0, plus)) * 100.0 + std::stod(text.substr(plus + 1));
}

// The sample deck's lines: the alignment cards up to the first 04 card, and
// its 08 card.
std::vector<std::string> SampleLines() {
    return Lines(testing::ReadWhole("../../../samples/bridge.dat"));
}

std::vector<std::string> SampleAlignment() {
    std::vector<std::string> deck;
    for (const std::string& line : SampleLines()) {
        deck.push_back(line);
        if (line.rfind("04", 0) == 0) break;
    }
    return deck;
}

std::string SampleApproachCard() {
    for (const std::string& line : SampleLines())
        if (line.rfind("08", 0) == 0) return line;
    return "";
}

// The row of a block whose back (or ahead) station reads `station`.
const TableRow* RowAt(const std::vector<TableRow>& block, const std::string& station, bool back) {
    for (const TableRow& row : block) {
        const std::string& s = back ? row.back : row.ahead;
        if (!s.empty() && s.substr(s.find_first_not_of(' ')) == station) return &row;
    }
    return nullptr;
}

TEST(SampleBridge, FiveOffsetBlocksOfTwoListsWithTheReadmeElevations) {
    const testing::EngineResult result =
        testing::RunOnDeck(testing::ReadWhole("../../../samples/bridge.dat"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.console, "  Normal termination -- QUILLON\n");
    ASSERT_NE(result.listing.find("* ROADWAY  APPROACHES *"), std::string::npos);
    const auto blocks = Blocks(result.listing);
    ASSERT_EQ(blocks.size(), 5u);
    const char* offsets[] = {"    -22.0000", "    -12.0000", "      0.0000", "     12.0000",
                             "     22.0000"};
    for (size_t b = 0; b < blocks.size(); ++b) {
        EXPECT_EQ(blocks[b].front().offset, offsets[b]);
        EXPECT_EQ(Stations(blocks[b], true), StationRange(1950, 2380));
        EXPECT_EQ(Stations(blocks[b], false), StationRange(2620, 3050));
    }
    // samples/README.md, "Roadway approaches": profile + slope x |offset|,
    // worked from the profile and cross-slope formulas.
    struct {
        size_t block;
        const char* station;
        bool back;
        const char* elevation;
        const char* slope;
    } readme[] = {
        {0, "20+00", true, "    618.7628", " -0.010782"},
        {4, "20+00", true, "    618.5600", " -0.020000"},
        {0, "23+50", true, "    629.0700", "  0.060000"},
        {4, "23+50", true, "    626.4300", " -0.060000"},
        {0, "26+50", false, "    628.8825", "  0.060000"},
        {4, "26+50", false, "    626.2425", " -0.060000"},
        {0, "30+50", false, "    618.6616", " -0.020000"},
        {4, "30+50", false, "    618.5433", " -0.025377"},
    };
    for (const auto& r : readme) {
        const TableRow* row = RowAt(blocks[r.block], r.station, r.back);
        ASSERT_NE(row, nullptr) << r.station;
        EXPECT_EQ(r.back ? Columns(row->line, 27, 38) : Columns(row->line, 102, 113), r.elevation)
            << r.station;
        EXPECT_EQ(r.back ? Columns(row->line, 43, 52) : Columns(row->line, 118, 127), r.slope)
            << r.station;
    }
}

TEST(Values, ConstantGradeAndCrossSlopes) {
    // Back list 13+50..15+00, ahead 18+00..19+50; elevation = 100 + 0.02
    // (s - 1000) + |q| x (-0.02 left, +0.02 right) by the grade and the
    // one-way section of the deck.
    ApproachRun run(StraightDeck());
    run.Process(ApproachCard("1500", "1800", "1500", {"   -10.", "      0", "    15."}));
    const auto blocks = Blocks(run.Written());
    ASSERT_EQ(blocks.size(), 3u);
    const double offsets[] = {-10.0, 0.0, 15.0};
    const char* slopes[] = {" -0.020000", "+/-.020000", "  0.020000"};
    for (size_t b = 0; b < 3; ++b) {
        ASSERT_EQ(blocks[b].size(), 16u);
        EXPECT_EQ(Stations(blocks[b], true), StationRange(1350, 1500));
        EXPECT_EQ(Stations(blocks[b], false), StationRange(1800, 1950));
        const double q = offsets[b];
        const double side = q > 0.0 ? 0.02 * q : -0.02 * std::fabs(q);
        for (const TableRow& row : blocks[b]) {
            for (bool back : {true, false}) {
                const int first = back ? 7 : 82;
                const double s = FeetOf(Columns(row.line, first, first + 7));
                EXPECT_NEAR(std::stod(Columns(row.line, first + 8, first + 19)), q, kPrinted);
                EXPECT_NEAR(std::stod(Columns(row.line, first + 20, first + 31)),
                            100.0 + 0.02 * (s - 1000.0) + side, kPrinted)
                    << s;
                EXPECT_EQ(Columns(row.line, first + 36, first + 45), slopes[b]);
            }
        }
    }
}

TEST(Values, MetricBuildListsMetres) {
    // The deck of the test above in QlMetr: offsets and elevations are the
    // feet times 0.3048006096012192; the station shows whole metres.
    ApproachRun run(StraightDeck(), EngineVariant::Metric);
    run.Process(ApproachCard("1500", "1800", "1500", {"   -10.", "    15."}));
    const auto blocks = Blocks(run.Written());
    ASSERT_EQ(blocks.size(), 2u);
    const double offsets[] = {-10.0, 15.0};
    for (size_t b = 0; b < 2; ++b) {
        ASSERT_EQ(blocks[b].size(), 16u);
        const double q = offsets[b];
        const double side = q > 0.0 ? 0.02 * q : -0.02 * std::fabs(q);
        for (size_t k = 0; k < 16; ++k) {
            const TableRow& row = blocks[b][k];
            for (bool back : {true, false}) {
                const int first = back ? 7 : 82;
                const double feet = (back ? 1350.0 : 1800.0) + 10.0 * static_cast<double>(k);
                const int metres = static_cast<int>(std::floor(feet * kMetre));
                std::string text = std::to_string(metres);
                text = "   0+" + std::string(3 - text.size(), '0') + text;
                EXPECT_EQ(Columns(row.line, first, first + 7), text);
                EXPECT_NEAR(std::stod(Columns(row.line, first + 8, first + 19)), q * kMetre,
                            kPrinted);
                EXPECT_NEAR(std::stod(Columns(row.line, first + 20, first + 31)),
                            (100.0 + 0.02 * (feet - 1000.0) + side) * kMetre, kPrinted);
            }
        }
    }
    // The first row column by column: 1350 ft = 411.4808 m; -10 ft =
    // -3.0480 m; 106.8 ft = 32.5527 m.
    const std::string& line = blocks[0][0].line;
    EXPECT_EQ(Columns(line, 1, 6), "      ");
    EXPECT_EQ(Columns(line, 7, 14), "   0+411");
    EXPECT_EQ(Columns(line, 15, 26), "     -3.0480");
    EXPECT_EQ(Columns(line, 27, 38), "     32.5527");
    EXPECT_EQ(Columns(line, 39, 42), "    ");
    EXPECT_EQ(Columns(line, 43, 52), " -0.020000");
    EXPECT_EQ(Columns(line, 53, 81), std::string(29, ' '));
    EXPECT_EQ(Columns(line, 82, 89), "   0+548");  // 1800 ft = 548.6411 m
    EXPECT_EQ(line.size(), 127u);
}

struct ListCase : approachtest::NamedCase {
    std::string begin, end, length;  // the 08 card's fields as punched
    int backFrom, backTo;            // deck stations of the (first) list
    int aheadFrom, aheadTo;          // 0, 0: a single list
};

class DeckLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(DeckLists, StationsOfEachList) {
    const ListCase& c = GetParam();
    ApproachRun run(StraightDeck());
    run.Process(ApproachCard(c.begin, c.end, c.length, {"      0"}));
    const auto blocks = Blocks(run.Written());
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(Stations(blocks[0], true), StationRange(c.backFrom, c.backTo));
    const bool single = c.aheadFrom == 0;
    EXPECT_EQ(Stations(blocks[0], false),
              single ? std::vector<std::string>{} : StationRange(c.aheadFrom, c.aheadTo));
    for (const TableRow& row : blocks[0]) EXPECT_EQ(row.line.size(), single ? 52u : 127u);
}

// The lists of ApproachStationsTest's cases, as the deck's stations (the
// alignment has its origin at station 0).
INSTANTIATE_TEST_SUITE_P(
    Card, DeckLists,
    ::testing::Values(
        ListCase{{"Apart"}, "2350", "2650", "1500", 2200, 2350, 2650, 2800},
        // 12341 style: 2341 is taken as 2350, 2659 as 2650.
        ListCase{{"StationsMovedToWhole10Feet"}, "2341", "2659", "1500", 2200, 2350, 2650, 2800},
        // q 3, R 16: one list of 36 rows from 22+00.
        ListCase{{"Merged"}, "2350", "2380", "1500", 2200, 2550, 0, 0},
        // R 48: B 1860, E 2340.
        ListCase{{"Contiguous"}, "2350", "2300", "4700", 1860, 2330, 2340, 2810},
        // R 48, q -15: as they are, overlapping.
        ListCase{{"OverlapKept"}, "2350", "2200", "4700", 1880, 2350, 2200, 2670},
        // L 160, R 20: from 160 ft before the begin to 30 ft past it.
        ListCase{{"BeginOnly"}, "2350", "", "1600", 2190, 2380, 0, 0},
        // One list of R rows from the end of the structure.
        ListCase{{"EndOnly"}, "", "2655", "1500", 2650, 2800, 0, 0},
        ListCase{{"EndOnlyWithABeginBelowOneFoot"}, "0.9", "2655", "1500", 2650, 2800, 0, 0}),
    testsupport::CaseName());

TEST(DeckList, BeginStationOfOneFootIsUsed) {
    // 1 is raised to 10, above 1.0: one list from 10 - 150 = -140 to 10.
    ApproachRun run(StraightDeck());
    run.Process(ApproachCard("1", "", "1500", {"      0"}));
    const auto rows = TableRows(run.Written());
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows.front().back, "   *NEGA");  // -140 ft
    EXPECT_EQ(rows.back().back, "    0+10");
}

struct NothingCase : approachtest::NamedCase {
    std::string fourCard;
    std::string card;
};

class Nothing : public ::testing::TestWithParam<NothingCase> {};

TEST_P(Nothing, IsWrittenAndTheSectionTextStays) {
    const NothingCase& c = GetParam();
    ApproachRun run(StraightDeck(c.fourCard));
    run.section = kSection;
    run.Process(c.card);
    EXPECT_EQ(run.Written(), "");
    EXPECT_EQ(run.run.state.headings.SectionNumber(), kSection);
    EXPECT_FALSE(run.run.state.runErrorFlag);
}

INSTANTIATE_TEST_SUITE_P(
    Card, Nothing,
    ::testing::Values(
        NothingCase{{"NeitherStation"}, LimitsCard(), ApproachCard("", "", "1500", {"      0"})},
        NothingCase{{"StationsBelowOneFoot"},
                    LimitsCard(),
                    ApproachCard("0.9", "0.5", "1500", {"      0"})},
        // Limits 23+30 to 23+50: back 23+30, 23+40, 23+50 and no ahead
        // station: three rows are not listed.
        NothingCase{{"ThreeRows"},
                    LimitsCard("2330.", "2350."),
                    ApproachCard("2350", "2650", "1500", {"      0"})},
        NothingCase{{"EveryStationOutsideTheLimits"},
                    LimitsCard("5000.", "6000."),
                    ApproachCard("2350", "2650", "1500", {"      0"})}),
    testsupport::CaseName());

TEST(SectionText, BlankedWhenTheTableIsWritten) {
    ApproachRun run(StraightDeck(LimitsCard("2320.", "2350.")));
    run.section = kSection;
    run.Process(ApproachCard("2350", "2650", "1500", {"      0"}));  // four rows
    EXPECT_EQ(TableRows(run.Written()).size(), 4u);
    EXPECT_EQ(run.run.state.headings.SectionNumber(), std::string(10, ' '));
    // The table's page heading shows no section number.
    const std::string written = run.Written();
    const size_t heading = written.find(" STRUCTURE ID:  ");
    ASSERT_NE(heading, std::string::npos);
    // Columns 27-45 of the heading line: the blanks around the section text.
    EXPECT_EQ(written.substr(heading + 26, 19), std::string(19, ' '));
}

TEST(SectionText, BlankedWhenEveryOffsetFieldIsBlank) {
    ApproachRun run(StraightDeck());
    run.section = kSection;
    run.Process(ApproachCard("2350", "2650", "1500"));
    EXPECT_EQ(run.Written(), "");
    EXPECT_EQ(run.run.state.headings.SectionNumber(), std::string(10, ' '));
}

// Station texts after an overlapping equation carry its number.
std::vector<std::string> Numbered(std::vector<std::string> texts) {
    for (std::string& text : texts) text = "1  " + text;
    return texts;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct EquationCase : approachtest::NamedCase {
    std::string back, ahead;  // the equation of the 01 card
    std::string begin, end, length;
    std::vector<std::string> backList, aheadList;  // as printed
};

class EquationLists : public ::testing::TestWithParam<EquationCase> {};

TEST_P(EquationLists, StationsOnWhole10FeetOnEitherSide) {
    const EquationCase& c = GetParam();
    ApproachRun run(StraightDeck(LimitsCard(), {EquationCard(c.back, c.ahead)}));
    run.Process(ApproachCard(c.begin, c.end, c.length, {"      0"}));
    const std::string written = run.Written();
    EXPECT_EQ(written.find("AMBIGUOUS"), std::string::npos);
    const auto blocks = Blocks(written);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(Stations(blocks[0], true), c.backList);
    EXPECT_EQ(Stations(blocks[0], false), c.aheadList);
}

// Worked by hand: a deck station s is the internal distance plus the shift
// of an equation it has passed; back stations move up and ahead stations
// down by s mod 10, and none crosses the equation.
INSTANTIATE_TEST_SUITE_P(
    Stationing, EquationLists,
    ::testing::Values(
        // Gap 25+00 = 25+25, structure 23+00 to 24+50 before it: the ahead
        // station at 25+25 would move to 24+95 across the gap and is left
        // out; 25+35 moves to 25+30 and so on.
        EquationCase{{"GapStructureBefore"},
                     "2500.",
                     "2525.",
                     "2300",
                     "2450",
                     "1500",
                     StationRange(2150, 2300),
                     Joined(StationRange(2450, 2490), StationRange(2530, 2620))},
        // Structure 26+00 to 29+00 after the gap: the back list starts at
        // 25+75 - 150 = 24+25 (internal), moved up to 24+30; 24+95 moves to
        // the equation itself and stays before it (25+00 back); past it
        // 25+30.
        EquationCase{{"GapStructureAfter"},
                     "2500.",
                     "2525.",
                     "2600",
                     "2900",
                     "1500",
                     Joined(StationRange(2430, 2500), StationRange(2530, 2600)),
                     StationRange(2900, 3050)},
        // Overlap 25+05 back = 24+50 ahead, structure 22+00 to 24+00 before
        // it: the ahead list runs to 25+00, then 25+10..25+50 internal move
        // down onto 1 24+50..1 24+90 (the first lands on the equation and
        // stays past it).
        EquationCase{{"OverlapStructureBefore"},
                     "2505.",
                     "2450.",
                     "2200",
                     "2400",
                     "1500",
                     StationRange(2050, 2200),
                     Joined(StationRange(2400, 2500), Numbered(StationRange(2450, 2490)))},
        // Structure 1 26+00 to 1 29+00 after the overlap, L 300 (R 32): back
        // from 26+55 - 300 = 23+55 internal, moved up to 23+60..25+00, then
        // 1 24+50..1 26+10; ahead from 29+55 - 10 internal, 1 28+90..1 32+00.
        EquationCase{{"OverlapStructureAfter"},
                     "2505.",
                     "2450.",
                     "2600",
                     "2900",
                     "3000",
                     Joined(StationRange(2360, 2500), Numbered(StationRange(2450, 2610))),
                     Numbered(StationRange(2890, 3200))}),
    testsupport::CaseName());

TEST(EquationStation, StationInTheOverlapIsReportedWithCard08) {
    ApproachRun run(StraightDeck(LimitsCard(), {EquationCard("2505.", "2450.")}));
    run.Process(ApproachCard("2480", "2900", "1500", {"      0"}));
    const std::string written = run.Written();
    bool reported = false;
    for (const std::string& line : Lines(written))
        reported = reported ||
                   (Columns(line, 26, 30) == "ERROR" &&
                    Columns(line, 40, 87) == "AMBIGUOUS OR NONEXISTENT STATION USED -- 08 CARD");
    EXPECT_TRUE(reported);
    // The station is still resolved and the table written; the box sets no
    // failure flag.
    EXPECT_NE(written.find("* ROADWAY  APPROACHES *"), std::string::npos);
    EXPECT_FALSE(run.run.state.runErrorFlag);
}

TEST(Paging, SevenOffsetsOf92RowsKeep46LinesUnderEveryHeader) {
    // Length 1000 (L 910, R 92), two lists apart, seven offsets: 7 x (92
    // rows + 1 empty line) = 651 lines, 46 under each header.
    ApproachRun run(StraightDeck());
    run.Process(ApproachCard(
        "2350", "2650", "10000",
        {"   -30.", "   -20.", "   -10.", "      0", "    10.", "    20.", "    30."}));
    const std::string written = run.Written();
    const auto blocks = Blocks(written);
    ASSERT_EQ(blocks.size(), 7u);
    for (const auto& block : blocks) {
        EXPECT_EQ(Stations(block, true), StationRange(1440, 2350));
        EXPECT_EQ(Stations(block, false), StationRange(2650, 3560));
    }
    const auto pages = Pages(written);
    ASSERT_GE(pages.size(), 2u);
    size_t rows = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p + 1 < pages.size()) {
            EXPECT_EQ(pages[p].size(), 46u) << "page " << p;
        } else {
            EXPECT_LE(pages[p].size(), 46u);
        }
        for (const std::string& line : pages[p]) rows += line.empty() ? 0u : 1u;
    }
    EXPECT_EQ(rows, 7u * 92u);
    // Every page of the table starts with a new page of the listing.
    EXPECT_EQ(static_cast<size_t>(std::count(written.begin(), written.end(), '\f')), pages.size());
}

TEST(Paging, CountReaching46AtTheEndOfABlockPagesAtTheNextRow) {
    // L 470 (R 48) clipped to 46 rows by the limits 19+00 to 31+00: the
    // first block fills the page (no empty line after it) and the second
    // starts the next page.
    ApproachRun run(StraightDeck(LimitsCard("1900.", "3100.")));
    run.Process(ApproachCard("2350", "2650", "4700", {"      0", "    10."}));
    const auto pages = Pages(run.Written());
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 46u);
    for (const std::string& line : pages[0]) EXPECT_EQ(Columns(line, 15, 26), "      0.0000");
    ASSERT_EQ(pages[1].size(), 46u);
    for (const std::string& line : pages[1]) EXPECT_EQ(Columns(line, 15, 26), "     10.0000");
}

TEST(Paging, NextOutputStartsANewPage) {
    ApproachRun run(StraightDeck());
    run.Process(ApproachCard("2350", "2650", "1500", {"      0"}));
    const int pages = run.run.listing.PageCounter();
    run.run.listing.WritePageHeading(1, 1);
    EXPECT_EQ(run.run.listing.PageCounter(), pages + 1);
}

struct AbbreviatedCase : approachtest::NamedCase {
    std::string begin, end;  // limits of the 04 card
    bool runError;
    size_t rows;                                             // rows in the block
    std::vector<std::pair<std::string, std::string>> first;  // first rows (back, ahead)
    bool note;
};

class Abbreviated : public ::testing::TestWithParam<AbbreviatedCase> {};

TEST_P(Abbreviated, FirstAndLastRowsAfterAFatalError) {
    const AbbreviatedCase& c = GetParam();
    ApproachRun run(StraightDeck(LimitsCard(c.begin, c.end)));
    run.Process(ApproachCard("2350", "2650", "4000", {"      0"}), c.runError);
    const std::string written = run.Written();
    const auto rows = TableRows(written);
    ASSERT_EQ(rows.size(), c.rows);
    for (size_t i = 0; i < c.first.size(); ++i) {
        EXPECT_EQ(rows[i].back.empty() ? "" : Stations({rows[i]}, true)[0], c.first[i].first);
        EXPECT_EQ(rows[i].ahead.empty() ? "" : Stations({rows[i]}, false)[0], c.first[i].second);
    }
    EXPECT_EQ(written.find("( ABBREVIATED DUE TO PREVIOUS )") != std::string::npos, c.note);
    EXPECT_EQ(written.find("FATAL ERROR CONDITION") != std::string::npos, c.note);
}

// Back list 19+50..23+80 and ahead list 26+20..30+50 (44 rows each), cut by
// the begin limit to N1 back stations and by the end limit to N2.
INSTANTIATE_TEST_SUITE_P(
    RunError, Abbreviated,
    ::testing::Values(
        // N1 0: a step of rows - 1 = 43, rows 1 and 44, right halves only.
        AbbreviatedCase{
            {"NoBackStation"}, "2390.", "", true, 2, {{"", "26+20"}, {"", "30+50"}}, true},
        // N1 1: a step of 43; row 1 both halves, row 44 the ahead station only.
        AbbreviatedCase{
            {"OneBackStation"}, "2380.", "", true, 2, {{"23+80", "26+20"}, {"", "30+50"}}, true},
        // N1 2: every row, no note.
        AbbreviatedCase{{"TwoBackStations"},
                        "2370.",
                        "",
                        true,
                        44,
                        {{"23+70", "26+20"}, {"23+80", "26+30"}, {"", "26+40"}},
                        false},
        // N1 30, N2 44: a step of 29, rows 1 and 30.
        AbbreviatedCase{{"AheadListLonger"},
                        "2090.",
                        "",
                        true,
                        2,
                        {{"20+90", "26+20"}, {"23+80", "29+10"}},
                        true},
        // N1 30, N2 10: rows 1 and 30, the last with the back station only.
        AbbreviatedCase{{"AheadListShorter"},
                        "2090.",
                        "2710.",
                        true,
                        2,
                        {{"20+90", "26+20"}, {"23+80", ""}},
                        true},
        AbbreviatedCase{{"WithoutAnErrorEveryRow"},
                        "2090.",
                        "",
                        false,
                        44,
                        {{"20+90", "26+20"}, {"21+00", "26+30"}},
                        false}),
    testsupport::CaseName());

struct BadFieldCase : approachtest::NamedCase {
    std::string card;
    std::string message;
};

class BadFields : public ::testing::TestWithParam<BadFieldCase> {};

TEST_P(BadFields, FatalBoxNamingItsColumnsAndNoTable) {
    const BadFieldCase& c = GetParam();
    ApproachRun run(StraightDeck());
    run.section = kSection;
    run.Process(c.card);
    const std::vector<std::string> lines = Lines(run.Written());
    // An empty line, the frame, the title, the message, the frame.
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], ErrorBoxLine());
    EXPECT_EQ(lines[2], ErrorBoxLine({{53, "FATAL ERROR -- 08 CARD"}}));
    const int blanks = (65 - static_cast<int>(c.message.size())) / 2;
    EXPECT_EQ(lines[3], ErrorBoxLine({{31 + blanks, c.message}}));
    EXPECT_EQ(lines[4], ErrorBoxLine());
    EXPECT_TRUE(run.run.state.runErrorFlag);
    EXPECT_EQ(run.run.state.headings.SectionNumber(), kSection);
}

INSTANTIATE_TEST_SUITE_P(
    Card, BadFields,
    ::testing::Values(BadFieldCase{{"BeginStation"},
                                   ApproachCard("23X0", "2650", "4000", {"      0"}),
                                   "INVALID NUMBER IN COLUMNS 3-9 (BEGIN STATION)"},
                      BadFieldCase{{"EndStation"},
                                   ApproachCard("2350", "26.5.0", "4000", {"      0"}),
                                   "INVALID NUMBER IN COLUMNS 10-16 (END STATION)"},
                      BadFieldCase{{"ApproachLength"},
                                   ApproachCard("2350", "2650", "4O00", {"      0"}),
                                   "INVALID NUMBER IN COLUMNS 17-24 (APPROACH LENGTH)"},
                      BadFieldCase{
                          {"SeventhOffset"},
                          ApproachCard("2350", "2650", "4000", {"0", "", "", "", "", "", "   1-2"}),
                          "INVALID NUMBER IN COLUMNS 73-80 (OFFSET 7)"},
                      BadFieldCase{{"BeyondADouble"},
                                   ApproachCard("  1E999", "2650", "4000", {"      0"}),
                                   "INVALID NUMBER IN COLUMNS 3-9 (BEGIN STATION)"},
                      BadFieldCase{{"FirstOfTwoIsNamed"},
                                   ApproachCard("2350", "2650", "  -+1", {"    ABC"}),
                                   "INVALID NUMBER IN COLUMNS 17-24 (APPROACH LENGTH)"}),
    testsupport::CaseName());

TEST(BadField, RunGoesOnWithTheNextProblemAndEndsWithStatus4) {
    // The sample deck twice, the first with a bad 08 card: the second
    // Problem's table is listed, abbreviated after the error (rows 1 and 44
    // of each of the five offsets), and the run ends with status 4.
    std::string deck;
    for (const std::string& line : SampleLines())
        deck += (line.rfind("08", 0) == 0 ? ApproachCard("23X0", "2650", "4000") : line) + "\n";
    for (const std::string& line : SampleLines()) deck += line + "\n";
    const testing::EngineResult result = testing::RunOnDeck(deck);
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.console, "");
    EXPECT_NE(result.listing.find("FATAL ERROR -- 08 CARD"), std::string::npos);
    EXPECT_NE(result.listing.find("( ABBREVIATED DUE TO PREVIOUS )"), std::string::npos);
    const auto blocks = Blocks(result.listing);
    ASSERT_EQ(blocks.size(), 5u);
    for (const auto& block : blocks) {
        EXPECT_EQ(Stations(block, true), (std::vector<std::string>{"19+50", "23+80"}));
        EXPECT_EQ(Stations(block, false), (std::vector<std::string>{"26+20", "30+50"}));
    }
}

TEST(Exponents, InEveryFieldReadAsTheSampleCard) {
    // The sample's 08 card punched with exponents gives the sample's table.
    const std::string card =
        ApproachCard("2.35E3", "2.65E3", "4.0E2", {"-2.2E1", "-1.2E1", "0E0", "1.2E1", "2.2E1"});
    ApproachRun exponents(SampleAlignment());
    exponents.Process(card);
    ApproachRun sample(SampleAlignment());
    sample.Process(SampleApproachCard());
    EXPECT_EQ(Blocks(sample.Written()).size(), 5u);
    EXPECT_EQ(exponents.Written(), sample.Written());
}

struct HugeCase : approachtest::NamedCase {
    std::string fourCard;
    std::string card;
    size_t rows;
    std::string firstStation;  // columns 7-14 of the first row
};

class HugeValues : public ::testing::TestWithParam<HugeCase> {};

TEST_P(HugeValues, ValuesListWithoutACrash) {
    const HugeCase& c = GetParam();
    ApproachRun run(StraightDeck(c.fourCard));
    run.Process(c.card);
    const auto rows = TableRows(run.Written());
    ASSERT_EQ(rows.size(), c.rows);
    if (!rows.empty()) {
        EXPECT_EQ(Columns(rows[0].line, 7, 14), c.firstStation);
    }
    EXPECT_FALSE(run.run.state.runErrorFlag);
}

INSTANTIATE_TEST_SUITE_P(Card, HugeValues,
                         ::testing::Values(
                             // Every field 1e30: L 910, two lists of 92 rows at 1e30 (beyond the
                             // station text), one offset (the seven are equal).
                             HugeCase{{"EveryField"},
                                      LimitsCard(),
                                      ApproachCard("   1E30", "   1E30", "    1E30",
                                                   {"    1E30", "    1E30", "    1E30", "    1E30",
                                                    "    1E30", "    1E30", "    1E30"}),
                                      92,
                                      "   *OVER"},
                             HugeCase{{"EveryFieldWithinLimits"},
                                      LimitsCard("1000.", "5000."),
                                      ApproachCard("   1E30", "   1E30", "    1E30", {"    1E30"}),
                                      0,
                                      ""},
                             HugeCase{{"NegativeBegin"},
                                      LimitsCard(),
                                      ApproachCard("  -1E30", "   2650", "    1500", {"      0"}),
                                      16,
                                      "   26+50"},
                             HugeCase{{"NegativeEnd"},
                                      LimitsCard(),
                                      ApproachCard("   2350", "  -1E30", "    1500", {"      0"}),
                                      16,
                                      "   22+00"},
                             HugeCase{{"NegativeLength"},
                                      LimitsCard(),
                                      ApproachCard("   2350", "   2650", "   -1E30", {"      0"}),
                                      16,
                                      "   22+00"},
                             HugeCase{{"Offsets"},
                                      LimitsCard(),
                                      ApproachCard("   2350", "   2650", "    1500",
                                                   {"   -1E30", "    1E30"}),
                                      32,
                                      "   22+00"}),
                         testsupport::CaseName());

TEST(Huge, OffsetsPrintAsterisks) {
    ApproachRun run(StraightDeck());
    run.Process(ApproachCard("2350", "2650", "1500", {"   -1E30"}));
    const auto rows = TableRows(run.Written());
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(Columns(rows[0].line, 15, 26), std::string(12, '*'));
    EXPECT_EQ(Columns(rows[0].line, 27, 38), std::string(12, '*'));
}

}  // namespace
}  // namespace quillon::engine
