// The limits of valid elevation and cross-slope data of a Problem: read from
// the limit stations of the first 04 card, narrowed by the superelevation data,
// listed in the LIMITS section and widened by 0.002 ft for the line sets.
// The ValidDataLimits record itself is in AlignmentCards.hpp; its stations
// are internal stations (feet from the TS).
#pragma once

#include "engine/alignment/AlignmentCards.hpp"
#include "engine/run/EngineRun.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

// Slack (feet) of the limit comparisons and of the final widening.
inline constexpr double kLimitSlack = 0.002;

// From the current (first 04) card: the begin and end stations
// (`RefLine.LimitBegSta`, `RefLine.LimitEndSta`, resolved through the
// equation, card type 4 in a message). A field that does not read leaves
// the limits unchanged: the box "04 CARD" / "INVALID NUMBER IN COLUMNS 59-69
// (LIMIT BEGIN STATION)" (or 70-80, LIMIT END STATION) / "LIMITS UNCHANGED"
// says so, and the run's error flag is set. A
// begin station that is not blank and not before the current begin limit
// (within 0.002) becomes the begin limit with its station text and a blank
// label; the end station likewise. Limits marked invalid become the empty
// range (begin 1.0, end 0.0) and valid again.
void ReadValidDataLimits(EngineRun& run, const Stationing& stationing, ValidDataLimits& limits);

// Three blank lines, the title with "BEGIN" and "END", then the station
// texts and the labels of both limits at listing columns 55-94.
void WriteLimitsSection(EngineRun& run, const ValidDataLimits& limits);

// Begin minus 0.002, end plus 0.002.
void WidenValidDataLimits(ValidDataLimits& limits);

}  // namespace quillon::engine
