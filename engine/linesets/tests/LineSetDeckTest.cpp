// Whole decks through the engine: a straight bridge, a curved bridge with a
// chord layout line, a fatal line set followed by a good one, reuse of the
// reference line accepted and refused, and the sample bridge of samples/.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "LineSetTestSupport.hpp"
#include "engine/geometry/tests/ReferenceAlignment.hpp"
#include "engine/problem/tests/EngineTestSupport.hpp"

namespace quillon::engine {
namespace {

using linesettest::Card;
using linesettest::Columns;
using linesettest::ReferenceCard;

std::string Deck(const std::vector<std::string>& cards) {
    std::string deck;
    for (const std::string& card : cards) deck += card + "\n";
    return deck;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

const std::string kHeader = "00BRIDGE 9";
const std::string kGirderA =
    Card({{1, "05"}, {3, "0"}, {4, "  -10.00"}, {12, "4"}, {30, "GIRDER A"}});
const std::string kGirderB =
    Card({{1, "05"}, {3, "0"}, {4, "   10.00"}, {12, "4"}, {30, "GIRDER B"}});
const std::string kAbutment =
    Card({{1, "06"}, {3, "    0.00"}, {22, " 10"}, {29, "ABUT 1"}, {44, "A"}});
const std::string kPier =
    Card({{1, "06"}, {3, "  100.00"}, {22, " 10"}, {29, "PIER 2"}, {44, "B"}});
const std::string kEnd = Card({{1, "06"}, {3, "  200.00"}, {29, "ABUT 3"}});
const std::string kDeadLoad = Card({{1, "07"}, {3, "AA"}, {15, "   100"}, {75, "     0"}});
// Sets for the bent lines alone (column 3 blank), as the girder lines ask
// for no dead load: one for each span that asks for it.
const std::string kBentDeadLoadA = Card({{1, "07"}, {4, "A"}, {15, "   100"}, {75, "     0"}});
const std::string kBentDeadLoadB = Card({{1, "07"}, {4, "B"}, {15, "   100"}, {75, "     0"}});
const std::string kApproach = "08";

TEST(LineSetDecks, StraightBridgeEndsNormally) {
    const auto result = testing::RunOnDeck(
        Deck({kHeader, linesettest::kVerticalCard, linesettest::kCrossSlopeCard,
              ReferenceCard("1200.", "0", "1", "1"), kGirderA, kGirderB, kAbutment, kPier, kEnd,
              kBentDeadLoadA, kBentDeadLoadB, kApproach}));
    EXPECT_EQ(result.status, 0) << result.listing;
    EXPECT_EQ(result.console, "  Normal termination -- QUILLON\n");
    EXPECT_TRUE(
        Contains(result.listing, "LAYOUT LINE DEFINED TO BE COINCIDENT WITH HORIZONTAL CONTROL"));
    EXPECT_FALSE(Contains(result.listing, "ERROR"));
}

TEST(LineSetDecks, CurvedBridgeWithAChordLayoutLine) {
    // Chord between the abutments (the reference line at 11+00 and a bent
    // line 200 further): tangent point 12+00, middle ordinate 4.9958.
    const auto result = testing::RunOnDeck(Deck(
        {kHeader, linesettest::kCurveCard, linesettest::kVerticalCard, linesettest::kCrossSlopeCard,
         ReferenceCard("1100.", "0", "1", "2"), kGirderA, kGirderB, kAbutment, kPier,
         Card({{1, "06"}, {3, "  200.00"}, {21, "1"}, {29, "ABUT 3"}, {41, "X"}}), kDeadLoad,
         kApproach}));
    EXPECT_EQ(result.status, 0) << result.listing;
    EXPECT_TRUE(
        Contains(result.listing, "LAYOUT LINE DEFINED AS CHORD BETWEEN BENT LINES:  ABUT 3"));
    EXPECT_TRUE(Contains(result.listing, "AT OFFSET           4.9958"));
    EXPECT_TRUE(Contains(result.listing, "IS TANGENT TO LAYOUT LINE AT STATION       12+00.0000"));
}

TEST(LineSetDecks, FatalLineSetFollowedByAGoodOne) {
    // The first line set's bent line is out of range: it is not computed,
    // the second is; the run cannot end cleanly.
    const auto result = testing::RunOnDeck(
        Deck({kHeader, linesettest::kCurveCard, linesettest::kVerticalCard,
              linesettest::kCrossSlopeCard, ReferenceCard("1200.", "0", "1", "1"), kGirderA,
              Card({{1, "06"}, {3, "  100.00"}, {11, "5"}, {29, "PIER 2"}}),
              ReferenceCard("1300.", "0", "1", "1"), kGirderA, kAbutment, kPier, kApproach}));
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.console, "");
    EXPECT_TRUE(Contains(result.listing, " COL 11 OR 21 OUT OF RANGE -- BENT LINE:  PIER 2"));
    EXPECT_TRUE(Contains(result.listing, " FATAL ERROR -- 06 CARD"));
    EXPECT_EQ(Count(result.listing, " LAYOUT LINE DATA"), 1);
    EXPECT_TRUE(Contains(result.listing, "LAYOUT LINE INTERSECTS REF LINE AT       13+00.0000"));
}

TEST(LineSetDecks, ReuseAcceptedAfterAComputedLayoutLine) {
    const auto result = testing::RunOnDeck(Deck(
        {kHeader, linesettest::kCurveCard, linesettest::kVerticalCard, linesettest::kCrossSlopeCard,
         ReferenceCard("1200.", "0", "1", "1"), kGirderA, kAbutment, kPier,
         Card({{1, "04"}, {14, "3"}}), kGirderB, kAbutment, kEnd, kApproach}));
    EXPECT_EQ(result.status, 0) << result.listing;
    EXPECT_EQ(Count(result.listing, " LAYOUT LINE DATA"), 1);
}

TEST(LineSetDecks, ReuseRefusedAsTheFirstLineSetOfAProblem) {
    // A second Problem starts without a reference line to reuse, even
    // though the first one computed its layout line; on a straight control
    // too (it would otherwise be taken as a station on the control).
    const auto result = testing::RunOnDeck(Deck(
        {kHeader, linesettest::kCurveCard, linesettest::kVerticalCard, linesettest::kCrossSlopeCard,
         ReferenceCard("1200.", "0", "1", "1"), kGirderA, kAbutment, kPier, kApproach,
         "00BRIDGE 10", linesettest::kVerticalCard, linesettest::kCrossSlopeCard,
         ReferenceCard("1200.", "3", "1", "1"), kGirderA, kAbutment, kPier, kApproach}));
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(Count(result.listing, " LAYOUT LINE DATA"), 1);
    EXPECT_TRUE(Contains(
        result.listing,
        " COL 14, 24, 25 OR 26 OUT OF RANGE (OR LAYOUT LINE NOT FOUND ON PREVIOUS SECTION)"));
}

// The sample deck of samples/bridge.dat.
std::string SampleDeck() {
    std::ifstream in(std::string(QUILLON_SAMPLES_DIR) + "/bridge.dat", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SampleBridge, ReferenceLineOnTheBackTangent) {
    for (EngineVariant v : {EngineVariant::English, EngineVariant::Metric}) {
        const auto result = testing::RunOnDeck(SampleDeck(), v);
        EXPECT_EQ(result.status, 0) << result.listing;
        const auto records = testing::Records(result.listing);
        std::vector<std::string> section;
        for (size_t i = 0; i < records.size(); ++i)
            if (records[i] == " LAYOUT LINE DATA")
                section.assign(records.begin() + static_cast<long>(i), records.end());
        ASSERT_GE(section.size(), 6u);
        EXPECT_EQ(section[2], "        LAYOUT LINE DEFINED AS  BACK TANGENT");
        const std::string& line = section[5];
        if (v == EngineVariant::English) {
            EXPECT_EQ(Columns(line, 64, 76), "   23+53.0991");
            EXPECT_EQ(Columns(line, 77, 95), "    -17.7974149    ");
        } else {
            EXPECT_EQ(Columns(line, 64, 76), "   0+717.2260");
            EXPECT_EQ(Columns(line, 77, 95), "    -5.42466292    ");
        }
        EXPECT_EQ(Columns(line, 96, 119), "      0.0000      0.0000");
    }
}

TEST(SampleBridge, RadialLineTurnedTenDegreesMeetsTheBackTangent) {
    // Second method: the sample's curve (delta 28 30, D = 4 degrees by arc,
    // R = 18000 / (4 pi), spirals of 200, PI at 25+00) described by the
    // integrated reference alignment; its TS from the textbook spiral
    // formulas T = (R + p) tan(delta / 2) + k. The radial line at 23+50,
    // turned 10 degrees clockwise, meets x = 0 at y = 319.0008, which is
    // where the layout origin lies; the listed HCL station 23+53.0991 and
    // offset -17.7974149 lead back to that point.
    const double r = 18000.0 / (4.0 * linesettest::kPi);
    const double delta = (28.5) * linesettest::kPi / 180.0;
    const double ls = 200.0;
    const double theta = ls / (2.0 * r);
    const double xs = ls * (1 - theta * theta / 10 + std::pow(theta, 4) / 216);
    const double ys = ls * (theta / 3 - std::pow(theta, 3) / 42 + std::pow(theta, 5) / 1320);
    const double p = ys - r * (1 - std::cos(theta));
    const double k = xs - r * std::sin(theta);
    const double ts = 2500.0 - ((r + p) * std::tan(delta / 2) + k);
    geometry::testing::ReferenceAlignment curve({"Sample", 1.0, r, 28.5, ls, ls});
    const double s = 2350.0 - ts;
    const double phi = curve.Phi(s);
    const Pair at = curve.Point(s);
    const Pair along = geometry::UnitAt(-(phi + 10.0 * linesettest::kPi / 180.0));
    const Pair origin = at + (-at.real() / along.real()) * along;
    EXPECT_NEAR(origin.imag(), 319.0008, 5e-5);

    std::vector<std::string> deck;
    std::istringstream in(SampleDeck());
    for (std::string line; std::getline(in, line);) deck.push_back(line);
    deck.erase(deck.begin());  // the run support writes its own 00 card
    linesettest::LineSetRun sample({}, deck);
    ASSERT_TRUE(sample.Run(linesettest::NoSteps()));
    ASSERT_FALSE(sample.run.state.fatalFlag);
    const LayoutLine& layout = sample.LineSet().layout;
    EXPECT_EQ(layout.dir, Pair(1.0, 0.0));
    EXPECT_NEAR(std::abs(-layout.a - origin), 0.0, 1e-6);
    EXPECT_NEAR(sample.Horizontal().tsStation, ts, 1e-6);
    // The listed station and offset of the origin, placed on the reference alignment.
    EXPECT_NEAR(std::abs(curve.Point(-17.7974149, 2353.0991 - ts) - origin), 0.0, 2e-4);
}

}  // namespace
}  // namespace quillon::engine
