// Bent lines placed from secondary reference lines, on a straight control
// (the HC frame's y axis) where a line skewed a crossing the control at
// station S lies at S + d / cos(a) when moved d along its normal; worked by
// hand from that rule.
#include <gtest/gtest.h>

#include <cmath>

#include "SegmentedTestSupport.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/BentLinePlacement.hpp"
#include "engine/linesets/SecondaryReferences.hpp"

namespace quillon::engine {
namespace {

using linesettest::kPi;
using linesettest::NoSteps;
using linesettest::ReferenceCard;
using linesettest::StraightAlignment;
using segmentedtest::At;
using segmentedtest::Bent;
using segmentedtest::Card;
using segmentedtest::Girder;
using segmentedtest::OrderNames;
using segmentedtest::RunLineSet;
using segmentedtest::SlotNamed;

constexpr double kLength = 1e-8;  // feet

const std::string kGirder = Girder("0", "", "4", "GIRDER");
// The reference line at 10+00 skewed 20 degrees to the right.
const std::string kReference = ReferenceCard("1000.", "0", "1", "1", {{16, "20"}});
const double kCos20 = std::cos(20.0 * kPi / 180.0);

// A at -100 defines "A"; B hangs on A at 50 and defines "B"; C hangs on B
// at 30.
std::vector<std::string> Chain() {
    return {kReference, kGirder, Bent(" -100.00", "0", "BENT A", {{45, "A"}}),
            Bent("   50.00", "6", "BENT B", {{45, "B"}, {46, "A"}}),
            Bent("   30.00", "6", "BENT C", {{46, "B"}})};
}

double DeckStation(linesettest::LineSetRun& run, int slot) {
    return run.LineSet().bents.Slot(slot).station + run.Horizontal().tsStation;
}

TEST(SecondaryReferences, AChainOfThreeIsPlacedLevelByLevel) {
    auto run = RunLineSet(StraightAlignment(), Chain());
    const LineSetState& lineSet = run->LineSet();
    ASSERT_FALSE(run->run.state.fatalFlag);
    const int a = SlotNamed(lineSet, "BENT A");
    const int b = SlotNamed(lineSet, "BENT B");
    const int c = SlotNamed(lineSet, "BENT C");
    // Each moved along its parent's normal, which is skewed 20 degrees like
    // the reference line: 900 + 50 / cos 20 = 953.2089, + 30 / cos 20 more
    // = 985.1342.
    EXPECT_NEAR(DeckStation(*run, a), 900.0, kLength);
    EXPECT_NEAR(DeckStation(*run, b), 900.0 + 50.0 / kCos20, kLength);
    EXPECT_NEAR(DeckStation(*run, c), 900.0 + 80.0 / kCos20, kLength);
    EXPECT_NEAR(900.0 + 50.0 / kCos20, 953.2089, 1e-4);
    EXPECT_NEAR(900.0 + 80.0 / kCos20, 985.1342, 1e-4);
    // Resolved: column 46 cleared, both letters used.
    EXPECT_EQ(lineSet.bents.Slot(b).hangsOnReference, 0);
    EXPECT_EQ(lineSet.bents.Slot(c).hangsOnReference, 0);
    EXPECT_EQ(lineSet.letterOwners[1], -a);
    EXPECT_EQ(lineSet.letterOwners[2], -b);
    // Each stays parallel to A: the same skew, the same foot direction.
    EXPECT_NEAR(lineSet.bents.Slot(c).skewUsed, lineSet.bents.Slot(a).skewUsed, 1e-12);
    const Pair fa = lineSet.bents.Slot(a).foot, fc = lineSet.bents.Slot(c).foot;
    EXPECT_NEAR((std::conj(fa) * fc).imag(), 0.0, 1e-9);
    // The points on the layout line (the control itself) are the crossings.
    EXPECT_NEAR(std::abs(lineSet.bents.Slot(c).layoutPoint - lineSet.bents.Slot(c).crossing), 0.0,
                kLength);
    EXPECT_EQ(OrderNames(lineSet),
              (std::vector<std::string>{"BENT A", "BENT B", "BENT C", "*REF LINE*"}));
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

// The tables read and the layout line built, A (slot 2) located by hand
// and in the order after the reference line.
std::unique_ptr<linesettest::LineSetRun> WithALocated(const std::vector<std::string>& cards) {
    auto run = std::make_unique<linesettest::LineSetRun>(StraightAlignment(), cards);
    EXPECT_TRUE(run->Run(NoSteps()));
    LineSetState& lineSet = run->LineSet();
    AlignmentState& alignment = run->alignmentState;
    geometry::KernelStatus status;
    double station = 0.0;
    Pair point;
    LocateBentLine(alignment.horizontal, alignment.frame, lineSet, 2, status, station, point);
    EXPECT_FALSE(status.failed);
    lineSet.bentLineOrder = {{1, lineSet.reference.station}, {2, station}};
    return run;
}

TEST(SecondaryReferences, OneCallCountsBothLevels) {
    // One call for A: B on the first level, C on the second.
    auto run = WithALocated(Chain());
    LineSetState& lineSet = run->LineSet();
    AlignmentState& alignment = run->alignmentState;
    int appended = 0;
    EXPECT_TRUE(
        CheckSecondaryReferences(run->run, alignment, lineSet, 2, appended, lineSet.bents.Count()));
    EXPECT_EQ(appended, 2);
    ASSERT_EQ(lineSet.bentLineOrder.size(), 4u);
    EXPECT_EQ(lineSet.bentLineOrder[2].slot, 3);
    EXPECT_EQ(lineSet.bentLineOrder[3].slot, 4);
    EXPECT_NEAR(lineSet.bentLineOrder[3].station + run->Horizontal().tsStation,
                900.0 + 80.0 / kCos20, kLength);
}

TEST(SecondaryReferences, ResultTellsWhetherAPlacedLineBreaks) {
    // C breaks the segmented girder lines (column 39): the call says so.
    std::vector<std::string> cards = Chain();
    cards[4] = Bent("   30.00", "6", "BENT C", {{39, "X"}, {46, "B"}});
    auto run = WithALocated(cards);
    LineSetState& lineSet = run->LineSet();
    AlignmentState& alignment = run->alignmentState;
    int appended = 0;
    EXPECT_FALSE(
        CheckSecondaryReferences(run->run, alignment, lineSet, 2, appended, lineSet.bents.Count()));
    EXPECT_EQ(appended, 2);
}

TEST(SecondaryReferences, ALetterDefinedTwiceIsRefused) {
    // D defines "A" too: it loses the letter with the (LBNT) box; E, hanging
    // on "A", hangs on the first bent line that defined it.
    auto run = RunLineSet(StraightAlignment(),
                          {kReference, kGirder, Bent(" -100.00", "0", "BENT A", {{45, "A"}}),
                           Bent("  100.00", "0", "BENT D", {{45, "A"}}),
                           Bent("   10.00", "6", "BENT E", {{46, "A"}})});
    const LineSetState& lineSet = run->LineSet();
    const int d = SlotNamed(lineSet, "BENT D");
    const int e = SlotNamed(lineSet, "BENT E");
    EXPECT_EQ(lineSet.bents.Slot(d).definesReference, 0);
    EXPECT_NEAR(DeckStation(*run, e), 900.0 + 10.0 / kCos20, kLength);
    const auto lines = run->Lines();
    const int at = run->IndexOf("BENT LINE:  BENT D");
    ASSERT_GE(at, 2);
    const size_t a = static_cast<size_t>(at);
    const std::string frame = At({{26, "ERROR"}, {96, "ERROR"}});
    EXPECT_EQ(lines[a - 2], "");
    EXPECT_EQ(lines[a - 1], frame);
    // 22 characters centred in the 65 columns 31-95: 21 blanks before.
    EXPECT_EQ(lines[a], At({{26, "ERROR"}, {52, "BENT LINE:  BENT D    "}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 1],
              At({{26, "ERROR"}, {43, "IMPROPER USE OF SECONDARY REFERENCE LINE"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 2], At({{26, "ERROR"}, {56, "COL 45 IGNORED"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 3], At({{26, "ERROR"}, {89, "(LBNT)"}, {96, "ERROR"}}));
    EXPECT_FALSE(run->run.state.fatalFlag);
}

TEST(SecondaryReferences, EachLineSetHasLettersOfItsOwn) {
    // The second line set defines "A" again: no box, its dependant hangs on
    // its own bent line.
    std::vector<std::string> cards = Chain();
    const std::vector<std::string> again = Chain();
    cards.insert(cards.end(), again.begin(), again.end());
    auto run = std::make_unique<linesettest::LineSetRun>(StraightAlignment(), cards);
    ASSERT_TRUE(run->Run());
    ASSERT_TRUE(run->Next());
    const LineSetState& lineSet = run->LineSet();
    EXPECT_EQ(run->IndexOf("IMPROPER USE OF SECONDARY REFERENCE LINE"), -1);
    EXPECT_EQ(lineSet.letterOwners[1], -SlotNamed(lineSet, "BENT A"));
    EXPECT_NEAR(DeckStation(*run, SlotNamed(lineSet, "BENT C")), 900.0 + 80.0 / kCos20, kLength);
    EXPECT_FALSE(run->run.state.fatalFlag);
}

TEST(SecondaryReferences, AnUndefinedLetterLeavesItsBentLineWaiting) {
    // Z is defined by nobody: the bent line stays unresolved and the fatal
    // box names it (from column 41).
    auto run =
        RunLineSet(StraightAlignment(), {kReference, kGirder, Bent(" -100.00", "0", "BENT A"),
                                         Bent("   10.00", "6", "BENT Z", {{46, "Z"}})});
    const LineSetState& lineSet = run->LineSet();
    EXPECT_EQ(lineSet.bents.Slot(SlotNamed(lineSet, "BENT Z")).hangsOnReference, 26);
    EXPECT_TRUE(run->run.state.fatalFlag);
    EXPECT_TRUE(run->run.state.runErrorFlag);
    EXPECT_EQ(lineSet.girders.count, 1);
    const auto lines = run->Lines();
    const int at = run->IndexOf("FATAL ERROR -- THE FOLLOWING");
    ASSERT_GE(at, 2);
    const size_t a = static_cast<size_t>(at);
    // 44 and 58 characters centred: 10 and 3 blanks before.
    EXPECT_EQ(
        lines[a],
        At({{26, "ERROR"}, {41, "FATAL ERROR -- THE FOLLOWING  1 BENT LINE(S)"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 1], At({{26, "ERROR"},
                                {34, "NOT LOCATED BECAUSE SECONDARY REFERENCE LINE WAS NOT FOUND"},
                                {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 2], At({{26, "ERROR"}, {41, "BENT Z    "}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 3], At({{26, "ERROR"}, {96, "ERROR"}}));
}

TEST(SecondaryReferences, ALetterNothingHangsOnIsReported) {
    auto run = RunLineSet(StraightAlignment(),
                          {kReference, kGirder, Bent(" -100.00", "0", "BENT A", {{45, "A"}})});
    const auto lines = run->Lines();
    const int at = run->IndexOf("BENT LINE:  BENT A");
    ASSERT_GE(at, 2);
    const size_t a = static_cast<size_t>(at);
    EXPECT_EQ(lines[a - 1], At({{26, "ERROR"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a], At({{26, "ERROR"}, {52, "BENT LINE:  BENT A    "}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 1],
              At({{26, "ERROR"}, {43, "IMPROPER USE OF SECONDARY REFERENCE LINE"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 2], At({{26, "ERROR"}, {56, "COL 45 IGNORED"}, {96, "ERROR"}}));
    EXPECT_EQ(lines[a + 3], At({{26, "ERROR"}, {90, "(B23)"}, {96, "ERROR"}}));
    EXPECT_EQ(run->LineSet().bents.Slot(2).definesReference, 0);
    EXPECT_FALSE(run->run.state.fatalFlag);
}

TEST(SecondaryReferences, AFatalLineSetWithDeadLoadGetsNoPoints) {
    // The waiting bent line's fatal box stands; the 07 card does not lift it.
    auto run = RunLineSet(StraightAlignment(),
                          {kReference, kGirder, Bent(" -100.00", "0", "BENT A"),
                           Bent("   10.00", "6", "BENT Z", {{46, "Z"}}),
                           Card({{1, "07"}, {3, "AA"}, {15, "   100"}, {75, "     0"}})});
    EXPECT_FALSE(run->LineSet().deadLoad.records.empty());
    EXPECT_TRUE(run->run.state.fatalFlag);
}

TEST(SecondaryReferences, FortyFiveDependantsOfOneBentLineAreAllPlaced) {
    // No ring of 40: every bent line hanging on A is placed, the k-th at
    // 900 + k / cos 20.
    std::vector<std::string> cards{kReference, kGirder,
                                   Bent(" -100.00", "0", "BENT A", {{45, "A"}})};
    for (int k = 1; k <= 45; ++k)
        cards.push_back(Bent(std::to_string(k) + ".", "6", "D" + std::to_string(k), {{46, "A"}}));
    auto run = RunLineSet(StraightAlignment(), cards);
    const LineSetState& lineSet = run->LineSet();
    ASSERT_FALSE(run->run.state.fatalFlag);
    EXPECT_EQ(lineSet.bentLineOrder.size(), 47u);
    for (int k = 1; k <= 45; ++k) {
        const int slot = SlotNamed(lineSet, "D" + std::to_string(k));
        EXPECT_EQ(lineSet.bents.Slot(slot).hangsOnReference, 0) << k;
        EXPECT_NEAR(DeckStation(*run, slot), 900.0 + k / kCos20, kLength) << k;
    }
}

TEST(SecondaryReferences, AParentThroughTheOriginKeepsTheDependantsDirection) {
    // Parent: the line y = 50 (foot (0, 50), sigma 1/50); the dependant 50
    // back along its normal passes through the origin: foot (0, 50) x 0 would
    // be the line x = 0, along the control. The rule keeps 1e-15 times the
    // unit normal (0, 1): the line y = 0, crossing the control at station 0.
    AlignmentState alignment;
    LineSetState lineSet;
    lineSet.bents.slots.resize(3);
    BentLine& parent = lineSet.bents.Slot(2);
    parent.foot = Pair(0.0, 50.0);
    parent.sigma = 1.0 / 50.0;
    parent.station = 50.0;
    parent.definesReference = 1;
    BentLine& dependant = lineSet.bents.Slot(3);
    dependant.distanceType = kNormalOffset;
    dependant.distance = -50.0;
    dependant.hangsOnReference = 1;
    std::ostringstream listing;
    EngineRun run(EngineVariant::English, listing, {});
    int appended = 0;
    CheckSecondaryReferences(run, alignment, lineSet, 2, appended, 3);
    EXPECT_EQ(appended, 1);
    EXPECT_EQ(dependant.hangsOnReference, 0);
    EXPECT_EQ(dependant.foot, Pair(0.0, 1e-15));
    EXPECT_NEAR(dependant.station, 0.0, kLength);
    EXPECT_NEAR(std::abs(dependant.crossing), 0.0, kLength);
    EXPECT_EQ(listing.str(), "");
}

TEST(SecondaryReferences, AFailedPlacementIsMarkedAndReported) {
    // A parent along the control (x = 5): its parallel never crosses the
    // control, so the dependant gets code 63, no entry in the order, and is
    // named among the bent lines not located.
    AlignmentState alignment;
    LineSetState lineSet;
    lineSet.bents.slots.resize(3);
    BentLine& parent = lineSet.bents.Slot(2);
    parent.foot = Pair(5.0, 0.0);
    parent.sigma = 0.2;
    parent.definesReference = 1;
    BentLine& dependant = lineSet.bents.Slot(3);
    dependant.description = "LOST      ";
    dependant.distanceType = kNormalOffset;
    dependant.distance = 10.0;
    dependant.hangsOnReference = 1;
    lineSet.bentLineOrder = {{1, 0.0}, {2, 0.0}};
    std::ostringstream listing;
    EngineRun run(EngineVariant::English, listing, {});
    int appended = 0;
    EXPECT_TRUE(CheckSecondaryReferences(run, alignment, lineSet, 2, appended, 3));
    EXPECT_EQ(appended, 0);
    EXPECT_EQ(dependant.hangsOnReference, kLetterPlacementFailed);
    EXPECT_EQ(lineSet.bentLineOrder.size(), 2u);
    EXPECT_EQ(lineSet.letterOwners[1], 2);  // still unused
    EXPECT_EQ(listing.str(), "");

    BentLinePlacement placement;
    placement.failed.assign(4, false);
    ReportBentLines(run, lineSet, placement);
    EXPECT_NE(listing.str().find("FATAL ERROR -- THE FOLLOWING  1 BENT LINE(S)"),
              std::string::npos);
    EXPECT_NE(listing.str().find(At({{26, "ERROR"}, {41, "LOST      "}, {96, "ERROR"}})),
              std::string::npos);
    EXPECT_TRUE(run.state.fatalFlag);
}

TEST(SecondaryReferences, ParallelAtDistance) {
    // x = 5 with its unit normal sigma * foot = (1, 0): 3 further is x = 8,
    // 5 back is x = 0 kept as 1e-15 (1, 0), 7 back is x = -2 (foot (-2, 0)).
    EXPECT_EQ(ParallelAtDistance(Pair(5.0, 0.0), 0.2, 3.0), Pair(8.0, 0.0));
    EXPECT_EQ(ParallelAtDistance(Pair(5.0, 0.0), 0.2, -5.0), Pair(1e-15, 0.0));
    EXPECT_NEAR(std::abs(ParallelAtDistance(Pair(5.0, 0.0), 0.2, -7.0) - Pair(-2.0, 0.0)), 0.0,
                1e-12);
    // With the normal pointing the other way (sigma negative) 3 further is x = 2.
    EXPECT_NEAR(std::abs(ParallelAtDistance(Pair(5.0, 0.0), -0.2, 3.0) - Pair(2.0, 0.0)), 0.0,
                1e-12);
}

}  // namespace
}  // namespace quillon::engine
