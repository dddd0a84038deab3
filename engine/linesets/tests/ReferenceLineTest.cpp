// Placing the reference line from the 04 card, against hand-worked circle
// geometry: R = 1000 to the right, deflection 60 degrees, no spirals, the TS
// at 1000.0000308 (so the circle's centre is (1000, 0) in the HC frame and
// its point at station s is R (1 - cos(s/R), sin(s/R))); and the messages of
// the reference line column by column.
#include <gtest/gtest.h>

#include <cmath>

#include "LineSetTestSupport.hpp"
#include "fixedform/RecordWriter.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using linesettest::Card;
using linesettest::CurvedAlignment;
using linesettest::Degrees;
using linesettest::kRadius;
using linesettest::kTsStation;
using linesettest::LineSetRun;
using linesettest::NoSteps;
using linesettest::ReferenceCard;
using linesettest::StraightAlignment;

constexpr double kLength = 1e-7;  // feet
constexpr double kAngle = 1e-9;   // radians

const std::string kGirder = Card({{1, "05"}, {3, "0"}, {12, "4"}, {30, "GIRDER"}});
const std::string kBent = Card({{1, "06"}, {3, "50."}, {29, "PIER"}});

std::unique_ptr<LineSetRun> Placed(const std::string& reference,
                                   std::vector<std::string> alignment = CurvedAlignment(),
                                   std::vector<std::string> more = {}) {
    std::vector<std::string> cards{reference, kGirder, kBent};
    cards.insert(cards.end(), more.begin(), more.end());
    auto run = std::make_unique<LineSetRun>(alignment, cards);
    EXPECT_TRUE(run->Run(NoSteps()));
    return run;
}

TEST(ReferenceLine, OnTheBackTangentsExtensionSquareToIt) {
    // Station TS + 500 on the back tangent's extension, square to the back
    // tangent: the line y = d (d = 1500 - TS) meets the circle where
    // sin(s/R) = d/R, at s = R asin(0.5) = 523.5988 for d = 500; its skew
    // there is minus the tangent angle, -30 degrees.
    auto run = Placed(ReferenceCard("1500.", "1", "3", "1"));
    const ReferenceLine& r = run->LineSet().reference;
    ASSERT_FALSE(run->run.state.fatalFlag);
    const double d = 1500.0 - kTsStation;
    EXPECT_NEAR(r.station, kRadius * std::asin(d / kRadius), kLength);
    EXPECT_NEAR(kRadius * std::asin(0.5), 523.5988, 1e-4);
    EXPECT_NEAR(Degrees(r.skewUsed), -Degrees(std::asin(d / kRadius)), 1e-7);
    const double phi = r.station / kRadius;
    EXPECT_NEAR(std::abs(r.point - Pair(kRadius * (1 - std::cos(phi)), kRadius * std::sin(phi))),
                0.0, kLength);
    EXPECT_NEAR(r.point.imag(), d, kLength);  // on the line y = d
    EXPECT_EQ(run->LineSet().tangentsUsed, kBackTangentMark);
    EXPECT_EQ(r.tangentMarks, kBackTangentMark);
    EXPECT_EQ(r.staOn, kStationOnBackTangent);
    // sigma times the foot pair is a unit normal, oriented up-station here.
    EXPECT_NEAR(std::abs(r.sigma * r.foot), 1.0, 1e-12);
    EXPECT_GT((r.sigma * r.foot).imag(), 0.0);
}

TEST(ReferenceLine, OnTheAheadTangentsExtensionSquareToIt) {
    // The mirror image: 500 before the ST on the ahead tangent's extension,
    // square to it, meets the circle at L - R asin(0.5) with skew +30
    // degrees (L = R pi/3).
    const double length = kRadius * linesettest::kPi / 3.0;
    const double station = kTsStation + length - 500.0;
    auto run = Placed(ReferenceCard(quillon::fixedform::FormatF(station, 11, 4), "2", "4", "1"));
    const ReferenceLine& r = run->LineSet().reference;
    ASSERT_FALSE(run->run.state.fatalFlag);
    const double d = std::stod(quillon::fixedform::FormatF(station, 11, 4)) - kTsStation;
    EXPECT_NEAR(r.station, length - kRadius * std::asin((length - d) / kRadius), 1e-6);
    EXPECT_NEAR(Degrees(r.skewUsed), Degrees(std::asin((length - d) / kRadius)), 1e-6);
    EXPECT_EQ(run->LineSet().tangentsUsed, kAheadTangentMark);
}

