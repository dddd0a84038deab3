#include "engine/alignment/CrossSlopeTable.hpp"

#include <algorithm>
#include <cmath>

#include "engine/alignment/ElevationListing.hpp"
#include "engine/geometry/Tolerance.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// A spiral this short or shorter is no spiral (feet).
constexpr double kNoSpiral = 0.009;
// Slopes closer than this count as the same slope.
constexpr double kSameSlope = 0.00015;
// An override row this close to a point (feet) takes its place.
constexpr double kOverrideReach = 1.0;
// The closing row lies this far beyond the last break (feet).
constexpr double kClosingDistance = 200.0;

// num / den, or 0 when den is 0 (rows at one station keep finite values).
double Ratio(double num, double den) { return den != 0.0 ? num / den : 0.0; }

CrossSlopeRow& RowAt(CrossSlopeBreakTable& t, int i) { return t.rows[static_cast<size_t>(i - 1)]; }

void TransitionBox(EngineRun& run, bool lapping) {
    std::vector<std::pair<int, std::string>> lines{{31 + 21, "FATAL ERROR -- 03 CARD"}};
    if (lapping) {
        lines.push_back({31 + 12, "HORIZONTAL CIRCULAR CURVE NOT LONG ENOUGH"});
        lines.push_back({31 + 12, "TO PREVENT SUPER TRANSITIONS FROM LAPPING"});
    }
    lines.push_back({31 + 12, "INVALID TRANSITION LENGTH FOR SIMPLE CURVE"});
    WriteMessageBox(run, lines);
    run.state.fatalFlag = true;
}

// The override stations as internal stations, once the alignment's origin and
// equation are known.
void ResolveOverrides(EngineRun& run, const Stationing& stationing, CrossSlopeBreakTable& t) {
    if (t.overridesResolved) return;
    t.overridesResolved = true;
    for (CrossSlopeOverrideRow& row : t.overrides)
        row.station = StationToDistance(run, stationing, row.station, 3);
}

void TakeOverride(CrossSlopeBreakTable& t) {
    const CrossSlopeOverrideRow& o = t.overrides[t.overridesTaken++];
    CrossSlopeRow row;
    row.station = o.station;
    row.left = o.left;
    row.right = o.right;
    row.label = ff::PadRight(" -U-", 10);
    t.rows.push_back(row);
}

bool SameSlopes(const CrossSlopeRow& a, double left, double right) {
    return std::fabs(a.left - left) < kSameSlope && std::fabs(a.right - right) < kSameSlope;
}

// Drops the rows that repeat the slopes on tangent before the first change;
// false when no row changes them.
bool DropLeadingRepeats(CrossSlopeBreakTable& t) {
    const CrossSlopeRow& first = t.rows[0];
    int changed = 0;
    for (int r = 2; r <= t.count; ++r) {
        if (!SameSlopes(RowAt(t, r), first.left, first.right)) {
            changed = r;
            break;
        }
    }
    if (changed == 0) return false;
    if (changed >= 4) {
        t.rows.erase(t.rows.begin() + 1, t.rows.begin() + (changed - 2));
        t.count -= changed - 3;
    }
    return true;
}

// Drops each break that lies on the straight line between its neighbours:
// it is no break.
void DropStraightPoints(CrossSlopeBreakTable& t) {
    int k = 3;
    while (k <= t.count) {
        const CrossSlopeRow& before = RowAt(t, k - 1);
        const CrossSlopeRow& row = RowAt(t, k);
        const CrossSlopeRow& after = RowAt(t, k + 1);
        double f = Ratio(row.station - before.station, after.station - before.station);
        double left = (1.0 - f) * before.left + f * after.left;
        double right = (1.0 - f) * before.right + f * after.right;
        bool straight = SameSlopes(row, left, right);
        if (straight && k == t.count) {
            const CrossSlopeRow& closing = t.rows[static_cast<size_t>(t.count)];
            straight = SameSlopes(row, closing.left, closing.right);
        }
        if (straight) {
            t.rows.erase(t.rows.begin() + (k - 1));
            --t.count;
            k = std::max(3, k - 1);
        } else {
            ++k;
        }
    }
}

// Makes each transition curve as long as the room to its neighbours allows.
void SetCurveLengths(CrossSlopeBreakTable& t) {
    const int n = t.count;
    const double maxVC = t.maxTransVC;
    if (n < 3) {
        RowAt(t, 2).vcLength = maxVC;
        return;
    }
    RowAt(t, 2).vcLength = std::min(RowAt(t, 3).station - RowAt(t, 2).station, maxVC);
    RowAt(t, n).vcLength = std::min(RowAt(t, n).station - RowAt(t, n - 1).station, maxVC);
    for (int j = 3; j < n; ++j)
        RowAt(t, j).vcLength = std::min({RowAt(t, j).station - RowAt(t, j - 1).station,
                                         RowAt(t, j + 1).station - RowAt(t, j).station, maxVC});
}

