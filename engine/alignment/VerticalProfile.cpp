#include "engine/alignment/VerticalProfile.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/alignment/ElevationListing.hpp"
#include "engine/alignment/PointElevation.hpp"
#include "engine/geometry/Tolerance.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// Grades above this (as held) mark a PI whose outer grade is left out.
constexpr double kOpenGrade = 9000.0;
// Grade differences below this are no grade break.
constexpr double kNoBreak = 0.00000002;
// A tangent gap this far below zero means two curves overlap (feet).
constexpr double kLapGap = -0.0002;
// Curve ends shorter than this are not printed (feet).
constexpr double kPrintedCurveEnd = 0.0004;

const char* UnitWord(const RunState& state) {
    return state.variant == EngineVariant::Metric ? " m   " : " FEET";
}

void FatalBox(EngineRun& run, ValidDataLimits& limits, bool lap) {
    std::vector<std::pair<int, std::string>> lines{{31 + 22, "FATAL ERROR -- 02 CARD"}};
    if (lap) lines.push_back({31 + 23, "VERTICAL CURVES LAP"});
    WriteMessageBox(run, lines);
    run.state.fatalFlag = true;
    limits.SetEmpty();
}

// A flat grade at the base elevation: what a profile stopped by a fatal error
// evaluates to.
void MakeFlat(VerticalProfile& profile) {
    double base = profile.baseElevation;
    profile = VerticalProfile{};
    profile.baseElevation = base;
}

double Parabola(double gIn, double gOut, double l1, double l2) {
    return l1 + l2 > 0.0 ? (gOut - gIn) * 0.5 / (l1 + l2) : 0.0;
}

// The tangent gap after PI m: from its curve end to the next curve's start,
// or MaxTransVC after the last PI.
double GapAfter(const VerticalProfile& p, std::size_t m, double maxTransVC) {
    if (m >= p.nv) return maxTransVC;
    return p.sta[m + 1] - p.l1[m + 1] - p.sta[m] - p.l2[m];
}

// The curve length each side of PI m may have: the least of the room to the
// neighbouring curves and half of MaxTransVC, rounded to hundredths as the
// old engine did, but never above the room itself (a rounded length that
// exceeds it would make two assigned curves lap).
double AssignableLength(double previousGap, double gap, double l1, double l2, double maxTransVC) {
    double limit =
        std::min({std::max(previousGap, 0.0) + l1, std::max(gap, 0.0) + l2, maxTransVC * 0.5});
    double hundredths = std::trunc(limit * 100.0 + 0.6);
    if (hundredths > limit * 100.0 + 1e-7) hundredths -= 1.0;
    return hundredths * 0.01;
}

void WriteAssignedBox(EngineRun& run, const Stationing& stationing, double station, double length) {
    const RunState& state = run.state;
    std::string stationText = StationColumnText(state, stationing, station, 3);
    WriteMessageBox(run, {{31 + 19, "PI AT STATION " + stationText},
                          {31 + 11, ff::Record()
                                        .Text("HAS BEEN ASSIGNED CURVE LENGTH =")
                                        .F(ListedLength(state, length), 6, 2)
                                        .Text(UnitWord(state))
                                        .str()}});
}

void WriteAssignWarning(EngineRun& run, const Stationing& stationing, double station,
                        double maxTransVC) {
    const RunState& state = run.state;
    run.listing.WritePageHeading(2, 2);
    run.listing.WriteEmpty();
    run.listing.Write(ff::Record()
                          .X(25)
                          .Text("WARNING:  PI AT STA ")
                          .Text(StationColumnText(state, stationing, station, 3))
                          .Text(" SHOULD BE ASSIGNED CURVE LENGTH =")
                          .F(ListedLength(state, maxTransVC), 6, 2)
                          .Text(UnitWord(state))
                          .str());
}

// The grades between the PIs, parabolas and the curves
// the engine assigns. Returns false when two curves overlap.
bool ComputeCurves(EngineRun& run, const CrossSlopeCard& crossSlope, const Stationing& stationing,
                   VerticalProfile& p) {
    const double maxTransVC = crossSlope.maxTransVC;
    bool lapFree = true;
    double gIn = p.gr[2];
    double previousGap = maxTransVC;
    for (std::size_t m = 2; m <= p.nv; ++m) {
        p.k[m] = 0.0;
        if (m < p.nv) p.gr[m + 1] = (p.elev[m + 1] - p.elev[m]) / (p.sta[m + 1] - p.sta[m]);
        double gap = GapAfter(p, m, maxTransVC);
        double gOut = p.gr[m + 1];
        p.k[m] = Parabola(gIn, gOut, p.l1[m], p.l2[m]);
        if (p.k[m] == 0.0) p.l1[m] = p.l2[m] = 0.0;
        // Grades this close are no break, whether a curve was given or not.
        if (std::fabs(gOut - gIn) >= kNoBreak) {
            double length = AssignableLength(previousGap, gap, p.l1[m], p.l2[m], maxTransVC);
            bool applies = gOut + gIn <= kOpenGrade && crossSlope.crownCode <= 4 &&
                           p.l1[m] + p.l2[m] <= maxTransVC - 0.004 &&
                           length - std::min(p.l1[m], p.l2[m]) >= 0.1;
            if (applies && crossSlope.vcLengthFlag == ' ') {
                p.l1[m] = std::max(length, p.l1[m]);
                p.l2[m] = std::max(length, p.l2[m]);
                p.k[m] = Parabola(gIn, gOut, p.l1[m], p.l2[m]);
                gap = GapAfter(p, m, maxTransVC);
                WriteAssignedBox(run, stationing, p.sta[m], p.l1[m] + p.l2[m]);
            } else if (applies) {
                WriteAssignWarning(run, stationing, p.sta[m], maxTransVC);
            }
        }
        if (gap <= kLapGap) lapFree = false;
        gIn = gOut;
        previousGap = gap;
    }
    return lapFree;
}