TEST(ReferenceLine, SkewFromTheControlRefusedOnATangentsExtension) {
    // Four empty records, the detail line, an empty record, the fatal line,
    // an empty record; then the page is ended.
    auto run = Placed(ReferenceCard("1500.", "1", "1", "1"));
    EXPECT_TRUE(run->run.state.fatalFlag);
    const auto lines = run->Lines();
    const int at = run->IndexOf("COL 14 CONFLICTS WITH COL 24");
    ASSERT_GE(at, 4);
    const size_t a = static_cast<size_t>(at);
    ASSERT_LT(a + 3, lines.size());
    for (size_t i = 1; i <= 4; ++i) EXPECT_EQ(lines[a - i], "");
    EXPECT_EQ(lines[a], " COL 14 CONFLICTS WITH COL 24");
    EXPECT_EQ(lines[a + 1], "");
    EXPECT_EQ(lines[a + 2], " FATAL ERROR -- 04 CARD");
    EXPECT_EQ(lines[a + 3], "");
    EXPECT_EQ(run->run.listing.LinesLeft(), -1);  // the next block starts a new page
    EXPECT_EQ(run->IndexOf("LAYOUT LINE DATA"), -1);
}

TEST(ReferenceLine, BeforeTheTsOnTheBackTangentIsAStationOnTheControl) {
    // d below 0 lies on the back tangent itself: station on the control,
    // skew from the control allowed; the back tangent still counts as used.
    auto run = Placed(ReferenceCard("900.", "1", "1", "1", {{16, "20"}}));
    const ReferenceLine& r = run->LineSet().reference;
    ASSERT_FALSE(run->run.state.fatalFlag);
    EXPECT_EQ(r.staOn, kStationOnControl);
    EXPECT_NEAR(r.station, 900.0 - kTsStation, kLength);
    EXPECT_NEAR(Degrees(r.skewUsed), 20.0, 1e-12);
    EXPECT_EQ(run->LineSet().tangentsUsed, kBackTangentMark);
}

TEST(ReferenceLine, SquareToTheBackTangentAtAStationOnTheCurve) {
    // At s = 200 the tangent has turned 0.2 rad; a line square to the back
    // tangent turned 10 degrees makes 10 degrees - 0.2 rad with the normal.
    auto run = Placed(ReferenceCard("1200.", "0", "3", "1", {{16, "10"}}));
    const ReferenceLine& r = run->LineSet().reference;
    const double s = 1200.0 - kTsStation;
    EXPECT_NEAR(r.station, s, kLength);
    EXPECT_NEAR(r.skewUsed, 10.0 * linesettest::kPi / 180.0 - s / kRadius, kAngle);
    EXPECT_EQ(run->LineSet().tangentsUsed, kBackTangentMark);
}

TEST(ReferenceLine, RadialLineTurnedByItsSkew) {
    // Skew from the control: the radial line at s turned clockwise by the
    // skew, which is the skew used.
    auto run = Placed(ReferenceCard("1200.", "0", "1", "1", {{15, "L"}, {16, "15"}}));
    const ReferenceLine& r = run->LineSet().reference;
    const double phi = (1200.0 - kTsStation) / kRadius;
    const double a = -15.0 * linesettest::kPi / 180.0;
    EXPECT_NEAR(r.skewUsed, a, 1e-15);
    // The line's direction (cos(phi + a), -sin(phi + a)) is perpendicular to the foot.
    const Pair along(std::cos(phi + a), -std::sin(phi + a));
    EXPECT_NEAR(geometry::Dot2(r.foot, along), 0.0, 1e-9);
    EXPECT_NEAR(geometry::Dot2(r.point, r.foot), geometry::Dot2(r.foot, r.foot), 1e-6);
    EXPECT_EQ(run->LineSet().tangentsUsed, 0);
}