// Cuts the curve lengths to whole multiples of 5, and raises short ones to
// 20.0 where the neighbours leave room.
void RoundCurveLengths(CrossSlopeBreakTable& t) {
    const int n = t.count;
    for (int j = 2; j <= n; ++j) {
        CrossSlopeRow& row = RowAt(t, j);
        // Whole feet cut to the multiple of 5 below, in doubles: a length
        // beyond the range of an integer type stays a length.
        double whole = std::trunc(row.vcLength + 0.00004);
        whole -= std::fmod(whole, 5.0);
        if (whole >= 20.0) {
            row.vcLength = whole;
            continue;
        }
        const CrossSlopeRow& before = RowAt(t, j - 1);
        bool roomBefore = row.station - before.station - before.vcLength / 2.0 >= 10.0;
        bool roomAfter = true;
        if (j < n) {
            const CrossSlopeRow& after = RowAt(t, j + 1);
            roomAfter = after.station - row.station - after.vcLength / 2.0 >= 10.0;
        }
        if (roomBefore && roomAfter) row.vcLength = 20.0;
    }
}

// Sets the slopes where each curve begins and ends, on the straight lines to
// the neighbouring breaks.
void SetCurveEndSlopes(CrossSlopeBreakTable& t) {
    const int n = t.count;
    CrossSlopeRow& second = RowAt(t, 2);
    second.startLeft = second.left;
    second.startRight = second.right;
    CrossSlopeRow& last = RowAt(t, n);
    last.endLeft = last.left;
    last.endRight = last.right;
    for (int j = 3; j <= n; ++j) {
        CrossSlopeRow& row = RowAt(t, j);
        CrossSlopeRow& before = RowAt(t, j - 1);
        double span = row.station - before.station;
        double g = Ratio(row.vcLength * 0.5, span);
        row.startLeft = (1.0 - g) * row.left + g * before.left;
        row.startRight = (1.0 - g) * row.right + g * before.right;
        double gb = Ratio(before.vcLength * 0.5, span);
        before.endLeft = gb * row.left + (1.0 - gb) * before.left;
        before.endRight = gb * row.right + (1.0 - gb) * before.right;
    }
}

}  // namespace

void SetUpCrossSlopeTable(const CrossSlopeCard& card,
                          const std::vector<CrossSlopeOverrideRow>& overrides,
                          CrossSlopeBreakTable& t) {
    t = CrossSlopeBreakTable{};
    t.crownCode = card.crownCode;
    t.normalSlope = std::fabs(card.crossSlope);
    t.superRateGiven = card.superRateGiven;
    t.superRate = std::fabs(card.superRate);
    t.crownWidthField = card.crownWidth;
    t.inTransLength = card.inTransLength;
    t.inTransPer = card.inTransPer;
    t.outTransLength = card.outTransLength;
    t.outTransPer = card.outTransPer;
    t.maxTransVC = std::fabs(card.maxTransVC);
    t.pivotOffset = std::fabs(card.pivotOffset);
    t.pivotSide = ff::PadRight(card.pivotSide, 10);
    t.pivotLeft = t.pivotSide.rfind("LEFT", 0) == 0;
    if (t.crownCode < 1 || t.crownCode > 4) return;

    const double s = t.normalSlope;
    const bool oneWay = t.crownCode <= 2;
    t.crownFactor = oneWay ? 2.0 * t.crownCode - 3.0 : 0.0;
    CrossSlopeRow onTangent;
    onTangent.station = kOnTangentStation;
    onTangent.left = oneWay ? t.crownFactor * s : -s;
    onTangent.right = oneWay ? -t.crownFactor * s : -s;
    t.rows.push_back(onTangent);
    t.count = 1;

    t.overrides = overrides;
    for (CrossSlopeOverrideRow& row : t.overrides) {
        bool leftBlank = ff::IsBlank(row.leftText);
        if (oneWay && leftBlank)
            row.left = -row.right;
        else if (oneWay)
            row.right = -row.left;
        else if (leftBlank)
            row.left = 0.0;
    }
    t.pivotDrop = t.pivotOffset * (t.pivotLeft ? onTangent.left : onTangent.right);
}

