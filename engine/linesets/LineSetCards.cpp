// Reading the 04-07 cards of a line set into its tables; the checks that
// follow are in GirderLineChecks.cpp, ReferenceLinePlacement.cpp and
// BentLineChecks.cpp.
#include "engine/linesets/LineSetCards.hpp"

#include <cmath>
#include <optional>

#include "angles/Angles.hpp"
#include "engine/linesets/LineSetCardChecks.hpp"
#include "engine/linesets/LineSetCardFields.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kGirderLineCard = 5;
constexpr int kBentLineCard = 6;
constexpr int kDeadLoadCard = 7;
constexpr double kInchesPerFoot = 12.0;

bool IsLeft(char direction) { return direction == 'L' || direction == 'l' || direction == '-'; }

double SignedSkew(char direction, double degrees, double minutes, double seconds) {
    const double skew = angles::AngleFromDegreesMinutesSeconds(degrees, minutes, seconds);
    return IsLeft(direction) ? -skew : skew;
}

// A code of a column where any punch counts as set: "0" reads as "1".
int PunchCode(char c) { return CharacterCode(c == '0' ? '1' : c); }

void SetReferenceLine(ReferenceLine& reference, const ReferenceLineFields& fields) {
    reference = ReferenceLine{};
    reference.cardStation = fields.station;
    reference.staOn = fields.staOn;
    reference.skew = SignedSkew(fields.skewDirection, fields.skewDegrees, fields.skewMinutes,
                                fields.skewSeconds);
    reference.skewRespTo = fields.skewRespTo;
    reference.defaultSkewColumn = fields.defaultSkew;
    reference.layoutLineIs = fields.layoutLineIs;
    reference.breakColumn = fields.breakColumn;
    reference.suppressColumn = fields.suppressColumn;
    reference.patternShiftColumn = fields.patternShiftColumn;
    reference.revLayoutLine = CharacterCode(fields.reversedLayoutColumn) - 27;
    reference.xZeroColumn = fields.xZeroColumn;
    reference.column32 = fields.column32;
    reference.transX = fields.transX;
    reference.transY = fields.transY;
    const int rev = reference.revLayoutLine;
    reference.decreasing = rev > 0 && rev != 3;
    if (rev > 0 && rev != 2) reference.axisSign = Pair(-1.0, 0.0);
}

GirderLine GirderLineOf(const GirderLineFields& fields) {
    GirderLine line;
    line.lineType = fields.lineType;
    line.initialOffset = fields.initialOffset;
    line.initialOffsetType = fields.initialOffsetType;
    line.terminalOffset = fields.terminalOffset;
    line.terminalOffsetType = fields.terminalOffsetType;
    line.elevationShift = fields.elevationShift;
    line.description = fields.description;
    const std::string& c = fields.codes;  // columns 50-57
    line.baseLineCode = PunchCode(c[0]);
    line.chordCode = PunchCode(c[1]);
    line.exteriorCode = CharacterCode(c[2]);
    line.xTypeRequestCode = CharacterCode(c[3]);
    line.deadLoadCode = CharacterCode(c[4]);
    line.optionCode = PunchCode(c[5]);
    line.constantOffsetCode = PunchCode(c[6]);
    line.suppressCode = PunchCode(c[7]);
    return line;
}

// Reads the 05 cards, up to the first card of another type (none at the end
// of the deck).
std::optional<int> ReadGirderLineCards(EngineRun& run, LineSetState& lineSet,
                                       LineSetReadFailures& failures) {
    RunState& state = run.state;
    std::optional<int> type = state.currentCardType;
    while (type == kGirderLineCard) {
        if (static_cast<int>(lineSet.girders.lines.size()) < kMostGirderLines) {
            GirderLineFields fields;
            failures.girders.push_back(ReadGirderLineFields(state.cardImage, fields));
            lineSet.girders.lines.push_back(GirderLineOf(fields));
        } else {
            RecordIgnoredLine(state);
        }
        type = ReadNextCard(run);
    }
    lineSet.girders.count = static_cast<int>(lineSet.girders.lines.size());
    return type;
}

