#include "engine/linesets/SecondaryReferences.hpp"

#include <cstdlib>
#include <vector>

#include "engine/geometry/Lines.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/LineSetMessages.hpp"

namespace quillon::engine {

using geometry::Pair;

namespace {

constexpr double kKeepsDirection = 1e-15;
constexpr int kLetterBoxRoom = 6;
constexpr int kLetterCodeColumn = 89;  // "(LBNT)" stands in columns 89-94

void WriteLetterDefinedTwice(EngineRun& run, const BentLine& bent) {
    ListingWriter& out = run.listing;
    out.WritePageHeading(kLetterBoxRoom, kLetterBoxRoom);
    out.WriteEmpty();
    out.Write(ErrorBoxLine());
    out.Write(BoxTextLine({BentLineName(bent)}));
    out.Write(BoxTextLine({"IMPROPER USE OF SECONDARY REFERENCE LINE"}));
    out.Write(BoxTextLine({"COL 45 IGNORED"}));
    out.Write(ErrorBoxLine({{kLetterCodeColumn, "(LBNT)"}}));
}

// Bent line `slot` parallel to `parent` at its BentDistance, crossed with
// the control from the parent's station.
bool PlaceOnParent(AlignmentState& alignment, LineSetState& lineSet, const BentLine& parent,
                   int slot) {
    geometry::KernelStatus status;
    geometry::PointAtStationOffset(alignment.horizontal, alignment.frame, Pair(0.0, parent.station),
                                   status);
    const Pair foot =
        ParallelAtDistance(parent.foot, parent.sigma, lineSet.bents.Slot(slot).distance);
    return PutBentLineOn(alignment.horizontal, alignment.frame, lineSet, slot, foot);
}

}  // namespace

bool PutBentLineOn(const geometry::HorizontalAlignment& h, geometry::AlignmentFrame& frame,
                   LineSetState& lineSet, int slot, Pair foot) {
    geometry::KernelStatus status;
    const Pair layoutPoint = geometry::IntersectLines(foot, lineSet.layout.foot, status);
    double skew = 0.0;
    const Pair crossing =
        geometry::IntersectLineWithParallelSkew(h, frame, foot, Pair(0.0, 0.0), skew, status);
    const double station = geometry::StationOffsetOfPoint(h, frame, crossing, status).imag();
    if (status.failed) return false;
    BentLine& bent = lineSet.bents.Slot(slot);
    bent.foot = foot;
    bent.layoutPoint = layoutPoint;
    bent.crossing = crossing;
    bent.skewUsed = skew;
    bent.station = station;
    bent.sigma = OrientationSigma(h, foot, frame.phi, skew);
    return true;
}

Pair ParallelAtDistance(Pair foot, double sigma, double distance) {
    const Pair moved = foot * (1.0 + distance * sigma);
    if (std::norm(moved) < kThroughOrigin) return foot * sigma * kKeepsDirection;
    return moved;
}

bool CheckSecondaryReferences(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                              int defining, int& appended, int lastSlot) {
    // The owner of a letter code (IsLetterCode), by its slot.
    auto owner = [&lineSet](int code) -> int& {
        return lineSet.letterOwners[static_cast<std::size_t>(code)];
    };
    BentLine& first = lineSet.bents.Slot(defining);
    const int letter = first.definesReference;
    if (!IsLetterCode(letter)) return true;
    if (owner(letter) == 0) owner(letter) = defining;
    if (std::abs(owner(letter)) != defining) {
        WriteLetterDefinedTwice(run, first);
        first.definesReference = 0;
        return true;
    }
    bool unbroken = true;
    std::vector<int> level{defining};
    while (!level.empty()) {
        std::vector<int> nextLevel;
        for (const int parentSlot : level) {
            const int code = lineSet.bents.Slot(parentSlot).definesReference;
            for (int j = 2; j <= lastSlot; ++j) {
                BentLine& bent = lineSet.bents.Slot(j);
                if (bent.distanceType != kNormalOffset || bent.hangsOnReference != code) continue;
                if (!PlaceOnParent(alignment, lineSet, lineSet.bents.Slot(parentSlot), j)) {
                    bent.hangsOnReference = kLetterPlacementFailed;
                    continue;
                }
                ++appended;
                lineSet.bentLineOrder.push_back({j, bent.station});
                owner(code) = -std::abs(owner(code));
                bent.hangsOnReference = 0;
                unbroken = unbroken && bent.noBreak;
                const int own = bent.definesReference;
                if (!IsLetterCode(own)) continue;
                if (owner(own) == 0) {
                    owner(own) = j;
                    nextLevel.push_back(j);
                } else {
                    WriteLetterDefinedTwice(run, bent);
                    bent.definesReference = 0;
                }
            }
        }
        level = std::move(nextLevel);
    }
    return unbroken;
}

}  // namespace quillon::engine
