#include "engine/approaches/ApproachStations.hpp"

#include <algorithm>
#include <cmath>

#include "engine/geometry/Tolerance.hpp"

namespace quillon::engine {

namespace {

constexpr int kShortestApproach = 150;  // feet
constexpr int kLongestApproach = 910;   // feet
// Added before the approach length is truncated; single precision, as the
// length has always been rounded.
constexpr double kLengthRoundUp = static_cast<double>(9.99f);
// Gap steps (10 ft) above which the two lists stay apart.
constexpr double kApartSteps = 3.0;
// Rows per list above which two close lists are not merged.
constexpr int kMostMergedRows = 45;
constexpr double kContiguousLowestSteps = -8.0;
constexpr double kContiguousHighestSteps = 1.0;
// A move up or down to whole 10 ft (feet) is made when it lies within this
// of 5: a station within 0.00004 ft of whole 10 ft is already on the grid.
constexpr double kOffGridReach = 4.99996;
// Tolerance (feet) of landing on an equation's switch position, and how far
// a station that lands there is kept off it.
constexpr double kSwitchTolerance = 0.000001;
constexpr double kOffSwitch = 0.000005;

// Whole division truncating toward zero, on doubles.
double Div(double a, double b) { return std::trunc(a / b); }

// s modulo 10, floored: from 0 up to but not including 10, negative
// stations included.
double Modulo10(double s) {
    double r = std::fmod(s, kApproachSpacing);
    if (r < 0.0) r += kApproachSpacing;
    return r < kApproachSpacing ? r : 0.0;
}

bool InLimits(const ValidDataLimits& limits, double distance) {
    return distance >= limits.begin && distance <= limits.end;
}

// The deck station of an internal distance with the shifts of the equations
// it has reached, and the index of the first equation it has not reached
// (the count of equations when it has passed them all).
struct EquationWalk {
    double station = 0.0;
    size_t next = 0;
};

EquationWalk Walk(const Stationing& stationing, double distance) {
    EquationWalk walk{stationing.originStation + distance, 0};
    for (const StationEquation& equation : stationing.equations) {
        if (walk.station < equation.switchPosition) break;
        walk.station += equation.shift;
        ++walk.next;
    }
    return walk;
}

bool OffGrid(double move) { return std::fabs(5.0 - move) <= kOffGridReach; }

}  // namespace

ApproachSpan ApproachSpanOf(double length) {
    double l = std::trunc(length + kLengthRoundUp);
    if (!(l >= kShortestApproach)) l = kShortestApproach;
    l = Div(l, kApproachSpacing) * kApproachSpacing;
    if (!(l <= kLongestApproach)) l = kLongestApproach;
    ApproachSpan span;
    span.length = static_cast<int>(l);
    span.stations = span.length / 10 + 1;
    span.rows = ((span.stations - 1) / 4) * 4 + 4;
    return span;
}

double BeginStationUp(double begStr) {
    return Div(std::trunc(begStr) + 9.0, kApproachSpacing) * kApproachSpacing;
}

double EndStationDown(double endStr) {
    return Div(std::trunc(endStr), kApproachSpacing) * kApproachSpacing;
}

ApproachLists ArrangeTwoLists(double back, double ahead, const ApproachSpan& span) {
    ApproachLists lists{back, ahead, span.rows, false};
    const int r = span.rows;
    lists.ahead -= (r - span.stations) * kApproachSpacing;
    const double gap = lists.ahead - lists.back - (kApproachSpacing * r - kApproachSpacing);
    const double steps = gap >= 0.0 ? Div(std::trunc(gap + 1.0), kApproachSpacing)
                                    : Div(std::trunc(gap - 1.0), kApproachSpacing);
    if (steps > kApartSteps) return lists;
    if (r > kMostMergedRows) {
        if (steps >= kContiguousLowestSteps && steps <= kContiguousHighestSteps) {
            lists.back += kApproachSpacing * Div(steps, 2.0);
            lists.ahead = lists.back + kApproachSpacing * r;
        }
        return lists;
    }
    // One list from the first back station past the last ahead station.
    lists.single = true;
    const double reach = std::max(static_cast<double>(-r), steps - 1.0) + 2.0 * r - 1.0;
    lists.rows = static_cast<int>(Div(reach, 4.0)) * 4 + 4;
    return lists;
}

bool MoveBackStation(const Stationing& stationing, double& distance) {
    if (stationing.equations.empty()) return true;
    const EquationWalk walk = Walk(stationing, distance);
    const double move = kApproachSpacing - Modulo10(walk.station);
    if (!OffGrid(move)) return true;
    distance += move;
    if (walk.next >= stationing.equations.size()) return true;
    const StationEquation& next = stationing.equations[walk.next];
    const int c = geometry::CompareWithTolerance((walk.station - next.switchPosition) + move, 0.0,
                                                 kSwitchTolerance);
    if (c > 0) return false;
    if (c == 0) distance -= kOffSwitch;
    return true;
}

bool MoveAheadStation(const Stationing& stationing, double& distance) {
    if (stationing.equations.empty()) return true;
    const EquationWalk walk = Walk(stationing, distance);
    const double move = Modulo10(walk.station);
    if (!OffGrid(move)) return true;
    distance -= move;
    if (walk.next == 0) return true;
    // The station where the walk passed the equation, without its shift.
    const StationEquation& passed = stationing.equations[walk.next - 1];
    const double unshifted = walk.station - passed.shift;
    const int c = geometry::CompareWithTolerance((unshifted - passed.switchPosition) - move, 0.0,
                                                 kSwitchTolerance);
    if (c < 0) return false;
    if (c == 0) distance += kOffSwitch;
    return true;
}

ApproachStationLists LayOutApproachStations(const Stationing& stationing,
                                            const ValidDataLimits& limits,
                                            const ApproachLists& lists) {
    ApproachStationLists out;
    const int rows = std::clamp(lists.rows, 0, kMostApproachRows);
    for (int k = 0; k < rows; ++k) {
        double s = lists.back + kApproachSpacing * k;
        if (InLimits(limits, s) && MoveBackStation(stationing, s) && InLimits(limits, s))
            out.back.push_back(s);
        if (lists.single) continue;
        s = lists.ahead + kApproachSpacing * k;
        if (InLimits(limits, s) && MoveAheadStation(stationing, s) && InLimits(limits, s))
            out.ahead.push_back(s);
    }
    return out;
}

}  // namespace quillon::engine
