// The TABLE OF ROADWAY CROSS-SLOPES, the pivot line, the limit moves and the
// PARABOLIC CROWN DATA, column by column in both builds.
#include <string>
#include <vector>

#include "engine/alignment/CrossSlopeTable.hpp"
#include "engine/alignment/tests/VerticalProfileTestSupport.hpp"

namespace quillon::engine {
namespace {

using testing::Cols;
using testing::MemoryRun;

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

CrossSlopeOverrideRow Override(double station, double left) {
    CrossSlopeOverrideRow row;
    row.station = station;
    row.leftText = "  400     ";
    row.left = left;
    return row;
}

struct Listed {
    MemoryRun memory;
    CrossSlopeBreakTable table;
    ValidDataLimits limits;
    std::vector<std::string> lines;

    Listed(const CrossSlopeCard& card, const std::vector<CrossSlopeOverrideRow>& overrides,
           const geometry::HorizontalAlignment* curve, EngineVariant variant, double origin = 0.0)
        : memory(variant) {
        memory.stationing.originStation = origin;
        SetUpCrossSlopeTable(card, overrides, table);
        if (curve) AddCurveSuperelevation(memory.run, memory.stationing, *curve, table);
        WriteCrossSlopeSection(memory.run, memory.stationing, card, table, limits);
        lines = memory.Lines();
    }
};

CrossSlopeCard SuperCard() {
    CrossSlopeCard c;
    c.crownCode = 1;
    c.crossSlope = 0.02;
    c.superRateGiven = true;
    c.superRate = 0.06;
    c.inTransLength = 100.0;
    c.outTransLength = 100.0;
    return c;
}

geometry::HorizontalAlignment SimpleCurve() {
    geometry::HorizontalAlignment h;
    h.curveFlag = true;
    h.lc = h.csDistance = h.length = 500.0;
    return h;
}

// Crown "A" on a simple right curve with the PC at deck station 10+00: breaks
// at 906.667, 1040, 1460 and 1593.333 (worked out in the table tests).
TEST(CrossSlopeListing, TableColumnsEnglish) {
    geometry::HorizontalAlignment h = SimpleCurve();
    Listed l(SuperCard(), {}, &h, EngineVariant::English, 1000.0);
    const auto& lines = l.lines;
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], " TABLE OF ROADWAY CROSS-SLOPES   (SUPERELEVATION:  E=0.0600)");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], Blanks(20) + "STATION" + Blanks(12) + "SLOPE LEFT" + Blanks(7) +
                            "SLOPE RIGHT" + Blanks(9) + "VC LENGTH");
    EXPECT_EQ(lines[5], "");
    // 17 blanks, "(ON TANGENT)" (18-29), F18.4 (30-47), F18.4 (48-65), F18.2 (66-83), " (MAX)".
    EXPECT_EQ(lines[6], Blanks(17) + "(ON TANGENT)" + Blanks(11) + "-0.0200" + Blanks(12) +
                            "0.0200" + Blanks(13) + "50.00" + " (MAX)");
    EXPECT_EQ(lines[7], "");
    // Rows: 16 blanks, station 10+3 (17-29), left (30-47), right (48-65), VC (66-83), label
    // (84-93).
    const std::string noLabel = Blanks(10);
    EXPECT_EQ(lines[8], Blanks(16) + "    9+06.6667" + Blanks(11) + "-0.0200" + Blanks(12) +
                            "0.0200" + Blanks(13) + "50.00" + noLabel);
    EXPECT_EQ(lines[9], Blanks(16) + "   10+40.0000" + Blanks(12) + "0.0600" + Blanks(11) +
                            "-0.0600" + Blanks(13) + "50.00" + noLabel);
    EXPECT_EQ(Cols(lines[9], 17, 29), "   10+40.0000");
    EXPECT_EQ(Cols(lines[9], 30, 47), Blanks(12) + "0.0600");
    EXPECT_EQ(Cols(lines[9], 66, 83), Blanks(13) + "50.00");
    EXPECT_EQ(lines[10], Blanks(16) + "   14+60.0000" + Blanks(12) + "0.0600" + Blanks(11) +
                             "-0.0600" + Blanks(13) + "50.00" + noLabel);
    EXPECT_EQ(lines[11], Blanks(16) + "   15+93.3333" + Blanks(11) + "-0.0200" + Blanks(12) +
                             "0.0200" + Blanks(13) + "50.00" + noLabel);
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15],
              Blanks(8) + "OFFSET PROFILE CONTROL TO PIVOT POINT =    0.0000  FEET       ");
    // First and last breaks keep the tangent slopes: the limits stay open.
    EXPECT_EQ(l.limits.begin, -5.0e36);
    EXPECT_EQ(l.limits.end, 5.0e36);
    EXPECT_FALSE(l.memory.run.state.fatalFlag);
}

