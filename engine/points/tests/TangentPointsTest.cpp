// The points of girder lines on a straight control, worked by hand: the
// fractional points of every kind, skewed crossings, the layout
// coordinates with their translation and reversal, the bent lines that
// apply to a line, and the ELEV+DL of spans with dead load.
//
// The control runs up the page from the reference station 10+00; the grade
// is 2 % through 100.00 at 10+00 and the crown falls 2 % to both sides, so
// a point at station s and offset q lies at 100 + 0.02 (s - 1000) - 0.02 |q|.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/points/tests/PointsTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using namespace pointstest;

constexpr double kFeet = 0.00005;  // half the last printed digit of a length

double GradeAt(double station, double offset) {
    return 100.0 + 0.02 * (station - 1000.0) - 0.02 * std::fabs(offset);
}

testing::EngineResult RunStraight(const std::vector<std::string>& lineSet,
                                  const Fields& reference = {},
                                  EngineVariant variant = EngineVariant::English) {
    std::vector<std::string> cards = {"00STRAIGHT", kVertical, kCrossSlope,
                                      Reference("1000.", "1", reference)};
    cards.insert(cards.end(), lineSet.begin(), lineSet.end());
    return testing::RunOnDeck(Deck(cards), variant);
}

struct Expected {
    std::string name;
    double station;
};

void ExpectPoints(const std::vector<std::string>& rows, const std::vector<Expected>& expected,
                  double offset) {
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(Name(rows[i]), fixedform::PadRight(expected[i].name, 10)) << i;
        EXPECT_NEAR(StationFeet(rows[i]), expected[i].station, kFeet) << i;
        EXPECT_NEAR(Offset(rows[i]), offset, kFeet) << i;
        EXPECT_NEAR(Elevation(rows[i]), GradeAt(expected[i].station, offset), kFeet) << i;
        // On a straight control the girder length is the distance from the
        // reference station.
        EXPECT_NEAR(GirderLength(rows[i]), expected[i].station - 1000.0, kFeet) << i;
    }
}

TEST(TangentPoints, FractionalPointsOfEveryKind) {
    // Spans of 100 ft: 5 equal parts (F at 20, 40, 60, 80; the fifth step
    // lands on the next bent line), a spacing of 30 (D at 30, 60, 90), a
    // spacing of 30 measured back from the next bent line (E at 10, 40, 70)
    // and a spacing of 33.3332, whose third point (0.0004 before the next
    // bent line) falls on it and is not listed.
    const auto result = RunStraight({Girder("GIRDER G", "0."), Girder("GIRDER H", "10."),
                                     Bent("BENT 1", "0.", "  5"), Bent("BENT 2", "100.", " 300000"),
                                     Bent("BENT 3", "200.", "-300000"),
                                     Bent("BENT 4", "300.", " 333332"), Bent("BENT 5", "400.")});
    EXPECT_EQ(result.status, 0) << result.listing;
    const std::vector<Expected> expected = {
        {"BENT 1", 1000},  {"    F-1", 1020}, {"    F-2", 1040},      {"    F-3", 1060},
        {"    F-4", 1080}, {"BENT 2", 1100},  {"    D-1", 1130},      {"    D-2", 1160},
        {"    D-3", 1190}, {"BENT 3", 1200},  {"    E-1", 1210},      {"    E-2", 1240},
        {"    E-3", 1270}, {"BENT 4", 1300},  {"    D-1", 1333.3332}, {"    D-2", 1366.6664},
        {"BENT 5", 1400}};
    ExpectPoints(GirderRows(result.listing, "GIRDER G"), expected, 0.0);
    ExpectPoints(GirderRows(result.listing, "GIRDER H"), expected, 10.0);
    // The bent rows show the count and both spacing signs.
    const std::vector<std::string> rows = GroupRows(result.listing, "* HORIZONTAL CONTROL");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(Columns(rows[0], 52, 61), "   5      ");
    EXPECT_EQ(Columns(rows[1], 52, 61), "  30.0000 ");
    EXPECT_EQ(Columns(rows[2], 52, 61), " -30.0000 ");
}

TEST(TangentPoints, SkewedBentLinesMeetEachOffsetAlongTheirSkew) {
    // A bent line skewed 20 degrees right at S = 11+00 meets the parallel at
    // offset q at S - q tan 20 (q right positive): 10+96.3603 at +10 and
    // 11+03.6397 at -10; the bent length from the Y axis (the control) is
    // q / cos 20 = 10.6418.
    const auto result = RunStraight(
        {Girder("GIRDER L", "-10."), Girder("GIRDER R", "10."), Bent("BENT 1", "0."),
         Bent("BENT 2", "100.", "", {{12, "R"}, {13, "20"}, {21, "1"}}), Bent("BENT 3", "200.")});
    EXPECT_EQ(result.status, 0) << result.listing;
    const double shift = 10.0 * std::tan(20.0 * 3.141592653589793 / 180.0);
    const auto right = GirderRows(result.listing, "GIRDER R");
    const auto left = GirderRows(result.listing, "GIRDER L");
    ASSERT_EQ(right.size(), 3u);
    ASSERT_EQ(left.size(), 3u);
    EXPECT_NEAR(StationFeet(right[1]), 1100.0 - shift, kFeet);
    EXPECT_NEAR(StationFeet(left[1]), 1100.0 + shift, kFeet);
    EXPECT_NEAR(BentLength(right[1]), 10.0 / std::cos(20.0 * 3.141592653589793 / 180.0), kFeet);
    EXPECT_NEAR(BentLength(left[1]), -10.0 / std::cos(20.0 * 3.141592653589793 / 180.0), kFeet);
    EXPECT_EQ(Skew(right[1]), "  20 00 00.00");
    EXPECT_NEAR(GirderLength(right[1]), 100.0 - shift, kFeet);
}

