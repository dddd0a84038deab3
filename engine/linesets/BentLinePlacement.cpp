#include "engine/linesets/BentLinePlacement.hpp"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/geometry/Lines.hpp"
#include "engine/geometry/TaggedSort.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/GirderLineOrder.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/linesets/SecondaryReferences.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

using geometry::Pair;
namespace ff = quillon::fixedform;

namespace {

constexpr int kNotPlacedRoom = 5;
constexpr int kMostSuppressRoom = 15;
constexpr int kSuppressHeadingLines = 8;
constexpr int kNameBlanks = 10;  // names stand from column 41 inside a box

// The suppressed bent lines, listed as the placing pass meets them.
struct SuppressList {
    EngineRun& run;
    const LineSetState& lineSet;
    bool girdersListed;
    bool started = false;

    void Add(int slot) {
        if (!started) Start();
        if (slot == 1) return;  // named in the heading
        run.listing.WritePageHeading(1, 1);
        WriteSuppressedName(run, lineSet.bents.Slot(slot).description);
    }
    void Start() {
        started = true;
        const int placed = static_cast<int>(lineSet.bentLineOrder.size());
        run.listing.WritePageHeading(std::min(placed / 3 + 9, kMostSuppressRoom), 0);
        if (girdersListed)
            run.listing.WriteEmpty();
        else
            WriteSuppressTitle(run);
        WriteSuppressHeading(run, " BENT ");
        if (lineSet.bents.Slot(1).suppressed) WriteSuppressedName(run, kReferenceLineName);
        run.listing.WritePageHeading(0, kSuppressHeadingLines);
    }
};

// Locates bent line k and its point on the layout line; false (slot
// marked) when either fails.
bool PlaceBentLine(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                   BentLinePlacement& placement, int k) {
    BentLine& bent = lineSet.bents.Slot(k);
    lineSet.bentLineOrder.push_back({k, 0.0});
    geometry::KernelStatus status;
    double station = 0.0;
    Pair crossing;
    LocateBentLine(alignment.horizontal, alignment.frame, lineSet, k, status, station, crossing);
    const Pair onLayout = geometry::IntersectLines(bent.foot, lineSet.layout.foot, status);
    if (status.failed) {
        WriteLineSetBox(run,
                        {{"FATAL ERROR -- " + BentLineName(bent)},
                         {"DOES NOT INTERSECT HORIZ CONTROL OR LAYOUT LINE"}},
                        kNotPlacedRoom);
        run.state.fatalFlag = true;
        run.state.runErrorFlag = true;
        lineSet.bentLineOrder.pop_back();
        bent.definesReference = 0;
        placement.failed[static_cast<size_t>(k)] = true;
        return false;
    }
    lineSet.bentLineOrder.back().station = station;
    bent.layoutPoint = onLayout;
    return true;
}

// The bent line at `other` takes the reference line's place: slot 1 takes
// its name, fractional points and codes.
void MergeIntoReference(LineSetState& lineSet, int other) {
    BentLine& reference = lineSet.bents.Slot(1);
    const BentLine& bent = lineSet.bents.Slot(other);
    reference.description = bent.description;
    reference.fractionalPoints = bent.fractionalPoints;
    reference.fractionalPointKind = bent.fractionalPointKind;
    reference.selection = bent.selection;
    reference.selectionCode = bent.selectionCode;
    reference.deadLoadCode = bent.deadLoadCode;
    reference.definesReference = bent.definesReference;
    reference.column47Code = bent.column47Code;
    reference.suppressed = bent.suppressed;
    reference.noBreak = reference.noBreak && bent.noBreak;
    const int letter = bent.definesReference;
    if (IsLetterCode(letter)) {
        int& owner = lineSet.letterOwners[static_cast<size_t>(letter)];
        if (std::abs(owner) == other) owner = owner < 0 ? -1 : 1;
    }
}

// The neighbour of slot 1 in the sorted order that is the same line.
int CoincidentNeighbour(const LineSetState& lineSet, size_t& at) {
    const std::vector<BentOrderEntry>& order = lineSet.bentLineOrder;
    const auto found = std::find_if(order.begin(), order.end(),
                                    [](const BentOrderEntry& e) { return e.slot == 1; });
    if (found == order.end()) return 0;
    const size_t p = static_cast<size_t>(found - order.begin());
    const double station = order[p].station;
    const Pair foot = lineSet.bents.Slot(1).foot;
    auto footDistance = [&](size_t i) {
        return std::norm(lineSet.bents.Slot(order[i].slot).foot - foot);
    };
    if (p > 0 && order[p - 1].station >= station - kSameBentStation &&
        footDistance(p - 1) <= kSameBentFoot) {
        at = p - 1;
        return order[at].slot;
    }
    if (p + 1 < order.size() && order[p + 1].station <= station + kSameBentStation &&
        footDistance(p + 1) < kSameBentFoot) {
        at = p + 1;
        return order[at].slot;
    }
    return 0;
}

}  // namespace

