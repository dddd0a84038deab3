// The checks of the 05 cards: every box column by column with its page
// control, the designations they settle and how far the girder lines are cut.
#include <gtest/gtest.h>

#include "LineSetTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using linesettest::Card;
using linesettest::CurvedAlignment;
using linesettest::ExpectBox;
using linesettest::LineSetRun;
using linesettest::NoSteps;
using linesettest::ReferenceCard;

const std::string kBent = Card({{1, "06"}, {3, "50."}, {29, "PIER"}});
const std::string kReference = ReferenceCard("1200.", "0", "1", "1");

// A girder line card: line type, initial offset type and the columns given.
std::string Girder(const std::string& type, const std::string& initialType, const std::string& name,
                   const linesettest::Fields& more = {}) {
    return linesettest::With(
        Card({{1, "05"}, {3, type}, {4, "  -10.00"}, {12, initialType}, {30, name}}), more);
}

// "GIRDER LINE:  " and 20 characters stand at 46, 31 + (65 - 34) / 2.
const std::string kNameA = "GIRDER LINE:  GIRDER A            ";

TEST(GirderLineChecks, ColumnFiftySixOnALineNotParallelToTheControl) {
    LineSetRun run(CurvedAlignment(), {kReference, Girder("2", "4", "GIRDER A", {{56, "X"}}),
                                       Girder("0", "4", "GIRDER B", {{56, "0"}}), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    ExpectBox(run, {{46, kNameA}, {50, "COL 3 CONFLICTS WITH COL 56"}, {56, "COL 56 IGNORED"}});
    // No type 4 lines: no line of constant offset either.
    EXPECT_EQ(run.LineSet().constantOffsetLine, -1);
    EXPECT_EQ(run.LineSet().girders.Line(1).constantOffsetCode, 0);
}

TEST(GirderLineChecks, ColumnFiftySixNamesTheLineOfConstantOffset) {
    // Crown type A lets the type 4 line through; the second column-56 line
    // (the first of type 0) is the line of constant offset.
    LineSetRun run({linesettest::kCurveCard, linesettest::kVerticalCard,
                    Card({{1, "03"}, {3, "A"}, {4, ".02"}})},
                   {kReference, Girder("4", "4", "GIRDER A", {{56, "1"}}),
                    Girder("0", "4", "GIRDER B", {{56, "0"}}), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.LineSet().constantOffsetLine, 2);
    LineSetRun control({linesettest::kCurveCard, linesettest::kVerticalCard,
                        Card({{1, "03"}, {3, "B"}, {4, ".02"}})},
                       {kReference, Girder("4", "4", "GIRDER A"), kBent});
    ASSERT_TRUE(control.Run(NoSteps()));
    EXPECT_EQ(control.LineSet().constantOffsetLine, 0);  // the control itself
}

TEST(GirderLineChecks, SegmentedLineTakesOffsetTypeFive) {
    LineSetRun run(CurvedAlignment(), {kReference, Girder("1", "4", "GIRDER A"), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    ExpectBox(run,
              {{46, kNameA}, {50, "COL 3 CONFLICTS WITH COL 12"}, {52, "COL 12 ASSUMED TO BE 5"}});
    EXPECT_EQ(run.LineSet().girders.Line(1).initialOffsetType, kNormalFromBase);
}

TEST(GirderLineChecks, ColumnFiftyOnALineNotParallelToTheControl) {
    LineSetRun run(CurvedAlignment(), {kReference, Girder("1", "5", "GIRDER S"),
                                       Girder("2", "4", "GIRDER A", {{50, "X"}}),
                                       Girder("0", "4", "GIRDER B", {{50, "X"}}), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    ExpectBox(run, {{46, kNameA}, {50, "COL 3 CONFLICTS WITH COL 50"}, {56, "COL 50 IGNORED"}});
    EXPECT_EQ(run.LineSet().baseGirderLine, 3);
}

TEST(GirderLineChecks, BaseLineIsDroppedWithoutSegmentedLines) {
    LineSetRun run(CurvedAlignment(),
                   {kReference, Girder("0", "4", "GIRDER B", {{50, "X"}}), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.LineSet().baseGirderLine, 0);
}

TEST(GirderLineChecks, ChordColumnOnALineThatCannotCarryTheChord) {
    // A chord layout line (column 26 = 2); a line of type 2 cannot be its
    // chord, a line of type 0 with initial offset type 4 can.
    LineSetRun run(CurvedAlignment(), {ReferenceCard("1200.", "0", "1", "2"),
                                       Girder("2", "4", "GIRDER A", {{51, "X"}}),
                                       Girder("0", "4", "GIRDER B", {{51, "X"}}),
                                       Card({{1, "06"}, {3, "50."}, {29, "PIER"}, {41, "X"}})});
    ASSERT_TRUE(run.Run(NoSteps()));
    ExpectBox(
        run, {{46, kNameA}, {45, "COL 51 CONFLICTS WITH COL 3, 12 OR 21"}, {56, "COL 51 IGNORED"}});
    EXPECT_EQ(run.LineSet().chordGirderLine, 2);
}

TEST(GirderLineChecks, ChordGirderLineNeedsAnOffset) {
    // A valid chord girder line at offset 0 ends the search without becoming
    // the chord girder line; the next one is not looked at.
    LineSetRun run(CurvedAlignment(), {ReferenceCard("1200.", "0", "1", "2"),
                                       Girder("0", "4", "GIRDER A", {{4, "    0.00"}, {51, "X"}}),
                                       Girder("0", "4", "GIRDER B", {{51, "X"}}),
                                       Card({{1, "06"}, {3, "50."}, {29, "PIER"}, {41, "X"}})});
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.LineSet().chordGirderLine, 0);
}

TEST(GirderLineChecks, TerminalOffsetOnALineThatIsNotFlared) {
    LineSetRun run(
        CurvedAlignment(),
        {kReference, Girder("0", "4", "GIRDER A", {{13, "    5.00"}, {21, "3"}}), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    ExpectBox(run, {{46, kNameA}, {50, "COL 3 CONFLICTS WITH COL 21"}, {54, "COLS 13-21 IGNORED"}});
    EXPECT_EQ(run.LineSet().girders.Line(1).terminalOffsetType, 0);
    EXPECT_EQ(run.LineSet().girders.Line(1).terminalOffset, 0.0);
    EXPECT_EQ(run.LineSet().girders.count, 1);
}

TEST(GirderLineChecks, BlankLineIsTakenNormalToTheControl) {
    // Blank description, all codes and the offset zero: initial offset type 4.
    LineSetRun run(CurvedAlignment(), {kReference, "05", kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    ExpectBox(run, {{46, "GIRDER LINE:                      "},
                    {45, "COL 12 OUT OF RANGE, ASSUMED TO BE 4"}});
    EXPECT_EQ(run.LineSet().girders.Line(1).initialOffsetType, kNormalFromControl);
    EXPECT_EQ(run.LineSet().girders.count, 1);
    EXPECT_FALSE(run.run.state.runErrorFlag);
}

TEST(GirderLineChecks, LineOutOfRangeIsFatalForItAndTheLinesAfterTheFirst) {
    // "FATAL ERROR -- GIRDER LINE:  " and the name: 49 characters at 39; the
    // range message stands with 23 blanks before it, at 54.
    LineSetRun run(CurvedAlignment(),
                   {kReference, Girder("0", "4", "GIRDER Z"), Girder("7", "4", "GIRDER A"),
                    Girder("0", "4", "GIRDER C"), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    ExpectBox(run, {{39, "FATAL ERROR -- " + kNameA}, {54, "COL 3, 12 OR 21 OUT OF RANGE"}});
    EXPECT_EQ(run.LineSet().girders.count, 1);
    EXPECT_TRUE(run.run.state.runErrorFlag);
    EXPECT_FALSE(run.run.state.fatalFlag);  // the line set goes on
}

struct CutCase {
    const char* name;
    std::vector<std::string> girders;
    int count;
};

class GirderLineCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(GirderLineCut, CountAfterTheFaults) {
    const CutCase& c = GetParam();
    std::vector<std::string> deck{kReference};
    deck.insert(deck.end(), c.girders.begin(), c.girders.end());
    deck.push_back(kBent);
    LineSetRun run(CurvedAlignment(), deck);
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.LineSet().girders.count, c.count);
}

const std::string kGood = Girder("0", "4", "GOOD");
const std::string kBad = Girder("0", "9", "BAD");

INSTANTIATE_TEST_SUITE_P(
    Cases, GirderLineCut,
    ::testing::Values(
        CutCase{"FirstBad", {kBad, kGood, kGood}, 0}, CutCase{"SecondBad", {kGood, kBad, kGood}, 1},
        // a later fault never brings back a line an earlier one cut
        CutCase{"FirstAndThirdBad", {kBad, kGood, kBad}, 0},
        CutCase{"NoneBad", {kGood, kGood, kGood}, 3},
        // a segmented first line without its base line is cut too
        CutCase{"SegmentedFirstBaseAfterTheFault",
                {Girder("1", "5", "SEG"), kBad, Girder("0", "4", "BASE", {{50, "X"}})},
                0},
        CutCase{"SegmentedFirstBaseBeforeTheFault",
                {Girder("1", "5", "SEG"), Girder("0", "4", "BASE", {{50, "X"}}), kBad},
                1},
        CutCase{"FlaredWithoutTerminalOffset", {kGood, Girder("3", "4", "FLARED")}, 1}),
    quillon::testsupport::CaseName());

TEST(GirderLineChecks, FaultDropsTheDesignationsOfItsLineAndCopiesTheFirstLinesRequest) {
    LineSetRun run(CurvedAlignment(),
                   {ReferenceCard("1200.", "0", "1", "2"), Girder("0", "4", "FIRST", {{53, "Q"}}),
                    Girder("0", "9", "CHORD", {{51, "X"}}),
                    Card({{1, "06"}, {3, "50."}, {29, "PIER"}, {41, "X"}})});
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.LineSet().chordGirderLine, 0);
    EXPECT_EQ(run.LineSet().girders.Line(1).exteriorCode, 17);  // "Q"
}

TEST(GirderLineChecks, TypeFourLinesNeedCrownTypeAOrB) {
    // Crown type C: the 05 box (its lines at 52, 41, 44), the girder lines
    // cut to the first (none when it is itself of type 4), no type 4 steps.
    for (bool typeFourFirst : {false, true}) {
        std::vector<std::string> deck{kReference};
        if (!typeFourFirst) deck.push_back(kGood);
        deck.push_back(Girder("4", "4", "TYPE 4"));
        deck.push_back(kGood);
        deck.push_back(kBent);
        LineSetRun run(CurvedAlignment(), deck);
        ASSERT_TRUE(run.Run(NoSteps()));
        ExpectBox(run, {{52, "FATAL ERROR -- 05 CARDS"},
                        {41, "GIRDER LINE TYPE 4 (OFFSET VARIES WITH SUPER)"},
                        {44, "MAY BE USED ONLY WITH CROWN TYPE A OR B"}});
        EXPECT_EQ(run.LineSet().girders.count, typeFourFirst ? 0 : 1);
        EXPECT_EQ(run.LineSet().constantOffsetLine, -1);
        EXPECT_TRUE(run.run.state.runErrorFlag);
        EXPECT_FALSE(run.run.state.fatalFlag);
    }
}

TEST(GirderLineChecks, FieldThatIsNotANumberIsFatalForItsLine) {
    // Never "ASSUMED TO BE 4": the name (46 ... at 39) and the field
    // "INVALID NUMBER IN COLUMNS 4-11 (INITIAL OFFSET)" (47 characters, at 40).
    LineSetRun run(CurvedAlignment(), {kReference, Girder("0", "4", "GIRDER Z"),
                                       Girder("0", "4", "GIRDER A", {{4, " 10.0.0 "}}), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    ExpectBox(run, {{39, "FATAL ERROR -- " + kNameA},
                    {40, "INVALID NUMBER IN COLUMNS 4-11 (INITIAL OFFSET)"}});
    EXPECT_EQ(run.LineSet().girders.count, 1);
    EXPECT_TRUE(run.run.state.runErrorFlag);
    EXPECT_EQ(run.IndexOf("ASSUMED TO BE 4"), -1);
}

TEST(GirderLineChecks, BoxStartsANewPageWhenFewerThanSixLinesAreLeft) {
    LineSetRun run(CurvedAlignment(), {kReference, Girder("0", "9", "GIRDER A"), kBent});
    ASSERT_TRUE(run.Process());
    run.LeaveLines(5);
    const int page = run.run.listing.PageCounter();
    ASSERT_TRUE(run.Next(NoSteps()));
    EXPECT_EQ(run.run.listing.PageCounter(), page + 1);
    const std::string text = run.listing.str();
    const size_t box = text.find("COL 3, 12 OR 21 OUT OF RANGE");
    const size_t feed = text.rfind('\f', box);
    ASSERT_NE(feed, std::string::npos);
    // After the page heading: the empty line, the frame, the name, the message.
    const size_t heading = text.find("PAGE   " + std::to_string(page + 1), feed);
    EXPECT_EQ(text.substr(heading + 8, 2), "\n\n");
}

}  // namespace
}  // namespace quillon::engine