struct LayoutCase {
    const char* name;
    const char* reversal;  // 04 column 30
    double sign;           // R, the layout-axis sign
    bool decreasing;       // the rows listed in decreasing station
};

class LayoutCoordinates : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutCoordinates, FollowTheTranslationAndTheReversal) {
    // Layout line = the control, origin at the reference station; TransX
    // 100 and TransY 500. A point at offset 10 and station s prints
    // X = 10 R + 100 and Y = (s - 1000) R + 500.
    const LayoutCase& c = GetParam();
    const auto result = RunStraight(
        {Girder("GIRDER R", "10."), Bent("BENT 1", "0.", "  2"), Bent("BENT 2", "100.")},
        {{30, c.reversal}, {41, "100."}, {50, "500."}});
    EXPECT_EQ(result.status, 0) << result.listing;
    const auto rows = GirderRows(result.listing, "GIRDER R");
    ASSERT_EQ(rows.size(), 3u);
    std::vector<double> stations = {1000.0, 1050.0, 1100.0};
    if (c.decreasing) stations = {1100.0, 1050.0, 1000.0};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(StationFeet(rows[i]), stations[i], kFeet) << i;
        EXPECT_NEAR(X(rows[i]), 10.0 * c.sign + 100.0, kFeet) << i;
        EXPECT_NEAR(Y(rows[i]), (stations[i] - 1000.0) * c.sign + 500.0, kFeet) << i;
    }
    const auto bents = GroupRows(result.listing, "* HORIZONTAL CONTROL");
    ASSERT_EQ(bents.size(), 2u);
    EXPECT_NEAR(StationFeet(bents[0]), c.decreasing ? 1100.0 : 1000.0, kFeet);
    EXPECT_NEAR(X(bents[0]), 100.0, kFeet);  // on the control: X = 0 R + 100
}

INSTANTIATE_TEST_SUITE_P(RevLayoutLine, LayoutCoordinates,
                         ::testing::Values(LayoutCase{"Blank", " ", 1.0, false},
                                           LayoutCase{"One", "1", -1.0, true},
                                           LayoutCase{"Two", "2", 1.0, true},
                                           LayoutCase{"Three", "3", -1.0, false}),
                         testsupport::CaseName());

struct SelectionCase {
    const char* name;
    const char* bent;    // 06 column 43
    const char* girder;  // 05 column 53
    bool applies;
};

class Selection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(Selection, ColumnFortyThreeAgainstColumnFiftyThree) {
    // The middle bent line (11+00) is crossed only where its column 43
    // applies to the girder line's column 53: blank applies to every line,
    // "0" to a line whose character is neither blank, "0" nor a letter, a
    // letter to the same letter, "*" to none.
    const SelectionCase& c = GetParam();
    const auto result = RunStraight(
        {Girder("GIRDER G", "0.", "0", "4", {{53, c.girder}}), Bent("BENT 1", "0.", "  1"),
         Bent("BENT 2", "100.", "", {{43, c.bent}}), Bent("BENT 3", "200.")});
    const auto rows = GirderRows(result.listing, "GIRDER G");
    bool crossed = false;
    for (const std::string& row : rows) crossed = crossed || Name(row) == "BENT 2    ";
    EXPECT_EQ(crossed, c.applies) << result.listing;
}

INSTANTIATE_TEST_SUITE_P(Codes, Selection,
                         ::testing::Values(SelectionCase{"BlankToBlank", " ", " ", true},
                                           SelectionCase{"BlankToLetter", " ", "A", true},
                                           SelectionCase{"ZeroToBlank", "0", " ", false},
                                           SelectionCase{"ZeroToZero", "0", "0", false},
                                           SelectionCase{"ZeroToLetter", "0", "A", false},
                                           SelectionCase{"ZeroToOther", "0", "?", true},
                                           SelectionCase{"LetterToBlank", "A", " ", false},
                                           SelectionCase{"LetterToSame", "A", "A", true},
                                           SelectionCase{"LetterToOther", "A", "B", false},
                                           SelectionCase{"StarToBlank", "*", " ", false},
                                           SelectionCase{"StarToLetter", "*", "A", false}),
                         testsupport::CaseName());

