// The vertical profile: elevations on and off the parabolic curves, assigned
// curve lengths, the lap checks and the VERTICAL ALIGNMENT DATA diagram.
#include <cmath>
#include <string>

#include "engine/alignment/PointElevation.hpp"
#include "engine/alignment/VerticalProfile.hpp"
#include "engine/alignment/tests/VerticalProfileTestSupport.hpp"

namespace quillon::engine {
namespace {

using testing::Cols;
using testing::MemoryRun;

constexpr double kFeet = 1e-8;

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

// Two PIs: +2 % into a crest at 10+00 (elevation 100.00, 200 ft each side),
// -0.4 % chord to a sag at 20+00 (elevation 96.00, 100 ft before and 150 ft
// after), leaving at +1 %.
AlignmentCards TwoPIs() {
    AlignmentCards c;
    VerticalAlignmentCard& v = c.vertical;
    v.gradeInGiven = true;
    v.gradeIn = 0.02;
    v.pi1Given = true;
    v.piSta1Text = "  1000.00 ";
    v.piSta1 = 1000.0;
    v.piElev1 = 100.0;
    v.inLength1 = 200.0;
    v.outLength1 = 200.0;
    v.pi2Given = true;
    v.piSta2Text = "  2000.00 ";
    v.piSta2 = 2000.0;
    v.piElev2 = 96.0;
    v.inLength2 = 100.0;
    v.outLength2 = 150.0;
    v.gradeOutGiven = true;
    v.gradeOut = 0.01;
    c.crossSlope.crownCode = 1;
    return c;
}

// One PI at 10+00, elevation 100.00, no curve lengths: +1 % in, -1 % out.
AlignmentCards OneBareBreak() {
    AlignmentCards c;
    VerticalAlignmentCard& v = c.vertical;
    v.gradeInGiven = true;
    v.gradeIn = 0.01;
    v.piSta1Text = Blanks(10);
    v.pi2Given = true;
    v.piSta2Text = "  1000.00 ";
    v.piSta2 = 1000.0;
    v.piElev2 = 100.0;
    v.gradeOutGiven = true;
    v.gradeOut = -0.01;
    c.crossSlope.crownCode = 1;
    return c;
}

struct Built {
    MemoryRun memory;
    VerticalProfile profile;
    ValidDataLimits limits;
    explicit Built(const AlignmentCards& cards, EngineVariant variant = EngineVariant::English)
        : memory(variant) {
        BuildVerticalProfile(memory.run, cards, memory.stationing, limits, profile);
    }
    double At(double station) const {
        return profile.baseElevation + ProfileElevation(profile, station);
    }
};

TEST(VerticalProfile, ElevationsAlongTwoCurves) {
    Built b(TwoPIs());
    ASSERT_TRUE(b.profile.built);
    EXPECT_FALSE(b.memory.run.state.fatalFlag);
    EXPECT_EQ(b.profile.nv, 3u);
    // Chord grade between the PIs: (96 - 100) / (2000 - 1000) = -0.004.
    EXPECT_NEAR(b.profile.gr[3], -0.004, 1e-15);
    struct Case {
        double station, elevation;
        const char* working;
    };
    const Case cases[] = {
        {700.0, 94.0, "before the first curve: 100 + (700 - 1000) * 0.02"},
        {800.0, 96.0, "PC of the crest: on the entering grade"},
        {900.0, 97.7, "crest, 100 ft past the PC: 96 + 0.02*100 - 0.024/(2*400)*100^2"},
        {1000.0, 98.8,
         "crest PI: 100 + e, e = dg L1 L2 / (2 (L1 + L2)) = -0.024*200*200/800 = -1.2"},
        {1100.0, 99.3, "crest, 300 ft past the PC: 96 + 6 - 0.00003*300^2"},
        {1200.0, 99.2, "PT: 100 - 0.004*200"},
        {1500.0, 98.0, "between the curves: 100 - 0.004*500"},
        {1900.0, 96.4, "PC of the sag: 96 + 0.004*100"},
        {1950.0, 96.305,
         "sag, unsymmetrical: 96.4 - 0.004*50 + (e/L1^2)*50^2, e = 0.014*100*150/500 = 0.42"},
        {2000.0, 96.42, "sag PI: 96 + e"},
        {2075.0, 96.855, "sag after the PI: 96 + 0.01*75 + e*((150 - 75)/150)^2"},
        {2150.0, 97.5, "PT of the sag: 96 + 0.01*150"},
        {2500.0, 101.0, "beyond the last curve: 96 + 0.01*500"},
    };
    for (const Case& c : cases) EXPECT_NEAR(b.At(c.station), c.elevation, kFeet) << c.working;
}

TEST(VerticalProfile, HighPointOfSymmetricCrestAndLowPointOfUnsymmetricSag) {
    Built b(TwoPIs());
    // Crest: y = 96 + 0.02 x - 0.00003 x^2 from the PC; dy/dx = 0 at
    // x = 0.02/0.00006 = 333.333 ft (station 1133.333), y = 99.3333.
    const double high = 800.0 + 0.02 / 0.00006;
    EXPECT_NEAR(b.At(high), 96.0 + 0.02 * 0.02 / (4 * 0.00003), kFeet);
    EXPECT_LT(b.At(high - 1.0), b.At(high));
    EXPECT_LT(b.At(high + 1.0), b.At(high));
    // Sag, first branch y = 96.4 - 0.004 x + a x^2, a = e/L1^2 = 4.2e-5; the
    // low point x = 0.004/(2a) = 47.619 ft lies within L1; y = 96.4 - 0.004^2/(4a).
    const double a = 0.42 / (100.0 * 100.0);
    const double low = 1900.0 + 0.004 / (2.0 * a);
    EXPECT_NEAR(b.At(low), 96.4 - 0.004 * 0.004 / (4.0 * a), kFeet);
    EXPECT_GT(b.At(low - 1.0), b.At(low));
    EXPECT_GT(b.At(low + 1.0), b.At(low));
}

TEST(VerticalProfile, OnePIWithBothGradesGivesOneCurve) {
    AlignmentCards cards = OneBareBreak();
    cards.vertical.inLength2 = 100.0;
    cards.vertical.outLength2 = 100.0;
    Built b(cards);
    EXPECT_EQ(b.profile.nv, 2u);
    // e = -0.02 * 100 * 100 / 400 = -0.5 at the PI.
    EXPECT_NEAR(b.At(1000.0), 99.5, kFeet);
    EXPECT_NEAR(b.At(850.0), 98.5, kFeet);   // on the grade in before the PC
    EXPECT_NEAR(b.At(1150.0), 98.5, kFeet);  // on the grade out after the PT
    EXPECT_EQ(b.memory.Find("HAS BEEN ASSIGNED"), -1);
}

TEST(VerticalProfile, TwoPIsWithoutGradesFollowTheChord) {
    AlignmentCards cards = TwoPIs();
    cards.vertical.gradeInGiven = false;
    cards.vertical.gradeOutGiven = false;
    cards.vertical.inLength1 = cards.vertical.outLength1 = 0.0;
    cards.vertical.inLength2 = cards.vertical.outLength2 = 0.0;
    Built b(cards);
    ASSERT_TRUE(b.profile.built);
    for (int m = 2; m <= 4; ++m) EXPECT_NEAR(b.profile.gr[static_cast<size_t>(m)], -0.004, 1e-15);
    EXPECT_EQ(b.profile.k[2], 0.0);
    EXPECT_EQ(b.profile.k[3], 0.0);
    EXPECT_EQ(b.memory.Find("ASSIGNED"), -1);
    EXPECT_NEAR(b.At(3000.0), 92.0, kFeet);
}

TEST(VerticalProfile, MissingGradesTakeTheChordOrTheOtherGrade) {
    {  // two PIs, entering grade blank: the chord grade enters
        AlignmentCards cards = TwoPIs();
        cards.vertical.gradeInGiven = false;
        Built b(cards);
        EXPECT_NEAR(b.profile.gr[2], -0.004, 1e-15);
        EXPECT_NEAR(b.profile.gr[4], 0.01, 1e-15);
    }
    {  // two PIs, leaving grade blank: the chord grade leaves
        AlignmentCards cards = TwoPIs();
        cards.vertical.gradeOutGiven = false;
        Built b(cards);
        EXPECT_NEAR(b.profile.gr[4], -0.004, 1e-15);
    }
    {  // one PI, entering grade blank: one straight grade
        AlignmentCards cards = OneBareBreak();
        cards.vertical.gradeInGiven = false;
        Built b(cards);
        EXPECT_NEAR(b.profile.gr[2], -0.01, 1e-15);
        EXPECT_NEAR(b.At(900.0), 101.0, kFeet);
    }
    {  // one PI, leaving grade blank
        AlignmentCards cards = OneBareBreak();
        cards.vertical.gradeOutGiven = false;
        Built b(cards);
        EXPECT_NEAR(b.profile.gr[3], 0.01, 1e-15);
    }
}

TEST(VerticalProfile, BareGradeBreakIsAssignedACurve) {
    Built b(OneBareBreak());
    // Lmax = min(50 + 0, 50 + 0, 50/2) = 25; L = int(2500 + 0.6)/100 = 25.00 a side.
    EXPECT_DOUBLE_EQ(b.profile.l1[2], 25.0);
    EXPECT_DOUBLE_EQ(b.profile.l2[2], 25.0);
    EXPECT_NEAR(b.profile.k[2], -0.02 * 0.5 / 50.0, 1e-15);
    // e = -0.02 * 25 * 25 / 100 = -0.125.
    EXPECT_NEAR(b.At(1000.0), 99.875, kFeet);
    // 15 ft past the PC (975): 99.75 + 0.01*15 - 0.02/(2*50)*15^2 = 99.855.
    EXPECT_NEAR(b.At(990.0), 99.855, kFeet);
    auto lines = b.memory.Lines();
    int at = b.memory.Find("PI AT STATION");
    ASSERT_GT(at, 1);
    EXPECT_EQ(lines[static_cast<size_t>(at - 2)], "");
    EXPECT_EQ(lines[static_cast<size_t>(at - 1)], Blanks(25) + "ERROR" + Blanks(65) + "ERROR");
    EXPECT_EQ(
        lines[static_cast<size_t>(at)],
        Blanks(25) + "ERROR" + Blanks(19) + "PI AT STATION    10+00.0000" + Blanks(19) + "ERROR");
    EXPECT_EQ(lines[static_cast<size_t>(at + 1)],
              Blanks(25) + "ERROR" + Blanks(11) + "HAS BEEN ASSIGNED CURVE LENGTH = 50.00 FEET" +
                  Blanks(11) + "ERROR");
    EXPECT_EQ(lines[static_cast<size_t>(at + 2)], Blanks(25) + "ERROR" + Blanks(65) + "ERROR");
    EXPECT_FALSE(b.memory.run.state.fatalFlag);
}

TEST(VerticalProfile, AssignedLengthBoxInMetres) {
    Built b(OneBareBreak(), EngineVariant::Metric);
    int at = b.memory.Find("HAS BEEN ASSIGNED");
    ASSERT_GE(at, 0);
    // 50 ft = 15.24003 m; 1000 ft = 304.8006 m.
    EXPECT_EQ(Cols(b.memory.Lines()[static_cast<size_t>(at)], 42, 84),
              "HAS BEEN ASSIGNED CURVE LENGTH = 15.24 m   ");
    EXPECT_NE(b.memory.Find("PI AT STATION    0+304.8006"), -1);
}

TEST(VerticalProfile, ShortGivenCurveIsLengthenedAndLongOneIsNot) {
    struct Case {
        double given;
        double expected;
        const char* why;
    };
    const Case cases[] = {
        {10.0, 25.0, "10 + 10 <= 50 - 0.004 and 25 - 10 >= 0.1: lengthened to 25 a side"},
        {24.95, 24.95, "25 - 24.95 = 0.05 is below 0.1: kept"},
        {30.0, 30.0, "30 + 30 above MaxTransVC: kept"},
    };
    for (const Case& c : cases) {
        AlignmentCards cards = OneBareBreak();
        cards.vertical.inLength2 = cards.vertical.outLength2 = c.given;
        Built b(cards);
        EXPECT_DOUBLE_EQ(b.profile.l1[2], c.expected) << c.why;
        EXPECT_DOUBLE_EQ(b.profile.l2[2], c.expected) << c.why;
    }
}

TEST(VerticalProfile, ColumnFiftySixOnlyWarns) {
    AlignmentCards cards = OneBareBreak();
    cards.crossSlope.vcLengthFlag = 'X';
    Built b(cards);
    EXPECT_EQ(b.profile.l1[2], 0.0);
    EXPECT_EQ(b.profile.l2[2], 0.0);
    EXPECT_EQ(b.profile.k[2], 0.0);
    EXPECT_NEAR(b.At(1000.0), 100.0, kFeet);
    EXPECT_EQ(b.memory.Find("HAS BEEN ASSIGNED"), -1);
    auto lines = b.memory.Lines();
    int at = b.memory.Find("WARNING:");
    ASSERT_GT(at, 0);
    EXPECT_EQ(lines[static_cast<size_t>(at - 1)], "");
    EXPECT_EQ(lines[static_cast<size_t>(at)],
              Blanks(25) +
                  "WARNING:  PI AT STA    10+00.0000 SHOULD BE ASSIGNED CURVE LENGTH = 50.00 FEET");
}

TEST(VerticalProfile, NoAssignmentUnderParabolicCrownOrWithoutABreak) {
    {
        AlignmentCards cards = OneBareBreak();
        cards.crossSlope.crownCode = 5;
        Built b(cards);
        EXPECT_EQ(b.profile.l1[2], 0.0);
        EXPECT_EQ(b.memory.Find("ASSIGNED"), -1);
    }
    {
        AlignmentCards cards = OneBareBreak();
        cards.vertical.gradeOut = 0.01 + 1e-9;  // below the 0.00000002 break
        Built b(cards);
        EXPECT_EQ(b.profile.l1[2], 0.0);
        EXPECT_EQ(b.memory.Find("ASSIGNED"), -1);
    }
}

// A given curve at a PI whose grades differ by less than the break tolerance
// was lengthened and boxed as if the grade broke there.
TEST(VerticalProfile, GivenCurveWithoutAGradeBreakIsNotLengthened) {
    AlignmentCards cards = OneBareBreak();
    cards.vertical.gradeOut = 0.01 + 1e-9;  // 1e-9 is below the 0.00000002 break
    cards.vertical.inLength2 = cards.vertical.outLength2 = 10.0;
    Built b(cards);
    EXPECT_DOUBLE_EQ(b.profile.l1[2], 10.0);
    EXPECT_DOUBLE_EQ(b.profile.l2[2], 10.0);
    EXPECT_EQ(b.memory.Find("ASSIGNED"), -1);
    // Practically one straight grade: 100 + 0.01 * 50 at 10+50.
    EXPECT_NEAR(b.At(1050.0), 100.5, 1e-6);
}

// A length the old rounding took up by 0.01 past the room between two curves
// made the two assigned curves lap.
TEST(VerticalProfile, RoundedAssignedLengthStaysWithinTheRoom) {
    AlignmentCards cards;
    VerticalAlignmentCard& v = cards.vertical;
    v.gradeInGiven = true;
    v.gradeIn = 0.02;
    v.pi1Given = true;
    v.piSta1Text = "  1000.00 ";
    v.piSta1 = 1000.0;
    v.piElev1 = 100.0;
    v.pi2Given = true;
    v.piSta2Text = "  1033.34 ";
    v.piSta2 = 1033.34;
    v.piElev2 = 100.0;
    v.gradeOutGiven = true;
    v.gradeOut = -0.02;
    cards.crossSlope.crownCode = 1;
    MemoryRun memory;
    // An equation 0.005 ft long between the PIs puts PI 2 at 1033.335.
    memory.stationing.equations.push_back(StationEquation{1010.0, 0.005, 1010.0, 0.005});
    VerticalProfile profile;
    ValidDataLimits limits;
    BuildVerticalProfile(memory.run, cards, memory.stationing, limits, profile);
    // PI 1: Lmax = min(50, 33.335, 25) = 25, leaving 8.335 ft of tangent.
    EXPECT_DOUBLE_EQ(profile.l2[2], 25.0);
    // PI 2: Lmax = 8.335; int(833.5 + 0.6)/100 = 8.34 exceeds it, so 8.33.
    EXPECT_NEAR(profile.l1[3], 8.33, 1e-12);
    EXPECT_EQ(memory.Find("VERTICAL CURVES LAP"), -1);
    EXPECT_FALSE(memory.run.state.fatalFlag);
    EXPECT_NE(memory.Find("HAS BEEN ASSIGNED CURVE LENGTH = 16.66 FEET"), -1);
}

TEST(VerticalProfile, OverlappingCurvesAreListedThenRefused) {
    AlignmentCards cards = TwoPIs();
    cards.vertical.piSta2 = 1300.0;
    cards.vertical.piSta2Text = "  1300.00 ";
    cards.vertical.inLength2 = cards.vertical.outLength2 = 200.0;
    Built b(cards);
    int table = b.memory.Find("AT GRADE");
    int lap = b.memory.Find("VERTICAL CURVES LAP");
    ASSERT_GE(table, 0);
    EXPECT_GT(lap, table);
    EXPECT_NE(b.memory.Find("FATAL ERROR -- 02 CARD"), -1);
    EXPECT_TRUE(b.memory.run.state.fatalFlag);
    EXPECT_EQ(b.limits.begin, 1.0);
    EXPECT_EQ(b.limits.end, 0.0);
}

TEST(VerticalProfile, SecondPIBeforeTheFirstIsALapWithoutTable) {
    AlignmentCards cards = TwoPIs();
    cards.vertical.piSta2 = 900.0;
    cards.vertical.piSta2Text = "   900.00 ";
    Built b(cards);
    EXPECT_NE(b.memory.Find("VERTICAL CURVES LAP"), -1);
    EXPECT_EQ(b.memory.Find("AT GRADE"), -1);
    EXPECT_TRUE(b.memory.run.state.fatalFlag);
    EXPECT_EQ(b.limits.begin, 1.0);
}

TEST(VerticalProfile, FatalCardsStopTheProfileAndLeaveItFinite) {
    struct Case {
        const char* what;
        void (*change)(AlignmentCards&);
    };
    const Case cases[] = {
        {"equal stations in different texts",
         [](AlignmentCards& c) {
             c.vertical.piSta2 = 1000.0;
             c.vertical.piSta2Text = "   100000 ";
         }},
        {"equal texts",
         [](AlignmentCards& c) {
             c.vertical.piSta2 = 1000.0;
             c.vertical.piSta2Text = c.vertical.piSta1Text;
         }},
        {"both texts blank",
         [](AlignmentCards& c) {
             c.vertical.pi1Given = c.vertical.pi2Given = false;
             c.vertical.piSta1Text = c.vertical.piSta2Text = std::string(10, ' ');
         }},
        {"one PI without grades",
         [](AlignmentCards& c) {
             c.vertical.pi1Given = false;
             c.vertical.piSta1Text = std::string(10, ' ');
             c.vertical.gradeInGiven = c.vertical.gradeOutGiven = false;
         }},
    };
    for (const Case& c : cases) {
        AlignmentCards cards = TwoPIs();
        c.change(cards);
        Built b(cards);
        EXPECT_TRUE(b.memory.run.state.fatalFlag) << c.what;
        EXPECT_NE(b.memory.Find("FATAL ERROR -- 02 CARD"), -1) << c.what;
        EXPECT_EQ(b.memory.Find("VERTICAL CURVES LAP"), -1) << c.what;
        EXPECT_EQ(b.memory.Find("AT GRADE"), -1) << c.what;
        EXPECT_EQ(b.limits.begin, 1.0) << c.what;
        EXPECT_EQ(b.limits.end, 0.0) << c.what;
        EXPECT_FALSE(b.profile.built) << c.what;
        for (double s : {-1000.0, 0.0, 1000.0, 5000.0})
            EXPECT_TRUE(std::isfinite(b.At(s))) << c.what;
        for (int m = 0; m < 5; ++m) {
            EXPECT_TRUE(std::isfinite(b.profile.gr[static_cast<size_t>(m)])) << c.what;
            EXPECT_TRUE(std::isfinite(b.profile.k[static_cast<size_t>(m)])) << c.what;
        }
    }
}

// The diagram, English build: crest PI 1 on the right, sag PI 2 on the left.
TEST(VerticalAlignmentTable, CrestAndSagColumns) {
    Built b(TwoPIs());
    auto lines = b.memory.Lines();
    int at = b.memory.Find(" VERTICAL ALIGNMENT DATA");
    ASSERT_EQ(at, 2);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], " VERTICAL ALIGNMENT DATA");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], Blanks(10) + "ELEVATION" + Blanks(4) + "ELEVATION" + Blanks(25) +
                            "ELEVATION" + Blanks(4) + "ELEVATION" + Blanks(4) + "PERCENT");
    EXPECT_EQ(Cols(lines[4], 11, 19), "ELEVATION");
    EXPECT_EQ(Cols(lines[4], 84, 90), "PERCENT");
    EXPECT_EQ(lines[5], Blanks(12) + "AT PI" + Blanks(7) + "AT GRADE" + Blanks(9) + "STATION" +
                            Blanks(10) + "AT GRADE" + Blanks(6) + "AT PI" + Blanks(7) + "GRADE");
    EXPECT_EQ(Cols(lines[5], 42, 48), "STATION");
    EXPECT_EQ(Cols(lines[5], 85, 89), "GRADE");
    EXPECT_EQ(lines[6], "");
    // Grade lines end at position 90: +2 %, then the chord -0.4 %, then +1 %.
    EXPECT_EQ(lines[7], Blanks(82) + "2.000000");
    // Crest curve: station 38-52 (13 characters and 2 blanks), label 53-54,
    // elevation at grade 55-66, at PI 67-79.
    EXPECT_EQ(lines[8], Blanks(37) + "    8+00.0000  " + "PC" + "     96.0000");
    EXPECT_EQ(lines[9], Blanks(37) + "   10+00.0000  " + "PI" + "     98.8000" + "     100.0000");
    EXPECT_EQ(Cols(lines[9], 67, 79), "     100.0000");
    EXPECT_EQ(lines[10], Blanks(37) + "   12+00.0000  " + "PT" + "     99.2000");
    EXPECT_EQ(lines[11], Blanks(81) + "-0.400000");
    // Sag curve: at grade ending at 32, label 35-37, station 38-50; the PI
    // line has the PI elevation ending at 19 and "  PI " at 33-37.
    EXPECT_EQ(lines[12], Blanks(25) + "96.4000" + "  " + "PC " + "   19+00.0000");
    EXPECT_EQ(lines[13],
              Blanks(12) + "96.0000" + Blanks(6) + "96.4200" + "  PI " + "   20+00.0000");
    EXPECT_EQ(Cols(lines[13], 33, 37), "  PI ");
    EXPECT_EQ(lines[14], Blanks(25) + "97.5000" + "  " + "PT " + "   21+50.0000");
    EXPECT_EQ(lines[15], Blanks(82) + "1.000000");
    EXPECT_EQ(static_cast<int>(lines.size()), 16);
}