TEST(ReferenceLine, CodesOnAStraightControl) {
    // Station on: 0; skew from: the back tangent (3) unless the layout line;
    // layout line: the back tangent without a chord girder line.
    auto run = Placed(ReferenceCard("1200.", "2", "4", "3"), StraightAlignment());
    const ReferenceLine& r = run->LineSet().reference;
    ASSERT_FALSE(run->run.state.fatalFlag);
    EXPECT_EQ(r.staOn, 0);
    EXPECT_EQ(r.skewRespTo, kSkewFromBackTangent);
    EXPECT_EQ(r.layoutLineIs, kBackTangentLayout);
    // The TS of a straight control lies 0.00002 past the first reference station.
    EXPECT_NEAR(r.station, -0.00002, 1e-9);
}

TEST(ReferenceLine, SkewFromTheLayoutLineOfATangentLayoutLine) {
    // Skew type 2 on a back-tangent layout line is skew type 3 (4 for the ahead tangent).
    auto back = Placed(ReferenceCard("1200.", "0", "2", "1"));
    EXPECT_EQ(back->LineSet().reference.skewRespTo, kSkewFromBackTangent);
    auto ahead = Placed(ReferenceCard("1200.", "0", "2", "3"));
    EXPECT_EQ(ahead->LineSet().reference.skewRespTo, kSkewFromAheadTangent);
    EXPECT_FALSE(ahead->LineSet().reference.fromLayoutLine);
}

struct RangeCase {
    const char* name;
    std::string card;
};

class ReferenceLineRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ReferenceLineRange, OutOfRangeIsFatal) {
    auto run = Placed(GetParam().card);
    EXPECT_TRUE(run->run.state.fatalFlag);
    const auto lines = run->Lines();
    const int at = run->IndexOf("OUT OF RANGE (OR LAYOUT");
    ASSERT_GE(at, 4);
    const size_t a = static_cast<size_t>(at);
    EXPECT_EQ(lines[a],
              " COL 14, 24, 25 OR 26 OUT OF RANGE (OR LAYOUT LINE NOT FOUND ON PREVIOUS SECTION)");
    EXPECT_EQ(lines[a + 2], " FATAL ERROR -- 04 CARD");
}

INSTANTIATE_TEST_SUITE_P(
    Cards, ReferenceLineRange,
    ::testing::Values(
        RangeCase{"LayoutLineBlank", ReferenceCard("1200.", "0", "1", " ")},
        RangeCase{"LayoutLineFour", ReferenceCard("1200.", "0", "1", "4")},
        RangeCase{"SkewFromBlank", ReferenceCard("1200.", "0", " ", "1")},
        RangeCase{"SkewFromFive", ReferenceCard("1200.", "0", "5", "1")},
        RangeCase{"DefaultSkewThree", ReferenceCard("1200.", "0", "1", "1", {{25, "3"}})},
        RangeCase{"SameReferenceOnTheFirstLineSet", ReferenceCard("1200.", "3", "1", "1")}),
    quillon::testsupport::CaseName());

TEST(ReferenceLine, ChordReferenceOnATangentsExtensionIsRecursive) {
    // The box: an empty line, the frame, the message at 39, "(B21)" in
    // columns 90-94 on a line of its own, the frame.
    auto run = Placed(ReferenceCard("1500.", "1", "2", "2"), CurvedAlignment(),
                      {Card({{1, "06"}, {3, "90."}, {29, "PIER 2"}, {41, "X"}})});
    EXPECT_TRUE(run->run.state.fatalFlag);
    const auto lines = run->Lines();
    const int at = run->IndexOf("LAYOUT LINE IS RECURSIVELY DEFINED");
    ASSERT_GE(at, 2);
    const size_t a = static_cast<size_t>(at);
    EXPECT_EQ(lines[a - 2], "");
    EXPECT_EQ(lines[a - 1], ErrorBoxLine());
    EXPECT_EQ(lines[a], ErrorBoxLine({{39, "FATAL ERROR -- LAYOUT LINE IS RECURSIVELY DEFINED"}}));
    EXPECT_EQ(lines[a + 1], ErrorBoxLine({{90, "(B21)"}}));
    EXPECT_EQ(lines[a + 2], ErrorBoxLine());
}