TEST(TangentPoints, StarBentLineShowsItsMarkAndMakesNoPoint) {
    const auto result =
        RunStraight({Girder("GIRDER G", "0."), Bent("BENT 1", "0.", "  2"),
                     Bent("BENT 2", "100.", "  2", {{43, "*"}}), Bent("BENT 3", "200.")});
    const auto bents = GroupRows(result.listing, "* HORIZONTAL CONTROL");
    ASSERT_EQ(bents.size(), 3u);
    EXPECT_EQ(Columns(bents[1], 52, 61), "  ( * )   ");
    // BENT 1's span runs to BENT 3: F-1 at its middle, 11+00.
    const auto rows = GirderRows(result.listing, "GIRDER G");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Name(rows[1]), "    F-1   ");
    EXPECT_NEAR(StationFeet(rows[1]), 1100.0, kFeet);
}

TEST(TangentPoints, CountOfOneMakesNoPointAndShowsOne) {
    const auto result =
        RunStraight({Girder("GIRDER G", "0."), Bent("BENT 1", "0.", "  1", {{43, "A"}}),
                     Bent("BENT 2", "100.")});
    const auto bents = GroupRows(result.listing, "* HORIZONTAL CONTROL");
    ASSERT_EQ(bents.size(), 2u);
    // Kind 0 under a selection code: "  (1  )   ". The bent applies to no
    // line without the letter, so G gets BENT 2 only.
    EXPECT_EQ(Columns(bents[0], 52, 61), "  (1  )   ");
    EXPECT_EQ(GirderRows(result.listing, "GIRDER G").size(), 1u);
}

TEST(TangentPoints, SpansWithDeadLoadShowTheirCurvesInElevPlusDl) {
    // Span 1 (letter A): 0.2 + 0.2t - 0.3t^2 inches; span 2 (B): 0.3 + 0.1t
    // - 0.2t^2 inches (given at every tenth point, so fitted exactly).
    // ELEV+DL = elevation + deflection: at BENT 1 0.2 in, at mid-span 1
    // 0.225 in, at BENT 2 (0.1 + 0.3) / 2 = 0.2 in, at BENT 3 (no set
    // starts there) span 2's end value 0.2 in.
    auto tenths = [](double a, double b, double c) {
        Fields fields = {{1, "07"}};
        for (int p = 0; p <= 10; ++p) {
            const double t = p / 10.0;
            fields.push_back({15 + 6 * p, fixedform::FormatF(a + b * t + c * t * t, 6, 3)});
        }
        return fields;
    };
    Fields a = tenths(0.2, 0.2, -0.3), b = tenths(0.3, 0.1, -0.2);
    a.push_back({3, "IA"});
    b.push_back({3, "IB"});
    const auto result = RunStraight(
        {Girder("GIRDER G", "0.", "0", "4", {{54, "I"}}), Bent("BENT 1", "0.", "  2", {{44, "A"}}),
         Bent("BENT 2", "100.", "  2", {{44, "B"}}), Bent("BENT 3", "200."), Card(a), Card(b)});
    EXPECT_EQ(result.status, 0) << result.listing;
    const auto rows = GirderRows(result.listing, "GIRDER G");
    ASSERT_EQ(rows.size(), 5u);
    auto withDeadLoad = [](double station, double inches) {
        return " " + fixedform::FormatF(GradeAt(station, 0.0) + inches / 12.0, 10, 4).substr(2);
    };
    EXPECT_EQ(ElevationWithDeadLoad(rows[0]), withDeadLoad(1000.0, 0.2));
    EXPECT_EQ(ElevationWithDeadLoad(rows[1]), withDeadLoad(1050.0, 0.225));
    EXPECT_EQ(ElevationWithDeadLoad(rows[2]), withDeadLoad(1100.0, 0.2));
    EXPECT_EQ(ElevationWithDeadLoad(rows[3]), withDeadLoad(1150.0, 0.3 + 0.05 - 0.05));
    EXPECT_EQ(ElevationWithDeadLoad(rows[4]), withDeadLoad(1200.0, 0.2));
}

TEST(TangentPoints, ElevPlusDlKeepsThreeWholeDigits) {
    // At 1234.5678 ft with a dead load of 0.012 in (0.001 ft, given at t = 0,
    // 0.5 and 1) only characters 3-10 of F10.4 are kept: 234.5688.
    const auto result = testing::RunOnDeck(
        Deck({"00HIGH", Card({{1, "02"}, {3, "2."}, {48, "1000."}, {57, "1234.5678"}, {72, "2."}}),
              kCrossSlope, Reference("1000."), Girder("GIRDER G", "0.", "0", "4", {{54, "I"}}),
              Bent("BENT 1", "0.", "  2", {{44, "A"}}), Bent("BENT 2", "100."),
              Card({{1, "07"}, {3, "IA"}, {15, "  .012"}, {45, "  .012"}, {75, "  .012"}})}));
    const auto rows = GirderRows(result.listing, "GIRDER G");
    ASSERT_FALSE(rows.empty()) << result.listing;
    EXPECT_EQ(Columns(rows[0], 41, 50), " 1234.5678");
    EXPECT_EQ(ElevationWithDeadLoad(rows[0]), " 234.5688");
}

}  // namespace
}  // namespace quillon::engine
