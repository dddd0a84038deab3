// The one reader of deck cards: comment lines dropped, card types checked
// against the deck order, every other line kept as an ignored line for the
// next report.
#pragma once

#include <optional>
#include <string>

#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Type 0-8 of the next accepted card, which is then in the card image and in
// currentCardType; no value at the end of the deck, then and on every later
// call (currentCardType keeps the type of the card accepted last). The
// caller returns at once; the Problem loop ends the run.
std::optional<int> ReadNextCard(EngineRun& run);

// Whether the deck rules still expect cards after the card accepted last: a
// deck may end only after a 06, 07 or 08 card. A deck that ends earlier ends
// the run with EndOfInputError.
bool CardsStillExpected(const RunState& state);

// Where a step that reads cards leaves the card stream.
enum class StepEnd {
    AtNextCard,  // the card after the step's own cards is the current card
    AtDeckEnd,   // the deck ended; the step has returned at once
};

// Keeps the current card image as an ignored line.
void RecordIgnoredLine(RunState& state);

// The box that lists the ignored lines (the caller has asked for room).
void WriteIgnoredLinesReport(EngineRun& run);

// The current 00 card opens a Problem.
void ProcessDescriptionCard(EngineRun& run);

// Lines the report of `count` ignored lines asks room for.
inline int IgnoredReportLines(int count) { return 8 + (count < 9 ? count : 9); }

}  // namespace quillon::engine
