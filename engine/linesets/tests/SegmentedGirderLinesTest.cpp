// The chords of the segmented girder lines and their SEGMENTED GIRDER LINE
// DATA section, on the curve of R = 1000 to the right without spirals (TS at
// 1000.0000308, deflection 60 degrees, so its length is 1047.1976), base on
// the control. Hand values: a chord over an arc of 100 has the length
// L = 2R sin(0.05) = 99.958338 and the middle ordinate d = R (1 - cos 0.05)
// = 1.249740 from the curve, so its girder pattern shift is -d / 2 =
// -0.624870 ft (+0.624870 on a left curve), -0.190461 m; a chord of 100 from
// a point of the curve reaches the arc 2R asin(0.05) = 100.041714 ahead.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "SegmentedTestSupport.hpp"
#include "engine/linesets/SegmentChords.hpp"

namespace quillon::engine {
namespace {

using linesettest::CurvedAlignment;
using linesettest::kCurveCard;
using linesettest::kPi;
using linesettest::kRadius;
using linesettest::kTsStation;
using linesettest::LineSetRun;
using linesettest::ReferenceCard;
using linesettest::StraightAlignment;
using segmentedtest::At;
using segmentedtest::Bent;
using segmentedtest::CountLines;
using segmentedtest::Girder;
using segmentedtest::OrderNames;
using segmentedtest::RunLineSet;
using segmentedtest::SlotNamed;

constexpr double kLength = 1e-6;  // feet
const double kChord = 2.0 * kRadius * std::sin(0.05);
const double kOrdinate = kRadius * (1.0 - std::cos(0.05));

// The reference line at 10+00 (just before the TS) square to the control,
// the back tangent as layout line; column 29 punched unless `shift` is off.
std::string Reference(bool shift = true) {
    return ReferenceCard("1000.", "0", "1", "1",
                         shift ? linesettest::Fields{{29, "X"}} : linesettest::Fields{});
}

// A segmented girder line at offset m, and a girder line on the control.
std::string Segmented(const std::string& m = "   20.00") { return Girder("1", m, "5", "SEG LINE"); }
const std::string kOnControl = Girder("0", "", "4", "GIRDER 0");

// A radial bent line (skew type 1) `distance` from the reference line,
// turned by `skew` degrees, breaking the segmented girder lines.
std::string Break(const std::string& distance, const std::string& name,
                  const std::string& skew = "", const linesettest::Fields& more = {}) {
    linesettest::Fields fields{{13, skew}, {21, "1"}, {39, "X"}};
    fields.insert(fields.end(), more.begin(), more.end());
    return Bent(distance, "0", name, fields);
}

std::vector<std::string> ThreeBreaks(const std::string& skew = "", bool shift = true,
                                     const std::string& m = "   20.00") {
    return {Reference(shift),
            Segmented(m),
            kOnControl,
            Break("  100.00", "PIER 1", skew),
            Break("  200.00", "PIER 2", skew),
            Break("  300.00", "PIER 3", skew)};
}

// The section from its title on.
std::vector<std::string> Section(const LineSetRun& run) {
    return run.From(" SEGMENTED GIRDER LINE DATA");
}

void ExpectSection(const LineSetRun& run, const std::string& shift) {
    const auto lines = Section(run);
    ASSERT_GE(lines.size(), 12u);
    const int at = run.IndexOf(" SEGMENTED GIRDER LINE DATA");
    EXPECT_EQ(run.Lines()[static_cast<size_t>(at - 1)], "");
    EXPECT_EQ(run.Lines()[static_cast<size_t>(at - 2)], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], At({{9,
                             "SEGMENTED GIRDER LINES ARE PARALLEL TO CHORDS ON HORIZONTAL "
                             "CONTROL LINE"}}));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4],
              At({{19, "SEGMENTED GIRDER LINES ARE BROKEN"}, {64, "OFFSET OF BASE CHORD FOR"}}));
    EXPECT_EQ(lines[5], At({{25, "AT THE FOLLOWING BENT LINES"}, {64, "GIRDER PATTERN SHIFT"}}));
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], At({{42, "PIER 1    "}}));
    // The shift right-aligned in columns 1-71 with six decimals.
    EXPECT_EQ(lines[8], At({{72 - static_cast<int>(shift.size()), shift}}));
    EXPECT_EQ(lines[9], At({{42, "PIER 2    "}}));
    EXPECT_EQ(lines[10], lines[8]);
    EXPECT_EQ(lines[11], At({{42, "PIER 3    "}}));
}

