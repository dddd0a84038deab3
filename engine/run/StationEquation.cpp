// Station equations: entering one from its back and ahead stations, and
// resolving a deck station onto the stationing without equations.
#include "engine/run/StationEquation.hpp"

#include <algorithm>
#include <cmath>

#include "engine/run/StationText.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace {

constexpr double kEquationNumberUnits = 1000000.0;  // stationing units of equation number 1
constexpr double kStationTolerance = 0.0000001;     // feet: before/past an end station
constexpr double kOverlapEndTolerance = 0.00009;    // feet: at an end station of an overlap

void WriteAmbiguousStationBox(EngineRun& run, int cardType) {
    run.listing.WritePageHeading(6, 6);
    run.listing.WriteEmpty();
    run.listing.Write(ErrorBoxLine());
    run.listing.Write(ErrorBoxLine({{40, "AMBIGUOUS OR NONEXISTENT STATION USED --"},
                                    {80, fixedform::FormatI(cardType, 3, 2)},
                                    {83, " CARD"}}));
    run.listing.Write(ErrorBoxLine({{52, "CHECK ALL INPUT STATIONS"}}));
    run.listing.Write(
        ErrorBoxLine({{36, "EQUATION NUMBER SHOULD BE USED WITH OVERLAPPING EQUATION"}}));
    run.listing.Write(ErrorBoxLine());
}

}  // namespace

EnteredEquation MakeStationEquation(const RunState& state, double backStation,
                                    double aheadStation) {
    EnteredEquation result;
    if (!(backStation > 0.0)) return result;
    const double length = aheadStation - backStation;
    if (std::fabs(length) < kNoEquationLength) return result;

    // Whether an overlap is valid is decided in feet in both builds, so that
    // a deck is valid in QlMetr exactly when it is valid in QlEngl: the
    // overlap must be shorter than 1,000,000 ft.
    const double shiftInFeet =
        length < 0.0 ? kEquationNumberUnits / state.stationDivisor + length : length;
    if (!std::isfinite(length) || !std::isfinite(shiftInFeet) || shiftInFeet <= 0.0) {
        result.entry = EquationEntry::Invalid;
        return result;
    }
    // QlMetr prints the stations past an overlap with the equation number 1
    // in their millions of metres.
    double shift = shiftInFeet;
    if (length < 0.0 && state.variant == EngineVariant::Metric) {
        const double millionMetres =
            ConvertLength(kMetresUnit, kFeetUnit, kSurveyFoot, kEquationNumberUnits);
        shift = millionMetres / state.stationDivisor + length;
    }
    result.entry = EquationEntry::Entered;
    result.equation = {backStation, length, backStation - kSwitchBelowBack, shift};
    return result;
}

double ResolveStation(EngineRun& run, const Stationing& stationing, double station, int cardType) {
    double x = station;
    bool ok = true;
    for (auto it = stationing.equations.rbegin(); it != stationing.equations.rend(); ++it) {
        const double back = it->backStation;
        const double length = it->length;
        const double ahead = back + length;
        const double sigma = length < 0.0 ? -1.0 : 1.0;
        // Before the back station or past the ahead station, in the direction
        // of the stationing.
        const bool outside = sigma * x - kStationTolerance < sigma * back ||
                             sigma * ahead < sigma * x + kStationTolerance;
        // The two end stations of an overlap are ambiguous as well.
        const bool notOverlapEnd = (std::fabs(x - back) > kOverlapEndTolerance &&
                                    std::fabs(x - ahead) > kOverlapEndTolerance) ||
                                   sigma > 0.0;
        ok = ok && outside && notOverlapEnd;
        if (x > back + std::max(length, 0.0) - kStationTolerance) x -= length;
    }
    if (!ok) WriteAmbiguousStationBox(run, cardType);
    return x;
}

double StationToDistance(EngineRun& run, const Stationing& stationing, double station,
                         int cardType) {
    return ResolveStation(run, stationing, station, cardType) - stationing.originStation;
}

}  // namespace quillon::engine
