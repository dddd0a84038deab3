// The alignment of one Problem: its decoded cards, the horizontal alignment
// with its station equation, the vertical profile, the cross-slope break
// table, the valid data limits and the frame the position kernels leave. A
// fresh one (AlignmentState{}) starts every Problem, so nothing of one
// Problem carries into the next.
//
// Stationing: the horizontal alignment is the one record of the TS station
// and of the station equation; Stationing() is the view of it that the
// station texts and the station resolution read. Its origin is the TS
// station (deck stationing without the equation, feet); its one equation
// has the deck back station and the length of the card, switches at the
// station where printed stations start to carry the shift (a hair below
// the back station tsStation + equation.back, equation.back being an
// internal station, feet from the TS), and adds equation.shift there.
#pragma once

#include "engine/alignment/AlignmentCards.hpp"
#include "engine/alignment/CrossSlopeTable.hpp"
#include "engine/alignment/VerticalProfile.hpp"
#include "engine/geometry/AlignmentFrame.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/run/StationEquation.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

struct AlignmentState {
    AlignmentCards cards;
    geometry::HorizontalAlignment horizontal;
    VerticalProfile profile;
    CrossSlopeBreakTable crossSlope;
    ValidDataLimits limits;
    geometry::AlignmentFrame frame;

    engine::Stationing Stationing() const {
        engine::Stationing view;
        view.originStation = horizontal.tsStation;
        const geometry::AlignmentEquation& eq = horizontal.equation;
        if (eq.flag != 0) {
            StationEquation equation;
            equation.backStation = eq.backDeck;
            equation.length = eq.length;
            equation.switchPosition = horizontal.tsStation + eq.back - kSwitchBelowBack;
            equation.shift = eq.shift;
            view.equations.push_back(equation);
            view.usedCount = eq.usedCount;
        }
        return view;
    }
};

}  // namespace quillon::engine
