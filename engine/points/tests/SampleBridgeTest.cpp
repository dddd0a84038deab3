// The sample deck's listing against the values samples/README.md works out
// by hand (the spiralled curve, the crest curve, the radial skews), and the
// metric listing of the same deck against the English one.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/points/tests/PointsTestSupport.hpp"

namespace quillon::engine {
namespace {

using namespace pointstest;

constexpr double kMetresPerFoot = 0.3048006096012192;

const testing::EngineResult& Sample(EngineVariant variant) {
    static const testing::EngineResult english =
        testing::RunOnDeck(testing::ReadWhole(std::string(QUILLON_SAMPLES_DIR) + "/bridge.dat"),
                           EngineVariant::English);
    static const testing::EngineResult metric =
        testing::RunOnDeck(testing::ReadWhole(std::string(QUILLON_SAMPLES_DIR) + "/bridge.dat"),
                           EngineVariant::Metric);
    return variant == EngineVariant::English ? english : metric;
}

const char* const kGirders[5] = {"GIRDER G1 EXT LEFT", "GIRDER G2 INTERIOR", "GIRDER G3 INTERIOR",
                                 "GIRDER G4 INTERIOR", "GIRDER G5 EXT RIGHT"};

TEST(SampleBridge, EndsNormallyWithTheBentTableTheDeadLoadAndFiveGirderTables) {
    const auto& r = Sample(EngineVariant::English);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.console, "  Normal termination -- QUILLON\n");
    EXPECT_FALSE(Contains(r.listing, "ERROR"));
    EXPECT_EQ(GroupRows(r.listing, "* HORIZONTAL CONTROL").size(), 4u);
    EXPECT_TRUE(Contains(r.listing, " DEAD LOAD DEFLECTION DATA"));
    // Each girder line: 4 bent crossings and 3 x 9 tenth points.
    for (const char* name : kGirders) EXPECT_EQ(GirderRows(r.listing, name).size(), 31u) << name;
}

TEST(SampleBridge, BentLinesOnTheControlAtTheirStationsAndGradeElevations) {
    // Elevations at the bents from the crest curve (README "Profile").
    const auto rows = GroupRows(Sample(EngineVariant::English).listing, "* HORIZONTAL CONTROL");
    ASSERT_EQ(rows.size(), 4u);
    const double stations[4] = {2350.0, 2440.0, 2560.0, 2650.0};
    const double elevations[4] = {627.750000, 628.520625, 628.445625, 627.562500};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(StationFeet(rows[i]), stations[i], 0.00005) << i;
        EXPECT_NEAR(Elevation(rows[i]), elevations[i], 0.0001) << i;
        EXPECT_EQ(Skew(rows[i]), "  10 00 00.00") << i;
    }
}

TEST(SampleBridge, GirdersCrossTheSkewedBentsAtTheHandStationsAndSpans) {
    // README "Skewed bent lines": the station shift of each girder at every
    // bent, and the spans (R - o) / R times those on the control.
    const double shift[5] = {3.4772, 1.7509, 0.0, -1.7759, -3.5773};
    const double spans[5][3] = {{91.2566, 121.6755, 91.2566},
                                {90.6283, 120.8378, 90.6283},
                                {90.0000, 120.0000, 90.0000},
                                {89.3717, 119.1622, 89.3717},
                                {88.7434, 118.3245, 88.7434}};
    const double bents[4] = {2350.0, 2440.0, 2560.0, 2650.0};
    for (int g = 0; g < 5; ++g) {
        const auto rows = GirderRows(Sample(EngineVariant::English).listing, kGirders[g]);
        ASSERT_EQ(rows.size(), 31u);
        for (int b = 0; b < 4; ++b) {
            const std::string& row = rows[static_cast<size_t>(b * 10)];
            EXPECT_NEAR(StationFeet(row), bents[b] + shift[g], 0.0001) << kGirders[g] << " " << b;
            if (b > 0) {
                const double span =
                    GirderLength(row) - GirderLength(rows[static_cast<size_t>((b - 1) * 10)]);
                EXPECT_NEAR(span, spans[g][b - 1], 0.0002) << kGirders[g] << " " << b;
            }
        }
    }
}

TEST(SampleBridge, CentreGirderLiesTenAndAHalfInchesBelowGradeWithItsDeadLoad) {
    // G3 on the control: grade - 0.875 ft at the bents (README), and at
    // mid-span 1 (tenth point 5 of IA, 1.2428 in from the fit) ELEV+DL is
    // the elevation + 1.2428 / 12.
    const auto rows = GirderRows(Sample(EngineVariant::English).listing, "GIRDER G3 INTERIOR");
    ASSERT_EQ(rows.size(), 31u);
    const double listed[4] = {626.875000, 627.645625, 627.570625, 626.687500};
    for (int b = 0; b < 4; ++b)
        EXPECT_NEAR(Elevation(rows[static_cast<size_t>(b * 10)]), listed[b], 0.0001) << b;
    EXPECT_EQ(Name(rows[5]), "    F-5   ");
    const double withDeadLoad = std::strtod(ElevationWithDeadLoad(rows[5]).c_str(), nullptr);
    EXPECT_NEAR(withDeadLoad - Elevation(rows[5]), 1.2428 / 12.0, 0.00015);
    // The supports carry no deflection: ELEV+DL is the elevation there.
    EXPECT_EQ(ElevationWithDeadLoad(rows[10]), " " + Columns(rows[10], 43, 50));
}

