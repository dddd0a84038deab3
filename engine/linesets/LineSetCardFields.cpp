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

char At(std::string_view card, const cards::CardLayout& layout, std::string_view name) {
    return cards::Character(card, layout[name]);
}

constexpr const cards::CardLayout& k04 = cards::kReferenceLineCard;
constexpr const cards::CardLayout& k05 = cards::kGirderLineCard;
constexpr const cards::CardLayout& k06 = cards::kBentLineCard;
constexpr const cards::CardLayout& k07 = cards::kDeadLoadCard;

const Field kReferenceStation{k04["RefLine.RefLineSta"], "REFERENCE STATION"};
const Field kStationOn{k04["RefLine.StaOn"], "STATION ON"};
const Field kReferenceSkewDegrees{k04["RefLine.SkewAngle degrees"], "SKEW DEGREES"};
const Field kReferenceSkewMinutes{k04["RefLine.SkewAngle minutes"], "SKEW MINUTES"};
const Field kReferenceSkewSeconds{k04["RefLine.SkewAngle seconds"], "SKEW SECONDS"};
const Field kSkewRespTo{k04["RefLine.SkewRespTo"], "SKEW WITH RESPECT TO"};
const Field kDefaultSkewField{k04["RefLine.Option4"], "BENT LINE DEFAULT SKEW"};
const Field kLayoutLineIs{k04["RefLine.LayoutLineIs"], "LAYOUT LINE"};
const Field kTransX{k04["RefLine.TransX"], "TRANSFORM X"};
const Field kTransY{k04["RefLine.TransY"], "TRANSFORM Y"};

const Field kLineType{k05["LineType"], "LINE TYPE"};
const Field kInitialOffset{k05["InitialOffset"], "INITIAL OFFSET"};
const Field kInitialOffsetType{k05["InitialOffsetType"], "INITIAL OFFSET TYPE"};
const Field kTerminalOffset{k05["TerminalOffset"], "TERMINAL OFFSET"};
const Field kTerminalOffsetType{k05["TerminalOffsetType"], "TERMINAL OFFSET TYPE"};
const Field kElevationShift{k05["ElevationShift"], "ELEVATION SHIFT"};
// The option columns 50-57 in column order.
constexpr std::string_view kGirderCodes[] = {
    "BaseLineFlag",       "ChordFlag",         "ExteriorGirderCode", "XTypeRequestCode",
    "DeadLoadGirderCode", "CamberDiagramFlag", "ConstantOffsetFlag", "SuppressListingFlag"};

const Field kBentDistance{k06["BentDistance"], "BENT DISTANCE"};
const Field kDistanceType{k06["DistanceType"], "DISTANCE TYPE"};
const Field kBentSkewDegrees{k06["BentSkew degrees"], "SKEW DEGREES"};
const Field kBentSkewMinutes{k06["BentSkew minutes"], "SKEW MINUTES"};
const Field kBentSkewSeconds{k06["BentSkew seconds"], "SKEW SECONDS"};
const Field kSkewType{k06["SkewType"], "SKEW TYPE"};
const Field kFractionalPoints{k06["FractionalPoints"], "FRACTIONAL POINTS"};

constexpr std::string_view kDeflections[kTenthPoints] = {
    "Deflection0", "Deflection1", "Deflection2", "Deflection3", "Deflection4", "Deflection5",
    "Deflection6", "Deflection7", "Deflection8", "Deflection9", "Deflection10"};
constexpr const char* kDeflectionNames[kTenthPoints] = {
    "DEFLECTION 0", "DEFLECTION 1", "DEFLECTION 2", "DEFLECTION 3", "DEFLECTION 4", "DEFLECTION 5",
    "DEFLECTION 6", "DEFLECTION 7", "DEFLECTION 8", "DEFLECTION 9", "DEFLECTION 10"};

}  // namespace

FieldFailure ReadReferenceLineFields(std::string_view card, ReferenceLineFields& out) {
    FieldFailure failure;
    Read(card, kReferenceStation, out.station, failure);
    Read(card, kStationOn, out.staOn, failure);
    out.skewDirection = At(card, k04, "RefLine.Option1");
    Read(card, kReferenceSkewDegrees, out.skewDegrees, failure);
    Read(card, kReferenceSkewMinutes, out.skewMinutes, failure);
    Read(card, kReferenceSkewSeconds, out.skewSeconds, failure);
    Read(card, kSkewRespTo, out.skewRespTo, failure);
    Read(card, kDefaultSkewField, out.defaultSkew, failure);
    Read(card, kLayoutLineIs, out.layoutLineIs, failure);
    out.breakColumn = At(card, k04, "RefLine.Check1");
    out.suppressColumn = At(card, k04, "RefLine.Check2");
    out.patternShiftColumn = At(card, k04, "RefLine.Check3");
    out.reversedLayoutColumn = At(card, k04, "RefLine.RevLayoutLine");
    out.xZeroColumn = At(card, k04, "RefLine.Check4");
    out.column32 = At(card, k04, "RefLine.SpareFlag");
    Read(card, kTransX, out.transX, failure);
    Read(card, kTransY, out.transY, failure);
    return failure;
}

FieldFailure ReadReuseFields(std::string_view card, ReuseFields& out) {
    FieldFailure failure;
    Read(card, kStationOn, out.staOn, failure);
    Read(card, kDefaultSkewField, out.defaultSkew, failure);
    out.breakColumn = At(card, k04, "RefLine.Check1");
    out.suppressColumn = At(card, k04, "RefLine.Check2");
    out.patternShiftColumn = At(card, k04, "RefLine.Check3");
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
    for (std::string_view code : kGirderCodes) out.codes += At(card, k05, code);
    return failure;
}

FieldFailure ReadBentLineFields(std::string_view card, BentLineFields& out) {
    FieldFailure failure;
    Read(card, kBentDistance, out.distance, failure);
    Read(card, kDistanceType, out.distanceType, failure);
    out.skewDirection = At(card, k06, "SkewDirection");
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
        const Field field{k07[kDeflections[k]], kDeflectionNames[k]};
        out.blank[k] = cards::IsBlank(card, field.field);
        Read(card, field, out.deflections[k], failure);
    }
    return failure;
}

}  // namespace quillon::engine
