#include "engine/linesets/LineSetCardFields.hpp"

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"

namespace quillon::engine {

namespace {

// A numeric field of a card and how the listing names it.
struct Field {
    const cards::Field& field;
    const char* name;
};

void Note(FieldFailure& failure, const Field& field) {
    if (failure.failed) return;  // the first failing field is the one named
    failure.failed = true;
    failure.firstColumn = field.field.first;
    failure.lastColumn = field.field.last;
    failure.name = field.name;
}

void Read(std::string_view card, const Field& field, double& out, FieldFailure& failure) {
    const auto read = cards::Number(card, field.field);
    out = read.ok() ? read.value : 0.0;
    if (!read.ok()) Note(failure, field);
}

void Read(std::string_view card, const Field& field, int& out, FieldFailure& failure) {
    const auto read = cards::Integer(card, field.field);
    out = read.ok() ? read.value : 0;
    if (!read.ok()) Note(failure, field);
}

char At(std::string_view card, const cards::Field& field) { return cards::Character(card, field); }

constexpr const cards::CardLayout& k04 = cards::kReferenceLineCard;
constexpr const cards::CardLayout& k05 = cards::kGirderLineCard;
constexpr const cards::CardLayout& k06 = cards::kBentLineCard;
constexpr const cards::CardLayout& k07 = cards::kDeadLoadCard;

constexpr Field kReferenceStation{k04["RefLine.RefLineSta"], "REFERENCE STATION"};
constexpr Field kStationOn{k04["RefLine.StaOn"], "STATION ON"};
constexpr Field kReferenceSkewDegrees{k04["RefLine.SkewAngle degrees"], "SKEW DEGREES"};
constexpr Field kReferenceSkewMinutes{k04["RefLine.SkewAngle minutes"], "SKEW MINUTES"};
constexpr Field kReferenceSkewSeconds{k04["RefLine.SkewAngle seconds"], "SKEW SECONDS"};
constexpr Field kSkewRespTo{k04["RefLine.SkewRespTo"], "SKEW WITH RESPECT TO"};
constexpr Field kDefaultSkewField{k04["RefLine.DefaultBentSkew"], "BENT LINE DEFAULT SKEW"};
constexpr Field kLayoutLineIs{k04["RefLine.LayoutLineIs"], "LAYOUT LINE"};
constexpr Field kTransX{k04["RefLine.TransX"], "TRANSFORM X"};
constexpr Field kTransY{k04["RefLine.TransY"], "TRANSFORM Y"};

constexpr Field kLineType{k05["LineType"], "LINE TYPE"};
constexpr Field kInitialOffset{k05["InitialOffset"], "INITIAL OFFSET"};
constexpr Field kInitialOffsetType{k05["InitialOffsetType"], "INITIAL OFFSET TYPE"};
constexpr Field kTerminalOffset{k05["TerminalOffset"], "TERMINAL OFFSET"};
constexpr Field kTerminalOffsetType{k05["TerminalOffsetType"], "TERMINAL OFFSET TYPE"};
constexpr Field kElevationShift{k05["ElevationShift"], "ELEVATION SHIFT"};
// The option columns 50-57 in column order.
constexpr const cards::Field* kGirderCodes[] = {
    &k05["BaseLineFlag"],       &k05["ChordFlag"],          &k05["ExteriorGirderCode"],
    &k05["XTypeRequestCode"],   &k05["DeadLoadGirderCode"], &k05["CamberDiagramFlag"],
    &k05["ConstantOffsetFlag"], &k05["SuppressListingFlag"]};

constexpr Field kBentDistance{k06["BentDistance"], "BENT DISTANCE"};
constexpr Field kDistanceType{k06["DistanceType"], "DISTANCE TYPE"};
constexpr Field kBentSkewDegrees{k06["BentSkew degrees"], "SKEW DEGREES"};
constexpr Field kBentSkewMinutes{k06["BentSkew minutes"], "SKEW MINUTES"};
constexpr Field kBentSkewSeconds{k06["BentSkew seconds"], "SKEW SECONDS"};
constexpr Field kSkewType{k06["SkewType"], "SKEW TYPE"};
constexpr Field kFractionalPoints{k06["FractionalPoints"], "FRACTIONAL POINTS"};

constexpr Field kDeflections[kTenthPoints] = {
    {k07["Deflection0"], "DEFLECTION 0"},  {k07["Deflection1"], "DEFLECTION 1"},
    {k07["Deflection2"], "DEFLECTION 2"},  {k07["Deflection3"], "DEFLECTION 3"},
    {k07["Deflection4"], "DEFLECTION 4"},  {k07["Deflection5"], "DEFLECTION 5"},
    {k07["Deflection6"], "DEFLECTION 6"},  {k07["Deflection7"], "DEFLECTION 7"},
    {k07["Deflection8"], "DEFLECTION 8"},  {k07["Deflection9"], "DEFLECTION 9"},
    {k07["Deflection10"], "DEFLECTION 10"}};

}  // namespace

FieldFailure ReadReferenceLineFields(std::string_view card, ReferenceLineFields& out) {
    FieldFailure failure;
    Read(card, kReferenceStation, out.station, failure);
    Read(card, kStationOn, out.staOn, failure);
    out.skewDirection = At(card, k04["RefLine.SkewDirection"]);
    Read(card, kReferenceSkewDegrees, out.skewDegrees, failure);
    Read(card, kReferenceSkewMinutes, out.skewMinutes, failure);
    Read(card, kReferenceSkewSeconds, out.skewSeconds, failure);
    Read(card, kSkewRespTo, out.skewRespTo, failure);
    Read(card, kDefaultSkewField, out.defaultSkew, failure);
    Read(card, kLayoutLineIs, out.layoutLineIs, failure);
    out.breakColumn = At(card, k04["RefLine.BreakAtReferenceLine"]);
    out.suppressColumn = At(card, k04["RefLine.SuppressListing"]);
    out.patternShiftColumn = At(card, k04["RefLine.PatternShiftOffset"]);
    out.reversedLayoutColumn = At(card, k04["RefLine.RevLayoutLine"]);
    out.xZeroColumn = At(card, k04["RefLine.XZeroPoints"]);
    out.column32 = At(card, k04["RefLine.SpareFlag"]);
    Read(card, kTransX, out.transX, failure);
    Read(card, kTransY, out.transY, failure);
    return failure;
}

FieldFailure ReadReuseFields(std::string_view card, ReuseFields& out) {
    FieldFailure failure;
    Read(card, kStationOn, out.staOn, failure);
    Read(card, kDefaultSkewField, out.defaultSkew, failure);
    out.breakColumn = At(card, k04["RefLine.BreakAtReferenceLine"]);
    out.suppressColumn = At(card, k04["RefLine.SuppressListing"]);
    out.patternShiftColumn = At(card, k04["RefLine.PatternShiftOffset"]);
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
    const std::string description = cards::Text(card, k05["GirderDescription"]);
    out.description = {description.substr(0, 10), description.substr(10, 10)};
    out.codes.clear();
    for (const cards::Field* code : kGirderCodes) out.codes += At(card, *code);
    return failure;
}

FieldFailure ReadBentLineFields(std::string_view card, BentLineFields& out) {
    FieldFailure failure;
    Read(card, kBentDistance, out.distance, failure);
    Read(card, kDistanceType, out.distanceType, failure);
    out.skewDirection = At(card, k06["SkewDirection"]);
    Read(card, kBentSkewDegrees, out.skewDegrees, failure);
    Read(card, kBentSkewMinutes, out.skewMinutes, failure);
    Read(card, kBentSkewSeconds, out.skewSeconds, failure);
    Read(card, kSkewType, out.skewType, failure);
    Read(card, kFractionalPoints, out.fractionalPoints, failure);
    out.fractionDecimalsBlank = cards::IsBlank(card, k06["FractionalPoints decimals"]);
    out.description = cards::Text(card, k06["BentDescription"]);
    out.options = cards::Text(card, k06["BentOptions"]);
    out.selection = cards::Text(card, k06["BentCodes"]);
    return failure;
}

FieldFailure ReadDeadLoadFields(std::string_view card, DeadLoadFields& out) {
    FieldFailure failure;
    out.label = cards::Text(card, k07["DeadLoadLabel"]);
    for (size_t k = 0; k < static_cast<size_t>(kTenthPoints); ++k) {
        const Field& field = kDeflections[k];
        out.blank[k] = cards::IsBlank(card, field.field);
        Read(card, field, out.deflections[k], failure);
    }
    return failure;
}

}  // namespace quillon::engine