TEST(SampleBridge, DeadLoadCurvesGiveTheHandTenthPointsAndSlopes) {
    // README "Dead load": each card fitted as t (t - 1) times a quadratic;
    // the deflections at tenth points 1-9 (inches) and the end slopes.
    struct Card {
        double tenths[9];
        double start, end;
    };
    const Card cards[6] = {
        {{0.4731, 0.8861, 1.1937, 1.3667, 1.3922, 1.2738, 1.0312, 0.7004, 0.3338},
         0.403214,
         -0.242031},
        {{0.4496, 1.0231, 1.5527, 1.9184, 2.0483, 1.9184, 1.5527, 1.0231, 0.4496},
         0.266378,
         -0.266378},
        {{0.3338, 0.7004, 1.0312, 1.2738, 1.3922, 1.3667, 1.1937, 0.8861, 0.4731},
         0.242031,
         -0.403214},
        {{0.4228, 0.7916, 1.0660, 1.2202, 1.2428, 1.1370, 0.9204, 0.6252, 0.2980},
         0.360580,
         -0.216207},
        {{0.4058, 0.9235, 1.4015, 1.7317, 1.8489, 1.7317, 1.4015, 0.9235, 0.4058},
         0.240404,
         -0.240404},
        {{0.2980, 0.6252, 0.9204, 1.1370, 1.2428, 1.2202, 1.0660, 0.7916, 0.4228},
         0.216207,
         -0.360580}};
    const auto records = Records(Sample(EngineVariant::English).listing);
    std::vector<std::string> inches, slopes;
    for (const std::string& r : records) {
        if (r.compare(0, 5, " INCH") == 0) inches.push_back(r);
        if (r.compare(0, 6, " SLOPE") == 0) slopes.push_back(r);
    }
    ASSERT_EQ(inches.size(), 6u);
    ASSERT_EQ(slopes.size(), 6u);
    for (size_t c = 0; c < 6; ++c) {
        EXPECT_NEAR(Number(inches[c], 6, 14), 0.0, 0.00005) << c;  // the supports
        EXPECT_NEAR(Number(inches[c], 96, 104), 0.0, 0.00005) << c;
        for (int p = 1; p <= 9; ++p)
            EXPECT_NEAR(Number(inches[c], 6 + 9 * p, 14 + 9 * p), cards[c].tenths[p - 1], 0.00005)
                << c << " " << p;
        EXPECT_NEAR(Number(slopes[c], 7, 16), cards[c].start, 0.0000005) << c;
        EXPECT_NEAR(Number(slopes[c], 97, 106), cards[c].end, 0.0000005) << c;
    }
}

TEST(SampleBridge, MetricListingHoldsTheSameLengthsInMetres) {
    // Column by column, every length of every girder row is the English
    // listing's times 0.3048006096012192 (each rounded to 4 decimals).
    for (const char* name : kGirders) {
        const auto feet = GirderRows(Sample(EngineVariant::English).listing, name);
        const auto metres = GirderRows(Sample(EngineVariant::Metric).listing, name);
        ASSERT_EQ(feet.size(), metres.size()) << name;
        for (size_t i = 0; i < feet.size(); ++i) {
            const double tolerance = 0.00005 + 0.00005 * kMetresPerFoot;
            EXPECT_NEAR(Offset(metres[i]), Offset(feet[i]) * kMetresPerFoot, tolerance);
            EXPECT_NEAR(Elevation(metres[i]), Elevation(feet[i]) * kMetresPerFoot, tolerance);
            EXPECT_NEAR(X(metres[i]), X(feet[i]) * kMetresPerFoot, tolerance);
            EXPECT_NEAR(Y(metres[i]), Y(feet[i]) * kMetresPerFoot, tolerance);
            EXPECT_NEAR(GirderLength(metres[i]), GirderLength(feet[i]) * kMetresPerFoot, tolerance);
            if (Skew(feet[i]) != std::string(13, ' ')) {
                EXPECT_NEAR(BentLength(metres[i]), BentLength(feet[i]) * kMetresPerFoot, tolerance);
            }
            EXPECT_EQ(Skew(metres[i]), Skew(feet[i]));
            EXPECT_EQ(Columns(metres[i], 124, 133), Columns(feet[i], 124, 133));
            // The station: kkkk+mmm.mmmm in metres.
            const std::string station = Station(metres[i]);
            const double m = std::strtod(station.substr(0, 4).c_str(), nullptr) * 1000.0 +
                             std::strtod(station.substr(5).c_str(), nullptr);
            EXPECT_NEAR(m, StationFeet(feet[i]) * kMetresPerFoot, tolerance) << station;
        }
    }
}

}  // namespace
}  // namespace quillon::engine