TEST(VerticalAlignmentTable, MetricBuildConvertsElevationsAndStations) {
    Built b(TwoPIs(), EngineVariant::Metric);
    auto lines = b.memory.Lines();
    ASSERT_GE(lines.size(), 16u);
    // 96.0 ft = 29.2609 m; 800 ft = 0+243.8405; grades stay percent.
    EXPECT_EQ(lines[7], Blanks(82) + "2.000000");
    EXPECT_EQ(lines[8], Blanks(37) + "   0+243.8405  " + "PC" + "     29.2609");
    // 98.8 ft = 30.1143 m at grade, 100 ft = 30.4801 m at the PI.
    EXPECT_EQ(lines[9], Blanks(37) + "   0+304.8006  " + "PI" + "     30.1143" + "      30.4801");
    // Sag PI: 96.0 ft and 96.42 ft = 29.3889 m; 2000 ft = 0+609.6012.
    EXPECT_EQ(lines[13],
              Blanks(12) + "29.2609" + Blanks(6) + "29.3889" + "  PI " + "   0+609.6012");
}

TEST(VerticalAlignmentTable, EndPIsWhoseOuterGradeIsLeftOut) {
    {  // a held entering grade above 9000 and a falling break: crest-side end PI first
        AlignmentCards cards = OneBareBreak();
        cards.vertical.gradeIn = 9000.5;
        Built b(cards);
        auto lines = b.memory.Lines();
        ASSERT_EQ(lines.size(), 9u);
        EXPECT_EQ(lines[7], Blanks(37) + "   10+00.0000" + "  PI" + Blanks(17) + "100.0000");
        EXPECT_EQ(Cols(lines[7], 55, 79), Blanks(17) + "100.0000");
        EXPECT_EQ(lines[8], Blanks(81) + "-1.000000");
        EXPECT_EQ(b.memory.Find("ASSIGNED"), -1);
    }
    {  // a held leaving grade above 9000 and a rising break: sag-side end PI last
        AlignmentCards cards = OneBareBreak();
        cards.vertical.gradeOut = 9000.5;
        Built b(cards);
        auto lines = b.memory.Lines();
        ASSERT_EQ(lines.size(), 9u);
        EXPECT_EQ(lines[7], Blanks(82) + "1.000000");
        EXPECT_EQ(lines[8], Blanks(11) + "100.0000" + Blanks(15) + "PI " + "   10+00.0000");
    }
}

