// The line tables column by column in both builds: the bent-line table's
// heading and group titles with their groups per page, the longitudinal
// titles with their shift, base-chord and type 4 texts, the two row layouts,
// the point labels and the page breaks of the rows. Expected texts stand at
// the columns of the tables' layout; numbers are worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/deadload/tests/DeadLoadTestSupport.hpp"
#include "engine/points/LineTables.hpp"
#include "engine/run/tests/RunTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using testing::Card;
using testing::ListingRun;

const std::vector<std::string> kTableHeading = {
    "",
    Card({{1, "  BENT LINE  :"},
          {27, "INTERSECTION POINT"},
          {61, ":    FROM LAYOUT LINE   :  BENT LINE"},
          {111, ": GIRDER LINE   ROADWAY"}}),
    Card({{1, " DESCRIPTION :"},
          {61, ":   OFFSET     ORDINATE"},
          {85, ": LENGTH FROM     SKEW    : LENGTH FROM   CROSS-"}}),
    Card({{14, ":    STATION       OFFSET   ELEVATION"},
          {61, ":      X          Y     :    Y-AXIS     D  M  S"},
          {111, ":  REF LINE       SLOPE"}}),
};

std::vector<std::string> GroupTitle(const std::string& name, int nameColumn) {
    return {"", "", Card({{nameColumn, name}, {26, "  LINE *        AT FINISHED GRADE"}}), ""};
}

const std::vector<std::string> kLongitudinalHeader = {
    "",
    Card({{1, " BENT LINE"},
          {19, "STATION"},
          {33, "OFFSET   ELEVATION  ELEV+DL"},
          {68, "X"},
          {79, "Y"},
          {88, "BENT LNTH"},
          {103, "SKEW"},
          {113, "GIRDER LNTH   CRS-SLP"}}),
    "",
};

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(BentLineTable, HeadingAndControlGroupTitleColumnByColumn) {
    ListingRun r;
    LineTableState tables;
    WriteBentLineTableHeading(r.run.listing, tables, 5);
    EXPECT_EQ(r.Body(), Joined({kTableHeading, GroupTitle("* HORIZONTAL CONTROL", 6)}));
    EXPECT_EQ(r.run.listing.LinesLeft(), 50 - 8);
}

TEST(BentLineTable, FurtherGroupTitlesName) {
    ListingRun r;
    LineTableState tables;
    WriteBentLineTableHeading(r.run.listing, tables, 5);
    WriteBentLineGroupTitle(r.run.listing, tables, -1);
    WriteBentLineGroupTitle(r.run.listing, tables, 0);
    WriteBentLineGroupTitle(r.run.listing, tables, 1);
    const std::vector<std::string> body = r.Body();
    ASSERT_EQ(body.size(), 8u + 12u);
    EXPECT_EQ(body[10], Card({{18, "* LAYOUT  LINE *        AT FINISHED GRADE"}}));
    EXPECT_EQ(body[14], Card({{11, "* BACK  TANGENT  LINE *        AT FINISHED GRADE"}}));
    EXPECT_EQ(body[18], Card({{10, "* AHEAD  TANGENT  LINE *        AT FINISHED GRADE"}}));
}

struct GroupsCase {
    const char* name;
    int slots;
    int groupsPerPage;  // 46 div (slots + 5), at least 1
};

class GroupsPerPage : public ::testing::TestWithParam<GroupsCase> {};

TEST_P(GroupsPerPage, FollowFromTheRowsOfAGroup) {
    const GroupsCase& c = GetParam();
    ListingRun r;
    LineTableState tables;
    WriteBentLineTableHeading(r.run.listing, tables, c.slots + 1);
    EXPECT_EQ(tables.groupsPerPage, c.groupsPerPage);
    // The first page holds the control group and groupsPerPage - 1 more; the
    // next title starts page 2 with the table heading.
    for (int g = 1; g < c.groupsPerPage; ++g) WriteBentLineGroupTitle(r.run.listing, tables, -1);
    EXPECT_EQ(r.Pages(), 1);
    WriteBentLineGroupTitle(r.run.listing, tables, 1);
    EXPECT_EQ(r.Pages(), 2);
    const std::vector<std::string> body = r.Body();
    const std::vector<std::string> tail(body.end() - 8, body.end());
    EXPECT_EQ(tail, Joined({kTableHeading, GroupTitle("    * AHEAD  TANGENT", 6)}));
}

