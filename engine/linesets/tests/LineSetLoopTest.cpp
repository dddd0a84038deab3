// ProcessLineSet with stand-in steps: the section number, the look at a
// following 04 card (reuse consumed or refused), the restart after a fatal
// line set, and the dead-load step's failures.
#include <gtest/gtest.h>

#include "LineSetTestSupport.hpp"

namespace quillon::engine {
namespace {

using linesettest::Card;
using linesettest::CurvedAlignment;
using linesettest::LineSetRun;
using linesettest::NoSteps;
using linesettest::ReferenceCard;

const std::string kGirder = Card({{1, "05"}, {3, "0"}, {12, "4"}, {30, "GIRDER"}});
const std::string kGirder2 =
    Card({{1, "05"}, {3, "0"}, {4, "   10.00"}, {12, "4"}, {30, "GIRDER 2"}});
const std::string kBent = Card({{1, "06"}, {3, "50."}, {22, "  4"}, {29, "PIER"}, {44, "A"}});
const std::string kDeadLoad = Card({{1, "07"}, {3, "EA"}, {15, "   100"}});
const std::string kGood = ReferenceCard("1200.", "0", "1", "1");
const std::string kBadRange = ReferenceCard("1200.", "0", "1", "7");

// Stand-in steps that count their calls and may set the fatal flag.
struct Recorder {
    int segmented = 0;
    int type4 = 0;
    int deadLoad = 0;
    bool segmentedFails = false;
    bool deadLoadFails = false;

