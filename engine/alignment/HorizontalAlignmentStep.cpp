#include "engine/alignment/HorizontalAlignmentStep.hpp"

#include "angles/Angles.hpp"
#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "engine/alignment/AlignmentCardReader.hpp"
#include "engine/alignment/CrossSlopeTable.hpp"
#include "engine/alignment/HorizontalAlignmentListing.hpp"
#include "engine/geometry/Tolerance.hpp"
#include "engine/run/StationEquation.hpp"
#include "engine/run/StationText.hpp"

namespace quillon::engine {

using geometry::HorizontalAlignment;

namespace {

constexpr int kHorizontalCard = 1;
constexpr int kReferenceLineCard = 4;
constexpr int kTitleBlanks = 22;
// The ST side of a moved equation lies this far (feet) past the ST.
constexpr double kPastTheST = 0.0000001;

bool IsLeftHand(char curveDirection) {
    return curveDirection == 'L' || curveDirection == 'l' || curveDirection == '-';
}

int MessageBlanks(geometry::CurveError error) {
    switch (error) {
        case geometry::CurveError::DegreeOrDeltaOutOfRange:
            return 11;
        case geometry::CurveError::SpiralLengthOutOfRange:
            return 20;
        case geometry::CurveError::SpiralsLap:
            return 27;
        case geometry::CurveError::None:
            break;
    }
    return 0;
}

// The station equation of the 01 card; an invalid one is reported and removed.
void EnterStationEquation(EngineRun& run, AlignmentState& alignment) {
    const HorizontalAlignmentCard& card = alignment.cards.horizontal;
    geometry::AlignmentEquation& equation = alignment.horizontal.equation;
    equation = geometry::AlignmentEquation{};
    if (!card.present || !card.equationRead) return;
    const EnteredEquation entered = MakeStationEquation(run.state, card.back, card.ahead);
    if (entered.entry == EquationEntry::Invalid) {
        WriteFatalCardBox(run, kHorizontalCard, kTitleBlanks, "INVALID STATION EQUATION", 21);
        run.state.runErrorFlag = true;
        alignment.limits.valid = false;
        return;
    }
    if (entered.entry != EquationEntry::Entered) return;
    equation.flag = 1;
    equation.backDeck = entered.equation.backStation;
    equation.length = entered.equation.length;
    equation.shift = entered.equation.shift;
    equation.back = equation.backDeck - alignment.horizontal.tsStation;
}

// The reference station of the first 04 card, resolved through the
// equation. A field that does not read counts as 0 here; the line-set reader
// reports the card.
double ReferenceLineStation(EngineRun& run, const AlignmentState& alignment) {
    auto read = cards::Number(run.state.cardImage, cards::kReferenceLineCard["RefLine.RefLineSta"]);
    return ResolveStation(run, alignment.Stationing(), read.ok() ? read.value : 0.0,
                          kReferenceLineCard);
}

// The curve lines, with the superelevation points of the curve after the
// first one; a too short entering transition ends the lines there.
void WriteCurve(EngineRun& run, AlignmentState& alignment, bool superelevation) {
    const HorizontalAlignment& h = alignment.horizontal;
    const Stationing stationing = alignment.Stationing();
    const std::vector<CurveLine> lines = CurveLines(h);
    for (size_t i = 0; i < lines.size(); ++i) {
        WriteCurveLine(run, stationing, h, lines[i]);
        if (i == 0 && superelevation &&
            AddCurveSuperelevation(run, stationing, h, alignment.crossSlope))
            return;
    }
}

}  // namespace

bool PlaceStationEquation(HorizontalAlignment& h) {
    geometry::AlignmentEquation& equation = h.equation;
    double back = equation.backDeck;
    bool used = false;
    const int tsAgainstAhead = geometry::CompareWithTolerance(
        (h.tsStation - back) - equation.length, 0.0, kEquationPlacementTolerance);
    if (tsAgainstAhead >= 0) {
        if (tsAgainstAhead == 0) back = h.tsStation - equation.length;
        h.tsStation -= equation.length;
        equation.usedCount = 1;
        used = true;
    } else if (geometry::CompareWithTolerance((h.tsStation + h.length) - back, 0.0,
                                              kEquationPlacementTolerance) >= 0) {
        back = h.tsStation + h.length + kPastTheST;
        equation.backDeck = back;
    }
    equation.back = back - h.tsStation;
    return used;
}

void BuildHorizontalAlignment(EngineRun& run, AlignmentState& alignment, bool cardFailed,
                              bool superelevation) {
    const HorizontalAlignmentCard& card = alignment.cards.horizontal;
    HorizontalAlignment& h = alignment.horizontal;
    const bool curve =
        card.present && !cardFailed && card.piStation > geometry::kCurvePIStationMinimum;
    // The heading is kept with the curve's lines or the tangent's.
    const int spiralLines =
        (card.inSpiral > kNoSpiralLength ? 1 : 0) + (card.outSpiral > kNoSpiralLength ? 1 : 0);
    WriteHorizontalHeading(run, curve ? 3 + spiralLines : 2);
    h.profOffset = card.profOffset;
    EnterStationEquation(run, alignment);

    bool assumed = cardFailed;
    bool computed = false;
    if (curve) {
        const double f = IsLeftHand(card.curveDirection) ? -1.0 : 1.0;
        const double degree = angles::AngleFromDegreesMinutesSeconds(
            card.degreeDegrees, card.degreeMinutes, card.degreeSeconds);
        const double delta = angles::AngleFromDegreesMinutesSeconds(
            card.deltaDegrees, card.deltaMinutes, card.deltaSeconds);
        const geometry::CurveError error = geometry::ComputeHorizontalCurve(
            h, f, degree, card.radius, delta, card.inSpiral, card.outSpiral, card.piStation);
        if (error == geometry::CurveError::None) {
            computed = true;
        } else {
            WriteFatalCardBox(run, kHorizontalCard, kTitleBlanks,
                              geometry::CurveErrorMessage(error), MessageBlanks(error));
            run.state.fatalFlag = true;
            assumed = true;
        }
    }

    if (computed) {
        if (h.equation.flag != 0 && PlaceStationEquation(h))
            WriteStationEquationLine(run, alignment.Stationing(), h);
        WriteCurve(run, alignment, superelevation);
    } else {
        const double station = ReferenceLineStation(run, alignment);
        geometry::SetHorizontalTangent(h, station);
        h.equation.back = h.equation.backDeck - h.tsStation;
        WriteTangentLines(run, assumed);
    }
    if (h.equation.flag != 0 && h.equation.usedCount == 0)
        WriteStationEquationLine(run, alignment.Stationing(), h);
    if (h.profOffset != 0.0) WriteProfileOffsetLine(run, h.profOffset);
}

}  // namespace quillon::engine
