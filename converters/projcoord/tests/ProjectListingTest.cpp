#include <gtest/gtest.h>

#include <string>

#include "converters/common/tests/PlacedText.hpp"
#include "converters/projcoord/ProjectListing.hpp"
#include "testsupport/CaseName.hpp"

namespace pc = quillon::converters::projcoord;

namespace {

// A line with each text placed from its column on.
std::string Line(std::initializer_list<std::pair<int, std::string>> pieces) {
    return quillon::converters::testing::PlacedText(pieces);
}

// The identity frame moved by N0 = 1000, E0 = 2000: northing = 1000 + Y, easting = 2000 + X.
const pc::ProjectFrame kShift{0.0, 1000.0, 2000.0};

struct StructureLineCase {
    std::string name;
    std::string line;
    bool accepted;
};

class StructureLine : public ::testing::TestWithParam<StructureLineCase> {};

TEST_P(StructureLine, IsTheWordStructureAfterLeadingBlanks) {
    EXPECT_EQ(pc::CheckStructureLine(GetParam().line), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StructureLine,
    ::testing::Values(StructureLineCase{"HeadingLine", " STRUCTURE ID:  BR-1", true},
                      StructureLineCase{"NoLeadingBlank", "STRUCTURE ID:", true},
                      StructureLineCase{"LeadingTab", "\t STRUCTURE", true},
                      StructureLineCase{"LongerWordStillStartsWithIt", "  STRUCTURES", true},
                      StructureLineCase{"CutShort", " STRUCTUR", false},
                      StructureLineCase{"LowerCase", " structure ID:", false},
                      StructureLineCase{"AnotherFirstWord", " THE STRUCTURE", false},
                      StructureLineCase{"Empty", "", false},
                      StructureLineCase{"Blanks", "     ", false}),
    quillon::testsupport::CaseName());

struct CoordinateRowCase {
    std::string name;
    std::string line;
    bool coordinateRow;
};

class CoordinateRow : public ::testing::TestWithParam<CoordinateRowCase> {};

TEST_P(CoordinateRow, HasPointsInColumn67Or68And79Or80) {
    EXPECT_EQ(pc::IsCoordinateRow(GetParam().line), GetParam().coordinateRow);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CoordinateRow,
    ::testing::Values(CoordinateRowCase{"Points67And79", Line({{67, "."}, {79, "."}}), true},
                      CoordinateRowCase{"Points68And80", Line({{68, "."}, {80, "."}}), true},
                      CoordinateRowCase{"Points67And80", Line({{67, "."}, {80, "."}}), true},
                      CoordinateRowCase{"NoSecondPoint", Line({{67, "."}, {81, "."}}), false},
                      CoordinateRowCase{"FirstPointInColumn66", Line({{66, "."}, {79, "."}}),
                                        false},
                      CoordinateRowCase{"EndsBeforeColumn79", Line({{67, "."}}), false}),
    quillon::testsupport::CaseName());

struct LayoutPointCase {
    std::string name;
    std::string line;
    bool read;
    double x, y;
};

class LayoutPoint : public ::testing::TestWithParam<LayoutPointCase> {};

TEST_P(LayoutPoint, ReadsTheNumbersThatEndInColumns71And83) {
    const LayoutPointCase& c = GetParam();
    std::optional<pc::LayoutPoint> point = pc::ReadLayoutPoint(c.line);
    ASSERT_EQ(point.has_value(), c.read);
    if (!c.read) return;
    EXPECT_DOUBLE_EQ(point->x, c.x);
    EXPECT_DOUBLE_EQ(point->y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LayoutPoint,
    ::testing::Values(
        // Bent-line row: fractional-point text in 52-61, X F10.4 in 62-71, Y F12.4 in 72-83.
        LayoutPointCase{"BentRowWithTenthPoints",
                        Line({{52, "( 10     )"}, {62, "   12.5000"}, {72, "    250.0000"}}), true,
                        12.5, 250.0},
        LayoutPointCase{"BentRowWithAFullXField",
                        Line({{52, "( 10     )"}, {62, "-1234.5678"}, {72, "   -250.0000"}}), true,
                        -1234.5678, -250.0},
        // Longitudinal row: ELEV+DL in 51-59, X F12.4 in 60-71.
        LayoutPointCase{"TwelveCharacterXAndY",
                        Line({{51, " 000.0500"}, {60, "-123456.7890"}, {72, "-234567.8901"}}), true,
                        -123456.789, -234567.8901},
        LayoutPointCase{"XStopsAtColumn60",
                        Line({{51, " 000.0500"}, {60, "123456789.50"}, {72, "      1.0000"}}), true,
                        123456789.5, 1.0},
        LayoutPointCase{"XNotEndingInColumn71", Line({{60, "   12.5000 "}, {72, "    250.0000"}}),
                        false, 0, 0},
        LayoutPointCase{"YNotANumber", Line({{60, "     12.5000"}, {72, "    25O.0000"}}), false, 0,
                        0},
        LayoutPointCase{"XOnlyAParenthesis", Line({{60, "          ()"}, {72, "      1.0000"}}),
                        false, 0, 0}),
    quillon::testsupport::CaseName());

struct ListingLineCase {
    std::string name;
    std::string line;
    std::string written;
};

class ListingLine : public ::testing::TestWithParam<ListingLineCase> {};

TEST_P(ListingLine, IsWrittenByTheFirstRuleItMeets) {
    EXPECT_EQ(pc::ProjectListingLine(GetParam().line, kShift), GetParam().written);
}

// Heading lines of the bent-line intersection table, laid out column by column.
const std::string kHeading1 = Line({{1, "  BENT LINE  :"},
                                    {27, "INTERSECTION POINT"},
                                    {61, ":    FROM LAYOUT LINE   :  BENT LINE"},
                                    {111, ": GIRDER LINE   ROADWAY"}});
const std::string kHeading2 = Line({{1, " DESCRIPTION :"},
                                    {61, ":   OFFSET     ORDINATE"},
                                    {85, ": LENGTH FROM     SKEW    : LENGTH FROM   CROSS-"}});
const std::string kHeading3 = Line({{14, ":    STATION       OFFSET   ELEVATION"},
                                    {61, ":      X          Y     :    Y-AXIS     D  M  S"},
                                    {111, ":  REF LINE       SLOPE"}});
const std::string kLongitudinalHeader = Line({{1, " BENT LINE"},
                                              {19, "STATION"},
                                              {33, "OFFSET   ELEVATION  ELEV+DL"},
                                              {68, "X"},
                                              {79, "Y"},
                                              {88, "BENT LNTH"},
                                              {103, "SKEW"},
                                              {113, "GIRDER LNTH   CRS-SLP"}});
const std::string kBentRow = Line({{2, "CL PIER 2"},
                                   {52, "( 10     )"},
                                   {62, "-1234.5678"},
                                   {72, "    250.0000"},
                                   {84, "      12.0000"},
                                   {124, " -0.020000"}});

// The line with `block` after column 85 (the line is at least 85 columns long).
std::string Widened(const std::string& line, const std::string& block) {
    return line.substr(0, 85) + block + line.substr(85);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ListingLine,
    ::testing::Values(
        ListingLineCase{"Empty", "", ""}, ListingLineCase{"OneCharacter", " ", " "},
        ListingLineCase{"FirstHeadingGetsTheProjectCaption", kHeading1,
                        Widened(kHeading1, "    PROJECT COORDINATES  ")},
        ListingLineCase{"SecondHeadingGetsNorthingAndEasting", kHeading2,
                        Widened(kHeading2, "   NORTHING      EASTING ")},
        ListingLineCase{"ThirdHeadingGetsBlanksForItsColon", kHeading3,
                        Widened(kHeading3, std::string(25, ' '))},
        ListingLineCase{"LongitudinalHeaderGetsNorthingAndEasting", kLongitudinalHeader,
                        Widened(kLongitudinalHeader, "   NORTHING      EASTING ")},
        // northing = 1000 + 250, easting = 2000 - 1234.5678.
        ListingLineCase{"BentRowWithTenthPoints", kBentRow,
                        Widened(kBentRow, "   1250.0000     765.4322")},
        // A row that ends before column 86 is padded to 85 columns, and keeps no P3.
        ListingLineCase{"ShortRowIsPaddedBeforeItsBlock",
                        Line({{60, "      3.0000"}, {72, "      4.0000"}}),
                        Line({{60, "      3.0000"}, {72, "      4.0000"}, {86, ""}}) +
                            "   1004.0000    2003.0000"},
        ListingLineCase{"ColonAfterColumn85IsNotLookedAt", Line({{20, "A"}, {90, ":"}}),
                        Line({{20, "A"}, {90, ":"}})},
        ListingLineCase{"LayoutLineCrossingIsLeftAlone",
                        Line({{26, "LAYOUT LINE INTERSECTS REF LINE AT"},
                              {60, "   1234.5678"},
                              {72, "    -42.5000"}}),
                        Line({{26, "LAYOUT LINE INTERSECTS REF LINE AT"},
                              {60, "   1234.5678"},
                              {72, "    -42.5000"}})},
        ListingLineCase{"OnTangentIsLeftAlone",
                        Line({{18, "(ON TANGENT)"}, {60, "     -0.0200"}, {72, "      0.0200"}}),
                        Line({{18, "(ON TANGENT)"}, {60, "     -0.0200"}, {72, "      0.0200"}})},
        ListingLineCase{"CoordinateRowWithoutNumbersIsLeftAlone",
                        Line({{60, "     ab.cdef"}, {72, "     ef.ghij"}}),
                        Line({{60, "     ab.cdef"}, {72, "     ef.ghij"}})},
        // A northing or easting that does not fit F12.4 keeps the columns after it in place.
        ListingLineCase{"CoordinateTooWideForItsColumns",
                        Line({{60, "12345678.500"}, {72, "99999999.000"}, {86, "REST"}}),
                        Line({{60, "12345678.500"}, {72, "99999999.000"}, {86, ""}}) +
                            "************ ************REST"}),
    quillon::testsupport::CaseName());

TEST(ProjectListingLine, KeepsEverythingAfterColumn85UnCut) {
    std::string line = Line({{60, "      3.0000"}, {72, "      4.0000"}, {200, "END"}});
    std::string written = pc::ProjectListingLine(line, kShift);
    EXPECT_EQ(written.substr(110), line.substr(85));
}

TEST(ProjectListingHeader, ShowsTheRunValuesAndEndsInAFormFeed) {
    pc::ProjectRunValues values;
    values.runTimeText = "Tue May  4 09:30:00 2026\n";
    values.northingOffset = 1000.0;
    values.eastingOffset = -0.5;
    values.bearing = {'S', 45, 30, 12.25, 'W'};
    EXPECT_EQ(pc::ProjectListingHeader(values),
              "State of Vandemor\n"
              "Quillon Project Coordinate Converter\n"
              "Version 1.00\n\n\n\n\n\n"
              "Run date & time = Tue May  4 09:30:00 2026\n\n"
              "Input Northing Offset =  1000.000000\n"
              "Input Easting Offset =  -0.500000\n"
              "Input Bearing =  S 45 30 12.2500 W\n\f");
}

}  // namespace
