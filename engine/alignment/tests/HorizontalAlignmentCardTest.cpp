// The horizontal alignment of the 01 card and its HORIZONTAL ALIGNMENT DATA
// section: curve values against the textbook formulas (worked out here),
// both hands, spirals, the station equation inside and outside the curve,
// the fatal variants of the 01 card, and the columns of every line in both
// builds.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "engine/alignment/AlignmentState.hpp"
#include "engine/alignment/tests/AlignmentCardsTestSupport.hpp"
#include "engine/run/StationText.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using aligntest::AlignmentRun;
using aligntest::Card;
using aligntest::Columns;
using aligntest::Deck;
using aligntest::kCrossSlopeCard;
using aligntest::kVerticalCard;

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kMetresPerFoot = 0.3048006096012192;
// Half a unit of the last printed decimal of F12.4 and of station texts.
constexpr double kPrinted = 0.00005;

// The fields of an 01 card, as punched texts (an empty text leaves the
// field blank).
struct Card01 {
    std::string direction = "R";
    std::string delta = "30.";
    std::string deltaMinutes;
    std::string pi = "5000.";
    std::string degree = "5.";
    std::string ls1, ls2, offset, radius, back, ahead;

    std::string Text() const {
        return Card({{1, "01"},
                     {3, direction},
                     {4, delta},
                     {7, deltaMinutes},
                     {13, pi},
                     {24, degree},
                     {32, ls1},
                     {38, ls2},
                     {44, offset},
                     {52, radius},
                     {59, back},
                     {70, ahead}});
    }
};

std::unique_ptr<AlignmentRun> RunWith(const Card01& card,
                                      EngineVariant variant = EngineVariant::English,
                                      const std::string& fourCard = "04") {
    auto run = std::make_unique<AlignmentRun>(
        Deck({card.Text(), kVerticalCard, kCrossSlopeCard}, fourCard), variant);
    EXPECT_TRUE(run->Process());
    return run;
}

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

// "sssss+ff.ffff" (feet) or "kkkk+mmm.mmmm" (metres) back to a number.
double StationValue(const std::string& text, double unitsPerWhole) {
    const std::string t = WithoutBlanks(text);
    const size_t plus = t.find('+');
    return std::stod(t.substr(0, plus)) * unitsPerWhole + std::stod(t.substr(plus + 1));
}
double EnglishStation(const std::string& line) {
    return StationValue(Columns(line, 12, 31), 100.0);
}
double MetricStation(const std::string& line) {
    return StationValue(Columns(line, 12, 31), 1000.0);
}
double LineLength(const std::string& line) { return std::stod(Columns(line, 34, 45)); }

// The lines of the section from its heading on, up to the next section.
std::vector<std::string> SectionLines(const AlignmentRun& run) {
    const auto lines = run.Lines();
    std::vector<std::string> section;
    const int first = run.IndexOf(" HORIZONTAL ALIGNMENT DATA");
    for (size_t i = static_cast<size_t>(first) + 1; first >= 0 && i < lines.size(); ++i) {
        if (lines[i].find("VERTICAL ALIGNMENT DATA") != std::string::npos) break;
        section.push_back(lines[i]);
    }
    return section;
}

// The curve line whose point label (columns 7-11) is `label`.
std::string PointLine(const AlignmentRun& run, const std::string& label) {
    for (const std::string& line : SectionLines(run))
        if (Columns(line, 7, 11) == label + std::string(5 - label.size(), ' ')) return line;
    return std::string();
}

// Textbook values of a spiral of length ls on a circle of radius r: the
// spiral angle theta = ls/2r, the spiral end Xs, Ys from the first three
// terms of the clothoid series, the shift p = Ys - r(1 - cos theta) and
// k = Xs - r sin theta.
struct Spiral {
    double theta, p, k;
};
Spiral TextbookSpiral(double ls, double r) {
    const double t = ls / (2.0 * r);
    const double xs = ls * (1.0 - t * t / 10.0 + std::pow(t, 4) / 216.0);
    const double ys = ls * (t / 3.0 - std::pow(t, 3) / 42.0 + std::pow(t, 5) / 1320.0);
    return {t, ys - r * (1.0 - std::cos(t)), xs - r * std::sin(t)};
}

// Arc definition of the degree of curve: R = 100 / D (D in radians).
double RadiusOfDegree(double degrees) { return 100.0 / (degrees * kDegree); }