TEST(ReferenceLine, LineAlongTheBackTangentsExtensionDoesNotCrossTheCurve) {
    // Square to the back tangent turned 90 degrees to the left: the line runs
    // along the back tangent's extension and meets the circle nowhere but in
    // its tangent point. The box: the three lines at 41, 42, 44, then "(B21)"
    // on a line of its own, the frame.
    auto run = Placed(ReferenceCard("1500.", "1", "3", "1", {{15, "L"}, {16, "90"}}));
    EXPECT_TRUE(run->run.state.fatalFlag);
    const auto lines = run->Lines();
    const int at = run->IndexOf("FATAL ERROR -- INTERSECTION OF REFERENCE LINE");
    ASSERT_GE(at, 2);
    const size_t a = static_cast<size_t>(at);
    ASSERT_LT(a + 4, lines.size());
    EXPECT_EQ(lines[a - 2], "");
    EXPECT_EQ(lines[a - 1], ErrorBoxLine());
    EXPECT_EQ(lines[a], ErrorBoxLine({{41, "FATAL ERROR -- INTERSECTION OF REFERENCE LINE"}}));
    EXPECT_EQ(lines[a + 1], ErrorBoxLine({{42, "WITH HORIZONTAL CONTROL OR WITH LAYOUT LINE"}}));
    EXPECT_EQ(lines[a + 2], ErrorBoxLine({{44, "OR WITH TANGENT LINE IS ILL-CONDITIONED"}}));
    EXPECT_EQ(lines[a + 3], ErrorBoxLine({{90, "(B21)"}}));
    EXPECT_EQ(lines[a + 4], ErrorBoxLine());
    EXPECT_EQ(run->IndexOf("LAYOUT LINE DATA"), -1);
}

TEST(ReferenceLine, CrossingAllButParallelToTheControlIsNoCrossing) {
    // 5000 before the TS, on the ahead tangent's extension, and turned 90
    // degrees from square to the back tangent: the line runs 4737 left of the
    // back tangent, which it meets (by rounding) some 1e19 ft away.
    auto run = Placed(ReferenceCard("-4000.", "2", "3", "1", {{16, "90"}}));
    EXPECT_TRUE(run->run.state.fatalFlag);
    EXPECT_NE(run->IndexOf("FATAL ERROR -- INTERSECTION OF REFERENCE LINE"), -1);
    EXPECT_EQ(run->IndexOf("*NEGATIVE*"), -1);
}

TEST(ReferenceLine, FieldThatIsNotANumberIsFatalAndTheCardsAreStillRead) {
    auto run = Placed(ReferenceCard("12OO.", "0", "1", "1"), CurvedAlignment(),
                      {Card({{1, "07"}, {3, "EA"}})});
    EXPECT_TRUE(run->run.state.fatalFlag);
    const auto lines = run->Lines();
    const int at = run->IndexOf("INVALID NUMBER");
    ASSERT_GE(at, 4);
    const size_t a = static_cast<size_t>(at);
    EXPECT_EQ(lines[a], " INVALID NUMBER IN COLUMNS 3-13 (REFERENCE STATION)");
    EXPECT_EQ(lines[a + 2], " FATAL ERROR -- 04 CARD");
    EXPECT_EQ(run->LineSet().girders.lines.size(), 1u);
    EXPECT_EQ(run->LineSet().bents.Count(), 2);
    EXPECT_EQ(run->LineSet().deadLoad.records.size(), 1u);
    EXPECT_EQ(run->run.deck.Ended(), true);  // the whole line set was read
}

}  // namespace
}  // namespace quillon::engine
