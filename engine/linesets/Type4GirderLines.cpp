#include "engine/linesets/Type4GirderLines.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/alignment/ElevationListing.hpp"
#include "engine/alignment/PointElevation.hpp"
#include "engine/geometry/Simpson.hpp"
#include "engine/linesets/GirderLineOffset.hpp"
#include "engine/linesets/LineSetLoop.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr size_t kFullName = 10;      // a squeezed description this long is invalid
constexpr int kOtherCharacters = 27;  // codes above it are neither blank, "0" nor letters
constexpr int kLateComparisons = 10;  // comparisons this near the last position are tested
constexpr int kEarlyPositions = 11;   // for a bent line at one of the first positions
constexpr int kDescriptionBoxRoom = 5;
constexpr int kDescriptionBlanks = 14;
constexpr int kFirstAveragePosition = 6;
constexpr int kLastAveragePositions = 5;
constexpr int kRightPivot = 3;  // pivot side codes of the crown value: 3 right, 2 left
constexpr int kLeftPivot = 2;

const BentLine& AtPosition(const LineSetState& lineSet, int position) {
    return lineSet.bents.Slot(lineSet.bentLineOrder[static_cast<size_t>(position - 1)].slot);
}

std::string Squeezed(const std::string& description) {
    return WithoutBlanks(ff::PadRight(description, kFullName));
}

bool Compared(const BentLine& bent) {
    return !bent.suppressed && bent.selectionCode != kStarSelection;
}

// Whether the description at position i repeats at a later position.
bool Duplicated(const LineSetState& lineSet, const std::vector<int>& kAfter, int i) {
    const int count = static_cast<int>(lineSet.bentLineOrder.size());
    const BentLine& bent = AtPosition(lineSet, i);
    const std::string name = Squeezed(bent.description);
    const bool early = kAfter[static_cast<size_t>(i)] == 0 && i <= kEarlyPositions &&
                       bent.fractionalPointKind <= 0;
    for (int j = i + 1; j <= count; ++j) {
        const BentLine& other = AtPosition(lineSet, j);
        if (!Compared(other) || !SelectionsMeet(bent.selectionCode, other.selectionCode)) continue;
        if (early && j >= count - kLateComparisons) {
            bool pointsFollow = false;
            for (int p = j - 1; p <= count - 1; ++p)
                pointsFollow = pointsFollow || AtPosition(lineSet, p).fractionalPointKind > 0;
            if (!pointsFollow) return false;
        }
        const std::string otherName = Squeezed(other.description);
        if (otherName.size() < kFullName && otherName == name) return true;
    }
    return false;
}

void CheckBentDescriptions(EngineRun& run, LineSetState& lineSet, const std::vector<int>& kAfter) {
    const int count = static_cast<int>(lineSet.bentLineOrder.size());
    for (int i = 1; i <= count; ++i) {
        const BentLine& bent = AtPosition(lineSet, i);
        const bool invalid = Squeezed(bent.description).size() >= kFullName;
        if (!invalid && (!Compared(bent) || i == count || !Duplicated(lineSet, kAfter, i)))
            continue;
        WriteLineSetBox(run,
                        {{"FATAL ERROR -- " + BentLineName(bent)},
                         {"INVALID OR DUPLICATE DESCRIPTION FIELD", kDescriptionBlanks}},
                        kDescriptionBoxRoom);
        run.state.runErrorFlag = true;
        lineSet.girders.count = std::min(lineSet.girders.count, 1);
    }
}

void WriteCounted(EngineRun& run, int need, const std::vector<std::string>& records) {
    const int count = static_cast<int>(records.size());
    run.listing.WritePageHeading(need < 0 ? count : need, count);
    for (const std::string& record : records) run.listing.Write(record);
}

// The line of constant offset and its offset from the control.
double LineOfConstantOffset(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet) {
    const int g = lineSet.constantOffsetLine;
    if (g <= 0 || g > static_cast<int>(lineSet.girders.lines.size())) {
        WriteCounted(run, 0,
                     {"", ff::Record()
                              .Column(9)
                              .Text("LINE OF CONSTANT OFFSET IS HORIZONTAL "
                                    "CONTROL")
                              .str()});
        return 0.0;
    }
    GirderLine& line = lineSet.girders.Line(g);
    geometry::KernelStatus status;
    double offset = ControlOffsetOfGirderLine(alignment.horizontal, alignment.frame, lineSet,
                                              line.initialOffset, line.initialOffsetType, status);
    if (status.failed) offset = line.initialOffset;
    line.initialOffset = offset;
    line.initialOffsetType = kNormalFromControl;
    const bool metric = run.state.variant == EngineVariant::Metric;
    WriteCounted(
        run, -1,
        {"",
         ff::Record()
             .Column(9)
             .Text("LINE OF CONSTANT OFFSET IS GIRDER LINE:  ")
             .Text(ff::PadRight(line.description[0], 10))
             .Text(ff::PadRight(line.description[1], 10))
             .str(),
         ff::Record()
             .F(ListedLength(run.state, offset), 48, 4)
             .Text(metric ? " m    FROM HORIZONTAL CONTROL" : " FEET FROM HORIZONTAL CONTROL")
             .str()});
    return offset;
}