TEST(SegmentedGirderLines, TwoChordsWithTheirPatternShifts) {
    auto run = RunLineSet(CurvedAlignment(), ThreeBreaks());
    const LineSetState& lineSet = run->LineSet();
    ASSERT_FALSE(run->run.state.fatalFlag);
    const SegmentTable& segments = lineSet.segments;
    EXPECT_EQ(segments.startSlot, SlotNamed(lineSet, "PIER 1"));
    EXPECT_EQ(segments.baseChordOffset, 0.0);
    ASSERT_EQ(segments.chords.size(), 2u);
    EXPECT_NEAR(-kOrdinate / 2.0, -0.624870, 1e-6);
    for (const SegmentChord& chord : segments.chords) {
        EXPECT_NEAR(chord.shift, -kOrdinate / 2.0, kLength);
        // The moved chord lies halfway between the curve's chord and the
        // curve: its distance from the centre (1000, 0) is R cos 0.05 - shift
        // (a right curve's centre lies at positive offsets).
        const Pair normal = chord.sigma * chord.foot;
        EXPECT_NEAR(std::abs(normal), 1.0, 1e-12);
        const double lineAt = geometry::Dot2(chord.foot, normal);  // Dot2(Z, normal) on it
        const double centreBeyond = geometry::Dot2(Pair(kRadius, 0.0), normal) - lineAt;
        EXPECT_NEAR(centreBeyond, kRadius * std::cos(0.05) + kOrdinate / 2.0, kLength);
    }
    EXPECT_EQ(segments.chords[0].endSlot, SlotNamed(lineSet, "PIER 2"));
    EXPECT_EQ(segments.chords[1].endSlot, SlotNamed(lineSet, "PIER 3"));
    ExpectSection(*run, "-0.624870");
    // Radial bent lines: no skew verdict.
    EXPECT_EQ(run->IndexOf("SKEW ANGLES"), -1);
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

TEST(SegmentedGirderLines, TheMetricSectionListsTheShiftInMetres) {
    auto run = RunLineSet(CurvedAlignment(), ThreeBreaks(), EngineVariant::Metric);
    EXPECT_NEAR(-kOrdinate / 2.0 * segmentedtest::kMetre, -0.190461, 1e-6);
    ExpectSection(*run, "-0.190461");
}

TEST(SegmentedGirderLines, ALeftCurveShiftsTheOtherWay) {
    std::string left = kCurveCard;
    left[2] = 'L';
    auto run =
        RunLineSet({left, linesettest::kVerticalCard, linesettest::kCrossSlopeCard}, ThreeBreaks());
    ASSERT_EQ(run->LineSet().segments.chords.size(), 2u);
    for (const SegmentChord& chord : run->LineSet().segments.chords)
        EXPECT_NEAR(chord.shift, kOrdinate / 2.0, kLength);
    ExpectSection(*run, "0.624870");
}

TEST(SegmentedGirderLines, WithoutColumn29TheShiftsAreZeroAndTheVerdictStillComes) {
    auto run = RunLineSet(CurvedAlignment(), ThreeBreaks("30", false));
    for (const SegmentChord& chord : run->LineSet().segments.chords) EXPECT_EQ(chord.shift, 0.0);
    ExpectSection(*run, "0.000000");
    EXPECT_GE(run->IndexOf("DUE TO SEVERE SKEW ANGLES, USE OF SEGMENTED"), 0);
}

TEST(SegmentedGirderLines, SkewRatioByHand) {
    // tan 30 x 2500 x d x M / L^2 with the chord above.
    const double tan30 = std::tan(kPi / 6.0);
    EXPECT_NEAR(tan30 * 2500.0 * kOrdinate * 20.0 / (kChord * kChord), 3.6107, 1e-4);
    EXPECT_NEAR(tan30 * 2500.0 * kOrdinate * 10.0 / (kChord * kChord), 1.8053, 1e-4);
    EXPECT_NEAR(kChord, 99.9583, 1e-4);
}

TEST(SegmentedGirderLines, SevereSkewsGiveTheBox) {
    // M = 20: 3.6107 above 3.3.
    auto run = RunLineSet(CurvedAlignment(), ThreeBreaks("30"));
    const auto lines = run->Lines();
    const int at = run->IndexOf("DUE TO SEVERE SKEW ANGLES, USE OF SEGMENTED");
    ASSERT_GE(at, 2);
    const size_t a = static_cast<size_t>(at);
    // 43 and 31 characters centred in columns 31-95: 11 and 17 blanks before.
    EXPECT_EQ(lines[a - 2], "");
    EXPECT_EQ(lines[a - 1], At({{26, "ERROR"}, {96, "ERROR"}}));
    EXPECT_EQ(
        lines[a],
        At({{26, "ERROR"}, {42, "DUE TO SEVERE SKEW ANGLES, USE OF SEGMENTED"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 1],
              At({{26, "ERROR"}, {48, "GIRDER LINES IS NOT APPROPRIATE"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 2], At({{26, "ERROR"}, {96, "ERROR"}}));
    EXPECT_EQ(run->IndexOf("MARGINALLY"), -1);
    EXPECT_FALSE(run->run.state.fatalFlag);
}

TEST(SegmentedGirderLines, MarginalSkewsGiveTheWarning) {
    // M = 10: 1.8053, between 0.6 and 3.3.
    auto run = RunLineSet(CurvedAlignment(), ThreeBreaks("30", true, "   10.00"));
    const auto lines = run->Lines();
    const int at = run->IndexOf("WARNING:  DUE TO LARGE SKEW ANGLES,");
    ASSERT_GE(at, 3);
    const size_t a = static_cast<size_t>(at);
    EXPECT_EQ(lines[a - 1], "");
    EXPECT_EQ(lines[a - 2], "");
    EXPECT_EQ(lines[a - 3], "");
    EXPECT_EQ(lines[a], At({{9,
                             "WARNING:  DUE TO LARGE SKEW ANGLES, USE OF SEGMENTED GIRDER "
                             "LINES IS MARGINALLY SUITABLE"}}));
    EXPECT_EQ(run->IndexOf("SEVERE"), -1);
}

TEST(SegmentedGirderLines, SmallSkewRatiosGiveNothing) {
    // M = 2: 0.3611.
    auto run = RunLineSet(CurvedAlignment(), ThreeBreaks("30", true, "    2.00"));
    EXPECT_EQ(run->IndexOf("SKEW ANGLES"), -1);
    ExpectSection(*run, "-0.624870");
}

TEST(SegmentedGirderLines, ABaseGirderLineCarriesTheChords) {
    // Column 50 on a girder line 10 to the left (the outside of the curve):
    // the chords join the points of the parallel of radius 1010, whose
    // middle ordinate is 1010 (1 - cos 0.05) = 1.262237; the base girder
    // line's offset is kept as a normal offset from the control.
    std::vector<std::string> cards = ThreeBreaks();
    cards[2] = Girder("0", "  -10.00", "4", "BASE", {{40, "LINE"}, {50, "X"}});
    auto run = RunLineSet(CurvedAlignment(), cards);
    const LineSetState& lineSet = run->LineSet();
    EXPECT_EQ(lineSet.segments.baseChordOffset, -10.0);
    ASSERT_EQ(lineSet.segments.chords.size(), 2u);
    const double ordinate = 1010.0 * (1.0 - std::cos(0.05));
    EXPECT_NEAR(lineSet.segments.chords[0].shift, -ordinate / 2.0, kLength);
    EXPECT_EQ(lineSet.girders.Line(2).initialOffsetType, kNormalFromControl);
    const auto lines = Section(*run);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[2], At({{9,
                             "SEGMENTED GIRDER LINES ARE PARALLEL TO CHORDS ON GIRDER LINE:  "
                             "BASE      LINE      "}}));
    EXPECT_EQ(lines[8], At({{63, "-0.631119"}}));
    EXPECT_NEAR(ordinate / 2.0, 0.631119, 1e-6);
}

TEST(SegmentedGirderLines, ABentLineByChordDistanceFromTheFirstBreak) {
    // PIER 1 defines "A"; CHORD (distance type 7) hangs on it 100 ahead:
    // placed on the control 2R asin(0.05) = 100.041714 beyond PIER 1,
    // resolved, in the order once, and breaking the chain there.
    auto run = RunLineSet(
        CurvedAlignment(),
        {Reference(), Segmented(), kOnControl, Break("  100.00", "PIER 1", "", {{45, "A"}}),
         Bent("  100.00", "7", "CHORD", {{39, "X"}, {46, "A"}}), Break("  300.00", "PIER 3")});
    const LineSetState& lineSet = run->LineSet();
    ASSERT_FALSE(run->run.state.fatalFlag) << run->listing.str();
    const int first = SlotNamed(lineSet, "PIER 1");
    const int chord = SlotNamed(lineSet, "CHORD");
    EXPECT_NEAR(2.0 * kRadius * std::asin(0.05), 100.0417, 1e-4);
    EXPECT_NEAR(lineSet.bents.Slot(chord).station,
                lineSet.bents.Slot(first).station + 2.0 * kRadius * std::asin(0.05), kLength);
    EXPECT_EQ(lineSet.bents.Slot(chord).hangsOnReference, 0);
    EXPECT_EQ(OrderNames(lineSet),
              (std::vector<std::string>{"*REF LINE*", "PIER 1", "CHORD", "PIER 3"}));
    ASSERT_EQ(lineSet.segments.chords.size(), 2u);
    EXPECT_EQ(lineSet.segments.chords[0].endSlot, chord);
    // Parallel to PIER 1's line.
    const Pair a = lineSet.bents.Slot(first).foot, b = lineSet.bents.Slot(chord).foot;
    EXPECT_NEAR((std::conj(a) * b).imag() / (std::abs(a) * std::abs(b)), 0.0, 1e-12);
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

TEST(SegmentedGirderLines, ABentLineByChordDistanceFromALaterBreakIsRefused) {
    // PIER 2, the second break, defines "B": CHORD gets the box, the pass
    // places nothing more and the unplaced bent line is named.
    auto run = RunLineSet(
        CurvedAlignment(),
        {Reference(), Segmented(), kOnControl, Break("  100.00", "PIER 1"),
         Break("  200.00", "PIER 2", "", {{45, "B"}}),
         Bent("  100.00", "7", "CHORD", {{39, "X"}, {46, "B"}}), Break("  300.00", "PIER 3")});
    const LineSetState& lineSet = run->LineSet();
    const auto lines = run->Lines();
    const int at = run->IndexOf("A BENT LINE WHERE SEGMENTED GIRDER LINES");
    ASSERT_GE(at, 3);
    const size_t a = static_cast<size_t>(at);
    EXPECT_EQ(lines[a - 1], At({{26, "ERROR"}, {52, "BENT LINE:  CHORD     "}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a],
              At({{26, "ERROR"}, {43, "A BENT LINE WHERE SEGMENTED GIRDER LINES"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 1], At({{26, "ERROR"},
                                {39, "ARE BROKEN MAY BE REFERENCED BY A CHORD DISTANCE"},
                                {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 2],
              At({{26, "ERROR"}, {44, "(DISTANCE TYPE 7) ONLY FROM A SECONDARY"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 3],
              At({{26, "ERROR"}, {43, "REFERENCE LINE WHERE SEGMENTS ARE BROKEN"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 4], At({{26, "ERROR"}, {56, "COL 39 IGNORED"}, {96, "ERROR"}}));
    EXPECT_TRUE(lineSet.bents.Slot(SlotNamed(lineSet, "CHORD")).noBreak);
    EXPECT_EQ(CountLines(*run, "A BENT LINE WHERE SEGMENTED GIRDER LINES"), 1);
    EXPECT_GE(run->IndexOf("FATAL ERROR -- THE FOLLOWING  1 BENT LINE(S)"), 0);
    EXPECT_EQ(lines[static_cast<size_t>(run->IndexOf("FATAL ERROR -- THE FOLLOWING")) + 2],
              At({{26, "ERROR"}, {41, "CHORD     "}, {96, "ERROR"}}));
    EXPECT_TRUE(run->run.state.fatalFlag);
    // The letter B was never used: the (B23) box for PIER 2.
    EXPECT_GE(run->IndexOf("(B23)"), 0);
}

TEST(SegmentedGirderLines, FewerThanTwoBreaksIsFatal) {
    auto run = RunLineSet(CurvedAlignment(),
                          {Reference(), Segmented(), kOnControl, Break("  100.00", "PIER 1"),
                           Bent("  200.00", "0", "PIER 2")});
    const LineSetState& lineSet = run->LineSet();
    EXPECT_TRUE(run->run.state.fatalFlag);
    EXPECT_TRUE(run->run.state.runErrorFlag);
    EXPECT_TRUE(lineSet.segments.chords.empty());
    // The first girder line of the order is segmented: no girder line left.
    EXPECT_EQ(lineSet.girders.count, 0);
    const auto lines = run->Lines();
    const int at = run->IndexOf("NOT ENOUGH 06 CARDS HAVE PUNCH IN COL 39");
    ASSERT_GE(at, 2);
    const size_t a = static_cast<size_t>(at);
    // 54 and 35 characters centred: 5 and 15 blanks.
    EXPECT_EQ(lines[a], At({{26, "ERROR"},
                            {36, "FATAL ERROR -- NOT ENOUGH 06 CARDS HAVE PUNCH IN COL 39"},
                            {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 1],
              At({{26, "ERROR"}, {46, "SEGMENTED GIRDER LINES NOT RESOLVED"}, {96, "ERROR"}}));
    EXPECT_EQ(run->IndexOf(" SEGMENTED GIRDER LINE DATA"), -1);
}

TEST(SegmentedGirderLines, FewerThanTwoBreaksKeepsAFirstLineThatIsNotSegmented) {
    auto run = RunLineSet(CurvedAlignment(),
                          {Reference(), kOnControl, Segmented(), Break("  100.00", "PIER 1")});
    EXPECT_TRUE(run->run.state.fatalFlag);
    EXPECT_EQ(run->LineSet().girders.count, 1);
}

TEST(SegmentedGirderLines, BreaksBeyondTheEndOfTheCurveEndTwoChordsAtMost) {
    // The ST lies 1047.1976 beyond the TS: breaks at 1000 (before it), 1100,
    // 1200 and 1300 (beyond it): the third beyond ends no chord.
    auto run =
        RunLineSet(CurvedAlignment(), {Reference(), Segmented(), kOnControl,
                                       Break(" 1000.00", "B1000"), Break(" 1100.00", "B1100"),
                                       Break(" 1200.00", "B1200"), Break(" 1300.00", "B1300")});
    const LineSetState& lineSet = run->LineSet();
    ASSERT_EQ(lineSet.segments.chords.size(), 2u);
    EXPECT_EQ(lineSet.segments.chords[0].endSlot, SlotNamed(lineSet, "B1100"));
    EXPECT_EQ(lineSet.segments.chords[1].endSlot, SlotNamed(lineSet, "B1200"));
    EXPECT_FALSE(run->run.state.fatalFlag);
}

TEST(SegmentedGirderLines, AStraightControlHasOneChordAndNoSection) {
    auto run = RunLineSet(StraightAlignment(), ThreeBreaks());
    const LineSetState& lineSet = run->LineSet();
    ASSERT_EQ(lineSet.segments.chords.size(), 1u);
    const SegmentChord& chord = lineSet.segments.chords[0];
    EXPECT_EQ(chord.endSlot, lineSet.bentLineOrder.back().slot);
    EXPECT_EQ(chord.shift, 0.0);
    // Along the control: its unit normal is (1, 0).
    EXPECT_NEAR(std::abs(chord.sigma * chord.foot - Pair(1.0, 0.0)), 0.0, 1e-12);
    EXPECT_EQ(run->IndexOf("SEGMENTED GIRDER LINE DATA"), -1);
    EXPECT_FALSE(run->run.state.fatalFlag);
}

TEST(SegmentedGirderLines, WithoutSegmentedLinesTheBentLinesAreStillOrdered) {
    auto run = RunLineSet(CurvedAlignment(), {Reference(), kOnControl, Break("  200.00", "PIER 2"),
                                              Break("  100.00", "PIER 1")});
    EXPECT_TRUE(run->LineSet().segments.chords.empty());
    EXPECT_EQ(OrderNames(run->LineSet()),
              (std::vector<std::string>{"*REF LINE*", "PIER 1", "PIER 2"}));
    EXPECT_EQ(run->IndexOf("SEGMENTED"), -1);
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

TEST(SegmentedGirderLines, BentLinesAtOneStationTakeTheTaggedSortsOrder) {
    // Stations in deck order: the reference line S, X1, X2, X3 at S + 100
    // (skewed apart), X4 at S + 50. The Shell sort of five keys: gap 3 moves
    // X4 (position 5) before X1 (position 2); gap 1 moves nothing equal:
    // REF, X4, X2, X3, X1 (a stable sort would keep X1 before X2).
    auto run = RunLineSet(CurvedAlignment(),
                          {Reference(), kOnControl, Bent("  100.00", "0", "X1", {{21, "1"}}),
                           Bent("  100.00", "0", "X2", {{13, "10"}, {21, "1"}}),
                           Bent("  100.00", "0", "X3", {{13, "20"}, {21, "1"}}),
                           Bent("   50.00", "0", "X4", {{21, "1"}})});
    EXPECT_EQ(OrderNames(run->LineSet()),
              (std::vector<std::string>{"*REF LINE*", "X4", "X2", "X3", "X1"}));
}

TEST(SegmentedGirderLines, ABentLineOnTheReferenceLineLendsItsName) {
    // ABUT 1 lies on the reference line: it leaves the order and slot 1
    // carries its name, its fractional points and its break.
    auto run = RunLineSet(
        CurvedAlignment(),
        {ReferenceCard("1100.", "0", "1", "1"), Segmented(), kOnControl,
         Bent("    0.00", "0", "ABUT 1", {{22, " 10"}, {39, "X"}}), Break("  100.00", "PIER 1")});
    const LineSetState& lineSet = run->LineSet();
    EXPECT_EQ(OrderNames(lineSet), (std::vector<std::string>{"ABUT 1", "PIER 1"}));
    EXPECT_EQ(lineSet.bentLineOrder.front().slot, 1);
    EXPECT_EQ(lineSet.bents.Slot(1).fractionalPointKind, kEqualParts);
    EXPECT_FALSE(lineSet.bents.Slot(1).noBreak);
    ASSERT_EQ(lineSet.segments.chords.size(), 1u);
    EXPECT_EQ(lineSet.segments.startSlot, 1);
    // The merged bent line is not reported as unplaced.
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
    EXPECT_FALSE(run->run.state.fatalFlag);
}

TEST(SegmentedGirderLines, ABentLineThatMissesTheLayoutLineIsFatal) {
    // A bent line along the back tangent (skew 90 from its normal) never
    // crosses the layout line.
    auto run =
        RunLineSet(CurvedAlignment(), {Reference(), kOnControl,
                                       Bent(" -100.00", "0", "ALONG", {{13, "90"}, {21, "3"}}),
                                       Break("  100.00", "PIER 1")});
    EXPECT_TRUE(run->run.state.fatalFlag);
    EXPECT_TRUE(run->run.state.runErrorFlag);
    const auto lines = run->Lines();
    const int at = run->IndexOf("FATAL ERROR -- BENT LINE:  ALONG");
    ASSERT_GE(at, 0);
    const size_t a = static_cast<size_t>(at);
    EXPECT_EQ(lines[a + 1], At({{26, "ERROR"},
                                {40, "DOES NOT INTERSECT HORIZ CONTROL OR LAYOUT LINE"},
                                {96, "ERROR"}}));
    EXPECT_EQ(OrderNames(run->LineSet()), (std::vector<std::string>{"*REF LINE*", "PIER 1"}));
    // Not counted again among the bent lines that wait on a letter.
    EXPECT_EQ(run->IndexOf("THE FOLLOWING"), -1);
}

TEST(SegmentedGirderLines, TheLastBentLineHasNoFractionalPointsBeyondIt) {
    auto run = RunLineSet(CurvedAlignment(),
                          {Reference(), kOnControl, Bent("  100.00", "0", "PIER 1", {{22, " 10"}}),
                           Bent("  200.00", "0", "PIER 2", {{22, " 10"}})});
    const LineSetState& lineSet = run->LineSet();
    EXPECT_EQ(lineSet.bents.Slot(SlotNamed(lineSet, "PIER 1")).fractionalPointKind, kEqualParts);
    EXPECT_EQ(lineSet.bents.Slot(SlotNamed(lineSet, "PIER 2")).fractionalPointKind,
              kSingleFractionalPoint);
}

TEST(SegmentedGirderLines, TheSampleBridgeOrdersFourBentLines) {
    // CL ABUT 1 lies on the reference line at 23+50 and is merged into it.
    std::ifstream in(std::string(QUILLON_SAMPLES_DIR) + "/bridge.dat");
    std::vector<std::string> alignment, cards;
    std::string line;
    std::getline(in, line);  // the first 00 card: the run supplies its own
    while (std::getline(in, line))
        (cards.empty() && line.rfind("04", 0) != 0 ? alignment : cards).push_back(line);
    auto run = RunLineSet(alignment, cards);
    const LineSetState& lineSet = run->LineSet();
    ASSERT_EQ(lineSet.bentLineOrder.size(), 4u);
    EXPECT_EQ(lineSet.bentLineOrder.front().slot, 1);
    EXPECT_EQ(OrderNames(lineSet),
              (std::vector<std::string>{"CL ABUT 1", "CL PIER 2", "CL PIER 3", "CL ABUT 4"}));
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

}  // namespace
}  // namespace quillon::engine