TEST(CrossSlopeListing, TableColumnsMetric) {
    geometry::HorizontalAlignment h = SimpleCurve();
    CrossSlopeCard card = SuperCard();
    card.pivotOffset = 12.0;
    card.pivotSide = "LEFT      ";
    Listed l(card, {}, &h, EngineVariant::Metric, 1000.0);
    const auto& lines = l.lines;
    ASSERT_EQ(lines.size(), 16u);
    // MaxTransVC 50 ft = 15.24 m; slopes have no unit.
    EXPECT_EQ(lines[6], Blanks(17) + "(ON TANGENT)" + Blanks(11) + "-0.0200" + Blanks(12) +
                            "0.0200" + Blanks(13) + "15.24" + " (MAX)");
    // 906.667 ft = 276.3526 m; VC 50 ft = 15.24 m.
    EXPECT_EQ(lines[8], Blanks(16) + "   0+276.3526" + Blanks(11) + "-0.0200" + Blanks(12) +
                            "0.0200" + Blanks(13) + "15.24" + Blanks(10));
    // 12 ft = 3.6576 m; "LEFT " is the side text's first five characters.
    EXPECT_EQ(lines[15],
              Blanks(8) + "OFFSET PROFILE CONTROL TO PIVOT POINT =    3.6576  m     LEFT ");
}

// Overrides (0, 0), (0.04, -0.04), (0, 0) on a tangent: the middle break
// peaks inside its curve at 0.035 (0.04 + (0.03 + 0.03 - 0.08)/4).
TEST(CrossSlopeListing, RelativeMaxMinLineAndLimitMoves) {
    CrossSlopeCard card = SuperCard();
    card.superRateGiven = false;
    Listed l(card, {Override(1000.0, 0.0), Override(1100.0, 0.04), Override(1200.0, 0.0)}, nullptr,
             EngineVariant::English);
    const auto& lines = l.lines;
    EXPECT_EQ(lines[2], " TABLE OF ROADWAY CROSS-SLOPES   (SUPERELEVATION:  E= -NC- )");
    EXPECT_EQ(lines[8], Blanks(16) + "   10+00.0000" + Blanks(12) + "0.0000" + Blanks(12) +
                            "0.0000" + Blanks(13) + "50.00" + " -U-      ");
    EXPECT_EQ(lines[9], Blanks(16) + "   11+00.0000" + Blanks(12) + "0.0400" + Blanks(11) +
                            "-0.0400" + Blanks(13) + "50.00" + " -U-      ");
    EXPECT_EQ(lines[10], "");
    // 16 blanks, station 10+5 (17-31), F18.6 twice, 10 blanks, the text.
    EXPECT_EQ(lines[11], Blanks(16) + "   11+00.0000  " + Blanks(10) + "0.035000" + Blanks(9) +
                             "-0.035000" + Blanks(10) + "RELATIVE MAX/MIN CROSS-SLOPE ATTAINED");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(Cols(lines[13], 17, 29), "   12+00.0000");
    // Row 2 leaves the tangent slopes: the begin limit moves to 1000 + 50/2;
    // the last row differs too: the end limit moves to 1200 - 25.
    EXPECT_DOUBLE_EQ(l.limits.begin, 1025.0);
    EXPECT_EQ(l.limits.beginText[0], "   10+25.0");
    EXPECT_EQ(l.limits.beginText[1], "000       ");
    EXPECT_EQ(l.limits.beginLabel[0] + l.limits.beginLabel[1], "SUPERELEVATION      ");
    EXPECT_DOUBLE_EQ(l.limits.end, 1175.0);
    EXPECT_EQ(l.limits.endText[0], "   11+75.0");
    EXPECT_EQ(l.limits.endLabel[0] + l.limits.endLabel[1], "SUPERELEVATION      ");
}