TEST(HorizontalAlignment, SimpleRightCurveAgainstTextbookFormulas) {
    // D = 5 degrees: R = 100/(5 pi/180) = 1145.9156 ft; delta 30 degrees:
    // T = R tan 15 = 307.0472 ft; L = 100 delta / D = 600 ft.
    const auto runHolder = RunWith(Card01{});
    const AlignmentRun& run = *runHolder;
    const double r = RadiusOfDegree(5.0);
    const double t = r * std::tan(15.0 * kDegree);
    const double pc = 5000.0 - t;

    const std::string pcLine = PointLine(run, " PC");
    ASSERT_FALSE(pcLine.empty());
    EXPECT_NEAR(EnglishStation(pcLine), pc, kPrinted);
    EXPECT_EQ(Columns(pcLine, 32, 33), "T ");
    EXPECT_NEAR(LineLength(pcLine), t, kPrinted);
    EXPECT_EQ(pcLine.size(), 45u);  // the line ends after its last item

    const std::string piLine = PointLine(run, " PI");
    EXPECT_NEAR(EnglishStation(piLine), 5000.0, kPrinted);
    EXPECT_EQ(Columns(piLine, 32, 33), "Lc");
    EXPECT_NEAR(LineLength(piLine), 600.0, kPrinted);
    EXPECT_EQ(Columns(piLine, 54, 58), "DELTA");
    EXPECT_EQ(Columns(piLine, 59, 72), "  30 00 00.00 ");
    EXPECT_EQ(Columns(piLine, 73, 82), "RT        ");
    EXPECT_EQ(Columns(piLine, 83, 84), "Dc");
    EXPECT_EQ(Columns(piLine, 85, 104), "   5 00 00.00       ");
    EXPECT_EQ(Columns(piLine, 105, 110), "RADIUS");
    EXPECT_NEAR(std::stod(Columns(piLine, 111, 124)), r, 0.0000005);
    EXPECT_EQ(piLine.size(), 124u);

    const std::string ptLine = PointLine(run, " PT");
    EXPECT_NEAR(EnglishStation(ptLine), pc + 600.0, kPrinted);
    EXPECT_NEAR(LineLength(ptLine), t, kPrinted);
    EXPECT_TRUE(PointLine(run, " TS").empty());

    const auto& h = run.Alignment().horizontal;
    EXPECT_TRUE(h.curveFlag);
    EXPECT_NEAR(h.tsStation, pc, 1e-8);
    EXPECT_FALSE(run.run.state.fatalFlag);
}

TEST(HorizontalAlignment, SpiralledCurveAgainstTextbookFormulas) {
    // D = 4 degrees (R = 1432.3945), delta 28 30, spirals of 200 ft:
    // theta = Ls/2R = 4 degrees; Ts = (R+p) tan(delta/2) + k;
    // Lc = (delta - 2 theta) R = 100 (28.5 - 8)/4 = 512.5 ft.
    Card01 card;
    card.delta = "28.";
    card.deltaMinutes = "30";
    card.pi = "2500.";
    card.degree = "4.";
    card.ls1 = card.ls2 = "200.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const double r = RadiusOfDegree(4.0);
    const Spiral s = TextbookSpiral(200.0, r);
    const double ts = (r + s.p) * std::tan(14.25 * kDegree) + s.k;
    const double lc = 512.5;
    const double tsStation = 2500.0 - ts;

    const std::string tsLine = PointLine(run, " TS");
    EXPECT_NEAR(EnglishStation(tsLine), tsStation, kPrinted);
    EXPECT_NEAR(LineLength(tsLine), ts, kPrinted);
    const std::string scLine = PointLine(run, " SC");
    EXPECT_NEAR(EnglishStation(scLine), tsStation + 200.0, kPrinted);
    EXPECT_EQ(Columns(scLine, 32, 33), "Ls");
    EXPECT_NEAR(LineLength(scLine), 200.0, kPrinted);
    EXPECT_EQ(Columns(scLine, 54, 58), "   SA");
    EXPECT_EQ(Columns(scLine, 59, 72), "   4 00 00.00 ");
    EXPECT_EQ(scLine.size(), 72u);
    const std::string piLine = PointLine(run, " PI");
    EXPECT_NEAR(EnglishStation(piLine), 2500.0, kPrinted);
    EXPECT_NEAR(LineLength(piLine), lc, kPrinted);
    EXPECT_EQ(Columns(piLine, 59, 72), "  28 30 00.00 ");
    const std::string csLine = PointLine(run, " CS");
    EXPECT_NEAR(EnglishStation(csLine), tsStation + 200.0 + lc, kPrinted);
    EXPECT_EQ(Columns(csLine, 59, 72), "   4 00 00.00 ");
    const std::string stLine = PointLine(run, " ST");
    EXPECT_NEAR(EnglishStation(stLine), tsStation + 400.0 + lc, kPrinted);
    EXPECT_NEAR(LineLength(stLine), ts, kPrinted);
    EXPECT_EQ(s.theta, 0.5 * 200.0 / r);
}

