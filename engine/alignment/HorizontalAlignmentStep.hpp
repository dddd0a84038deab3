// The horizontal alignment of a Problem from its 01 card: the station
// equation entered from the card, the curve (or the horizontal tangent) and
// the place of the equation relative to the curve, with the HORIZONTAL
// ALIGNMENT DATA section written as it goes.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Tolerance (feet) of the comparisons that place the equation against the
// TS and the ST.
inline constexpr double kEquationPlacementTolerance = 0.032;

// Places the entered equation of a computed curve (h.equation.flag set,
// backDeck and length from the card; tsStation and length of the curve set):
// - the TS at or beyond the ahead end (within 0.032): the TS station is
//   taken back onto the stationing without the equation (reduced by its
//   length; at the ahead end exactly, the back station is put where the TS
//   falls) and the equation counts as used;
// - the TS before it and the ST at or beyond the back station: the equation
//   moves to just past the ST (deck-stationing copy too);
// - otherwise it stays.
// Sets h.equation.back, the internal back station. Returns true when the
// equation was used.
bool PlaceStationEquation(geometry::HorizontalAlignment& h);

// The alignment cards' horizontal alignment: writes the HORIZONTAL ALIGNMENT DATA
// section and builds alignment.horizontal. The current card is the first 04
// card (its reference station places a horizontal tangent).
//   cardFailed      a field of the 01 card did not read (its box is written):
//                   the alignment is taken as a tangent, "ASSUMED FOR FURTHER
//                   PROCESSING"; an equation whose back or ahead
//                   station did not read is not entered
//   superelevation  the cross-slope table takes the superelevation points of
//                   the curve (CrownCode 1-4, the 03 card read)
// A curve error sets run.state.fatalFlag; an invalid station equation sets
// run.state.runErrorFlag and marks the limits invalid.
void BuildHorizontalAlignment(EngineRun& run, AlignmentState& alignment, bool cardFailed,
                              bool superelevation);

}  // namespace quillon::engine