INSTANTIATE_TEST_SUITE_P(Slots, GroupsPerPage,
                         ::testing::Values(GroupsCase{"OneSlot", 1, 7},
                                           GroupsCase{"EighteenSlots", 18, 2},
                                           GroupsCase{"NineteenSlots", 19, 1},
                                           GroupsCase{"EightyOneSlots", 81, 1}),
                         testsupport::CaseName());

TEST(BentLineTable, ControlGroupContinuesBeforeRow43) {
    EXPECT_FALSE(ControlGroupBreaksBefore(42, 50));
    EXPECT_TRUE(ControlGroupBreaksBefore(43, 50));
    EXPECT_FALSE(ControlGroupBreaksBefore(44, 50));
    EXPECT_TRUE(ControlGroupBreaksBefore(86, 50));
    // Its continuation title: the control's name, "(CONT)" in 31-36, AT.
    ListingRun r;
    LineTableState tables;
    WriteBentLineTableHeading(r.run.listing, tables, 44);
    WriteContinuationTitle(r.run.listing, tables);
    EXPECT_EQ(r.Pages(), 2);
    const std::vector<std::string> body = r.Body();
    const std::vector<std::string> tail(body.end() - 5, body.end());
    EXPECT_EQ(
        tail,
        Joined(
            {{"", Card({{9, "* HORIZONTAL CONTROL"}, {31, "(CONT)"}, {117, "AT FINISHED GRADE"}})},
             kLongitudinalHeader}));
}

GirderLine Girder(int lineType, double shift) {
    GirderLine line;
    line.lineType = lineType;
    line.elevationShift = shift;
    line.description = {"GIRDER G3 ", "INTERIOR  "};
    return line;
}

// The title line of a girder line, after a line set's heading.
std::string TitleOf(GirderLine line, EngineVariant variant = EngineVariant::English,
                    const Type4TitleValues& type4 = {}) {
    ListingRun r(variant);
    LineTableState tables;
    double normalShift = 0.0;
    WriteLongitudinalTitle(r.run, tables, line, type4, normalShift);
    const std::vector<std::string> body = r.Body();
    EXPECT_EQ(body.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(body.begin() + 2, body.end()), kLongitudinalHeader);
    return body.size() > 1 ? body[1] : std::string();
}

TEST(LongitudinalTitle, ShiftBelowInBothBuilds) {
    // -10.5 inches = -0.875 ft: 0.875 ft is 0.26670053 m, 266.70 mm.
    EXPECT_EQ(TitleOf(Girder(0, -0.875)), Card({{9, "GIRDER G3 INTERIOR"},
                                                {42, "PARALLEL TO HORIZONTAL CONTROL"},
                                                {99, " 0.875000 FEET BELOW FINISHED GRADE"}}));
    EXPECT_EQ(TitleOf(Girder(0, -0.875), EngineVariant::Metric),
              Card({{9, "GIRDER G3 INTERIOR"},
                    {42, "PARALLEL TO HORIZONTAL CONTROL"},
                    {99, "   266.70   mm BELOW FINISHED GRADE"}}));
}

TEST(LongitudinalTitle, ShiftBelowEightMillionthsIsAt) {
    EXPECT_EQ(TitleOf(Girder(2, 0.0000079)), Card({{9, "GIRDER G3 INTERIOR"},
                                                   {47, "PARALLEL TO LAYOUT LINE"},
                                                   {117, "AT FINISHED GRADE"}}));
    // Exactly 0.000008 ft is a shift: 0.0024 mm prints 0.00 ABOVE.
    EXPECT_EQ(TitleOf(Girder(3, 0.000008), EngineVariant::Metric),
              Card({{9, "GIRDER G3 INTERIOR"},
                    {47, "FLARED GIRDER LINE"},
                    {99, "     0.00   mm ABOVE FINISHED GRADE"}}));
    EXPECT_EQ(TitleOf(Girder(3, 0.000008)), Card({{9, "GIRDER G3 INTERIOR"},
                                                  {47, "FLARED GIRDER LINE"},
                                                  {99, " 0.000008 FEET ABOVE FINISHED GRADE"}}));
}

TEST(LongitudinalTitle, SegmentedLineNamesItsBaseChordOffset) {
    GirderLine line = Girder(1, 0.0);
    line.initialOffset = 12.5;  // 3.8100 m
    EXPECT_EQ(TitleOf(line), Card({{9, "GIRDER G3 INTERIOR"},
                                   {42, "SEGMENTED GIRD LINE "},
                                   {62, "   12.5000 FT  FROM BASE CHORD"},
                                   {117, "AT FINISHED GRADE"}}));
    EXPECT_EQ(TitleOf(line, EngineVariant::Metric), Card({{9, "GIRDER G3 INTERIOR"},
                                                          {42, "SEGMENTED GIRD LINE "},
                                                          {62, "    3.8100  m  FROM BASE CHORD"},
                                                          {117, "AT FINISHED GRADE"}}));
}

