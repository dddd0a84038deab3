// Reading the 08 card: the sample bridge's card, a short card, and which
// offset fields count as given.
#include <gtest/gtest.h>

#include "engine/approaches/ApproachCard.hpp"
#include "engine/approaches/tests/ApproachTestSupport.hpp"

namespace quillon::engine {
namespace {

TEST(ApproachCardReading, SampleBridgeCard) {
    // samples/README.md: begin 23+50, end 26+50, length 400.0 (one implied
    // decimal), offsets -22, -12, 0, +12, +22 (four implied decimals), the
    // last two fields blank.
    RoadApproachCard card;
    const FieldFailure failure = ReadRoadApproachCard(
        "08   2350   2650    4000 -220000 -120000       0  120000  220000", card);
    EXPECT_FALSE(failure.failed);
    EXPECT_EQ(card.begStr, 2350.0);
    EXPECT_EQ(card.endStr, 2650.0);
    EXPECT_EQ(card.length, 400.0);
    const std::array<double, kApproachOffsets> offsets{-22.0, -12.0, 0.0, 12.0, 22.0, 0.0, 0.0};
    EXPECT_EQ(card.offsets, offsets);
    const std::array<bool, kApproachOffsets> given{true, true, true, true, true, false, false};
    EXPECT_EQ(card.offsetGiven, given);
}

TEST(ApproachCardReading, ShortCardReadsAsPaddedWithBlanks) {
    // "08   235" : the begin field is "   235" and a padding blank, read as
    // zeros: 2350; every other field is blank.
    RoadApproachCard card;
    EXPECT_FALSE(ReadRoadApproachCard("08   235", card).failed);
    EXPECT_EQ(card.begStr, 2350.0);
    EXPECT_EQ(card.endStr, 0.0);
    EXPECT_EQ(card.length, 0.0);
    for (bool given : card.offsetGiven) EXPECT_FALSE(given);
}

TEST(ApproachCardReading, NotANumberIsZeroAndTheFirstFieldIsNamed) {
    RoadApproachCard card;
    const FieldFailure failure = ReadRoadApproachCard(
        approachtest::ApproachCard("2350", "26X0", "4000", {"", "1.2.3"}), card);
    ASSERT_TRUE(failure.failed);
    EXPECT_EQ(failure.firstColumn, 10);
    EXPECT_EQ(failure.lastColumn, 16);
    EXPECT_EQ(failure.name, "END STATION");
    EXPECT_EQ(card.endStr, 0.0);
    EXPECT_EQ(card.begStr, 2350.0);  // the other fields are still read
    EXPECT_EQ(card.length, 400.0);
    EXPECT_TRUE(card.offsetGiven[1]);
}

}  // namespace
}  // namespace quillon::engine
