#include "engine/linesets/LineSetCardFields.hpp"

#include "fixedform/FieldReader.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// A numeric field: Fw.d (decimals >= 0) or Iw (decimals < 0).
struct Field {
    int first;
    int width;
    int decimals;
    const char* name;
};

void Note(FieldFailure& failure, const Field& field) {
    if (failure.failed) return;  // the first failing field is the one named
    failure.failed = true;
    failure.firstColumn = field.first;
    failure.lastColumn = field.first + field.width - 1;
    failure.name = field.name;
}

void Read(std::string_view card, const Field& field, double& out, FieldFailure& failure) {
    const auto read = ff::ReadReal(card, field.first, field.width, field.decimals);
    out = read.ok() ? read.value : 0.0;
    if (!read.ok()) Note(failure, field);
}

void Read(std::string_view card, const Field& field, int& out, FieldFailure& failure) {
    const auto read = ff::ReadInteger(card, field.first, field.width);
    out = read.ok() ? read.value : 0;
    if (!read.ok()) Note(failure, field);
}

char At(std::string_view card, int column) { return ff::ReadText(card, column, 1)[0]; }

// 04
constexpr Field kReferenceStation{3, 11, 4, "REFERENCE STATION"};
constexpr Field kStationOn{14, 1, -1, "STATION ON"};
constexpr Field kReferenceSkewDegrees{16, 2, 0, "SKEW DEGREES"};
constexpr Field kReferenceSkewMinutes{18, 2, 0, "SKEW MINUTES"};
constexpr Field kReferenceSkewSeconds{20, 4, 2, "SKEW SECONDS"};
constexpr Field kSkewRespTo{24, 1, -1, "SKEW WITH RESPECT TO"};
constexpr Field kDefaultSkewField{25, 1, -1, "BENT LINE DEFAULT SKEW"};
constexpr Field kLayoutLineIs{26, 1, -1, "LAYOUT LINE"};
constexpr Field kTransX{41, 9, 4, "TRANSFORM X"};
constexpr Field kTransY{50, 9, 4, "TRANSFORM Y"};
// 05
constexpr Field kLineType{3, 1, -1, "LINE TYPE"};
constexpr Field kInitialOffset{4, 8, 4, "INITIAL OFFSET"};
constexpr Field kInitialOffsetType{12, 1, -1, "INITIAL OFFSET TYPE"};
constexpr Field kTerminalOffset{13, 8, 4, "TERMINAL OFFSET"};
constexpr Field kTerminalOffsetType{21, 1, -1, "TERMINAL OFFSET TYPE"};
constexpr Field kElevationShift{22, 8, 4, "ELEVATION SHIFT"};
// 06
constexpr Field kBentDistance{3, 8, 4, "BENT DISTANCE"};
constexpr Field kDistanceType{11, 1, -1, "DISTANCE TYPE"};
constexpr Field kBentSkewDegrees{13, 2, 0, "SKEW DEGREES"};
constexpr Field kBentSkewMinutes{15, 2, 0, "SKEW MINUTES"};
constexpr Field kBentSkewSeconds{17, 4, 2, "SKEW SECONDS"};
constexpr Field kSkewType{21, 1, -1, "SKEW TYPE"};
constexpr Field kFractionalPoints{22, 7, 4, "FRACTIONAL POINTS"};
// 07
constexpr int kFirstDeflectionColumn = 15;
constexpr int kDeflectionWidth = 6;
constexpr int kDeflectionDecimals = 3;
constexpr const char* kDeflectionNames[kTenthPoints] = {
    "DEFLECTION 0", "DEFLECTION 1", "DEFLECTION 2", "DEFLECTION 3", "DEFLECTION 4", "DEFLECTION 5",
    "DEFLECTION 6", "DEFLECTION 7", "DEFLECTION 8", "DEFLECTION 9", "DEFLECTION 10"};

}  // namespace

FieldFailure ReadReferenceLineFields(std::string_view card, ReferenceLineFields& out) {
    FieldFailure failure;
    Read(card, kReferenceStation, out.station, failure);
    Read(card, kStationOn, out.staOn, failure);
    out.skewDirection = At(card, 15);
    Read(card, kReferenceSkewDegrees, out.skewDegrees, failure);
    Read(card, kReferenceSkewMinutes, out.skewMinutes, failure);
    Read(card, kReferenceSkewSeconds, out.skewSeconds, failure);
    Read(card, kSkewRespTo, out.skewRespTo, failure);
    Read(card, kDefaultSkewField, out.defaultSkew, failure);
    Read(card, kLayoutLineIs, out.layoutLineIs, failure);
    out.breakColumn = At(card, 27);
    out.suppressColumn = At(card, 28);
    out.patternShiftColumn = At(card, 29);
    out.reversedLayoutColumn = At(card, 30);
    out.xZeroColumn = At(card, 31);
    out.column32 = At(card, 32);
    Read(card, kTransX, out.transX, failure);
    Read(card, kTransY, out.transY, failure);
    return failure;
}

FieldFailure ReadReuseFields(std::string_view card, ReuseFields& out) {
    FieldFailure failure;
    Read(card, kStationOn, out.staOn, failure);
    Read(card, kDefaultSkewField, out.defaultSkew, failure);
    out.breakColumn = At(card, 27);
    out.suppressColumn = At(card, 28);
    out.patternShiftColumn = At(card, 29);
    return failure;
}

FieldFailure ReadGirderLineFields(std::string_view card, GirderLineFields& out) {
    FieldFailure failure;
    Read(card, kLineType, out.lineType, failure);
    Read(card, kInitialOffset, out.initialOffset, failure);
    Read(card, kInitialOffsetType, out.initialOffsetType, failure);
    Read(card, kTerminalOffset, out.terminalOffset, failure);
    Read(card, kTerminalOffsetType, out.terminalOffsetType, failure);
    Read(card, kElevationShift, out.elevationShift, failure);
    out.description = {ff::ReadText(card, 30, 10), ff::ReadText(card, 40, 10)};
    out.codes = ff::ReadText(card, 50, 8);
    return failure;
}

FieldFailure ReadBentLineFields(std::string_view card, BentLineFields& out) {
    FieldFailure failure;
    Read(card, kBentDistance, out.distance, failure);
    Read(card, kDistanceType, out.distanceType, failure);
    out.skewDirection = At(card, 12);
    Read(card, kBentSkewDegrees, out.skewDegrees, failure);
    Read(card, kBentSkewMinutes, out.skewMinutes, failure);
    Read(card, kBentSkewSeconds, out.skewSeconds, failure);
    Read(card, kSkewType, out.skewType, failure);
    Read(card, kFractionalPoints, out.fractionalPoints, failure);
    out.fractionDecimalsBlank = ff::IsBlank(ff::ReadText(card, 25, 4));
    out.description = ff::ReadText(card, 29, 10);
    out.options = ff::ReadText(card, 39, 4);
    out.selection = ff::ReadText(card, 43, 10);
    return failure;
}

FieldFailure ReadDeadLoadFields(std::string_view card, DeadLoadFields& out) {
    FieldFailure failure;
    out.label = ff::ReadText(card, 3, 4);
    for (int k = 0; k < kTenthPoints; ++k) {
        const Field field{kFirstDeflectionColumn + k * kDeflectionWidth, kDeflectionWidth,
                          kDeflectionDecimals, kDeflectionNames[k]};
        const size_t at = static_cast<size_t>(k);
        out.blank[at] = ff::IsBlank(ff::ReadText(card, field.first, field.width));
        Read(card, field, out.deflections[at], failure);
    }
    return failure;
}

}  // namespace quillon::engine