TEST(LongitudinalTitle, Type4LineWithANominalOffsetKeepsItsTerminalOffset) {
    GirderLine line = Girder(4, 0.5);
    line.initialOffset = 14.0;
    line.initialOffsetType = kNormalFromControl;
    line.terminalOffset = 3.25;
    line.terminalOffsetType = kType4TerminalOffset;
    Type4TitleValues v;
    v.baseOffset = 5.0;
    v.addedOffset = 2.0;
    ListingRun r;
    LineTableState tables;
    double normalShift = 0.0;
    WriteLongitudinalTitle(r.run, tables, line, v, normalShift);
    EXPECT_EQ(r.Body()[1], Card({{9, "GIRDER G3 INTERIOR"},
                                 {42, "VARIES WITH SUPER     NOMINAL "},
                                 {72, "OFFSET =   3.2500-U-"},
                                 {99, "  0.5000 NORMAL FROM FINISHED GRADE"}}));
    // d = 14 - 5 + 2 (offset type 4 is above 2 and even).
    EXPECT_DOUBLE_EQ(line.terminalOffset, 11.0);
    EXPECT_DOUBLE_EQ(line.initialOffset, 3.25);
    EXPECT_DOUBLE_EQ(normalShift, 0.5);
}

TEST(LongitudinalTitle, Type4LineOffsetFollowsTheAverageSlope) {
    // Offset type 3: d = 14 - 5 + 2 = 11, then sqrt(1 + 0.02^2) 11 - 0.02 x
    // 0.5 = 10.9921998; with theta = atan(0.06) the offset is 5 + d cos
    // theta - 0.5 sin theta = 15.9425209 ft (4.8593 m); 0.5 ft = 0.1524 m.
    GirderLine line = Girder(4, 0.5);
    line.initialOffset = 14.0;
    line.initialOffsetType = kBentFromControl;
    Type4TitleValues v;
    v.baseOffset = 5.0;
    v.addedOffset = 2.0;
    v.f1 = std::sqrt(1.0 + 0.02 * 0.02);
    v.f2 = 0.02;
    v.unit = {std::cos(std::atan(0.06)), std::sin(std::atan(0.06))};
    GirderLine metric = line;
    EXPECT_EQ(TitleOf(line, EngineVariant::English, v),
              Card({{9, "GIRDER G3 INTERIOR"},
                    {42, "VARIES WITH SUPER     NOMINAL "},
                    {72, "OFFSET =  15.9425 FT"},
                    {99, "  0.5000 NORMAL FROM FINISHED GRADE"}}));
    EXPECT_EQ(TitleOf(metric, EngineVariant::Metric, v),
              Card({{9, "GIRDER G3 INTERIOR"},
                    {42, "VARIES WITH SUPER     NOMINAL "},
                    {72, "OFFSET =   4.8593  m"},
                    {99, "  0.1524 NORMAL FROM FINISHED GRADE"}}));
}

TEST(LongitudinalTitle, ShiftsThatDifferBy0_00021MarkTheAuxiliaryOutput) {
    struct Case {
        double second;
        bool fatal;
        AuxOutputStatus status;
    };
    for (const Case& c : {Case{0.00021, false, AuxOutputStatus::ShiftNotConstant},
                          Case{0.000209, false, AuxOutputStatus::NoFault},
                          Case{0.00021, true, AuxOutputStatus::NoFault}}) {
        ListingRun r;
        LineTableState tables;
        double normalShift = 0.0;
        GirderLine first = Girder(0, 0.0), second = Girder(0, c.second);
        r.run.state.fatalFlag = c.fatal;
        WriteLongitudinalTitle(r.run, tables, first, {}, normalShift);
        WriteLongitudinalTitle(r.run, tables, second, {}, normalShift);
        EXPECT_EQ(r.run.state.auxOutputStatus, c.status) << c.second << " " << c.fatal;
    }
}

TEST(LongitudinalTitle, ContinuationRepeatsTheTitleWithCont) {
    ListingRun r;
    LineTableState tables;
    double normalShift = 0.0;
    GirderLine line = Girder(0, -0.875);
    WriteLongitudinalTitle(r.run, tables, line, {}, normalShift);
    WriteContinuationTitle(r.run.listing, tables);
    const std::vector<std::string> body = r.Body();
    ASSERT_EQ(body.size(), 10u);
    EXPECT_EQ(body[6], Card({{9, "GIRDER G3 INTERIOR"},
                             {31, "(CONT)"},
                             {42, "PARALLEL TO HORIZONTAL CONTROL"},
                             {99, " 0.875000 FEET BELOW FINISHED GRADE"}}));
    EXPECT_EQ(r.Pages(), 2);
}

