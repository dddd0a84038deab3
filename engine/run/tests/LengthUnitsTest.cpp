// The engine's length conversion. The US survey foot is 1200/3937 m exactly;
// the international foot 0.3048 m.
#include <gtest/gtest.h>

#include "engine/run/StationText.hpp"

namespace quillon::engine {
namespace {

TEST(ConvertLength, SameUnitsReturnTheLengthUnchanged) {
    for (char unit : {'\'', 'm', ' '}) {
        EXPECT_EQ(ConvertLength(unit, unit, 'S', 123.456789), 123.456789) << unit;
        EXPECT_EQ(ConvertLength(unit, unit, 'x', -0.1), -0.1) << unit;
    }
}

TEST(ConvertLength, SurveyFootFactorIs1200Over3937) {
    EXPECT_EQ(ConvertLength('\'', 'm', 'S', 1.0), 1200.0 / 3937.0);
    // 1000 x 1200/3937 = 304.80060960121920...
    EXPECT_NEAR(ConvertLength('\'', 'm', 'S', 1000.0), 304.8006096012192, 1e-12);
    // 3937 survey feet are 1200 m, and back.
    EXPECT_NEAR(ConvertLength('\'', 'm', 'S', 3937.0), 1200.0, 1e-9);
    EXPECT_NEAR(ConvertLength('m', '\'', 'S', 1200.0), 3937.0, 1e-9);
}

TEST(ConvertLength, AnyOtherKindIsTheInternationalFoot) {
    // 304.8 m / 0.3048 = 1000 ft.
    EXPECT_NEAR(ConvertLength('m', '\'', 'x', 304.8), 1000.0, 1e-9);
    EXPECT_NEAR(ConvertLength('\'', 'm', ' ', 1000.0), 304.8, 1e-12);
    // Only a capital S selects the survey foot.
    EXPECT_NEAR(ConvertLength('\'', 'm', 's', 1000.0), 304.8, 1e-12);
}

TEST(ConvertLength, AnyFromUnitOtherThanFeetConvertsMetresToFeet) {
    // The from-unit decides the direction: anything but "'" is metres.
    EXPECT_NEAR(ConvertLength('m', ' ', 'S', 1200.0), 3937.0, 1e-9);
    EXPECT_NEAR(ConvertLength('\'', ' ', 'S', 3937.0), 1200.0, 1e-9);
}

TEST(ConvertLength, NegativeLengthsKeepTheirSign) {
    EXPECT_NEAR(ConvertLength('\'', 'm', 'S', -3937.0), -1200.0, 1e-9);
}

}  // namespace
}  // namespace quillon::engine