// One override row whose slopes differ from those on tangent is both the
// first and the last break: the begin limit moves past its curve and the
// end limit before it, so no station is left inside the limits. That is the
// rule for both limits, kept as it stands. Metric deck: 1+100.000 and a
// MaxTransVC of 50 m reach the engine as 3608.91 ft and 164.0 ft.
TEST(CrossSlopeListing, SingleDifferingOverrideLeavesAnEmptyRange) {
    CrossSlopeCard card = SuperCard();
    card.superRateGiven = false;
    card.maxTransVC = 164.0;
    Listed l(card, {Override(3608.91, 0.03)}, nullptr, EngineVariant::Metric);
    ASSERT_EQ(l.table.count, 2);
    // N = 2: VC = MaxTransVC = 164, cut to 160 (multiple of 5), half 80.
    EXPECT_EQ(Cols(l.lines[8], 17, 29), "   1+099.9980");  // 3608.91 * 0.3048006096
    EXPECT_EQ(Cols(l.lines[8], 66, 93), Blanks(13) + "48.77" + " -U-      ");  // 160 ft
    EXPECT_DOUBLE_EQ(l.limits.begin, 3608.91 + 80.0);
    EXPECT_DOUBLE_EQ(l.limits.end, 3608.91 - 80.0);
    // 3688.91 ft = 1124.3820 m; 3528.91 ft = 1075.6139 m.
    EXPECT_EQ(l.limits.beginText[0] + l.limits.beginText[1], "   1+124.3820       ");
    EXPECT_EQ(l.limits.endText[0] + l.limits.endText[1], "   1+075.6139       ");
    EXPECT_EQ(l.limits.beginLabel[0] + l.limits.beginLabel[1], "SUPERELEVATION      ");
    EXPECT_EQ(l.limits.endLabel[0] + l.limits.endLabel[1], "SUPERELEVATION      ");
    EXPECT_FALSE(l.memory.run.state.fatalFlag);
}

TEST(CrossSlopeListing, LimitsAlreadyTighterStay) {
    CrossSlopeCard card = SuperCard();
    card.superRateGiven = false;
    MemoryRun memory;
    CrossSlopeBreakTable t;
    ValidDataLimits limits;
    limits.begin = 1030.0;
    limits.end = 1170.0;
    SetUpCrossSlopeTable(card,
                         {Override(1000.0, 0.0), Override(1100.0, 0.04), Override(1200.0, 0.0)}, t);
    WriteCrossSlopeSection(memory.run, memory.stationing, card, t, limits);
    EXPECT_EQ(limits.begin, 1030.0);
    EXPECT_EQ(limits.end, 1170.0);
    EXPECT_EQ(limits.beginLabel[0], Blanks(10));
}

TEST(CrossSlopeListing, ShortTransitionCurvesAreMarked) {
    CrossSlopeCard card = SuperCard();
    card.superRateGiven = false;
    // Breaks 15 ft apart: VC 15, no room to raise it to 20.
    Listed l(card, {Override(1000.0, 0.04), Override(1015.0, 0.0)}, nullptr,
             EngineVariant::English);
    EXPECT_EQ(Cols(l.lines[8], 66, 93), Blanks(13) + "15.00" + " * -U-    ");
    int box = l.memory.Find("* SHORT TRANSITION VERTICAL CURVES");
    ASSERT_GE(box, 0);
    EXPECT_EQ(Cols(l.lines[static_cast<size_t>(box)], 46, 79),
              "* SHORT TRANSITION VERTICAL CURVES");
    EXPECT_EQ(Cols(l.lines[static_cast<size_t>(box + 1)], 48, 78),
              "GIVEN ALIGNMENT IS NOT SUITABLE");
    EXPECT_FALSE(l.memory.run.state.fatalFlag);
    EXPECT_NE(l.memory.Find("OFFSET PROFILE CONTROL TO PIVOT POINT"), -1);
}