TEST(HorizontalAlignment, UnequalSpiralsToTheLeft) {
    // Unequal spirals: T1 = (R+p1) tan(delta/2) + k1 + (p2 - p1)/sin(delta),
    // T2 = (R+p2) tan(delta/2) + k2 - (p2 - p1)/sin(delta). A left curve
    // prints "LT" and the positive radius.
    Card01 card;
    card.direction = "L";
    card.delta = "28.";
    card.deltaMinutes = "30";
    card.pi = "2500.";
    card.degree = "4.";
    card.ls1 = "200.";
    card.ls2 = "120.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const double r = RadiusOfDegree(4.0);
    const Spiral in = TextbookSpiral(200.0, r);
    const Spiral out = TextbookSpiral(120.0, r);
    const double delta = 28.5 * kDegree;
    const double t1 = (r + in.p) * std::tan(delta / 2) + in.k + (out.p - in.p) / std::sin(delta);
    const double t2 = (r + out.p) * std::tan(delta / 2) + out.k - (out.p - in.p) / std::sin(delta);
    const double lc = (delta - in.theta - out.theta) * r;

    EXPECT_NEAR(LineLength(PointLine(run, " TS")), t1, kPrinted);
    EXPECT_NEAR(LineLength(PointLine(run, " ST")), t2, kPrinted);
    const std::string piLine = PointLine(run, " PI");
    EXPECT_NEAR(LineLength(piLine), lc, kPrinted);
    EXPECT_EQ(Columns(piLine, 73, 82), "LT        ");
    EXPECT_NEAR(std::stod(Columns(piLine, 111, 124)), r, 0.0000005);
    // theta2 = 120/(2R) = 2.4 degrees
    EXPECT_EQ(Columns(PointLine(run, " CS"), 59, 72), "   2 24 00.00 ");
    EXPECT_NEAR(EnglishStation(PointLine(run, " ST")), 2500.0 - t1 + 320.0 + lc, kPrinted);
    const auto& h = run.Alignment().horizontal;
    EXPECT_EQ(h.f, -1.0);
    EXPECT_LT(h.radius, 0.0);
    EXPECT_LT(h.delta, 0.0);
}

struct HandCase {
    const char* name;
    std::string column3;
    const char* direction;
};

class CurveHand : public ::testing::TestWithParam<HandCase> {};

TEST_P(CurveHand, ColumnThreeChoosesTheHand) {
    Card01 card;
    card.direction = GetParam().column3;
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const std::string piLine = PointLine(run, " PI");
    EXPECT_EQ(Columns(piLine, 73, 74), GetParam().direction);
    // The same tangent length either way: T = R tan 15.
    EXPECT_NEAR(LineLength(PointLine(run, " PC")), RadiusOfDegree(5.0) * std::tan(15.0 * kDegree),
                kPrinted);
}

INSTANTIATE_TEST_SUITE_P(Column3, CurveHand,
                         ::testing::Values(HandCase{"UpperLIsLeft", "L", "LT"},
                                           HandCase{"LowerLIsLeft", "l", "LT"},
                                           HandCase{"MinusIsLeft", "-", "LT"},
                                           HandCase{"UpperRIsRight", "R", "RT"},
                                           HandCase{"BlankIsRight", " ", "RT"},
                                           HandCase{"OtherLetterIsRight", "X", "RT"}),
                         quillon::testsupport::CaseName());

TEST(HorizontalAlignment, RightAngleDeltaUsesTheShiftedRadius) {
    // Delta of exactly 90 degrees: T1 = |R+p2| + k1; a simple curve gives T = R.
    Card01 card;
    card.delta = "90.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const double r = RadiusOfDegree(5.0);
    EXPECT_NEAR(LineLength(PointLine(run, " PC")), r, kPrinted);
    EXPECT_NEAR(LineLength(PointLine(run, " PT")), r, kPrinted);
    EXPECT_NEAR(LineLength(PointLine(run, " PI")), 100.0 * 90.0 / 5.0, kPrinted);
}

TEST(HorizontalAlignment, RadiusWhenTheDegreeIsBlank) {
    // Radius 1500: D = 100/1500 rad; T = 1500 tan 15 = 401.9238 ft.
    Card01 card;
    card.degree = "";
    card.radius = "1500.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const std::string piLine = PointLine(run, " PI");
    EXPECT_NEAR(std::stod(Columns(piLine, 111, 124)), 1500.0, 0.0000005);
    EXPECT_NEAR(LineLength(PointLine(run, " PC")), 1500.0 * std::tan(15.0 * kDegree), kPrinted);
    // D = 100/1500 rad = 3.819719 degrees = 3 49 10.99
    EXPECT_EQ(Columns(piLine, 85, 97), "   3 49 10.99");
}

struct SpiralLabelCase {
    const char* name;
    std::string ls1, ls2;
    std::vector<std::string> labels;
};

class SpiralLabels : public ::testing::TestWithParam<SpiralLabelCase> {};

