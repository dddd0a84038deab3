// The state of one Problem: its alignment and the tables of its current line
// set. The Problem loop starts a fresh one at every Problem, so nothing of
// one Problem carries into the next. Each step is handed the parts it works on.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"

namespace quillon::engine {

struct ProblemState {
    AlignmentState alignment;
    LineSetState lineSet;
};

}  // namespace quillon::engine
