// QlEngl and QlMetr accept and refuse the same station equations: an overlap
// is invalid when it is 1,000,000 ft or more in both builds, although QlMetr
// prints the stations past a valid overlap with its million in metres.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/alignment/tests/AlignmentCardsTestSupport.hpp"
#include "engine/problem/tests/EngineTestSupport.hpp"

namespace quillon::engine {
namespace {

using aligntest::Card;
using aligntest::kCrossSlopeCard;
using aligntest::kVerticalCard;

struct EquationCase {
    const char* name;
    const char* back;   // columns 59-69 of the 01 card, feet
    const char* ahead;  // columns 70-80
    bool invalid;
};

// A Problem on a horizontal tangent with the equation on its 01 card.
std::string DeckWithEquation(const EquationCase& c) {
    return Card({{1, "00"}, {3, "BRIDGE 1"}}) + "\n" +
           Card({{1, "01"}, {59, c.back}, {70, c.ahead}}) + "\n" + kVerticalCard + "\n" +
           kCrossSlopeCard + "\n" + Card({{1, "04"}, {3, "100."}}) + "\n05\n06\n";
}

// The four lines of the fatal box that holds `message`: the frame line, the
// title, the message and the frame line.
std::vector<std::string> BoxAround(const std::string& listing, const std::string& message) {
    const auto records = testing::Records(listing);
    const auto at = std::find_if(records.begin(), records.end(), [&](const std::string& r) {
        return r.find(message) != std::string::npos;
    });
    if (at == records.end() || at - records.begin() < 2 || records.end() - at < 2) return {};
    return std::vector<std::string>(at - 2, at + 2);
}

class EquationInBothBuilds : public ::testing::TestWithParam<EquationCase> {};

TEST_P(EquationInBothBuilds, IsValidInOneBuildExactlyWhenValidInTheOther) {
    const EquationCase& c = GetParam();
    const auto english = testing::RunOnDeck(DeckWithEquation(c), EngineVariant::English);
    const auto metric = testing::RunOnDeck(DeckWithEquation(c), EngineVariant::Metric);
    const std::string message = "INVALID STATION EQUATION";
    const auto englishBox = BoxAround(english.listing, message);
    const auto metricBox = BoxAround(metric.listing, message);
    EXPECT_EQ(!englishBox.empty(), c.invalid) << english.listing;
    EXPECT_EQ(metricBox, englishBox) << metric.listing;
    if (c.invalid) {
        EXPECT_EQ(english.status, 4);
        EXPECT_EQ(metric.status, 4);
        ASSERT_EQ(englishBox.size(), 4u);
        // The 01 card's fatal box: frame, title, message, frame.
        EXPECT_EQ(englishBox[0], ErrorBoxLine());
        EXPECT_EQ(englishBox[1], ErrorBoxLine({{53, "FATAL ERROR -- 01 CARD"}}));
        EXPECT_EQ(englishBox[2], ErrorBoxLine({{52, "INVALID STATION EQUATION"}}));
        EXPECT_EQ(englishBox[3], ErrorBoxLine());
    } else {
        EXPECT_NE(english.listing.find("STATION EQUATION:"), std::string::npos);
        EXPECT_NE(metric.listing.find("STATION EQUATION:"), std::string::npos);
    }
}

// Shift past an overlap, worked in feet: 1,000,000 - (back - ahead); the
// equation is invalid when that is 0 or less.
INSTANTIATE_TEST_SUITE_P(
    Cases, EquationInBothBuilds,
    ::testing::Values(
        // 1,000,000 - 1,499,900 < 0; QlMetr used to accept it against 1,000,000 m.
        EquationCase{"overlap_of_1499900_ft", "1500000.", "100.", true},
        // 1,000,000 - 1,000,000 = 0.
        EquationCase{"overlap_of_exactly_a_million_ft", "1000001.", "1.", true},
        // 1,000,000 - 999,999 = 1 > 0.
        EquationCase{"overlap_just_below_a_million_ft", "1000000.", "1.", false},
        // 1,000,000 - 50 > 0.
        EquationCase{"overlap_of_50_ft", "1000.", "950.", false},
        // A gap is never invalid.
        EquationCase{"gap_of_50_ft", "1000.", "1050.", false}),
    [](const ::testing::TestParamInfo<EquationCase>& testInfo) { return testInfo.param.name; });

}  // namespace
}  // namespace quillon::engine
