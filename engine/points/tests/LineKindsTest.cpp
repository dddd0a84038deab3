// Segmented girder lines, type 4 girder lines and chains of X points, end to
// end through the engine, with values worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/points/tests/PointsTestSupport.hpp"

namespace quillon::engine {
namespace {

using namespace pointstest;

constexpr double kFeet = 0.00005;

TEST(LineKinds, SegmentedLineOnAnArcRunsAlongItsChords) {
    // R = 1000, breaks at 11+00, 12+00 and 13+00 (column 39): two chords of
    // 2 R sin(0.05) = 99.9583 whose middle lies R (1 - cos 0.05) = 1.2497
    // inside the control. A line 5 ft off the chords meets the radial bent
    // lines 5 / cos(0.05) = 5.0063 from the control. The break at 12+00
    // ends one segment and starts the next.
    const auto result = testing::RunOnDeck(
        Deck({"00SEG", kCurve, kVertical, kCrossSlope, Reference("1100.", "1", {{25, "1"}}),
              Girder("GIRDER S0", "0.", "1", "5"), Girder("GIRDER S5", "5.", "1", "5"),
              Bent("BENT 1", "0.", "  4", {{39, "X"}}), Bent("BENT 2", "100.", "  4", {{39, "X"}}),
              Bent("BENT 3", "200.", "", {{39, "X"}})}));
    EXPECT_EQ(result.status, 0) << result.listing;
    const double chord = 2000.0 * std::sin(0.05);
    const double middle = 1000.0 * (1.0 - std::cos(0.05));
    const auto s0 = GirderRows(result.listing, "GIRDER S0");
    ASSERT_EQ(s0.size(), 10u);
    EXPECT_NEAR(Offset(s0[0]), 0.0, kFeet);
    EXPECT_NEAR(Offset(s0[2]), middle, kFeet);
    EXPECT_NEAR(StationFeet(s0[2]), 1150.0, kFeet);
    EXPECT_NEAR(GirderLength(s0[4]), chord, kFeet);
    EXPECT_EQ(Name(s0[4]), "BENT 2    ");
    EXPECT_EQ(Name(s0[5]), "BENT 2    ");
    EXPECT_NEAR(GirderLength(s0[9]), 2.0 * chord, kFeet);
    // The skew against each chord: half the chord's turn, 0.05 rad.
    EXPECT_EQ(Skew(s0[0]), "  -2 51 53.24");
    EXPECT_EQ(Skew(s0[4]), "   2 51 53.24");
    const auto s5 = GirderRows(result.listing, "GIRDER S5");
    ASSERT_EQ(s5.size(), 10u);
    EXPECT_NEAR(Offset(s5[0]), 5.0 / std::cos(0.05), kFeet);
    EXPECT_NEAR(Offset(s5[2]), middle + 5.0, kFeet);
}

TEST(LineKinds, SegmentedLineOnAStraightControlIsAParallel) {
    const auto result = testing::RunOnDeck(Deck(
        {"00SEG", kVertical, kCrossSlope, Reference("1000."), Girder("GIRDER S5", "5.", "1", "5"),
         Bent("BENT 1", "0.", "  4", {{39, "X"}}), Bent("BENT 2", "100.", "  4", {{39, "X"}}),
         Bent("BENT 3", "200.", "", {{39, "X"}})}));
    EXPECT_EQ(result.status, 0) << result.listing;
    const auto rows = GirderRows(result.listing, "GIRDER S5");
    ASSERT_EQ(rows.size(), 9u);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(StationFeet(rows[i]), 1000.0 + 25.0 * static_cast<double>(i), kFeet) << i;
        EXPECT_NEAR(Offset(rows[i]), 5.0, kFeet) << i;
        EXPECT_NEAR(GirderLength(rows[i]), 25.0 * static_cast<double>(i), kFeet) << i;
    }
}

TEST(LineKinds, Type4LineKeepsItsDistanceAlongTheSlopedDeck) {
    // One-way section rising 2 % to the right (theta = atan 0.02); the line
    // lies d = 10 along the deck from GIRDER C (the line of constant offset,
    // on the control) and Y = 0.5 normal to it: offset 10 cos theta - 0.5
    // sin theta = 9.98800, elevation shift 0.5 / cos theta = 0.50010, so
    // at 10+00 it lies at 100 + 0.02 x 9.988 + 0.5001 = 100.6999. GIRDER
    // C's 6 inches equal the 0.5 ft: no shift check fails.
    const auto result = testing::RunOnDeck(
        Deck({"00T4", kVertical, Card({{1, "03"}, {3, "A"}, {4, ".02"}}), Reference("1000."),
              Girder("GIRDER C", "0.", "0", "4", {{22, "6."}, {56, "X"}}),
              Girder("GIRDER T", "10.", "4", "4", {{22, ".5"}}), Bent("BENT 1", "0.", "  2"),
              Bent("BENT 2", "100.")}));
    EXPECT_EQ(result.status, 0) << result.listing;
    const double theta = std::atan(0.02);
    const double offset = 10.0 * std::cos(theta) - 0.5 * std::sin(theta);
    const double shift = 0.5 / std::cos(theta);
    const auto rows = GirderRows(result.listing, "GIRDER T");
    ASSERT_EQ(rows.size(), 3u);
    for (size_t i = 0; i < rows.size(); ++i) {
        const double station = 1000.0 + 50.0 * static_cast<double>(i);
        EXPECT_NEAR(StationFeet(rows[i]), station, kFeet) << i;
        EXPECT_NEAR(Offset(rows[i]), offset, kFeet) << i;
        EXPECT_NEAR(Elevation(rows[i]), 100.0 + 0.02 * (station - 1000.0) + 0.02 * offset + shift,
                    kFeet)
            << i;
    }
    // The title names the offset and the normal shift.
    const auto records = Records(result.listing);
    bool titled = false;
    for (const std::string& r : records)
        if (IsTitle(r) && r.compare(8, 8, "GIRDER T") == 0)
            titled =
                Columns(r, 42, 118) ==
                "VARIES WITH SUPER     NOMINAL OFFSET =   9.9880 FT         0.5000 NORMAL FROM";
    EXPECT_TRUE(titled);
}

TEST(LineKinds, XPointsChainFromLineToLine) {
    // G1 (exterior A) has F points every 25 ft; G2 takes them and is itself
    // exterior B; G3 takes G2's. On a straight control each projection keeps
    // its station and G1's number; the bent length is the distance to the
    // line it came from.
    const auto result =
        testing::RunOnDeck(Deck({"00CHAIN", kVertical, kCrossSlope, Reference("1000."),
                                 Girder("GIRDER G1", "0.", "0", "4", {{52, "A"}}),
                                 Girder("GIRDER G2", "10.", "0", "4", {{52, "B"}, {53, "A"}}),
                                 Girder("GIRDER G3", "25.", "0", "4", {{53, "B"}}),
                                 Bent("BENT 1", "0.", "  4"), Bent("BENT 2", "100.")}));
    EXPECT_EQ(result.status, 0) << result.listing;
    struct Case {
        const char* name;
        double offset, bentLength;
    };
    for (const Case& c : {Case{"GIRDER G2", 10.0, 10.0}, Case{"GIRDER G3", 25.0, 15.0}}) {
        const auto rows = GirderRows(result.listing, c.name);
        ASSERT_EQ(rows.size(), 5u) << c.name;
        for (size_t i = 1; i < 4; ++i) {
            EXPECT_EQ(Name(rows[i]), "    X-" + std::to_string(i) + "   ") << c.name;
            EXPECT_NEAR(StationFeet(rows[i]), 1000.0 + 25.0 * static_cast<double>(i), kFeet);
            EXPECT_NEAR(Offset(rows[i]), c.offset, kFeet);
            EXPECT_NEAR(BentLength(rows[i]), c.bentLength, kFeet);
        }
    }
}

}  // namespace
}  // namespace quillon::engine