// The average right cross slope between the line set's outer stations.
double AverageCrossSlope(EngineRun& run, const AlignmentState& alignment,
                         const LineSetState& lineSet, double firstRowSlope) {
    const CrossSlopeBreakTable& table = alignment.crossSlope;
    const int count = static_cast<int>(lineSet.bentLineOrder.size());
    if (table.count < 2 || count < 2) return firstRowSlope;
    const FractionalSpans& spans = lineSet.spans;
    auto station = [&](int position) {
        position = std::clamp(position, 1, count);
        return lineSet.bentLineOrder[static_cast<size_t>(position - 1)].station;
    };
    const double reference = lineSet.reference.station;
    const double a =
        std::max(alignment.limits.begin,
                 std::min(reference, station(std::min(spans.first, kFirstAveragePosition))));
    const double b =
        std::min(alignment.limits.end,
                 std::max(reference, station(std::max(count - kLastAveragePositions, spans.last))));
    auto slope = [&](double s) { return CrossSlopeAt(table, s, CrossSlopeSide::Right); };
    if (!(b - a > kShortestAverageSpan)) return slope((a + b) * 0.5);

    const Stationing stationing = alignment.Stationing();
    WriteCounted(run, -1,
                 {"",
                  ff::Record()
                      .Column(9)
                      .Text("AVERAGE CROSS-SLOPE CALCULATED BETWEEN STATION ")
                      .Text(StationColumnText(run.state, stationing, a, 3))
                      .str(),
                  ff::Record()
                      .Column(44)
                      .Text("AND STATION ")
                      .Text(StationColumnText(run.state, stationing, b, 3))
                      .str()});
    const geometry::HorizontalAlignment& h = alignment.horizontal;
    const double middle = h.length * 0.5;
    double integral = 0.0;
    if (!h.horizontalTangent && a < middle && middle < b)
        integral = geometry::IntegrateSimpson(slope, a, middle, kAverageSlopeTolerance) +
                   geometry::IntegrateSimpson(slope, middle, b, kAverageSlopeTolerance);
    else
        integral = geometry::IntegrateSimpson(slope, a, b, kAverageSlopeTolerance);
    return integral / (b - a);
}

}  // namespace

bool SelectionsMeet(int a, int b) {
    if (a == b) return true;
    const int low = std::min(a, b), high = std::max(a, b);
    return a * b <= 1 && !(low == 0 && high < kOtherCharacters);
}

std::vector<int> BuildFractionalSpans(LineSetState& lineSet) {
    const int count = static_cast<int>(lineSet.bentLineOrder.size());
    FractionalSpans& spans = lineSet.spans;
    spans.next.assign(static_cast<size_t>(count + 1), 0);
    std::vector<int> kAfter(static_cast<size_t>(count + 1), 0);
    int first = -1, last = -1, k = 0;
    for (int i = 1; i <= count; ++i) {
        const int kind = AtPosition(lineSet, i).fractionalPointKind;
        if (kind >= 0) {
            if (lineSet.constantOffsetLine >= 0 && i == count) {
                if (first == -1) first = 1;
                last = count;
                if (k > 0 && AtPosition(lineSet, k + 1).fractionalPointKind <= 0) last = k + 1;
            }
            for (int p = k + 1; p <= i; ++p) spans.next[static_cast<size_t>(p)] = i;
            k = i - 1;
            if (first == -1 && kind > 0) first = i;
        }
        kAfter[static_cast<size_t>(i)] = k;
    }
    spans.first = first == -1 ? 1 : first;
    spans.last = last == -1 ? count : last;
    return kAfter;
}

void ProcessType4GirderLines(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet) {
    const std::vector<int> kAfter = BuildFractionalSpans(lineSet);
    CheckBentDescriptions(run, lineSet, kAfter);
    if (lineSet.constantOffsetLine < 0) return;

    WriteCounted(run, 12, {"", "", "  TYPE 4  GIRDER LINE DATA", " (OFFSET VARIES WITH SUPER)"});
    Type4Values& type4 = lineSet.type4;
    type4.baseOffset = LineOfConstantOffset(run, alignment, lineSet);

    const CrossSlopeBreakTable& table = alignment.crossSlope;
    const int side = table.pivotLeft ? kLeftPivot : kRightPivot;
    type4.pivotOffset = (2 * side - 5) * table.pivotOffset + alignment.horizontal.profOffset;
    type4.firstRowSlope = table.rows.empty() ? 0.0 : table.rows.front().right;
    type4.firstRowFactor = std::sqrt(1.0 + type4.firstRowSlope * type4.firstRowSlope);

    const double average = AverageCrossSlope(run, alignment, lineSet, type4.firstRowSlope);
    const bool metric = run.state.variant == EngineVariant::Metric;
    WriteCounted(run, -1,
                 {"", ff::Record()
                          .Column(9)
                          .Text("AVERAGE CROSS-SLOPE =")
                          .F(average, 9, 6)
                          .Text(metric ? "  m/m  (RIGHT OF PROFILE CONTROL LINE)"
                                       : " FT/FT (RIGHT OF PROFILE CONTROL LINE)")
                          .str()});
    type4.averageCrossSlope = average;
    const double theta = std::atan(average);
    type4.unit = std::abs(average) > kFlatAverage ? geometry::Pair(std::cos(theta), std::sin(theta))
                                                  : geometry::Pair(1.0, 0.0);
}

}  // namespace quillon::engine
