// The pieces of the ROADWAY APPROACHES table: which offsets are listed and in
// what order, which rows after a fatal error, and the columns of the header,
// the note and the rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/approaches/ApproachTable.hpp"
#include "engine/approaches/tests/ApproachTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using approachtest::ApproachCard;
using approachtest::Columns;

struct OffsetsCase : approachtest::NamedCase {
    std::vector<std::string> fields;  // the seven offset fields as punched
    std::vector<double> expected;
};

class Offsets : public ::testing::TestWithParam<OffsetsCase> {};

TEST_P(Offsets, AscendingEachOnceWithoutBlankFields) {
    const OffsetsCase& c = GetParam();
    RoadApproachCard card;
    ASSERT_FALSE(ReadRoadApproachCard(ApproachCard("2350", "2650", "4000", c.fields), card).failed);
    EXPECT_EQ(ApproachOffsets(card), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Approach, Offsets,
    ::testing::Values(
        // The sample bridge: 0 punched is used, the two blank fields are not.
        OffsetsCase{{"SampleBridge"},
                    {" -220000", " -120000", "       0", "  120000", "  220000"},
                    {-22.0, -12.0, 0.0, 12.0, 22.0}},
        OffsetsCase{{"SortedAscending"},
                    {"    22.", "", "   -12.", "      0", "", "   -22.", "    12."},
                    {-22.0, -12.0, 0.0, 12.0, 22.0}},
        // 12.0 twice and 1e-7 within 1e-6 of 0: each listed once.
        OffsetsCase{{"DuplicatesWithinAMillionth"},
                    {"    12.", "   12.0", "      0", ".0000001"},
                    {0.0, 12.0}},
        // 0.000001 above 0 is not less than 0.000001 above it: both listed.
        OffsetsCase{{"AMillionthApartIsTwoOffsets"}, {"      0", ".000001"}, {0.0, 0.000001}},
        // The blank fields sort as 0 beside the punched 0.
        OffsetsCase{{"PunchedZeroAmongBlanks"}, {"", "", "      0", "", "   -5."}, {-5.0, 0.0}},
        OffsetsCase{{"NegativeZeroIsZero"}, {"     -0"}, {0.0}},
        OffsetsCase{{"SevenBlankFields"}, {}, {}},
        OffsetsCase{{"AllSevenUsed"},
                    {"     7.", "     6.", "     5.", "     4.", "     3.", "     2.", "     1."},
                    {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0}}),
    testsupport::CaseName());

struct StepCase : approachtest::NamedCase {
    bool runError;
    int backEntries, rows;
    int expected;
};

class Step : public ::testing::TestWithParam<StepCase> {};

TEST_P(Step, RowsListedAfterAFatalError) {
    const StepCase& c = GetParam();
    EXPECT_EQ(ApproachRowStep(c.runError, c.backEntries, c.rows), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Approach, Step,
    ::testing::Values(StepCase{{"EveryRowWithoutAnError"}, false, 30, 44, 1},
                      // N1 - 1: rows 1 and N1
                      StepCase{{"FirstAndLastOfTheBackList"}, true, 30, 44, 29},
                      StepCase{{"BackListLongerThanTheAheadList"}, true, 30, 30, 29},
                      // N1 2: every row
                      StepCase{{"TwoBackStations"}, true, 2, 44, 1},
                      // N1 1 or 0: rows - 1, the first and last rows
                      StepCase{{"OneBackStation"}, true, 1, 44, 43},
                      StepCase{{"NoBackStation"}, true, 0, 44, 43},
                      // never below 1, so the row loop always ends
                      StepCase{{"NeverBelowOne"}, true, 0, 1, 1},
                      StepCase{{"NeverBelowOneWithoutRows"}, true, 0, 0, 1}),
    testsupport::CaseName());

// Every column of `line` outside [first, last] ranges is blank.
void ExpectBlankOutside(const std::string& line, const std::vector<std::pair<int, int>>& kept) {
    for (int column = 1; column <= static_cast<int>(line.size()); ++column) {
        bool inside = false;
        for (const auto& [first, last] : kept)
            inside = inside || (column >= first && column <= last);
        if (!inside) {
            EXPECT_EQ(line[static_cast<size_t>(column - 1)], ' ') << "column " << column;
        }
    }
}

TEST(Layout, HeaderLinesColumnByColumn) {
    const std::vector<std::string> header = ApproachTableHeader();
    ASSERT_EQ(header.size(), 4u);
    EXPECT_EQ(header[0], "");
    EXPECT_EQ(Columns(header[1], 57, 79), "* ROADWAY  APPROACHES *");
    EXPECT_EQ(header[1].size(), 79u);
    ExpectBlankOutside(header[1], {{57, 79}});
    const std::string& captions = header[2];
    EXPECT_EQ(Columns(captions, 8, 14), "STATION");
    EXPECT_EQ(Columns(captions, 21, 38), "OFFSET   ELEVATION");
    EXPECT_EQ(Columns(captions, 43, 53), "CROSS-SLOPE");
    EXPECT_EQ(Columns(captions, 83, 89), "STATION");
    EXPECT_EQ(Columns(captions, 96, 113), "OFFSET   ELEVATION");
    EXPECT_EQ(Columns(captions, 118, 128), "CROSS-SLOPE");
    EXPECT_EQ(captions.size(), 128u);
    ExpectBlankOutside(captions, {{8, 14}, {21, 38}, {43, 53}, {83, 89}, {96, 113}, {118, 128}});
    EXPECT_EQ(header[3], "");
}

TEST(Layout, AbbreviationNoteColumnByColumn) {
    const std::vector<std::string> note = AbbreviationNote();
    ASSERT_EQ(note.size(), 3u);
    EXPECT_EQ(Columns(note[0], 53, 83), "( ABBREVIATED DUE TO PREVIOUS )");
    EXPECT_EQ(note[0].size(), 83u);
    ExpectBlankOutside(note[0], {{53, 83}});
    EXPECT_EQ(Columns(note[1], 53, 53), "(");
    EXPECT_EQ(Columns(note[1], 58, 78), "FATAL ERROR CONDITION");
    EXPECT_EQ(Columns(note[1], 83, 83), ")");
    EXPECT_EQ(note[1].size(), 83u);
    ExpectBlankOutside(note[1], {{53, 53}, {58, 78}, {83, 83}});
    EXPECT_EQ(note[2], "");
}

const ApproachHalf kBack{"   20+00", -22.0, 618.7628, " -0.010782"};
const ApproachHalf kAhead{"   26+50", 22.0, 626.2425, " -0.060000"};

TEST(Layout, RowWithBothHalves) {
    const std::string row = ApproachRow(kBack, kAhead);
    EXPECT_EQ(row.size(), 127u);
    EXPECT_EQ(Columns(row, 7, 14), "   20+00");
    EXPECT_EQ(Columns(row, 15, 26), "    -22.0000");  // F12.4
    EXPECT_EQ(Columns(row, 27, 38), "    618.7628");
    EXPECT_EQ(Columns(row, 43, 52), " -0.010782");
    EXPECT_EQ(Columns(row, 82, 89), "   26+50");
    EXPECT_EQ(Columns(row, 90, 101), "     22.0000");
    EXPECT_EQ(Columns(row, 102, 113), "    626.2425");
    EXPECT_EQ(Columns(row, 118, 127), " -0.060000");
    ExpectBlankOutside(row, {{7, 38}, {43, 52}, {82, 113}, {118, 127}});
}

TEST(Layout, LeftOnlyRowEndsAfterColumn52) {
    const std::string row = ApproachRow(kBack, std::nullopt);
    EXPECT_EQ(row.size(), 52u);
    EXPECT_EQ(row, ApproachRow(kBack, kAhead).substr(0, 52));
}

TEST(Layout, RightOnlyRowIsBlankUpToColumn81) {
    const std::string row = ApproachRow(std::nullopt, kAhead);
    EXPECT_EQ(row.size(), 127u);
    EXPECT_EQ(Columns(row, 1, 81), std::string(81, ' '));
    EXPECT_EQ(row.substr(81), ApproachRow(kBack, kAhead).substr(81));
}

TEST(Layout, BlankCrossSlopeAndValuesTooWideForTheirColumns) {
    // A cross slope left blank by the evaluator keeps its 10 columns; a value
    // that does not fit F12.4 prints 12 asterisks.
    const ApproachHalf half{"   *OVER", 1.0e30, -1.0e30, std::string(10, ' ')};
    const std::string row = ApproachRow(half, half);
    EXPECT_EQ(Columns(row, 7, 14), "   *OVER");
    EXPECT_EQ(Columns(row, 15, 26), std::string(12, '*'));
    EXPECT_EQ(Columns(row, 27, 38), std::string(12, '*'));
    EXPECT_EQ(Columns(row, 43, 52), std::string(10, ' '));
    EXPECT_EQ(row.size(), 127u);
}

}  // namespace
}  // namespace quillon::engine