TEST_P(SpiralLabels, PointsOfTheCurve) {
    Card01 card;
    card.degree = "4.";
    card.ls1 = GetParam().ls1;
    card.ls2 = GetParam().ls2;
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    std::vector<std::string> labels;
    for (const std::string& line : SectionLines(run))
        if (line.size() >= 45 && Columns(line, 1, 6) == "      ")
            labels.push_back(Columns(line, 7, 9));
    EXPECT_EQ(labels, GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Spirals, SpiralLabels,
    ::testing::Values(
        // a spiral of 0.009 is no spiral
        SpiralLabelCase{"ShortSpiralsAreNone", "0.009", "0.009", {" PC", " PI", " PT"}},
        SpiralLabelCase{"OutSpiralOnly", "", "150.", {"TSC", " PI", " CS", " ST"}},
        SpiralLabelCase{"InSpiralOnly", "150.", "", {" TS", " SC", " PI", "CST"}},
        SpiralLabelCase{"BothSpirals", "150.", "150.", {" TS", " SC", " PI", " CS", " ST"}}),
    quillon::testsupport::CaseName());

TEST(HorizontalAlignment, NoSpiralPointIsAtTheSpiralLengthFromTheTS) {
    // Ls1 = 0.009 counts as no spiral; the PC is printed Ls1 beyond the TS.
    Card01 card;
    card.degree = "4.";
    card.ls1 = "0.009";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const auto& h = run.Alignment().horizontal;
    EXPECT_NEAR(EnglishStation(PointLine(run, " PC")), h.tsStation + 0.009, kPrinted);
}

TEST(HorizontalAlignment, MetricBuildPrintsMetres) {
    // The spiralled curve of the test above, in metres (US survey foot).
    Card01 card;
    card.delta = "28.";
    card.deltaMinutes = "30";
    card.pi = "2500.";
    card.degree = "4.";
    card.ls1 = card.ls2 = "200.";
    const auto runHolder = RunWith(card, EngineVariant::Metric);
    const AlignmentRun& run = *runHolder;
    const double r = RadiusOfDegree(4.0);
    const Spiral s = TextbookSpiral(200.0, r);
    const double ts = (r + s.p) * std::tan(14.25 * kDegree) + s.k;

    const std::string tsLine = PointLine(run, " TS");
    EXPECT_NEAR(MetricStation(tsLine), (2500.0 - ts) * kMetresPerFoot, kPrinted);
    EXPECT_EQ(Columns(tsLine, 12, 31).substr(13), std::string(7, ' '));
    EXPECT_NEAR(LineLength(tsLine), ts * kMetresPerFoot, kPrinted);
    const std::string scLine = PointLine(run, " SC");
    EXPECT_NEAR(LineLength(scLine), 200.0 * kMetresPerFoot, kPrinted);
    EXPECT_EQ(Columns(scLine, 59, 72), "   4 00 00.00 ");
    const std::string piLine = PointLine(run, " PI");
    EXPECT_EQ(Columns(piLine, 73, 82), "RT        ");
    EXPECT_EQ(Columns(piLine, 83, 88), "RADIUS");
    EXPECT_NEAR(std::stod(Columns(piLine, 89, 102)), r * kMetresPerFoot, 0.0000005);
    EXPECT_EQ(piLine.size(), 102u);
    EXPECT_EQ(piLine.find("Dc"), std::string::npos);
}

TEST(HorizontalAlignment, SectionHeadingAndLineOrder) {
    const auto runHolder = RunWith(Card01{});
    const AlignmentRun& run = *runHolder;
    const auto lines = run.Lines();
    const int heading = run.IndexOf(" HORIZONTAL ALIGNMENT DATA");
    ASSERT_GE(heading, 2);
    EXPECT_EQ(lines[static_cast<size_t>(heading)], " HORIZONTAL ALIGNMENT DATA");
    EXPECT_EQ(lines[static_cast<size_t>(heading - 1)], "");
    EXPECT_EQ(lines[static_cast<size_t>(heading - 2)], "");
    EXPECT_EQ(lines[static_cast<size_t>(heading + 1)], "");
    EXPECT_EQ(Columns(lines[static_cast<size_t>(heading + 2)], 7, 11), " PC  ");
    EXPECT_EQ(Columns(lines[static_cast<size_t>(heading + 3)], 7, 11), " PI  ");
    EXPECT_EQ(Columns(lines[static_cast<size_t>(heading + 4)], 7, 11), " PT  ");
}

TEST(HorizontalAlignment, BlankPIStationIsATangent) {
    // The other fields are filled; the TS is the 04 card's reference
    // station (columns 3-13) plus 0.00002.
    Card01 card;
    card.pi = "";
    card.ls1 = "200.";
    const auto runHolder = RunWith(card, EngineVariant::English, Card({{1, "04"}, {3, "1200."}}));
    const AlignmentRun& run = *runHolder;
    const std::string tangent = run.LineWith("HORIZONTAL TANGENT");
    EXPECT_EQ(Columns(tangent, 1, 25), "       HORIZONTAL TANGENT");
    EXPECT_TRUE(run.LineWith("ASSUMED FOR FURTHER PROCESSING").empty());
    EXPECT_TRUE(PointLine(run, " PI").empty());
    const auto& h = run.Alignment().horizontal;
    EXPECT_FALSE(h.curveFlag);
    EXPECT_TRUE(h.horizontalTangent);
    EXPECT_NEAR(h.tsStation, 1200.00002, 1e-9);
    EXPECT_FALSE(run.run.state.fatalFlag);
    EXPECT_DOUBLE_EQ(run.run.state.alignmentMarker, h.tsStation);
}

TEST(HorizontalAlignment, NoCardIsATangent) {
    AlignmentRun run(Deck({kVerticalCard, kCrossSlopeCard}, Card({{1, "04"}, {3, "0."}})));
    ASSERT_TRUE(run.Process());
    EXPECT_FALSE(run.LineWith("HORIZONTAL TANGENT").empty());
    EXPECT_NEAR(run.Alignment().horizontal.tsStation, 0.00002, 1e-12);
    EXPECT_GE(run.run.state.alignmentMarker, -90000.0);
}

// Every fatal variant of the curve: the box (title 22 blanks after the left
// "ERROR", the message at its own indent), the Problem fatal, and the
// alignment taken as a tangent with "ASSUMED FOR FURTHER PROCESSING".
struct FatalCase {
    const char* name;
    const char* what;
    Card01 card;
    const char* message;
    int messageColumn;  // 31 + the blanks before the message
};

Card01 With(std::initializer_list<std::pair<std::string Card01::*, std::string>> fields) {
    Card01 card;
    for (const auto& [member, text] : fields) card.*member = text;
    return card;
}

class CurveFatal : public ::testing::TestWithParam<FatalCase> {};

TEST_P(CurveFatal, BoxAndAssumedTangent) {
    const FatalCase& c = GetParam();
    const auto runHolder = RunWith(c.card, EngineVariant::English, Card({{1, "04"}, {3, "4000."}}));
    const AlignmentRun& run = *runHolder;
    const auto lines = run.Lines();
    const int title = run.IndexOf("FATAL ERROR -- 01 CARD");
    ASSERT_GE(title, 2) << c.what;
    const std::string& titleLine = lines[static_cast<size_t>(title)];
    EXPECT_EQ(Columns(titleLine, 26, 30), "ERROR");
    EXPECT_EQ(Columns(titleLine, 53, 74), "FATAL ERROR -- 01 CARD");
    EXPECT_EQ(Columns(titleLine, 96, 100), "ERROR");
    const std::string& messageLine = lines[static_cast<size_t>(title + 1)];
    const std::string message = c.message;
    EXPECT_EQ(Columns(messageLine, c.messageColumn,
                      c.messageColumn + static_cast<int>(message.size()) - 1),
              message)
        << c.what;
    EXPECT_EQ(Columns(messageLine, 31, c.messageColumn - 1),
              std::string(static_cast<size_t>(c.messageColumn - 31), ' '));
    EXPECT_EQ(Columns(lines[static_cast<size_t>(title - 1)], 26, 100),
              "ERROR" + std::string(65, ' ') + "ERROR");
    EXPECT_EQ(lines[static_cast<size_t>(title - 2)], "");
    EXPECT_EQ(Columns(lines[static_cast<size_t>(title + 2)], 26, 100),
              "ERROR" + std::string(65, ' ') + "ERROR");

    EXPECT_FALSE(run.LineWith("       HORIZONTAL TANGENT").empty());
    EXPECT_EQ(Columns(run.LineWith("ASSUMED"), 1, 37), "       ASSUMED FOR FURTHER PROCESSING");
    EXPECT_TRUE(PointLine(run, " PI").empty()) << c.what;
    EXPECT_TRUE(run.run.state.fatalFlag);
    const auto& h = run.Alignment().horizontal;
    EXPECT_FALSE(h.curveFlag);
    EXPECT_EQ(h.radius, 0.0);
    EXPECT_EQ(h.length, 0.0);
    EXPECT_NEAR(h.tsStation, 4000.00002, 1e-9);
    // The rest of the Problem's sections are still written.
    EXPECT_FALSE(run.LineWith(" LIMITS OF VALID ELEVATION AND CROSS-SLOPE DATA").empty());
}

constexpr const char* kRange = "DEGREE OF CURVE OR DELTA ANGLE OUT OF RANGE";
constexpr const char* kSpiralRange = "SPIRAL LENGTH OUT OF RANGE";
constexpr const char* kLap = "SPIRALS LAP";

INSTANTIATE_TEST_SUITE_P(
    Variants, CurveFatal,
    ::testing::Values(
        // delta of 180 degrees is not below 3.14157 rad
        FatalCase{"Delta180", "delta 180", With({{&Card01::delta, "180"}}), kRange, 42},
        // no delta at all is not above 0.00002 rad
        FatalCase{"DeltaZero", "delta zero",
                  With({{&Card01::delta, ""}, {&Card01::deltaMinutes, ""}}), kRange, 42},
        // radius 200000: D = 0.0005 rad, not above 0.00099
        FatalCase{"FlatCurve", "flat curve",
                  With({{&Card01::degree, ""}, {&Card01::radius, "200000."}}), kRange, 42},
        // spirals need D below 0.714286: radius 130 gives 0.769
        FatalCase{"SharpSpiralled", "sharp spiralled",
                  With({{&Card01::degree, ""}, {&Card01::radius, "130."}, {&Card01::ls1, "50."}}),
                  kRange, 42},
        // a simple curve needs D below 10.01: radius 9.9 gives 10.1
        FatalCase{"SharpSimple", "sharp simple",
                  With({{&Card01::degree, ""}, {&Card01::radius, "9.9"}}), kRange, 42},
        // degree blank and radius 0.5: R = 1.0, D = 100
        FatalCase{"RadiusBelowOne", "radius below one",
                  With({{&Card01::degree, ""}, {&Card01::radius, "0.5"}}), kRange, 42},
        // radius 150 (D = 0.667) with a spiral of 500: theta = 500/300 = 1.667 rad
        FatalCase{"LongSpiral", "long spiral",
                  With({{&Card01::degree, ""}, {&Card01::radius, "150."}, {&Card01::ls1, "500."}}),
                  kSpiralRange, 51},
        // delta 10 degrees, spirals of 5.25 degrees each on D = 5: Lc < 0
        FatalCase{"SpiralsLap", "spirals lap",
                  With({{&Card01::delta, "10."},
                        {&Card01::degree, "5."},
                        {&Card01::ls1, "210."},
                        {&Card01::ls2, "210."}}),
                  kLap, 58}),
    quillon::testsupport::CaseName());

TEST(CurveFatal, DeltaOfThreeSecondsIsOutOfRange) {
    // 3 seconds = 0.0000145 rad is not above 0.00002.
    Card01 card = With({{&Card01::delta, ""}, {&Card01::deltaMinutes, ""}});
    std::string text = card.Text();
    text.replace(8, 4, "0300");
    AlignmentRun run(Deck({text, kVerticalCard, kCrossSlopeCard}));
    ASSERT_TRUE(run.Process());
    EXPECT_FALSE(run.LineWith(kRange).empty());
}

TEST(HorizontalAlignment, RangeLimitsThatPass) {
    // A simple curve of radius 10 (D = 10 < 10.01): T = 10 tan 15 = 2.6795.
    Card01 simple = With({{&Card01::degree, ""}, {&Card01::radius, "10."}});
    const auto runHolder = RunWith(simple);
    const AlignmentRun& run = *runHolder;
    EXPECT_FALSE(run.run.state.fatalFlag);
    EXPECT_NEAR(LineLength(PointLine(run, " PC")), 10.0 * std::tan(15.0 * kDegree), kPrinted);
    // Spirals whose angles add up to delta exactly leave an arc of 0: no lap.
    // D = 5, spirals of 200: theta = 5 degrees each, delta 10.
    Card01 touching =
        With({{&Card01::delta, "10."}, {&Card01::ls1, "200."}, {&Card01::ls2, "200."}});
    const auto run2Holder = RunWith(touching);
    const AlignmentRun& run2 = *run2Holder;
    EXPECT_FALSE(run2.run.state.fatalFlag);
    EXPECT_EQ(LineLength(PointLine(run2, " PI")), 0.0);
}

// Station equations. The simple curve: TS = 5000 - 307.0472 = 4692.9528,
// L = 600, ST = 5292.9528.
const double kTS = 5000.0 - RadiusOfDegree(5.0) * std::tan(15.0 * kDegree);

std::string EquationLine(const AlignmentRun& run) { return run.LineWith("STATION EQUATION:"); }

TEST(StationEquation, BeforeTheCurveIsUsed) {
    // Back 40+00, ahead 41+00: the TS lies past the ahead end, so the TS is
    // taken onto the stationing without the equation (4592.9528) and the
    // equation line comes before the curve lines; the curve prints in the
    // deck's stationing.
    Card01 card;
    card.back = "4000.";
    card.ahead = "4100.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const auto& h = run.Alignment().horizontal;
    EXPECT_NEAR(h.tsStation, kTS - 100.0, 1e-8);
    EXPECT_EQ(h.equation.usedCount, 1);
    EXPECT_LT(run.IndexOf("STATION EQUATION:"), run.IndexOf(" PC  "));
    EXPECT_NEAR(EnglishStation(PointLine(run, " PC")), kTS, kPrinted);
    EXPECT_NEAR(EnglishStation(PointLine(run, " PT")), kTS + 600.0, kPrinted);

    const std::string line = EquationLine(run);
    EXPECT_EQ(Columns(line, 1, 32), "       STATION EQUATION:        ");
    EXPECT_EQ(Columns(line, 33, 46), "   40+00.0000 ");
    EXPECT_EQ(Columns(line, 47, 58), "BACK   =    ");
    EXPECT_EQ(Columns(line, 59, 72), "   41+00.0000 ");
    EXPECT_EQ(Columns(line, 73, 77), "AHEAD");
    EXPECT_EQ(line.size(), 77u);
    const int at = run.IndexOf("STATION EQUATION:");
    EXPECT_EQ(run.Lines()[static_cast<size_t>(at - 1)], "");
    EXPECT_EQ(run.Lines()[static_cast<size_t>(at + 1)], "");
}

TEST(StationEquation, AfterTheCurveStays) {
    Card01 card;
    card.back = "6000.";
    card.ahead = "6100.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const auto& h = run.Alignment().horizontal;
    EXPECT_NEAR(h.tsStation, kTS, 1e-8);
    EXPECT_EQ(h.equation.usedCount, 0);
    EXPECT_GT(run.IndexOf("STATION EQUATION:"), run.IndexOf(" PT  "));
    EXPECT_EQ(Columns(EquationLine(run), 33, 46), "   60+00.0000 ");
    EXPECT_EQ(Columns(EquationLine(run), 59, 72), "   61+00.0000 ");
    // A station past it resolves onto the stationing without the equation.
    AlignmentRun copy(Deck({}));  // only for the resolution routine
    EXPECT_NEAR(StationToDistance(copy.run, run.Alignment().Stationing(), 6200.0, 4), 6100.0 - kTS,
                1e-8);
}

TEST(StationEquation, InsideTheCurveMovesPastTheST) {
    // Back 50+00 lies between the TS and the ST (52+92.9528): the equation
    // moves to just past the ST, deck copy too.
    Card01 card;
    card.back = "5000.";
    card.ahead = "5050.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const auto& eq = run.Alignment().horizontal.equation;
    const double st = kTS + 600.0;
    EXPECT_NEAR(eq.backDeck, st + 0.0000001, 1e-9);
    EXPECT_NEAR(eq.back, 600.0 + 0.0000001, 1e-9);
    EXPECT_EQ(eq.usedCount, 0);
    EXPECT_GT(run.IndexOf("STATION EQUATION:"), run.IndexOf(" PT  "));
    EXPECT_NEAR(StationValue(Columns(EquationLine(run), 33, 46), 100.0), st, kPrinted);
    EXPECT_NEAR(StationValue(Columns(EquationLine(run), 59, 72), 100.0), st + 50.0, kPrinted);
    // The curve stations carry no shift.
    EXPECT_NEAR(EnglishStation(PointLine(run, " PT")), st, kPrinted);
}

TEST(StationEquation, TSAtTheAheadEnd) {
    // Ahead 46+92.95 is within 0.032 of the TS (46+92.9528): the back station
    // is put where the TS falls (TS - 92.95 = 4600.0028) and the TS becomes
    // that back station.
    Card01 card;
    card.back = "4600.";
    card.ahead = "4692.95";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const auto& h = run.Alignment().horizontal;
    EXPECT_NEAR(h.tsStation, kTS - 92.95, 1e-8);
    EXPECT_NEAR(h.equation.back, 0.0, 1e-9);
    EXPECT_EQ(h.equation.usedCount, 1);
    EXPECT_NEAR(StationValue(Columns(EquationLine(run), 33, 46), 100.0), kTS - 92.95, kPrinted);
    EXPECT_NEAR(StationValue(Columns(EquationLine(run), 59, 72), 100.0), kTS, kPrinted);
    EXPECT_NEAR(EnglishStation(PointLine(run, " PC")), kTS, kPrinted);
}

TEST(StationEquation, AheadWithinTheToleranceIsNoEquation) {
    Card01 card;
    card.back = "6000.";
    card.ahead = "6000.0001";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    EXPECT_EQ(run.Alignment().horizontal.equation.flag, 0);
    EXPECT_TRUE(EquationLine(run).empty());
}

TEST(StationEquation, OverlapShowsTheEquationNumberInBothBuilds) {
    // On a tangent. Back 3937 ft = 1200 m, ahead 3740.15 ft = 1140 m (an
    // overlap of 196.85 ft = 60 m). Past it the shift is one million
    // stationing units less the overlap: QlEngl 1,000,000 ft - 196.85 ft,
    // so 3937 ft prints 1003740.15 ft = "1  37+40.1500"; QlMetr
    // 1,000,000 m - 60 m, so 1200 m prints 1001140 m = "1  1+140.0000".
    Card01 card;
    card.pi = "";
    card.back = "3937.";
    card.ahead = "3740.15";
    const auto englishHolder =
        RunWith(card, EngineVariant::English, Card({{1, "04"}, {3, "100."}}));
    const AlignmentRun& english = *englishHolder;
    EXPECT_EQ(Columns(EquationLine(english), 33, 46), "   39+37.0000 ");
    EXPECT_EQ(Columns(EquationLine(english), 59, 72), "1  37+40.1500 ");
    const auto metricHolder = RunWith(card, EngineVariant::Metric, Card({{1, "04"}, {3, "100."}}));
    const AlignmentRun& metric = *metricHolder;
    EXPECT_EQ(Columns(EquationLine(metric), 33, 46), "   1+200.0000 ");
    EXPECT_EQ(Columns(EquationLine(metric), 59, 72), "1  1+140.0000 ");
    EXPECT_GT(english.IndexOf("STATION EQUATION:"), english.IndexOf("HORIZONTAL TANGENT"));
}

TEST(StationEquation, InvalidEquationIsRemovedAndEmptiesTheLimits) {
    // An overlap of 1,050,000 ft leaves a shift of 1,000,000 - 1,050,000 < 0
    // in QlEngl.
    Card01 card;
    card.back = "1100000.";
    card.ahead = "50000.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    const std::string title = run.LineWith("FATAL ERROR -- 01 CARD");
    EXPECT_EQ(Columns(title, 53, 74), "FATAL ERROR -- 01 CARD");
    const std::string message = run.LineWith("INVALID STATION EQUATION");
    EXPECT_EQ(Columns(message, 26, 75),
              "ERROR" + std::string(21, ' ') + "INVALID STATION EQUATION");
    EXPECT_EQ(run.Alignment().horizontal.equation.flag, 0);
    EXPECT_TRUE(EquationLine(run).empty());
    EXPECT_FALSE(run.run.state.fatalFlag);    // the Problem goes on
    EXPECT_TRUE(run.run.state.runErrorFlag);  // but the run reports it
    const auto& limits = run.Alignment().limits;
    EXPECT_GT(limits.begin, limits.end);  // the empty range, widened
    EXPECT_DOUBLE_EQ(limits.begin, 1.0 - 0.002);
    EXPECT_DOUBLE_EQ(limits.end, 0.0 + 0.002);
    EXPECT_FALSE(PointLine(run, " PI").empty());  // the curve itself stands
}

TEST(StationEquation, UnreadableEquationStationEntersNoEquation) {
    // The ahead station "41OO." (letters O) does not read: its box names the
    // field, and no equation is made up from the 0 that stands in for it
    // (back 40+00, ahead 0 would be an overlap printing "1   0+00.0000").
    Card01 card;
    card.back = "4000.";
    card.ahead = "41OO.";
    const auto runHolder = RunWith(card);
    const AlignmentRun& run = *runHolder;
    EXPECT_FALSE(run.LineWith("INVALID NUMBER IN COLUMNS 70-80 (AHEAD STATION)").empty());
    EXPECT_FALSE(run.LineWith("ASSUMED FOR FURTHER PROCESSING").empty());
    EXPECT_EQ(run.Alignment().horizontal.equation.flag, 0);
    EXPECT_TRUE(EquationLine(run).empty());
    EXPECT_TRUE(run.LineWith("AMBIGUOUS OR NONEXISTENT STATION").empty());
}

TEST(StationEquation, EquationStaysWhenAnotherFieldDoesNotRead) {
    // The PI station does not read (tangent assumed); the equation's own
    // fields did, so it stands: 40+00 back, 41+00 ahead.
    Card01 card;
    card.pi = "50+00";
    card.back = "4000.";
    card.ahead = "4100.";
    const auto runHolder = RunWith(card, EngineVariant::English, Card({{1, "04"}, {3, "100."}}));
    const AlignmentRun& run = *runHolder;
    EXPECT_FALSE(run.LineWith("INVALID NUMBER IN COLUMNS 13-23 (PI STATION)").empty());
    EXPECT_EQ(run.Alignment().horizontal.equation.flag, 1);
    EXPECT_EQ(Columns(EquationLine(run), 33, 46), "   40+00.0000 ");
    EXPECT_EQ(Columns(EquationLine(run), 59, 72), "   41+00.0000 ");
}

TEST(HorizontalAlignment, ProfileOffsetLineInBothBuilds) {
    // -12.5 ft as G14.6 is F10.4 and four blanks; in metres -3.81000762,
    // six significant digits: -3.81001 (F10.5).
    Card01 card;
    card.offset = "-12.5";
    const auto englishHolder = RunWith(card);
    const AlignmentRun& english = *englishHolder;
    const std::string line = english.LineWith(" OFFSET HORIZ CONTROL");
    EXPECT_EQ(line, " OFFSET HORIZ CONTROL TO PROFILE CONTROL LINE =  -12.5000    FEET");
    const int at = english.IndexOf(" OFFSET HORIZ CONTROL");
    EXPECT_EQ(english.Lines()[static_cast<size_t>(at - 1)], "");
    EXPECT_EQ(english.Lines()[static_cast<size_t>(at - 2)], "");
    EXPECT_DOUBLE_EQ(english.Alignment().horizontal.profOffset, -12.5);
    const auto metricHolder = RunWith(card, EngineVariant::Metric);
    const AlignmentRun& metric = *metricHolder;
    EXPECT_EQ(metric.LineWith(" OFFSET HORIZ CONTROL"),
              " OFFSET HORIZ CONTROL TO PROFILE CONTROL LINE =  -3.81001    m   ");
    // No offset, no line.
    EXPECT_TRUE(RunWith(Card01{})->LineWith("OFFSET HORIZ CONTROL").empty());
}

TEST(HorizontalAlignment, EachProblemStartsFresh) {
    // A spiralled left curve, then a Problem without an 01 card: nothing of
    // the first alignment stays.
    Card01 card;
    card.direction = "L";
    card.degree = "4.";
    card.ls1 = card.ls2 = "150.";
    card.offset = "5.";
    std::vector<std::string> deck = Deck({card.Text(), kVerticalCard, kCrossSlopeCard});
    AlignmentRun run(deck);
    ASSERT_TRUE(run.Process());
    EXPECT_TRUE(run.Alignment().horizontal.curveFlag);
    // The second Problem reuses the same alignment state as the run loop would not;
    // the step itself must still clear it.
    run.run.deck = DeckInput({"00BRIDGE 2", kVerticalCard, kCrossSlopeCard, "04"});
    run.run.state.currentCardType = 8;
    ASSERT_TRUE(run.Process());
    const auto& h = run.Alignment().horizontal;
    EXPECT_FALSE(h.curveFlag);
    EXPECT_EQ(h.ls1, 0.0);
    EXPECT_EQ(h.f, 1.0);
    EXPECT_EQ(h.profOffset, 0.0);
    EXPECT_EQ(run.Alignment().frame.phi, 0.0);
}

}  // namespace
}  // namespace quillon::engine
