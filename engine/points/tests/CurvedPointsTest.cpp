// The points of girder lines on a circular arc worked by hand: spans along
// a parallel, X points projected along the radius from the line before,
// and the layout-line and tangent groups of a chord layout line.
//
// The curve turns right 60 degrees with radius R = 1000 and no spirals; its
// TS lies at 10+00.0000 (PI 15+77.3503, 577.3503 = R tan 30 before it), its
// ST 1047.1976 (R pi / 3) further.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/points/tests/PointsTestSupport.hpp"

namespace quillon::engine {
namespace {

using namespace pointstest;

constexpr double kFeet = 0.00005;
constexpr double kR = 1000.0;
// The TS, deck feet: 1577.3503 - R tan 30.
const double kTs = 1577.3503 - kR * std::tan(3.141592653589793 / 6.0);

testing::EngineResult RunCurved(const std::string& layout,
                                const std::vector<std::string>& lineSet) {
    std::vector<std::string> cards = {"00ARC", kCurve, kVertical, kCrossSlope,
                                      Reference("1100.", layout, {{25, "1"}})};
    cards.insert(cards.end(), lineSet.begin(), lineSet.end());
    return testing::RunOnDeck(Deck(cards));
}

TEST(CurvedPoints, SpansAlongAParallelAreShortenedByTheOffset) {
    // Radial bent lines 100 ft apart on the control: a girder line at offset
    // q (right, toward the centre) spans (R - q) / R x 100; its quarter
    // points lie on the radii at 11+25, 11+50 and 11+75.
    const auto result = RunCurved(
        "1", {Girder("GIRDER L", "-10."), Girder("GIRDER R", "20."), Bent("BENT 1", "0.", "  4"),
              Bent("BENT 2", "100.", "  4"), Bent("BENT 3", "200.")});
    EXPECT_EQ(result.status, 0) << result.listing;
    struct Case {
        const char* name;
        double offset;
    };
    for (const Case& c : {Case{"GIRDER L", -10.0}, Case{"GIRDER R", 20.0}}) {
        const auto rows = GirderRows(result.listing, c.name);
        ASSERT_EQ(rows.size(), 9u) << c.name;
        const double span = (kR - c.offset) / kR * 100.0;
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_NEAR(StationFeet(rows[i]), 1100.0 + 25.0 * static_cast<double>(i), kFeet)
                << c.name << " " << i;
            EXPECT_NEAR(GirderLength(rows[i]), span / 4.0 * static_cast<double>(i), kFeet)
                << c.name << " " << i;
            EXPECT_NEAR(Offset(rows[i]), c.offset, kFeet);
        }
    }
}

TEST(CurvedPoints, XPointsLieOnTheRadiiOfThePreviousLinesPoints) {
    // G1 (exterior "A", offset -10) has F points at 11+25, 11+50, 11+75 and
    // 12+25 ...; G2 (offset +10) takes them: each X point lies on the same
    // radius, 20 ft further out (its bent length), numbered as G1's.
    const auto result = RunCurved(
        "1", {Girder("GIRDER G1", "-10.", "0", "4", {{52, "A"}}),
              Girder("GIRDER G2", "10.", "0", "4", {{53, "A"}}), Bent("BENT 1", "0.", "  4"),
              Bent("BENT 2", "100.", "  4"), Bent("BENT 3", "200.")});
    EXPECT_EQ(result.status, 0) << result.listing;
    const auto rows = GirderRows(result.listing, "GIRDER G2");
    ASSERT_EQ(rows.size(), 9u);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(StationFeet(rows[i]), 1100.0 + 25.0 * static_cast<double>(i), kFeet) << i;
        if (i % 4 == 0) continue;  // the bent crossings
        EXPECT_EQ(Name(rows[i]), "    X-" + std::to_string(i % 4) + "   ") << i;
        EXPECT_NEAR(BentLength(rows[i]), 20.0, kFeet) << i;
        // Along the parallel at +10 from the reference line: 0.99 of the
        // control's length.
        EXPECT_NEAR(GirderLength(rows[i]), 0.99 * 25.0 * static_cast<double>(i), kFeet) << i;
    }
}