// The side a PI's lines are printed on: a sag curve on the left, a crest on
// the right. A PI without a curve follows its grade change (rising: sag).
bool PrintsOnSagSide(const VerticalProfile& p, std::size_t m) {
    if (p.k[m] != 0.0) return p.k[m] > 0.0;
    return p.gr[m + 1] - p.gr[m] > 0.0;
}

std::string GradeLine(double grade) { return ff::Record().P(2).F(grade, 90, 6).str(); }

double AtGrade(const VerticalProfile& p, double station) {
    return p.baseElevation + ProfileElevation(p, station);
}

std::string SagCurveEnd(const RunState& state, const Stationing& stationing,
                        const VerticalProfile& p, double station, const char* label) {
    return ff::Record()
        .F(ListedLength(state, AtGrade(p, station)), 32, 4)
        .X(2)
        .Text(label)
        .Text(StationColumnText(state, stationing, station, 3))
        .str();
}

std::string CrestLine(const RunState& state, const Stationing& stationing, const VerticalProfile& p,
                      double station, const char* label) {
    return ff::Record()
        .X(37)
        .Text(StationColumnText(state, stationing, station, 5))
        .Text(label)
        .F(ListedLength(state, AtGrade(p, station)), 12, 4)
        .str();
}

// The lines of PI m: curve begin, PI, curve end.
void WritePIBlock(EngineRun& run, const Stationing& stationing, const VerticalProfile& p,
                  std::size_t m, bool endPI) {
    const RunState& state = run.state;
    const double sta = p.sta[m];
    const double atPI = ListedLength(state, p.baseElevation + p.elev[m]);
    const bool sag = PrintsOnSagSide(p, m);
    const bool begins = p.l1[m] >= kPrintedCurveEnd;
    const bool ends = p.l2[m] >= kPrintedCurveEnd;
    if (begins)
        WriteCounted(run, sag ? SagCurveEnd(state, stationing, p, sta - p.l1[m], "PC ")
                              : CrestLine(state, stationing, p, sta - p.l1[m], "PC"));
    ff::Record pi;
    if (endPI && sag) {
        pi.F(atPI, 19, 4).X(15).Text("PI ").Text(StationColumnText(state, stationing, sta, 3));
    } else if (endPI) {
        pi.X(37).Text(StationColumnText(state, stationing, sta, 3)).Text("  PI").F(atPI, 25, 4);
    } else if (sag) {
        pi.F(atPI, 19, 4)
            .F(ListedLength(state, AtGrade(p, sta)), 13, 4)
            .Text("  PI ")
            .Text(StationColumnText(state, stationing, sta, 3));
    } else {
        pi.Text(CrestLine(state, stationing, p, sta, "PI")).F(atPI, 13, 4);
    }
    WriteCounted(run, pi.str());
    if (ends)
        WriteCounted(run, sag ? SagCurveEnd(state, stationing, p, sta + p.l2[m], "PT ")
                              : CrestLine(state, stationing, p, sta + p.l2[m], "PT"));
}

void WriteColumnTitles(EngineRun& run) {
    run.listing.WritePageHeading(4, 4);
    run.listing.WriteEmpty();
    run.listing.Write(ff::Record()
                          .Column(11)
                          .Text("ELEVATION")
                          .Column(24)
                          .Text("ELEVATION")
                          .Column(58)
                          .Text("ELEVATION")
                          .Column(71)
                          .Text("ELEVATION")
                          .Column(84)
                          .Text("PERCENT")
                          .str());
    run.listing.Write(ff::Record()
                          .Column(13)
                          .Text("AT PI")
                          .Column(25)
                          .Text("AT GRADE")
                          .Column(42)
                          .Text("STATION")
                          .Column(59)
                          .Text("AT GRADE")
                          .Column(73)
                          .Text("AT PI")
                          .Column(85)
                          .Text("GRADE")
                          .str());
    run.listing.WriteEmpty();
}

void StartContinuedPage(EngineRun& run) {
    run.listing.WritePageHeading(-1, 0);
    run.listing.WritePageHeading(3, 3);
    run.listing.WriteEmpty();
    run.listing.WriteEmpty();
    run.listing.Write(" VERTICAL ALIGNMENT DATA (CONT)");
    WriteColumnTitles(run);
}

