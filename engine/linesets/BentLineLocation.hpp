// Where a bent line lies: its base point by its distance type, its direction
// by its skew type, its crossing with the horizontal control, the skew it
// makes there and its orientation sign; and the small rules of direction and
// skew that the reference line and the layout line share.
//
// Skew sense: a positive (right) skew turns a normal clockwise, that is
// multiplies it by (cos a, -sin a). On a tangent a bent line skewed a at
// station S meets the parallel at offset q at S - q tan a. Angles radians,
// lengths feet, stations internal.
#pragma once

#include "engine/geometry/AlignmentFrame.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"
#include "engine/linesets/LineSetState.hpp"

namespace quillon::engine {

// A crossing with the control this far (feet) from the TS or farther comes
// from a line all but parallel to the control: no station text can show it,
// and it counts as no crossing.
inline constexpr double kFarthestCrossing = 10999900.0;

// The direction `normal` turned by the skew `skew` (clockwise for a positive
// skew).
inline Pair TurnedBySkew(Pair normal, double skew) { return normal * geometry::UnitAt(-skew); }

// The unit direction of the ahead tangent (increasing station).
inline Pair AheadTangentDirection(const geometry::HorizontalAlignment& h) {
    return Pair(0.0, 1.0) * h.aheadNormal;
}

// A direction along the line of foot form F: (0, 1) for the line x = 0.
inline Pair DirectionOfLine(Pair foot) {
    return foot == Pair(0.0, 0.0) ? Pair(0.0, 1.0) : Pair(0.0, 1.0) * foot;
}

// The skew of a line along `direction` at a point of the control whose
// tangent deflects by phi: f pi/2 + atan2(d.x, d.y) - phi, brought into
// -pi/2..pi/2 by steps of pi.
double SkewOfDirection(const geometry::HorizontalAlignment& h, Pair direction, double phi);

// The orientation sign of a line of foot form F whose skew at a point of
// tangent deflection phi is `skewUsed`, divided by |F|: -1 when
// F.y (pi/2 - (phi + skewUsed) f) is negative, else +1. sigma * F is then a
// unit normal of the line.
double OrientationSigma(const geometry::HorizontalAlignment& h, Pair foot, double phi,
                        double skewUsed);

// The point `distance` along a located bent line from its crossing with the
// control, toward positive offsets as its orientation sign has it.
inline Pair AlongBentLine(const BentLine& bent, double distance) {
    return bent.crossing + distance * (Pair(0.0, -1.0) * bent.sigma * bent.foot);
}

// Layout coordinates W = Z dir + a of HC point Z, and back.
inline Pair LayoutCoordinates(const LayoutLine& layout, Pair z) {
    return z * layout.dir + layout.a;
}
inline Pair PointOfLayoutCoordinates(const LayoutLine& layout, Pair w) {
    return (w - layout.a) / layout.dir;
}

// Locates bent line `slot` (2 on) of the line set: does nothing when
// `status` has failed already. Base point by DistanceType: 1 the layout
// point (0, distance); 2 and 3 the reference line's crossing with the back
// or ahead tangent moved `distance` along it; 4 the reference line's foot
// moved `distance` along its oriented normal; 0, 6, 7 the control's point at
// the reference station + distance. Direction by SkewType: 0 parallel to the
// reference line (for distance types 4 on, or default-skew option not 1;
// otherwise it becomes skew type 1 with the reference line's skew used); 1
// the control's normal at the base point, 2 the layout line's normal, 3 and
// 4 the back and ahead tangent's normal, each turned by the skew. Marks the
// tangents it uses in TangentsUsed. Stores the line, its skew and crossing,
// its station and orientation sign in the slot; `station` and `point` are
// the crossing's station and point. A crossing at kFarthestCrossing or
// farther fails. Leaves the frame at the crossing.
void LocateBentLine(const geometry::HorizontalAlignment& h, geometry::AlignmentFrame& frame,
                    LineSetState& lineSet, int slot, geometry::KernelStatus& status,
                    double& station, Pair& point);

}  // namespace quillon::engine