TEST(CurvedPoints, ChordLayoutLineListsTheBentLinesOnItAndOnBothTangents) {
    // The reference line is the radius at 11+00 (phi = 0.1 rad past the TS);
    // it meets the back tangent R tan(phi) past the TS and the ahead tangent
    // R tan(60 degrees - phi) before the ST. BACK is placed 50 ft back along
    // the back tangent from that crossing and AHEAD 100 ft along the ahead
    // tangent, each square to its tangent.
    const auto result =
        RunCurved("2", {Girder("GIRDER G1", "0."), Bent("BENT 1", "0.", "  2", {{41, "X"}}),
                        Bent("BENT 2", "200.", "", {{41, "X"}}),
                        Card({{1, "06"}, {3, "-50."}, {11, "2"}, {21, "3"}, {29, "BACK"}}),
                        Card({{1, "06"}, {3, "100."}, {11, "3"}, {21, "4"}, {29, "AHEAD"}})});
    EXPECT_EQ(result.status, 0) << result.listing;
    const double phi = (1100.0 - kTs) / kR;
    const double delta = 3.141592653589793 / 3.0;

    // The layout line is the chord from 11+00 to 13+00: both lie on it at
    // X = 0, 13+00 at Y = 2 R sin(0.1) = 199.6668.
    const auto layout = GroupRows(result.listing, "* LAYOUT");
    ASSERT_EQ(layout.size(), 4u);
    EXPECT_EQ(Name(layout[2]), "BENT 1    ");
    EXPECT_NEAR(Y(layout[3]), 2.0 * kR * std::sin(0.1), 0.0002);
    EXPECT_NEAR(X(layout[3]), 0.0, kFeet);

    const auto back = GroupRows(result.listing, "* BACK  TANGENT");
    ASSERT_EQ(back.size(), 5u);
    EXPECT_EQ(Name(back[1]), "*TS OR PC*");
    EXPECT_NEAR(StationFeet(back[1]), kTs, kFeet);
    EXPECT_NEAR(GirderLength(back[1]), -kR * std::tan(phi), kFeet);
    EXPECT_EQ(Name(back[2]), "BACK      ");
    EXPECT_NEAR(GirderLength(back[2]), -50.0, kFeet);
    EXPECT_NEAR(GirderLength(back[3]), 0.0, kFeet);  // the reference line

    const auto ahead = GroupRows(result.listing, "* AHEAD  TANGENT");
    ASSERT_EQ(ahead.size(), 5u);
    EXPECT_EQ(Name(ahead[2]), "AHEAD     ");
    EXPECT_NEAR(GirderLength(ahead[2]), 100.0, kFeet);
    EXPECT_EQ(Name(ahead[4]), "*ST OR PT*");
    EXPECT_NEAR(StationFeet(ahead[4]), kTs + kR * delta, kFeet);
    EXPECT_NEAR(GirderLength(ahead[4]), kR * std::tan(delta - phi), kFeet);
}

TEST(CurvedPoints, LineParallelToTheLayoutLineIsStraight) {
    // The layout line is the back tangent (x = 0); the line parallel to it
    // passes 10 ft right of the control on the reference radius (phi0 =
    // 0.1), at x0 = R - (R - 10) cos(phi0). A radius at phi meets it at
    // y = (R - x0) tan(phi), so its girder length from the reference line is
    // (R - x0)(tan(phi) - tan(phi0)); the F point halves that straight.
    const auto result = RunCurved("1", {Girder("GIRDER P", "10.", "2", "4"),
                                        Bent("BENT 1", "0.", "  2"), Bent("BENT 2", "100.")});
    EXPECT_EQ(result.status, 0) << result.listing;
    const auto rows = GirderRows(result.listing, "GIRDER P");
    ASSERT_EQ(rows.size(), 3u);
    const double phi0 = (1100.0 - kTs) / kR, phi1 = phi0 + 0.1;
    const double x0 = kR - (kR - 10.0) * std::cos(phi0);
    const double length = (kR - x0) * (std::tan(phi1) - std::tan(phi0));
    EXPECT_NEAR(X(rows[0]), x0, kFeet);
    EXPECT_NEAR(X(rows[2]), x0, kFeet);
    EXPECT_NEAR(GirderLength(rows[0]), 0.0, kFeet);
    EXPECT_NEAR(GirderLength(rows[1]), length / 2.0, kFeet);
    EXPECT_NEAR(GirderLength(rows[2]), length, kFeet);
    EXPECT_NEAR(Y(rows[2]) - Y(rows[0]), length, kFeet);
    EXPECT_EQ(Name(rows[1]), "    F-1   ");
}

TEST(CurvedPoints, BackTangentLayoutLineStartsItsGroupAtTheTs) {
    // With the back tangent as layout line the layout group is the back
    // tangent's: the TS lies R tan(phi) before the reference line on it.
    const auto result = RunCurved(
        "1", {Girder("GIRDER G1", "0."), Bent("BENT 1", "0.", "  2"), Bent("BENT 2", "100.")});
    const auto layout = GroupRows(result.listing, "* LAYOUT");
    ASSERT_EQ(layout.size(), 3u);
    EXPECT_EQ(Name(layout[0]), "*TS OR PC*");
    EXPECT_NEAR(Y(layout[0]), -kR * std::tan((1100.0 - kTs) / kR), kFeet);
    EXPECT_TRUE(GroupRows(result.listing, "* BACK  TANGENT").empty());
}

}  // namespace
}  // namespace quillon::engine