// Places the PIs of the card; false after a fatal error (box written).
bool ReadPIs(EngineRun& run, const VerticalAlignmentCard& card, const Stationing& stationing,
             ValidDataLimits& limits, VerticalProfile& p) {
    if (p.nv == 3) {
        p.sta[2] = StationToDistance(run, stationing, card.piSta1, 2);
        p.l1[2] = card.inLength1;
        p.l2[2] = card.outLength1;
        p.sta[3] = StationToDistance(run, stationing, card.piSta2, 2);
        p.l1[3] = card.inLength2;
        p.l2[3] = card.outLength2;
        p.baseElevation = card.piElev1;
        p.elev[3] = card.piElev2 - card.piElev1;
    } else {
        p.sta[2] = StationToDistance(run, stationing, card.piSta2, 2);
        p.l1[2] = card.inLength2;
        p.l2[2] = card.outLength2;
        p.baseElevation = card.piElev2;
    }
    p.elev[2] = 0.0;
    if (p.nv == 3) {
        int order = geometry::CompareWithTolerance(p.sta[3], p.sta[2], 0.00004);
        if (order <= 0) {
            FatalBox(run, limits, order < 0);
            return false;
        }
    }
    return true;
}

// Finds the grades the card leaves out; false after a fatal error.
bool FindGrades(EngineRun& run, const VerticalAlignmentCard& card, ValidDataLimits& limits,
                VerticalProfile& p) {
    const bool twoPIs = p.nv == 3;
    const std::size_t last = p.nv + 1;
    auto chord = [&] { return (p.elev[2] - p.elev[3]) / (p.sta[2] - p.sta[3]); };
    if (card.gradeInGiven) p.gr[2] = card.gradeIn;
    if (card.gradeOutGiven) {
        p.gr[last] = card.gradeOut;
        if (!card.gradeInGiven) p.gr[2] = twoPIs ? chord() : p.gr[last];
        return true;
    }
    if (card.gradeInGiven) {
        p.gr[last] = twoPIs ? chord() : p.gr[2];
        return true;
    }
    if (!twoPIs) {
        FatalBox(run, limits, false);
        return false;
    }
    p.gr[2] = chord();
    p.gr[last] = p.gr[2];
    return true;
}

}  // namespace

void BuildVerticalProfile(EngineRun& run, const AlignmentCards& cards, const Stationing& stationing,
                          ValidDataLimits& limits, VerticalProfile& profile) {
    const VerticalAlignmentCard& card = cards.vertical;
    profile = VerticalProfile{};
    run.listing.WritePageHeading(3, 3);
    run.listing.WriteEmpty();
    run.listing.WriteEmpty();
    run.listing.Write(" VERTICAL ALIGNMENT DATA");

    profile.nv = card.pi1Given ? 3 : 2;
    if (card.piSta1Text == card.piSta2Text) {
        FatalBox(run, limits, false);
        MakeFlat(profile);
        return;
    }
    if (!ReadPIs(run, card, stationing, limits, profile) ||
        !FindGrades(run, card, limits, profile)) {
        MakeFlat(profile);
        return;
    }
    bool lapFree = ComputeCurves(run, cards.crossSlope, stationing, profile);
    profile.built = true;
    WriteVerticalAlignmentTable(run, stationing, profile);
    if (!lapFree) FatalBox(run, limits, true);
}

void WriteVerticalAlignmentHeading(EngineRun& run, int lines, double grade) {
    int left = run.listing.LinesLeft();
    if (lines <= 0) {
        if (left >= -lines)
            WriteColumnTitles(run);
        else
            StartContinuedPage(run);
        return;
    }
    if (lines < left) return;
    WriteCounted(run, GradeLine(grade));
    StartContinuedPage(run);
}

void WriteVerticalAlignmentTable(EngineRun& run, const Stationing& stationing,
                                 const VerticalProfile& p) {
    const std::size_t nv = p.nv;
    // The lines the table takes, a count of at most 13 on the page.
    const int piCount = static_cast<int>(nv);
    WriteVerticalAlignmentHeading(
        run, std::min(0, (4 * piCount - 12) * (piCount - 5)) - std::min(4 * piCount + 1, 13),
        p.gr[2]);
    const bool openBegin = p.gr[2] > kOpenGrade;
    const bool openEnd = p.gr[nv + 1] > kOpenGrade;
    for (std::size_t m = 2; m <= nv; ++m) {
        bool gradeShown = false;
        if (m < nv) {
            int pageLeft = run.listing.LinesLeft();
            // Kept together: six lines, ten when the next PI is the last.
            int need = m + 1 == nv ? 10 : 6;
            WriteVerticalAlignmentHeading(run, need, p.gr[m]);
            gradeShown = need >= pageLeft;
        }
        if (!gradeShown && !(m == 2 && openBegin)) WriteCounted(run, GradeLine(p.gr[m]));
        bool endPI = (m == 2 && openBegin) || (m == nv && openEnd);
        WritePIBlock(run, stationing, p, m, endPI);
    }
    if (!openEnd) WriteCounted(run, GradeLine(p.gr[nv + 1]));
}

}  // namespace quillon::engine
