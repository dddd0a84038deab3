// The TABLE OF ROADWAY CROSS-SLOPES with its pivot line, and the PARABOLIC
// CROWN DATA.
#include <cmath>
#include <string>

#include "engine/alignment/CrossSlopeTable.hpp"
#include "engine/alignment/ElevationListing.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// Transition curves shorter than this are too short for the alignment (feet;
// 19.8 held in single precision, a hair below it, so that a curve of 19.8
// feet is long enough).
constexpr double kShortCurve = 19.799999237060547;
// Slopes that differ by more than this differ from the slopes on tangent.
constexpr double kChangedSlope = 0.0000001;
// A limit moves to the superelevation data only when it gains more than this (feet).
constexpr double kLimitMove = 0.002;

const std::string kSuperLabel[2] = {"SUPERELEVA", "TION      "};

bool DiffersFromTangent(const CrossSlopeRow& row, const CrossSlopeRow& onTangent) {
    return std::fabs(row.left - onTangent.left) > kChangedSlope ||
           std::fabs(row.right - onTangent.right) > kChangedSlope;
}

void SetLimitText(const RunState& state, const Stationing& stationing, double station,
                  std::string (&text)[2], std::string (&label)[2]) {
    TextPair pair = MakeStationText(state, stationing, station);
    text[0] = ff::PadRight(pair.first, 10);
    text[1] = ff::PadRight(pair.second, 10);
    label[0] = kSuperLabel[0];
    label[1] = kSuperLabel[1];
}

// The fatal 03 box; `titleBlanks` and `blanks` place its two lines.
void FatalWithEmptyLimits(EngineRun& run, ValidDataLimits& limits, int titleBlanks, int blanks,
                          const char* message) {
    WriteMessageBox(run, {{31 + titleBlanks, "FATAL ERROR -- 03 CARD"}, {31 + blanks, message}});
    run.state.fatalFlag = true;
    limits.SetEmpty();
}

// Where the slope of one side peaks inside the curve of a row: the distance
// from the curve start, or a negative number when it does not.
double PeakWithin(double slope, double start, double end, double half) {
    if ((slope - end) * (slope - start) < 0.000000000001) return -1.0;
    return (start - slope) * 2.0 * half / ((start + end) - 2.0 * slope);
}

double CurveSlope(double slope, double start, double end, double half, double x) {
    return (((start + end - 2.0 * slope) * x * x / 4.0) / half + (slope - start) * (x - half)) /
               half +
           slope;
}

void WriteRelativeMaxMin(EngineRun& run, const Stationing& stationing, const CrossSlopeRow& row) {
    const double h = row.vcLength;
    double x = PeakWithin(row.left, row.startLeft, row.endLeft, h);
    if (x < 0.0) x = PeakWithin(row.right, row.startRight, row.endRight, h);
    if (x < 0.0) return;
    run.listing.WritePageHeading(3, 3);
    run.listing.WriteEmpty();
    run.listing.Write(ff::Record()
                          .X(16)
                          .Text(StationColumnText(run.state, stationing, row.station - h + x, 5))
                          .F(CurveSlope(row.left, row.startLeft, row.endLeft, h, x), 18, 6)
                          .F(CurveSlope(row.right, row.startRight, row.endRight, h, x), 18, 6)
                          .X(10)
                          .Text("RELATIVE MAX/MIN CROSS-SLOPE ATTAINED")
                          .str());
    run.listing.WriteEmpty();
}

void WriteTableHeading(EngineRun& run, const CrossSlopeBreakTable& t) {
    const CrossSlopeRow& onTangent = t.rows[0];
    WriteCounted(run, "");
    WriteCounted(run, "");
    WriteCounted(run, " TABLE OF ROADWAY CROSS-SLOPES   (SUPERELEVATION:  E=" +
                          ff::PadRight(t.superRateText, 6) + ")");
    WriteCounted(run, "");
    WriteCounted(run, ff::Record()
                          .X(20)
                          .Text("STATION")
                          .X(12)
                          .Text("SLOPE LEFT")
                          .X(7)
                          .Text("SLOPE RIGHT")
                          .X(9)
                          .Text("VC LENGTH")
                          .str());
    WriteCounted(run, "");
    WriteCounted(run, ff::Record()
                          .X(17)
                          .Text("(ON TANGENT)")
                          .F(onTangent.left, 18, 4)
                          .F(onTangent.right, 18, 4)
                          .F(ListedLength(run.state, t.maxTransVC), 18, 2)
                          .Text(" (MAX)")
                          .str());
    WriteCounted(run, "");
}

void WritePivotLine(EngineRun& run, const CrossSlopeBreakTable& t) {
    const bool metric = run.state.variant == EngineVariant::Metric;
    run.listing.WritePageHeading(4, 4);
    for (int k = 0; k < 3; ++k) run.listing.WriteEmpty();
    run.listing.Write(ff::Record()
                          .X(8)
                          .Text("OFFSET PROFILE CONTROL TO PIVOT POINT =")
                          .F(ListedLength(run.state, t.pivotOffset), 10, 4)
                          .Text(metric ? "  m     " : "  FEET  ")
                          .Text(ff::PadRight(t.pivotSide, 5))
                          .str());
}

