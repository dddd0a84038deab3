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

TEST(LineKinds, Type4BentCrossingsTakeTheirOwnCrossSlope) {
    // A flat grade at elevation 100 and a one-way section whose right slope
    // is held at 0.02 to 10+20, rises to 0.06 at 10+80, is held to 11+20 and
    // falls back to 0.02 at 11+80 (no transition curves: MaxTransVC 0). The
    // bent lines at 10+00, 11+00 and 12+00 are skewed 25 degrees right, so
    // the line crosses each t tan 25 = 4.6 ft off its station, inside the
    // held stretch. GIRDER T lies d = 10 along the deck from GIRDER C (the
    // line of constant offset, on the control) and Y = 2 normal to the deck.
    // Its top on the deck rotated by theta = atan e about the control:
    //     offset    t = d cos theta - Y sin theta
    //     elevation z = 100 + d sin theta + Y cos theta
    // (the same as 100 + e t + Y / cos theta).
    //   e = 0.02: cos 0.9998001, sin 0.0199960: t = 9.958009, z = 102.199560
    //   e = 0.06: cos 0.9982048, sin 0.0598923: t = 9.862264, z = 102.595333
    // A crossing that took the next bent line's Y / cos theta would list
    // 102.202757 at 10+00 and 102.592136 at 11+00.
    const Fields skew = {{12, "R"}, {13, "25"}, {21, "1"}};
    auto rightSlope = [](const std::string& station, const std::string& slope) {
        return Card({{1, "03"}, {3, station}, {17, slope}});
    };
    const std::string deck =
        Deck({"00T4", Card({{1, "02"}, {3, "0."}, {48, "1000."}, {57, "100."}, {72, "0."}}),
              Card({{1, "03"}, {3, "A"}, {4, ".02"}, {51, "0."}}), rightSlope("1020.", ".02"),
              rightSlope("1080.", ".06"), rightSlope("1120.", ".06"), rightSlope("1180.", ".02"),
              Reference("1000.", "1", {{15, "R"}, {16, "25"}}),
              Girder("GIRDER C", "0.", "0", "4", {{22, "24."}, {56, "X"}}),
              Girder("GIRDER T", "10.", "4", "4", {{22, "2."}}), Bent("BENT 1", "0.", "  2", skew),
              Bent("BENT 2", "100.", "  2", skew), Bent("BENT 3", "200.", "", skew)});
    struct Top {
        double offset, elevation;
    };
    auto topAt = [](double e) {
        const double theta = std::atan(e);
        return Top{10.0 * std::cos(theta) - 2.0 * std::sin(theta),
                   100.0 + 10.0 * std::sin(theta) + 2.0 * std::cos(theta)};
    };
    // Half the last printed digit, and a hair for the binary values.
    constexpr double kPrinted = 0.00006;
    const double tan25 = std::tan(25.0 * std::acos(-1.0) / 180.0);
    const std::vector<double> bentSlopes = {0.02, 0.06, 0.02};

    const auto english = testing::RunOnDeck(deck);
    EXPECT_EQ(english.status, 0) << english.listing;
    const auto rows = GirderRows(english.listing, "GIRDER T");
    ASSERT_EQ(rows.size(), 5u) << english.listing;
    for (size_t b = 0; b < 3; ++b) {
        const std::string& row = rows[2 * b];
        const Top top = topAt(bentSlopes[b]);
        EXPECT_EQ(Name(row), "BENT " + std::to_string(b + 1) + "    ");
        EXPECT_NEAR(Offset(row), top.offset, kPrinted) << b;
        EXPECT_NEAR(Elevation(row), top.elevation, kPrinted) << b;
        const double bentStation = 1000.0 + 100.0 * static_cast<double>(b);
        EXPECT_NEAR(std::fabs(StationFeet(row) - bentStation), top.offset * tan25, kPrinted) << b;
    }
    // Each F point halves its span on the straight control and lies in the
    // rising or falling stretch: e there by straight-line interpolation.
    for (size_t span = 0; span < 2; ++span) {
        const std::string& row = rows[2 * span + 1];
        const double station = StationFeet(row);
        EXPECT_NEAR(station, (StationFeet(rows[2 * span]) + StationFeet(rows[2 * span + 2])) / 2.0,
                    kPrinted);
        const double along = (station - 1020.0 - 100.0 * static_cast<double>(span)) / 60.0;
        const double e = span == 0 ? 0.02 + 0.04 * along : 0.06 - 0.04 * along;
        EXPECT_NEAR(Offset(row), topAt(e).offset, kPrinted) << span;
        EXPECT_NEAR(Elevation(row), topAt(e).elevation, kPrinted) << span;
    }

    // QlMetr lists the same elevations in metres.
    const auto metric = testing::RunOnDeck(deck, EngineVariant::Metric);
    EXPECT_EQ(metric.status, 0) << metric.listing;
    const auto metricRows = GirderRows(metric.listing, "GIRDER T");
    ASSERT_EQ(metricRows.size(), 5u) << metric.listing;
    constexpr double kMetresPerFoot = 1200.0 / 3937.0;
    for (size_t b = 0; b < 3; ++b)
        EXPECT_NEAR(Elevation(metricRows[2 * b]), topAt(bentSlopes[b]).elevation * kMetresPerFoot,
                    kPrinted)
            << b;
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
