// What the constructions of one line set's layout line share: the run, the
// alignment with its frame and stationing, the line set, and the status of
// the last kernel call. The layout line (LayoutLine.cpp) and its chord
// (LayoutChord.cpp) work on it.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/geometry/AlignmentFrame.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

struct LayoutLineWork {
    EngineRun& run;
    AlignmentState& alignment;
    LineSetState& lineSet;
    const geometry::HorizontalAlignment& h;
    geometry::AlignmentFrame& frame;
    Stationing stationing;
    geometry::KernelStatus status;

    ReferenceLine& Reference() { return lineSet.reference; }
    bool Straight() const { return h.horizontalTangent; }
    Pair At(double offset, double station) {
        return geometry::PointAtStationOffset(h, frame, Pair(offset, station), status);
    }
};

}  // namespace quillon::engine