void SortBentLineOrder(std::vector<BentOrderEntry>& order) {
    std::vector<double> stations;
    std::vector<int> slots;
    for (const BentOrderEntry& entry : order) {
        stations.push_back(entry.station);
        slots.push_back(entry.slot);
    }
    geometry::SortWithTags(static_cast<int>(order.size()), stations, slots);
    for (size_t i = 0; i < order.size(); ++i) order[i] = {slots[i], stations[i]};
}

BentLinePlacement PlaceBentLines(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                                 bool suppressedListed) {
    BentLineTable& bents = lineSet.bents;
    const int last = bents.Count();
    BentLinePlacement placement;
    placement.failed.assign(static_cast<size_t>(last + 1), false);

    BentLine& reference = bents.Slot(1);
    reference.layoutPoint = PointOfLayoutCoordinates(lineSet.layout, Pair(0.0, 0.0));
    reference.station = lineSet.reference.station;
    lineSet.bentLineOrder = {{1, reference.station}};

    SuppressList suppressed{run, lineSet, suppressedListed};
    if (reference.suppressed) suppressed.Add(1);
    for (int k = 2; k <= last; ++k) {
        BentLine& bent = bents.Slot(k);
        const bool fromLetter =
            bent.distanceType == kNormalOffset || bent.distanceType == kSegmentChordLength;
        if (!fromLetter && PlaceBentLine(run, alignment, lineSet, placement, k) &&
            IsLetterCode(bent.definesReference)) {
            int appended = 0;
            CheckSecondaryReferences(run, alignment, lineSet, k, appended, last);
        }
        if (bent.suppressed && !placement.Failed(k)) suppressed.Add(k);
    }

    if (alignment.horizontal.horizontalTangent) lineSet.tangentsUsed = 0;
    if (lineSet.reference.layoutLineIs == kAheadTangentLayout)
        lineSet.tangentsUsed &= ~kAheadTangentMark;

    reference.station = lineSet.reference.station;
    SortBentLineOrder(lineSet.bentLineOrder);
    size_t at = 0;
    const int other = CoincidentNeighbour(lineSet, at);
    if (other != 0) {
        MergeIntoReference(lineSet, other);
        lineSet.bentLineOrder.erase(lineSet.bentLineOrder.begin() + static_cast<long>(at));
        placement.merged = other;
    }
    return placement;
}

void ReportBentLines(EngineRun& run, LineSetState& lineSet, const BentLinePlacement& placement) {
    BentLineTable& bents = lineSet.bents;
    std::vector<bool> inOrder(static_cast<size_t>(bents.Count() + 1), false);
    for (const BentOrderEntry& entry : lineSet.bentLineOrder)
        inOrder[static_cast<size_t>(entry.slot)] = true;
    std::vector<BoxText> names;
    for (int k = 2; k <= bents.Count(); ++k)
        if (!inOrder[static_cast<size_t>(k)] && !placement.Failed(k) && k != placement.merged)
            names.push_back({bents.Slot(k).description, kNameBlanks});
    const int waiting = static_cast<int>(names.size());
    if (waiting > 0) {
        std::vector<BoxText> lines{
            {"FATAL ERROR -- THE FOLLOWING" + ff::FormatI(waiting, 3) + " BENT LINE(S)"},
            {"NOT LOCATED BECAUSE SECONDARY REFERENCE LINE WAS NOT FOUND"}};
        lines.insert(lines.end(), names.begin(), names.end());
        WriteLineSetBox(run, lines, waiting + 4);
        run.state.fatalFlag = true;
        run.state.runErrorFlag = true;
        lineSet.girders.count = std::min(lineSet.girders.count, 1);
    }

    for (int letter = 1; letter < kLetterCodes; ++letter) {
        const int owner = lineSet.letterOwners[static_cast<size_t>(letter)];
        if (owner <= 0 || owner > bents.Count()) continue;
        BentLine& bent = bents.Slot(owner);
        if (bent.definesReference != letter) continue;
        run.listing.WritePageHeading(kLineBoxRoom, kLineBoxRoom);
        WriteBoxLines(run,
                      {{BentLineName(bent)},
                       {"IMPROPER USE OF SECONDARY REFERENCE LINE"},
                       {"COL 45 IGNORED"}},
                      "(B23)", CodePlace::ClosingLine);
        bent.definesReference = 0;
    }

    if (lineSet.bentLineOrder.empty()) return;
    BentLine& lastBent = bents.Slot(lineSet.bentLineOrder.back().slot);
    lastBent.fractionalPointKind = std::clamp(lastBent.fractionalPointKind, -1, 0);
}

}  // namespace quillon::engine