// Stores a newly read 06 card in a slot of its own; a readable card also gets
// the kind of its fractional points, and a bent line on a tangent of a
// straight control is put on the control.
void StoreBentLine(const BentLineFields& fields, bool readable, bool straight,
                   LineSetState& lineSet) {
    BentLine bent;
    bent.distance = fields.distance;
    bent.distanceType = fields.distanceType;
    bent.skewType = fields.skewType;
    bent.fractionalPoints = std::abs(fields.fractionalPoints);
    bent.description = fields.description;
    bent.options = fields.options;
    bent.selection = fields.selection;
    if (readable) {
        if (fields.fractionalPoints == 0.0)
            bent.fractionalPointKind = kNoFractionalPoints;
        else if (fields.fractionDecimalsBlank)
            bent.fractionalPointKind =
                std::abs(fields.fractionalPoints) < 1.001 ? kSingleFractionalPoint : kEqualParts;
        else
            bent.fractionalPointKind =
                fields.fractionalPoints < 0.0 ? kSpacingFromNextBent : kSpacingFromBent;
        if (straight &&
            (bent.distanceType == kOnBackTangent || bent.distanceType == kOnAheadTangent))
            bent.distanceType = kOnControl;
        if (bent.description[0] == '*') bent.description[0] = ' ';
    }
    lineSet.bents.slots.push_back(bent);
}

// The box of a 06 card whose skew conflicts with its distance type.
void WriteSkewConflict(EngineRun& run, const BentLine& bent) {
    WriteLineSetBox(
        run, {{BentLineName(bent)}, {"COL 11 CONFLICTS WITH COL 21"}, {"COLS 12-21 IGNORED"}},
        kLineBoxRoom);
}

// The skew and distance of the stored slot: a skew that conflicts with the
// distance type is boxed and dropped; a zero distance on a tangent marks the
// tangent used and puts the bent line on the control.
void SettleBentSkewAndDistance(EngineRun& run, bool straight, const BentLineFields& fields,
                               LineSetState& lineSet) {
    BentLine& bent = lineSet.bents.slots.back();
    if (bent.skewType > 0 && bent.distanceType < kNotADistanceType) {
        bent.skew = SignedSkew(fields.skewDirection, fields.skewDegrees, fields.skewMinutes,
                               fields.skewSeconds);
        if (straight && bent.skewType != kSkewFromLayoutLine) bent.skewType = kSkewFromBackTangent;
    } else if (bent.skewType != kDefaultSkew) {
        WriteSkewConflict(run, bent);
        bent.skewType = kDefaultSkew;
    }
    if (bent.distanceType <= kNotADistanceType && std::abs(bent.distance) <= kZeroLength) {
        if (bent.distanceType == kOnBackTangent) lineSet.tangentsUsed |= kBackTangentMark;
        if (bent.distanceType == kOnAheadTangent) lineSet.tangentsUsed |= kAheadTangentMark;
        bent.distance = 0.0;
        bent.distanceType = kOnControl;
    }
}

// Reads the 06 cards. Returns the type of the card that ended them (none
// at the end of the deck).
std::optional<int> ReadBentLineCards(EngineRun& run, const AlignmentState& alignment,
                                     LineSetState& lineSet, LineSetReadFailures& failures) {
    RunState& state = run.state;
    const bool straight = alignment.horizontal.horizontalTangent;
    std::optional<int> type = state.currentCardType;
    while (type == kBentLineCard) {
        if (lineSet.bents.Count() <= kMostBentLines) {
            BentLineFields fields;
            const FieldFailure failure = ReadBentLineFields(state.cardImage, fields);
            failures.bents.push_back(failure);
            StoreBentLine(fields, !failure.failed, straight, lineSet);
            if (!failure.failed) SettleBentSkewAndDistance(run, straight, fields, lineSet);
        } else {
            RecordIgnoredLine(state);
        }
        type = ReadNextCard(run);
    }
    return type;
}

// The dead-load box that drops the cards before the first initial card (or
// all of them).
void WriteImproperDeadLoad(EngineRun& run, const std::string& dropped) {
    WriteLineSetBox(run,
                    {{"IMPROPER USE OF DEAD LOAD DEFLECTION DATA CARDS"},
                     {"INITIAL CARD (FOR EACH SET OF DEFLECTIONS)"},
                     {"MUST NOT BE BLANK IN COL 4"},
                     {dropped}},
                    kDeadLoadBoxRoom);
}

struct DeadLoadReading {
    bool initialSeen = false;
    size_t setStart = 0;  // record of the current set's initial card
    double unitFactor = 1.0;
};

