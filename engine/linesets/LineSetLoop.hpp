// One line set of the current Problem: its number in the page heading, its
// cards, its layout line, the look at a following 04 card (does the next
// line set reuse this reference line?), and the segmented-girder, type 4 and
// dead-load steps. A line set that cannot be computed and is followed
// directly by another is left at once for the next one.
#pragma once

#include <functional>

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// The steps that follow the layout line, each given the run, the alignment
// and the line set. The Problem loop hands in the engine's own
// (engine/problem/EngineLineSetSteps.hpp), which include the dead load of a
// folder above this one; a test may stand others in for them.
struct LineSetSteps {
    using Step = std::function<void(EngineRun&, AlignmentState&, LineSetState&)>;
    Step segmentedGirderLines;
    Step type4GirderLines;
    Step deadLoad;
};

// The girder-line order, the bent lines placed in station order and the
// segmented girder lines (SegmentedGirderLines.cpp); the span table, the
// bent-line description check and the type 4 girder lines
// (Type4GirderLines.cpp). Each writes its sections and boxes and may set
// run.state.fatalFlag or cut the girder lines.
void ProcessSegmentedGirderLines(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet);
void ProcessType4GirderLines(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet);

// Runs with the line set's 04 card current (or its first 05 card when it
// reuses the reference line) and returns with the first card after the line
// set current, or at the end of the deck (at once when the deck ends where
// the line set still expects cards); run.state.fatalFlag tells whether its
// points can be computed.
StepEnd ProcessLineSet(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                       const LineSetSteps& steps);

}  // namespace quillon::engine
