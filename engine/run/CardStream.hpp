// The one reader of deck cards: comment lines dropped, card types checked
// against the deck order, every other line kept as an ignored line for the
// next report.
#pragma once

#include <string>

#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Type 0-8 of the next accepted card, which is then in the card image and in
// currentCardType; -1 at the end of input once a Problem is complete.
int ReadNextCard(EngineRun& run);

// Keeps the current card image as an ignored line.
void RecordIgnoredLine(RunState& state);

// The box that lists the ignored lines (the caller has asked for room).
void WriteIgnoredLinesReport(EngineRun& run);

// The current 00 card opens a Problem.
void ProcessDescriptionCard(EngineRun& run);

// Lines the report of `count` ignored lines asks room for.
inline int IgnoredReportLines(int count) { return 8 + (count < 9 ? count : 9); }

}  // namespace quillon::engine
