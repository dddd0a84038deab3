#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "converters/projcoord/ProjectCoordinates.hpp"
#include "fixedform/RecordWriter.hpp"
#include "testsupport/CaseName.hpp"

namespace pc = quillon::converters::projcoord;
namespace ff = quillon::fixedform;

namespace {

struct RotationCase {
    std::string name;
    pc::Bearing bearing;
    double n0, e0, x, y;
    // Worked out by the rotation of the layout frame: with the bearing's
    // rotation t (clockwise from north) the layout's Y axis is (cos t, sin t)
    // in (north, east) and its X axis (-sin t, cos t), so
    //   N = N0 + Y cos t - X sin t,  E = E0 + Y sin t + X cos t.
    double northing, easting;
    std::string printed;  // the two F12.4 fields as the listing shows them
};

class RotationTable : public ::testing::TestWithParam<RotationCase> {};

TEST_P(RotationTable, GivesTheNorthingAndEastingOfTheRotatedLayoutPoint) {
    const RotationCase& c = GetParam();
    auto rotation = pc::BearingToRotation(c.bearing);
    ASSERT_TRUE(rotation.has_value());
    pc::ProjectPoint p = pc::ToProjectCoordinates(c.x, c.y, {*rotation, c.n0, c.e0});
    EXPECT_NEAR(p.northing, c.northing, 1e-9);
    EXPECT_NEAR(p.easting, c.easting, 1e-9);
    EXPECT_EQ(ff::FormatF(p.northing, 12, 4) + " " + ff::FormatF(p.easting, 12, 4), c.printed);
}

const double kRoot3 = std::sqrt(3.0);

INSTANTIATE_TEST_SUITE_P(
    Bearings, RotationTable,
    ::testing::Values(
        // t = 30 deg: N = 1000 + 2 sqrt3 - 1.5, E = 2000 + 2 + 1.5 sqrt3.
        RotationCase{"N30E",
                     {'N', 30, 0, 0.0, 'E'},
                     1000,
                     2000,
                     3,
                     4,
                     998.5 + 2 * kRoot3,
                     2002 + 1.5 * kRoot3,
                     "   1001.9641    2004.5981"},
        // X = -3: N = 1000 + 2 sqrt3 + 1.5, E = 2000 + 2 - 1.5 sqrt3.
        RotationCase{"N30E_NegativeX",
                     {'N', 30, 0, 0.0, 'E'},
                     1000,
                     2000,
                     -3,
                     4,
                     1001.5 + 2 * kRoot3,
                     2002 - 1.5 * kRoot3,
                     "   1004.9641    1999.4019"},
        // t = -(180 - 45.5) deg = -134.5 deg: cos t = -0.7009092643, sin t = -0.7132504492.
        RotationCase{"S45_30W",
                     {'S', 45, 30, 0.0, 'W'},
                     1000,
                     2000,
                     3,
                     4,
                     999.3361142903,
                     1995.0442704105,
                     "    999.3361    1995.0443"},
        // t = -(12 + 34/60 + 56.78/3600) deg = -12.5824388889 deg.
        RotationCase{"N12_34_56_78W",
                     {'N', 12, 34, 56.78, 'W'},
                     1000,
                     2000,
                     3,
                     4,
                     1004.5574666476,
                     2002.0565742767,
                     "   1004.5575    2002.0566"},
        // The bearing N 0 0 0 E keeps the layout frame: X east, Y north.
        RotationCase{"N0E_OnTheXAxis",
                     {'N', 0, 0, 0.0, 'E'},
                     0,
                     0,
                     10,
                     0,
                     0,
                     10,
                     "      0.0000      10.0000"},
        RotationCase{"N0E_OnTheYAxis",
                     {'N', 0, 0, 0.0, 'E'},
                     0,
                     0,
                     0,
                     10,
                     10,
                     0,
                     "     10.0000       0.0000"},
        // S 0 0 0 E turns the figure by pi.
        RotationCase{"S0E_TurnsByPi",
                     {'S', 0, 0, 0.0, 'E'},
                     0,
                     0,
                     0,
                     10,
                     -10,
                     0,
                     "    -10.0000       0.0000"},
        // The azimuth 3 pi / 2 leaves a northing of a few 1e-16, printed without a sign.
        RotationCase{"N0E_NegativeXAxis",
                     {'N', 0, 0, 0.0, 'E'},
                     0,
                     0,
                     -10,
                     0,
                     0,
                     -10,
                     "      0.0000     -10.0000"},
        RotationCase{"TheLayoutOriginIsTheOffsetPoint",
                     {'N', 30, 0, 0.0, 'E'},
                     1000,
                     2000,
                     0,
                     0,
                     1000,
                     2000,
                     "   1000.0000    2000.0000"}),
    quillon::testsupport::CaseName());

TEST(BearingToRotation, HasOneSignForEachQuadrant) {
    const double theta = 30.0 * 0.017453292519943295;
    const double pi = 3.141592653589793;
    EXPECT_DOUBLE_EQ(*pc::BearingToRotation({'N', 30, 0, 0.0, 'E'}), theta);
    EXPECT_DOUBLE_EQ(*pc::BearingToRotation({'N', 30, 0, 0.0, 'W'}), -theta);
    EXPECT_DOUBLE_EQ(*pc::BearingToRotation({'S', 30, 0, 0.0, 'E'}), pi - theta);
    EXPECT_DOUBLE_EQ(*pc::BearingToRotation({'S', 30, 0, 0.0, 'W'}), -(pi - theta));
}

TEST(BearingToRotation, AddsMinutesAndSecondsAsSixtiethsAndThirtySixHundredths) {
    // 10 deg 30 min 36 s = 10.51 deg.
    EXPECT_NEAR(*pc::BearingToRotation({'N', 10, 30, 36.0, 'E'}), 10.51 * M_PI / 180.0, 1e-15);
}

TEST(BearingToRotation, RefusesOtherLetters) {
    EXPECT_FALSE(pc::BearingToRotation({'E', 30, 0, 0.0, 'N'}).has_value());
    EXPECT_FALSE(pc::BearingToRotation({'N', 30, 0, 0.0, 'X'}).has_value());
}

}  // namespace