TEST(CrossSlopeListing, BreaksOutOfOrderStopTheTable) {
    CrossSlopeCard card = SuperCard();
    card.superRateGiven = false;
    MemoryRun memory;
    CrossSlopeBreakTable t;
    ValidDataLimits limits;
    SetUpCrossSlopeTable(card, {}, t);
    AddCrossSlopePoint(memory.run, memory.stationing, t, 1000.0, 0.04, -0.04);
    AddCrossSlopePoint(memory.run, memory.stationing, t, 900.0, 0.0, 0.0);
    WriteCrossSlopeSection(memory.run, memory.stationing, card, t, limits);
    int box = memory.Find("IMPROPER USE OF OPTIONAL 03 CARDS");
    ASSERT_GE(box, 0);
    auto lines = memory.Lines();
    EXPECT_EQ(Cols(lines[static_cast<size_t>(box - 1)], 52, 73), "FATAL ERROR -- 03 CARD");
    EXPECT_EQ(Cols(lines[static_cast<size_t>(box)], 47, 79), "IMPROPER USE OF OPTIONAL 03 CARDS");
    EXPECT_TRUE(memory.run.state.fatalFlag);
    EXPECT_EQ(t.count, 1);
    EXPECT_EQ(limits.begin, 1.0);
    EXPECT_EQ(limits.end, 0.0);
    EXPECT_EQ(memory.Find("    9+00.0000"), -1);  // the rest of the table is not written
    EXPECT_EQ(memory.Find("OFFSET PROFILE CONTROL"), -1);
}

CrossSlopeCard CrownCard(double width, double height) {
    CrossSlopeCard c;
    c.crownCode = 5;
    c.crownWidth = width;
    c.crownHeight = height;
    return c;
}

// Width 24 ft, height 3 in: w = 12, h = 0.25 ft, a = -0.25/144, edge slopes
// -2h/w = -0.041667.
TEST(ParabolicCrownListing, ColumnsEnglish) {
    Listed l(CrownCard(24.0, 3.0), {}, nullptr, EngineVariant::English);
    const auto& lines = l.lines;
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], " PARABOLIC CROWN DATA");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], Blanks(8) + "CROWN WIDTH  =   24.0000  FEET");
    EXPECT_EQ(lines[5], Blanks(8) + "CROWN HEIGHT =    3.0000  INCHES");
    EXPECT_EQ(lines[6], Blanks(8) + "SLOPE LEFT   =   -0.041667");
    EXPECT_EQ(lines[7], Blanks(8) + "SLOPE RIGHT  =   -0.041667");
    EXPECT_DOUBLE_EQ(l.table.crown.halfWidth, 12.0);
    EXPECT_DOUBLE_EQ(l.table.crown.height, 0.25);
    EXPECT_DOUBLE_EQ(l.table.crown.a, -0.25 / 144.0);
}

TEST(ParabolicCrownListing, ColumnsMetricAndGivenSlopes) {
    CrossSlopeCard card = CrownCard(24.0, 3.0);
    card.crownLeft = -0.02;
    Listed l(card, {}, nullptr, EngineVariant::Metric);
    const auto& lines = l.lines;
    ASSERT_EQ(lines.size(), 8u);
    // 24 ft = 7.3152 m; 0.25 ft = 76.2002 mm.
    EXPECT_EQ(lines[4], Blanks(8) + "CROWN WIDTH  =    7.3152  m   ");
    EXPECT_EQ(lines[5], Blanks(8) + "CROWN HEIGHT =   76.2002  mm    ");
    EXPECT_EQ(lines[6], Blanks(8) + "SLOPE LEFT   =   -0.020000");
    EXPECT_EQ(lines[7], Blanks(8) + "SLOPE RIGHT  =   -0.041667");
}

TEST(ParabolicCrownListing, NarrowCrownIsFatal) {
    Listed l(CrownCard(0.00008, 3.0), {}, nullptr, EngineVariant::English);
    int box = l.memory.Find("INVALID PARABOLIC CROWN WIDTH");
    ASSERT_GE(box, 0);
    EXPECT_EQ(Cols(l.lines[static_cast<size_t>(box - 1)], 53, 74), "FATAL ERROR -- 03 CARD");
    EXPECT_EQ(Cols(l.lines[static_cast<size_t>(box)], 49, 77), "INVALID PARABOLIC CROWN WIDTH");
    EXPECT_TRUE(l.memory.run.state.fatalFlag);
    EXPECT_EQ(l.limits.begin, 1.0);
    EXPECT_EQ(l.memory.Find("CROWN WIDTH  ="), -1);
}

}  // namespace
}  // namespace quillon::engine