// Stores one 07 card: an initial card starts a set (one before the first
// initial card is dropped), and blank deflections read as none.
void StoreDeadLoadCard(EngineRun& run, LineSetState& lineSet, DeadLoadReading& reading) {
    std::vector<DeadLoadRecord>& records = lineSet.deadLoad.records;
    DeadLoadFields fields;
    const FieldFailure failure = ReadDeadLoadFields(run.state.cardImage, fields);
    if (failure.failed) {
        WriteLineSetBox(run, {{"FATAL ERROR -- 07 CARD"}, {FieldFailureText(failure)}},
                        kDeadLoadBoxRoom);
        run.state.runErrorFlag = true;
        lineSet.deadLoadUnreadable = true;
    }
    const bool initial = fields.label[1] != ' ';
    if (initial) {
        if (!reading.initialSeen && !records.empty()) {
            const std::string dropped = records.size() == 1
                                            ? std::string("FIRST 07 CARD IGNORED")
                                            : ff::Record()
                                                  .Text("FIRST")
                                                  .I(static_cast<long long>(records.size()), 3)
                                                  .Text(" 07 CARDS IGNORED")
                                                  .str();
            WriteImproperDeadLoad(run, dropped);
            records.clear();
        }
        if (!records.empty() && records.back().deflections[kTenthPoints - 1] == 0.0)
            records.back().deflections[kTenthPoints - 1] = kNoDeflection;
        reading.initialSeen = true;
        reading.setStart = records.size();
        reading.unitFactor =
            (fields.label[2] == 'F' || fields.label[2] == 'f') ? 1.0 : kInchesPerFoot;
    }
    DeadLoadRecord record;
    record.label = ff::PadRight(fields.label, 10);
    for (size_t k = 0; k < record.deflections.size(); ++k) {
        double value = fields.deflections[k];
        if (value == 0.0 && ((k == 0 && initial) || fields.blank[k]))
            value = kNoDeflection * reading.unitFactor;
        record.deflections[k] = value / reading.unitFactor;
    }
    records.push_back(record);
    ++records[reading.setStart].cardCount;
}

// Reads the 07 cards. Returns the type of the card that ended them (none
// at the end of the deck).
std::optional<int> ReadDeadLoadCards(EngineRun& run, LineSetState& lineSet) {
    RunState& state = run.state;
    std::vector<DeadLoadRecord>& records = lineSet.deadLoad.records;
    DeadLoadReading reading;
    std::optional<int> type = state.currentCardType;
    while (type == kDeadLoadCard) {
        if (static_cast<int>(records.size()) < kMostDeadLoadCards)
            StoreDeadLoadCard(run, lineSet, reading);
        else
            RecordIgnoredLine(state);
        type = ReadNextCard(run);
    }
    if (!records.empty() && records.back().deflections[kTenthPoints - 1] == 0.0)
        records.back().deflections[kTenthPoints - 1] = kNoDeflection;
    if (!reading.initialSeen && !records.empty()) {
        WriteImproperDeadLoad(run, "ALL 07 CARDS IGNORED");
        records.clear();
    }
    return type;
}

}  // namespace

StepEnd ReadLineSetCards(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet) {
    RunState& state = run.state;
    state.fatalFlag = true;
    const bool reuse = lineSet.sameReferenceAllowed;
    StartLineSet(lineSet, reuse);
    LineSetReadFailures failures;
    failures.bents.emplace_back();  // slot 1
    if (reuse) {
        lineSet.tangentsUsed = lineSet.reference.tangentMarks;
    } else {
        ReferenceLineFields fields;
        failures.reference = ReadReferenceLineFields(state.cardImage, fields);
        SetReferenceLine(lineSet.reference, fields);
        if (!ReadNextCard(run)) return StepEnd::AtDeckEnd;
    }
    lineSet.defaultSkewOption =
        alignment.horizontal.horizontalTangent ? 0 : lineSet.reference.defaultSkewColumn;

    std::optional<int> type = ReadGirderLineCards(run, lineSet, failures);
    if (!type) return StepEnd::AtDeckEnd;  // the deck ended where 06 cards were expected
    if (type == kBentLineCard) type = ReadBentLineCards(run, alignment, lineSet, failures);
    if (type == kDeadLoadCard) type = ReadDeadLoadCards(run, lineSet);
    const StepEnd end = type ? StepEnd::AtNextCard : StepEnd::AtDeckEnd;

    CheckGirderLines(run, alignment, lineSet, failures.girders);
    if (!reuse && !PlaceReferenceLine(run, alignment, lineSet, failures.reference)) return end;
    if (!CheckBentLines(run, alignment, lineSet, failures.bents)) return end;
    if (!reuse && !CheckChordDefinition(run, alignment, lineSet)) return end;
    state.fatalFlag = !CheckFlaredOffsetBents(run, lineSet);
    return end;
}

}  // namespace quillon::engine
