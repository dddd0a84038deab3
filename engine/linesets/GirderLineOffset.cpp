#include "engine/linesets/GirderLineOffset.hpp"

#include "engine/geometry/Lines.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/BentLineLocation.hpp"

namespace quillon::engine {

using geometry::Pair;

double ControlOffsetOfGirderLine(const geometry::HorizontalAlignment& h,
                                 geometry::AlignmentFrame& frame, const LineSetState& lineSet,
                                 double distance, int offsetType, geometry::KernelStatus& status) {
    if (status.failed) return 0.0;
    if (offsetType == kNormalFromControl) return distance;
    const ReferenceLine& reference = lineSet.reference;
    const LayoutLine& layout = lineSet.layout;
    const Pair along = Pair(0.0, -1.0) * reference.sigma * reference.foot;
    Pair point;
    switch (offsetType) {
        case kBentFromControl:
            point = reference.point + distance * along;
            break;
        case kNormalFromLayoutLine:
            point = geometry::IntersectLines(layout.foot + distance / layout.dir, reference.foot,
                                             status);
            break;
        default:
            point = PointOfLayoutCoordinates(layout, Pair(0.0, 0.0)) + distance * along;
            break;
    }
    const double offset = geometry::StationOffsetOfPoint(h, frame, point, status).real();
    return status.failed ? 0.0 : offset;
}

}  // namespace quillon::engine