// The table rows and what follows them; false when the table is found to be
// out of station order (the listing stops there).
bool WriteTableRows(EngineRun& run, const Stationing& stationing, CrossSlopeBreakTable& t,
                    ValidDataLimits& limits) {
    const CrossSlopeRow& onTangent = t.rows[0];
    const int n = t.count;
    bool shortMarked = false;
    for (int j = 2; j <= n; ++j) {
        CrossSlopeRow& row = t.rows[static_cast<size_t>(j - 1)];
        if (t.maxTransVC > 0.0 && row.vcLength < kShortCurve) {
            row.label = ff::Record().Text(" *").Text(ff::PadRight(row.label, 4)).X(4).str();
            shortMarked = true;
        }
        WriteCounted(run, ff::Record()
                              .X(16)
                              .Text(StationColumnText(run.state, stationing, row.station, 3))
                              .F(row.left, 18, 4)
                              .F(row.right, 18, 4)
                              .F(ListedLength(run.state, row.vcLength), 18, 2)
                              .Text(ff::PadRight(row.label, 10))
                              .str());
        if (row.vcLength > 0.0) {
            row.vcLength /= 2.0;
            WriteRelativeMaxMin(run, stationing, row);
        } else if (row.vcLength < 0.0) {
            FatalWithEmptyLimits(run, limits, 21, 16, "IMPROPER USE OF OPTIONAL 03 CARDS");
            t.count = 1;
            return false;
        }
    }
    const CrossSlopeRow& last = t.rows[static_cast<size_t>(n - 1)];
    if (n > 1 && last.station - last.vcLength + kLimitMove < limits.end &&
        DiffersFromTangent(last, onTangent)) {
        limits.end = last.station - last.vcLength;
        SetLimitText(run.state, stationing, limits.end, limits.endText, limits.endLabel);
    }
    if (shortMarked)
        WriteMessageBox(run, {{31 + 15, "* SHORT TRANSITION VERTICAL CURVES"},
                              {31 + 17, "GIVEN ALIGNMENT IS NOT SUITABLE"}});
    return true;
}

void WriteCrossSlopeTable(EngineRun& run, const Stationing& stationing, CrossSlopeBreakTable& t,
                          ValidDataLimits& limits) {
    BuildCrossSlopeTable(run, stationing, t);
    if (t.rows.empty()) return;
    const int n = t.count;
    if (n > 1 && run.listing.LinesLeft() < n + 24) run.listing.WritePageHeading(-1, 0);
    run.listing.WritePageHeading(n + 7, 0);
    WriteTableHeading(run, t);
    if (n > 1) {
        const CrossSlopeRow& second = t.rows[1];
        double begin = second.station + second.vcLength / 2.0;
        if (limits.begin < begin - kLimitMove && DiffersFromTangent(second, t.rows[0])) {
            limits.begin = begin;
            SetLimitText(run.state, stationing, begin, limits.beginText, limits.beginLabel);
        }
    }
    if (!WriteTableRows(run, stationing, t, limits)) return;
    WritePivotLine(run, t);
}

void WriteParabolicCrown(EngineRun& run, const CrossSlopeCard& card, CrossSlopeBreakTable& t,
                         ValidDataLimits& limits) {
    const RunState& state = run.state;
    const bool metric = state.variant == EngineVariant::Metric;
    run.listing.WritePageHeading(3, 3);
    run.listing.WriteEmpty();
    run.listing.WriteEmpty();
    run.listing.Write(" PARABOLIC CROWN DATA");
    const double w = std::fabs(card.crownWidth) * 0.5;
    const double h = card.crownHeight / 12.0;
    if (w <= 0.00004) {
        FatalWithEmptyLimits(run, limits, 22, 18, "INVALID PARABOLIC CROWN WIDTH");
        return;
    }
    ParabolicCrown& crown = t.crown;
    crown.halfWidth = w;
    crown.height = h;
    crown.a = -(h / w) / w;
    crown.slopeLeft = card.crownLeft != 0.0 ? card.crownLeft : 2.0 * w * crown.a;
    crown.slopeRight = card.crownRight != 0.0 ? card.crownRight : 2.0 * w * crown.a;
    const double heightShown = metric ? ListedLength(state, h) * 1000.0 : card.crownHeight;
    run.listing.WritePageHeading(5, 5);
    run.listing.WriteEmpty();
    run.listing.Write(ff::Record()
                          .X(8)
                          .Text("CROWN WIDTH  =")
                          .F(ListedLength(state, std::fabs(card.crownWidth)), 10, 4)
                          .Text(metric ? "  m   " : "  FEET")
                          .str());
    run.listing.Write(ff::Record()
                          .X(8)
                          .Text("CROWN HEIGHT =")
                          .F(heightShown, 10, 4)
                          .Text(metric ? "  mm    " : "  INCHES")
                          .str());
    run.listing.Write(ff::Record().X(8).Text("SLOPE LEFT   =").F(crown.slopeLeft, 12, 6).str());
    run.listing.Write(ff::Record().X(8).Text("SLOPE RIGHT  =").F(crown.slopeRight, 12, 6).str());
}

}  // namespace

void WriteCrossSlopeSection(EngineRun& run, const Stationing& stationing,
                            const CrossSlopeCard& card, CrossSlopeBreakTable& t,
                            ValidDataLimits& limits) {
    if (t.crownCode >= 1 && t.crownCode <= 4)
        WriteCrossSlopeTable(run, stationing, t, limits);
    else
        WriteParabolicCrown(run, card, t, limits);
}

}  // namespace quillon::engine