TEST(VerticalAlignmentTable, ContinuesOnANewPage) {
    MemoryRun memory;
    // Open page 1 and leave 12 lines: the heading takes 3, and the 13 lines
    // the two-PI diagram asks for no longer fit.
    memory.run.listing.WritePageHeading(1, 38);
    VerticalProfile profile;
    ValidDataLimits limits;
    BuildVerticalProfile(memory.run, TwoPIs(), memory.stationing, limits, profile);
    EXPECT_EQ(memory.run.listing.PageCounter(), 2);
    auto lines = memory.Lines();
    int first = memory.Find(" VERTICAL ALIGNMENT DATA");
    int cont = memory.Find(" VERTICAL ALIGNMENT DATA (CONT)");
    ASSERT_GE(first, 0);
    EXPECT_GT(cont, first);
    EXPECT_EQ(memory.Find("ELEVATION"), memory.Find("ELEVATION", cont));
}

TEST(VerticalAlignmentTable, HeadingBreaksAfterTheGradeLine) {
    MemoryRun memory;
    memory.run.listing.WritePageHeading(1, 40);  // 10 lines left
    WriteVerticalAlignmentHeading(memory.run, 9, 0.02);
    EXPECT_EQ(memory.run.listing.PageCounter(), 1);  // 9 lines fit
    EXPECT_TRUE(memory.Lines().empty());
    WriteVerticalAlignmentHeading(memory.run, 10, 0.02);
    EXPECT_EQ(memory.run.listing.PageCounter(), 2);
    auto lines = memory.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], Blanks(82) + "2.000000");
    EXPECT_NE(memory.Find(" VERTICAL ALIGNMENT DATA (CONT)"), -1);
    EXPECT_NE(memory.Find("AT GRADE"), -1);
}

}  // namespace
}  // namespace quillon::engine