bool AddCurveSuperelevation(EngineRun& run, const Stationing& stationing,
                            const geometry::HorizontalAlignment& h, CrossSlopeBreakTable& t) {
    if (t.crownCode < 1 || t.crownCode > 4 || t.rows.empty()) return false;
    const double f = h.f;
    t.crownFactor *= f;
    const double F = t.crownFactor;
    if (!t.superRateGiven) {
        t.superRateText = " -NC- ";
        return false;
    }
    const double e = t.superRate;
    t.superRateText = e == 0.0 ? " 0.0  " : "0" + ff::FormatF(e, 5, 4);
    const double s = t.normalSlope;
    if (!(s + e >= 0.00008 && (F <= 0.0 || e - s >= 0.00008))) return false;

    t.fullSuper = e * f;
    const double es = t.fullSuper;
    if (t.outTransLength <= 0.0) t.outTransLength = std::fabs(t.inTransLength);
    if (t.inTransLength <= 0.0) t.inTransLength = t.outTransLength;

    double c = 1.0;
    if (t.crownCode >= 3 && t.crownWidthField >= 0.02) c = t.crownWidthField;
    if (s < e) {
        c = s * c / e;
        if (t.crownCode == 3 && t.pivotOffset > 1.0) c = e * c / (2.0 * e - s);
    }
    t.crownFraction = c;
    const bool removesCrown = t.crownCode == 3;
    const bool partCrown = c >= 0.0001 && c <= 0.9999;
    const CrossSlopeRow onTangent = t.rows[0];

    // Entering transition.
    double start = 0.0, inLength = h.ls1;
    if (h.ls1 <= kNoSpiral) {
        if (t.inTransLength < 1.0) {
            TransitionBox(run, false);
            return true;
        }
        start = -(t.inTransPer * t.inTransLength);
        inLength = t.inTransLength;
    }
    if (removesCrown) {
        AddCrossSlopePoint(run, stationing, t, start - inLength * c, -s, -s);
        if (partCrown) AddCrossSlopePoint(run, stationing, t, start + inLength * c, s * f, -s * f);
    } else {
        AddCrossSlopePoint(run, stationing, t, start + c * F * inLength, onTangent.left,
                           onTangent.right);
    }

    // Full superelevation.
    double end = h.length, outLength = h.ls2;
    if (h.ls2 <= kNoSpiral) {
        if (t.outTransLength < 1.0) {
            TransitionBox(run, false);
            return false;
        }
        end = t.outTransPer * t.outTransLength + h.csDistance;
        outLength = t.outTransLength;
    }
    const double a = end - outLength;
    const double b = start + inLength;
    const int order = geometry::CompareWithTolerance(a, b, kOverrideReach);
    if (order < 0) {
        TransitionBox(run, true);
        AddCrossSlopePoint(run, stationing, t, b, es, -es);
        return false;
    }
    if (order == 0) {
        AddCrossSlopePoint(run, stationing, t, (a + b) / 2.0, es, -es);
    } else {
        AddCrossSlopePoint(run, stationing, t, b, es, -es);
        AddCrossSlopePoint(run, stationing, t, a, es, -es);
    }

    // Leaving transition.
    if (removesCrown) {
        if (partCrown) AddCrossSlopePoint(run, stationing, t, end - outLength * c, s * f, -s * f);
        AddCrossSlopePoint(run, stationing, t, end + outLength * c, -s, -s);
    } else {
        AddCrossSlopePoint(run, stationing, t, end - c * F * outLength, onTangent.left,
                           onTangent.right);
    }
    return false;
}

void AddCrossSlopePoint(EngineRun& run, const Stationing& stationing, CrossSlopeBreakTable& t,
                        double station, double left, double right) {
    ResolveOverrides(run, stationing, t);
    bool replaced = false;
    while (t.overridesTaken < t.overrides.size()) {
        int order = geometry::CompareWithTolerance(t.overrides[t.overridesTaken].station, station,
                                                   kOverrideReach);
        if (order > 0) break;
        if (order == 0) replaced = true;
        TakeOverride(t);
    }
    if (!replaced) {
        CrossSlopeRow row;
        row.station = station;
        row.left = left;
        row.right = right;
        t.rows.push_back(row);
    }
    t.count = static_cast<int>(t.rows.size());
}

void BuildCrossSlopeTable(EngineRun& run, const Stationing& stationing, CrossSlopeBreakTable& t) {
    if (t.built) return;
    t.built = true;
    if (t.rows.empty()) return;
    ResolveOverrides(run, stationing, t);
    while (t.overridesTaken < t.overrides.size()) TakeOverride(t);
    t.overrides.clear();
    t.overridesTaken = 0;
    t.count = static_cast<int>(t.rows.size());

    if (!DropLeadingRepeats(t)) {
        t.rows.resize(1);
        t.count = 1;
        return;
    }
    CrossSlopeRow closing = RowAt(t, t.count);
    closing.station += kClosingDistance;
    closing.label = std::string(10, ' ');
    t.rows.resize(static_cast<size_t>(t.count));
    t.rows.push_back(closing);
    DropStraightPoints(t);
    t.rows.resize(static_cast<size_t>(t.count) + 1);

    SetCurveLengths(t);
    if (t.maxTransVC <= 0.0) return;
    if (t.maxTransVC > 20.0) RoundCurveLengths(t);
    SetCurveEndSlopes(t);
}

}  // namespace quillon::engine
