#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "converters/stick/StickFigure.hpp"
#include "converters/stick/tests/StickTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace st = quillon::converters::stick;
using st::testing::Entry;
using st::testing::Line;
using st::testing::Row;

namespace {

struct KindCase {
    std::string name;
    std::string row;
    std::optional<st::RowKind> kind;
};

class RowKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(RowKinds, AreToldByHowTheRowStarts) {
    EXPECT_EQ(st::ClassifyRow(GetParam().row), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowKinds,
    ::testing::Values(KindCase{"Pier", " CL PIER 2", st::RowKind::Pier},
                      KindCase{"PierIsTestedBeforeAbutment", " CLABUTPIER", st::RowKind::Pier},
                      KindCase{"Abutment", " CL ABUT 1", st::RowKind::Abutment},
                      KindCase{"Bearing", " CL BRG 1", st::RowKind::Bearing},
                      KindCase{"Diaphragm", " CL DIA 4", st::RowKind::Diaphragm},
                      KindCase{"TemporarySupport", " CL TEMP 1", st::RowKind::TemporarySupport},
                      KindCase{"OtherCrossing", " CL MID", st::RowKind::OtherCrossing},
                      KindCase{"Splice", " SP 1", st::RowKind::Splice},
                      KindCase{"TenthPoint", "     F-1", st::RowKind::FractionalPoint},
                      KindCase{"XPoint", "     X-0", st::RowKind::FractionalPoint},
                      KindCase{"SpacedPoint", "     D-12", st::RowKind::FractionalPoint},
                      KindCase{"SpacedFromTheEndPoint", "     E-3", st::RowKind::FractionalPoint},
                      KindCase{"BentFace", " BF 2", st::RowKind::BentFace},
                      KindCase{"WingWall", " WW 1", st::RowKind::WingWall},
                      KindCase{"RetainingWall", " RET 1", st::RowKind::RetainingWall},
                      KindCase{"PointOfTangency", " PT", st::RowKind::AlignmentPoint},
                      KindCase{"PointOfCurvature", " PC", st::RowKind::AlignmentPoint},
                      KindCase{"PointOfSpiral", " PS", st::RowKind::AlignmentPoint},
                      KindCase{"OtherName", " EDGE 1", std::nullopt},
                      KindCase{"LabelOfAnotherLetter", "     G-1", std::nullopt},
                      KindCase{"NameOneColumnLate", "  CL PIER 2", std::nullopt},
                      KindCase{"NoCarriageControl", "CL PIER 2", std::nullopt},
                      KindCase{"Empty", "", std::nullopt}),
    quillon::testsupport::CaseName());

struct PointCase {
    std::string name;
    std::string row;
    std::optional<st::Point3> point;
};

class RowPoints : public ::testing::TestWithParam<PointCase> {};

TEST_P(RowPoints, AreReadFromTheWholeFields) {
    std::optional<st::Point3> point = st::ReadRowPoint(GetParam().row);
    ASSERT_EQ(point.has_value(), GetParam().point.has_value());
    if (!point) return;
    EXPECT_DOUBLE_EQ(point->x, GetParam().point->x);
    EXPECT_DOUBLE_EQ(point->y, GetParam().point->y);
    EXPECT_DOUBLE_EQ(point->z, GetParam().point->z);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowPoints,
    ::testing::Values(
        // A nine-column window would read 1234.5678 from 63-71 and 234.5678 from 43-51.
        PointCase{"NegativeXAndThousandsOfFeet",
                  Line({{41, " 1234.5678"}, {60, "  -1234.5678"}, {72, "    250.0000"}}),
                  st::Point3{-1234.5678, 250.0, 1234.5678}},
        PointCase{"TwelveCharacterFields",
                  Line({{41, "-1000.0000"}, {60, "-123456.7890"}, {72, "-234567.8901"}}),
                  st::Point3{-123456.789, -234567.8901, -1000.0}},
        PointCase{"BlankElevation", Line({{60, "      1.0000"}, {72, "      2.0000"}}),
                  std::nullopt},
        PointCase{"BlankY", Line({{41, "  100.0000"}, {60, "      1.0000"}}), std::nullopt},
        PointCase{"XNotANumber",
                  Line({{41, "  100.0000"}, {60, "     1.OOOO"}, {72, "      2.0000"}}),
                  std::nullopt},
        PointCase{"AsteriskField",
                  Line({{41, "  100.0000"}, {60, "************"}, {72, "      2.0000"}}),
                  std::nullopt}),
    quillon::testsupport::CaseName());

TEST(BentLineName, IsTheDescriptionFieldTrimmed) {
    EXPECT_EQ(st::BentLineName(Line({{2, "CL PIER 2 "}, {15, "   10+00.0000"}})), "CL PIER 2");
    EXPECT_EQ(st::BentLineName(Line({{2, "  BF 1"}})), "BF 1");
}

TEST(ExtendEndPoint, MovesOutwardByATenthOfTheNeighboursDistance) {
    // (10, 20, 30) + ((10, 20, 30) - (0, 5, 40)) / 10 = (11, 21.5, 29).
    st::Point3 p = st::ExtendEndPoint({10, 20, 30}, {0, 5, 40});
    EXPECT_DOUBLE_EQ(p.x, 11.0);
    EXPECT_DOUBLE_EQ(p.y, 21.5);
    EXPECT_DOUBLE_EQ(p.z, 29.0);
}

TEST(LineNames, TellTheEdges) {
    EXPECT_TRUE(st::IsEdgeName("RO EDGE"));
    EXPECT_TRUE(st::IsEdgeName("LO EDGE"));
    EXPECT_TRUE(st::IsEdgeName("RIGHT EDGE OUT"));
    EXPECT_TRUE(st::IsEdgeName("OUTER LEFT"));
    EXPECT_FALSE(st::IsEdgeName("RIGHT EDGE"));
    EXPECT_FALSE(st::IsEdgeName("GIRDER 1"));
}

struct WindowCase {
    std::string name;
    std::vector<st::Point3> corners;  // the rows of one line
    bool exchanged;
    // DP values: smallest first axis, smallest second, largest first, largest second.
    double firstMin, secondMin, firstMax, secondMax;
};

class DisplayWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(DisplayWindows, FitTheScreenOf800By480) {
    const WindowCase& c = GetParam();
    st::BridgeFile bridge;
    std::vector<st::ListingRow> rows;
    for (const st::Point3& p : c.corners) rows.push_back(Row("CL DIA", p));
    bridge.lines.push_back(Entry("GIRDER 1", rows));
    st::ComputeExtents(bridge);
    EXPECT_EQ(bridge.window.exchanged, c.exchanged);
    EXPECT_NEAR(bridge.window.firstMin, c.firstMin, 1e-9);
    EXPECT_NEAR(bridge.window.secondMin, c.secondMin, 1e-9);
    EXPECT_NEAR(bridge.window.firstMax, c.firstMax, 1e-9);
    EXPECT_NEAR(bridge.window.secondMax, c.secondMax, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, DisplayWindows,
    ::testing::Values(
        // x -1000..-200 (width 800), y -300..-100 (height 200): 200 x 1.668 < 800, not
        // exchanged; scale 799 / 800, y centre -200 +- 239.5 x 800 / 799.
        WindowCase{"AllNegativeWide",
                   {{-1000, -300, 10}, {-200, -100, 11}},
                   false,
                   -1000,
                   -200 - 239.5 * 800 / 799,
                   -200,
                   -200 + 239.5 * 800 / 799},
        // x -500..-400 (100), y -1000..-200 (800): exchanged, the first axis is y; then
        // 100 x 1.668 < 800: scale 799 / 800, x centre -450 +- 239.5 x 800 / 799.
        WindowCase{"AllNegativeTallExchanged",
                   {{-500, -1000, 10}, {-400, -200, 11}},
                   true,
                   -1000,
                   -450 - 239.5 * 800 / 799,
                   -200,
                   -450 + 239.5 * 800 / 799},
        // x -100..-20 (80), y -130..-30 (100): exchanged; 80 x 1.668 >= 100: scale 479 / 80,
        // y centre -80 +- 399.5 x 80 / 479.
        WindowCase{"AllNegativeSquareExchanged",
                   {{-100, -130, 10}, {-20, -30, 11}},
                   true,
                   -80 - 399.5 * 80 / 479,
                   -100,
                   -80 + 399.5 * 80 / 479,
                   -20},
        // One point: both sizes become 1, exchanged, scale 479, y -7 +- 399.5 / 479.
        WindowCase{"OnePoint", {{-5, -7, 10}}, true, -7 - 399.5 / 479, -5, -7 + 399.5 / 479, -5},
        // Coordinates above 32767 start the extents as well as any.
        WindowCase{"LargeCoordinates",
                   {{40000, 50000, 10}, {48000, 50100, 11}},
                   false,
                   40000,
                   50050 - 239.5 * 8000 / 799,
                   48000,
                   50050 + 239.5 * 8000 / 799}),
    quillon::testsupport::CaseName());

TEST(Extents, StartFromTheFirstPointAndTakeEveryKeptRow) {
    st::BridgeFile bridge;
    bridge.lines.push_back(Entry(
        "GIRDER 1",
        {Row("CL ABUT 1", {-50, -60, 1}), Row("WW 1", {-70, -40, 1}), Row("PT", {-10, -80, 1})}));
    st::ListingRow unread = Row("CL PIER 2", {500, 500, 1});
    unread.point.reset();  // X, Y or ELEVATION not a number: not drawn, no part of the extents
    bridge.lines.back().rows.push_back(unread);
    st::ComputeExtents(bridge);
    EXPECT_DOUBLE_EQ(bridge.extents.minX, -70);
    EXPECT_DOUBLE_EQ(bridge.extents.maxX, -10);
    EXPECT_DOUBLE_EQ(bridge.extents.minY, -80);
    EXPECT_DOUBLE_EQ(bridge.extents.maxY, -40);
}

TEST(TransverseLines, JoinTheCrossingsOfOneBentInLineOrder) {
    st::BridgeFile bridge;
    bridge.lines.push_back(
        Entry("GIRDER 1",
              {Row("CL ABUT 1", {0, 0, 100}), Row("SP 1", {5, 0, 100}), Row("    F-1", {6, 0, 100}),
               Row("CL MID", {7, 0, 100}), Row("CL PIER 2", {10, 0, 101})}));
    st::ListingRow unread = Row("CL BRG 2", {11, 0, 101});
    unread.point.reset();
    bridge.lines.back().rows.push_back(unread);
    bridge.lines.push_back(
        Entry("GIRDER 2", {Row("BF 1", {-1, 10, 100}), Row("CL ABUT 1", {0, 10, 100}),
                           Row("CL PIER 2", {10, 10, 101}), Row("CL TEMP 1", {12, 10, 101}),
                           Row("WW 1", {14, 10, 101}), Row("CL DIA 3", {15, 10, 101})}));
    st::ComputeExtents(bridge);
    const auto& t = bridge.transverseLines;
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].name, "CL ABUT 1");
    EXPECT_EQ(t[0].kind, st::RowKind::Abutment);
    ASSERT_EQ(t[0].points.size(), 2u);
    EXPECT_DOUBLE_EQ(t[0].points[1].y, 10);
    EXPECT_EQ(t[1].name, "CL PIER 2");
    EXPECT_EQ(t[1].points.size(), 2u);
    EXPECT_EQ(t[2].name, "BF 1");
    EXPECT_EQ(t[2].kind, st::RowKind::BentFace);
    EXPECT_EQ(t[3].name, "CL TEMP 1");
    EXPECT_EQ(t[4].name, "CL DIA 3");
    EXPECT_EQ(t[4].kind, st::RowKind::Diaphragm);
}

}  // namespace