TEST(PointLabel, LetterAndNumberSqueezed) {
    EXPECT_EQ(MakePointLabel('E', 12), "    E-12  ");
    EXPECT_EQ(MakePointLabel('X', -7), "    X-7   ");
    EXPECT_EQ(MakePointLabel('X', 0), "    X-0   ");
    EXPECT_EQ(MakePointLabel('D', 9999), "    D-9999");
    EXPECT_EQ(MakePointLabel('X', 10000), "    X-****");
}

TEST(Rows, BentLineRowColumnByColumnInBothBuilds) {
    BentLineRowValues v;
    v.description = "CL PIER 2 ";
    v.station = {"     24+40", ".0000     "};
    v.offset = 0.0;
    v.elevation = "  628.5206";
    v.fractionalPoints = "(  10    )";
    v.x = -1.25;
    v.y = 90.0;
    v.bentLength = 20.3042;
    v.skew = {"  10 00 00", ".00       "};
    v.girderLength = 90.0;
    v.crossSlope = "  0.060000";
    ListingRun r;
    EXPECT_EQ(BentLineRow(r.run.state, v), Card({{2, "CL PIER 2 "},
                                                 {15, "     24+40.0000"},
                                                 {28, "     0.0000"},
                                                 {41, "  628.5206"},
                                                 {52, "(  10    )"},
                                                 {62, "   -1.2500"},
                                                 {72, "     90.0000"},
                                                 {84, "      20.3042"},
                                                 {98, "  10 00 00.00"},
                                                 {111, "     90.0000"},
                                                 {124, "  0.060000"}}));
    // QlMetr converts the five lengths: 90 ft = 27.4321 m, 1.25 ft = 0.3810 m,
    // 20.3042 ft = 6.1887 m.
    ListingRun m(EngineVariant::Metric);
    EXPECT_EQ(BentLineRow(m.run.state, v), Card({{2, "CL PIER 2 "},
                                                 {15, "     24+40.0000"},
                                                 {28, "     0.0000"},
                                                 {41, "  628.5206"},
                                                 {52, "(  10    )"},
                                                 {62, "   -0.3810"},
                                                 {72, "     27.4321"},
                                                 {84, "       6.1887"},
                                                 {98, "  10 00 00.00"},
                                                 {111, "     27.4321"},
                                                 {124, "  0.060000"}}));
}

TEST(Rows, LongitudinalRowPrintsItsSlotsAtTheirColumns) {
    // Each slot filled with its own letter shows which characters print.
    PointRecord record;
    for (int s = 1; s <= PointRecord::kSlots; ++s)
        record.Set(s, std::string(10, static_cast<char>('A' + s - 1)));
    const std::string row = LongitudinalRow(record).str();
    EXPECT_EQ(row, Card({{2, std::string(10, 'A')},
                         {15, std::string(10, 'B') + "CCC"},
                         {28, std::string(10, 'D') + "EEE"},
                         {41, std::string(10, 'F')},
                         {51, std::string(9, 'G')},
                         {60, std::string(10, 'H') + "II"},
                         {72, std::string(10, 'J') + "KKK"},
                         {85, std::string(10, 'L') + "MMM"},
                         {98, std::string(10, 'N') + "OOO"},
                         {111, std::string(10, 'P') + "QQQ"},
                         {124, std::string(10, 'R')}}));
    EXPECT_EQ(row.size(), 133u);
}

// The rows of each page for a line of n points.
std::vector<int> PageSplit(int n) {
    std::vector<int> pages;
    LongitudinalRowPager pager(n, 50);
    for (int i = 1; i <= n; ++i) {
        const bool newPage = pager.BreakBefore(i);
        if (i == 1 || newPage) pages.push_back(0);
        ++pages.back();
    }
    return pages;
}

TEST(Rows, LongitudinalLinesSplitKeepingTheLastThreeRowsTogether) {
    EXPECT_EQ(PageSplit(45), (std::vector<int>{45}));
    EXPECT_EQ(PageSplit(46), (std::vector<int>{43, 3}));
    EXPECT_EQ(PageSplit(47), (std::vector<int>{44, 3}));
    EXPECT_EQ(PageSplit(100), (std::vector<int>{45, 45, 10}));
    EXPECT_EQ(PageSplit(0), (std::vector<int>{}));
}

}  // namespace
}  // namespace quillon::engine