    LineSetSteps Steps() {
        return {[this](EngineRun& run, AlignmentState&, LineSetState&) {
                    ++segmented;
                    if (segmentedFails) run.state.fatalFlag = true;
                },
                [this](EngineRun&, AlignmentState&, LineSetState&) { ++type4; },
                [this](EngineRun& run, AlignmentState&, LineSetState&) {
                    ++deadLoad;
                    if (deadLoadFails) run.state.fatalFlag = true;
                }};
    }
};

TEST(ProcessLineSet, SectionNumberCountsOnWhenItIsShown) {
    LineSetRun blank(CurvedAlignment(), {kGood, kGirder, kBent});
    ASSERT_TRUE(blank.Process());
    const int before = blank.run.state.sectionCounter;
    ASSERT_TRUE(blank.Next(NoSteps()));
    EXPECT_EQ(blank.run.state.sectionCounter, before + 1);
    EXPECT_EQ(blank.run.state.headings.SectionNumber(), std::string(10, ' '));

    LineSetRun shown(CurvedAlignment(), {kGood, kGirder, kBent});
    ASSERT_TRUE(shown.Process());
    shown.run.state.sectionCounter = 4;
    shown.run.state.headings.SectionNumber() = "(4)       ";
    ASSERT_TRUE(shown.Next(NoSteps()));
    EXPECT_EQ(shown.run.state.headings.SectionNumber(), "(5)       ");
}

TEST(ProcessLineSet, FollowingCardWithThreeInColumnFourteenIsConsumed) {
    // The second 04 card lends columns 25 and 27-29; the next line set keeps
    // the reference line and the layout line and lists no LAYOUT LINE DATA.
    Recorder recorder;
    LineSetRun run(CurvedAlignment(),
                   {ReferenceCard("1200.", "0", "1", "1", {{16, "10"}}), kGirder, kBent,
                    ReferenceCard("5000.", "3", "4", "3",
                                  {{16, "45"}, {25, "1"}, {27, "X"}, {28, "Y"}, {29, "Z"}}),
                    kGirder2, kBent, kBent});
    ASSERT_TRUE(run.Run(recorder.Steps()));
    EXPECT_FALSE(run.run.state.fatalFlag);
    EXPECT_EQ(run.run.state.currentCardType, 5);  // the 04 card is consumed
    EXPECT_TRUE(run.LineSet().sameReferenceAllowed);
    const ReferenceLine first = run.LineSet().reference;
    const LayoutLine layout = run.LineSet().layout;
    const int titles = static_cast<int>(run.From(" LAYOUT LINE DATA").size());

    ASSERT_TRUE(run.Next(recorder.Steps()));
    EXPECT_TRUE(run.LineSet().reusing);
    const ReferenceLine& r = run.LineSet().reference;
    EXPECT_EQ(r.station, first.station);
    EXPECT_EQ(r.skew, first.skew);
    EXPECT_EQ(r.skewRespTo, 1);
    EXPECT_EQ(r.layoutLineIs, 1);
    EXPECT_EQ(r.defaultSkewColumn, 1);
    EXPECT_EQ(run.LineSet().defaultSkewOption, 1);
    EXPECT_TRUE(run.LineSet().patternShift);
    EXPECT_EQ(run.LineSet().layout.a, layout.a);
    EXPECT_EQ(run.LineSet().layout.dir, layout.dir);
    // Slot 1: the set-up of every line set, with the flags of its own card.
    const BentLine& slot = run.LineSet().bents.Slot(1);
    EXPECT_EQ(slot.description, kReferenceLineName);
    EXPECT_FALSE(slot.noBreak);
    EXPECT_TRUE(slot.suppressed);
    EXPECT_EQ(slot.station, first.station);
    EXPECT_EQ(run.LineSet().girders.lines.size(), 1u);
    EXPECT_EQ(run.LineSet().girders.Line(1).description[0], "GIRDER 2  ");
    EXPECT_EQ(run.LineSet().bents.Count(), 3);
    EXPECT_EQ(static_cast<int>(run.From(" LAYOUT LINE DATA").size()), titles);  // no new section
    EXPECT_EQ(recorder.segmented, 2);
}

TEST(ProcessLineSet, ReuseStartsFromTheReferenceLinesTangentMarks) {
    // The reference line square to the back tangent marks it; a reusing
    // line set starts from that mark.
    LineSetRun run(CurvedAlignment(), {ReferenceCard("1200.", "0", "3", "1"), kGirder, kBent,
                                       Card({{1, "04"}, {14, "3"}}), kGirder, kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    ASSERT_TRUE(run.Next(NoSteps()));
    EXPECT_TRUE(run.LineSet().reusing);
    EXPECT_EQ(run.LineSet().tangentsUsed, kBackTangentMark);
}

TEST(ProcessLineSet, FollowingCardOfItsOwnIsNotConsumed) {
    LineSetRun run(CurvedAlignment(),
                   {kGood, kGirder, kBent, ReferenceCard("1300.", "0", "1", "1"), kGirder, kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.run.state.currentCardType, 4);
    EXPECT_FALSE(run.LineSet().sameReferenceAllowed);
    ASSERT_TRUE(run.Next(NoSteps()));
    EXPECT_FALSE(run.LineSet().reusing);
    EXPECT_NEAR(run.LineSet().reference.station, 1300.0 - linesettest::kTsStation, 1e-7);
}

TEST(ProcessLineSet, UnreadableColumnFourteenMeansNoReuse) {
    // The next line set reads the card itself and reports the field.
    LineSetRun run(CurvedAlignment(),
                   {kGood, kGirder, kBent, ReferenceCard("1300.", "X", "1", "1"), kGirder, kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.run.state.currentCardType, 4);
    EXPECT_FALSE(run.LineSet().sameReferenceAllowed);
    ASSERT_TRUE(run.Next(NoSteps()));
    EXPECT_TRUE(run.run.state.fatalFlag);
    EXPECT_NE(run.IndexOf(" INVALID NUMBER IN COLUMNS 14-14 (STATION ON)"), -1);
}

TEST(ProcessLineSet, FatalLineSetIsFollowedAtOnceAndSameReferenceIsRefused) {
    // The first line set's reference line is out of range; the next 04 card
    // (3 in column 14) is read in the same call, refused as out of range
    // (no layout line to reuse), and the third, a good one, is processed
    // too: one call, three line sets, the steps run for the last only.
    Recorder recorder;
    LineSetRun run(CurvedAlignment(), {kBadRange, kGirder, kBent, Card({{1, "04"}, {14, "3"}}),
                                       kGirder, kBent, kGood, kGirder, kBent, kDeadLoad});
    ASSERT_TRUE(run.Process());
    const int before = run.run.state.sectionCounter;
    ASSERT_TRUE(run.Next(recorder.Steps()));
    EXPECT_EQ(run.run.state.sectionCounter, before + 3);
    EXPECT_FALSE(run.run.state.fatalFlag);
    EXPECT_TRUE(run.run.state.runErrorFlag);
    EXPECT_EQ(recorder.segmented, 1);
    EXPECT_EQ(recorder.type4, 1);
    EXPECT_EQ(recorder.deadLoad, 1);
    int ranges = 0;
    for (const std::string& line : run.Lines())
        if (line.find("OUT OF RANGE (OR LAYOUT") != std::string::npos) ++ranges;
    EXPECT_EQ(ranges, 2);
    EXPECT_EQ(static_cast<int>(run.From(" LAYOUT LINE DATA").empty()), 0);
    EXPECT_TRUE(run.run.deck.Ended());
}

TEST(ProcessLineSet, FatalLastLineSetReturnsFatal) {
    Recorder recorder;
    LineSetRun run(CurvedAlignment(), {kBadRange, kGirder, kBent, kDeadLoad});
    ASSERT_TRUE(run.Run(recorder.Steps()));
    EXPECT_TRUE(run.run.state.fatalFlag);
    EXPECT_EQ(recorder.segmented + recorder.type4 + recorder.deadLoad, 0);
}

TEST(ProcessLineSet, DeadLoadFailureLeavesOneGirderLine) {
    Recorder recorder;
    recorder.deadLoadFails = true;
    LineSetRun run(CurvedAlignment(), {kGood, kGirder, kGirder2, kBent, kDeadLoad});
    ASSERT_TRUE(run.Run(recorder.Steps()));
    EXPECT_EQ(recorder.deadLoad, 1);
    EXPECT_FALSE(run.run.state.fatalFlag);
    EXPECT_TRUE(run.run.state.runErrorFlag);
    EXPECT_EQ(run.LineSet().girders.count, 1);
    EXPECT_EQ(run.LineSet().bents.Slot(2).deadLoadCode, 0);
}

TEST(ProcessLineSet, GoodDeadLoadKeepsItsCodes) {
    Recorder recorder;
    LineSetRun run(CurvedAlignment(), {kGood, kGirder, kGirder2, kBent, kDeadLoad});
    ASSERT_TRUE(run.Run(recorder.Steps()));
    EXPECT_FALSE(run.run.state.fatalFlag);
    EXPECT_FALSE(run.run.state.runErrorFlag);
    EXPECT_EQ(run.LineSet().girders.count, 2);
    EXPECT_EQ(run.LineSet().bents.Slot(2).deadLoadCode, 1);  // "A"
}

TEST(ProcessLineSet, EarlierFatalFlagSurvivesTheDeadLoadStep) {
    // A fault of the segmented girder lines keeps the line set uncomputed;
    // the dead load still runs and is not blamed for it.
    Recorder recorder;
    recorder.segmentedFails = true;
    LineSetRun run(CurvedAlignment(), {kGood, kGirder, kGirder2, kBent, kDeadLoad});
    ASSERT_TRUE(run.Run(recorder.Steps()));
    EXPECT_EQ(recorder.deadLoad, 1);
    EXPECT_TRUE(run.run.state.fatalFlag);
    EXPECT_EQ(run.LineSet().girders.count, 2);
}

TEST(ProcessLineSet, WithoutDeadLoadCardsEveryBentLineLosesItsDeadLoadCode) {
    Recorder recorder;
    LineSetRun run(CurvedAlignment(), {kGood, kGirder, kBent});
    ASSERT_TRUE(run.Run(recorder.Steps()));
    EXPECT_EQ(recorder.deadLoad, 0);
    EXPECT_EQ(run.LineSet().bents.Slot(2).deadLoadCode, 0);
    EXPECT_EQ(run.LineSet().girders.count, 1);
    EXPECT_FALSE(run.run.state.runErrorFlag);
}

TEST(ProcessLineSet, UnreadableDeadLoadCardGoesOnAsAFailedDeadLoad) {
    // The box "FATAL ERROR -- 07 CARD" / "INVALID NUMBER IN COLUMNS 21-26
    // (DEFLECTION 1)" (at 52 and 40); no dead-load step; one girder line.
    Recorder recorder;
    LineSetRun run(CurvedAlignment(),
                   {kGood, kGirder, kGirder2, kBent,
                    Card({{1, "07"}, {3, "EA"}, {15, "   100"}, {21, "  1O0"}})});
    ASSERT_TRUE(run.Run(recorder.Steps()));
    EXPECT_EQ(recorder.deadLoad, 0);
    EXPECT_FALSE(run.run.state.fatalFlag);
    EXPECT_TRUE(run.run.state.runErrorFlag);
    EXPECT_EQ(run.LineSet().girders.count, 1);
    EXPECT_EQ(run.LineSet().bents.Slot(2).deadLoadCode, 0);
    const auto lines = run.Lines();
    const int at = run.IndexOf("FATAL ERROR -- 07 CARD");
    ASSERT_GE(at, 2);
    const size_t a = static_cast<size_t>(at);
    EXPECT_EQ(lines[a - 2], "");
    EXPECT_EQ(lines[a - 1], ErrorBoxLine());
    EXPECT_EQ(lines[a], ErrorBoxLine({{52, "FATAL ERROR -- 07 CARD"}}));
    EXPECT_EQ(lines[a + 1], ErrorBoxLine({{40, "INVALID NUMBER IN COLUMNS 21-26 (DEFLECTION 1)"}}));
    EXPECT_EQ(lines[a + 2], ErrorBoxLine());
}

}  // namespace
}  // namespace quillon::engine
