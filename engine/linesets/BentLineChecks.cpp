// The checks of the 06 cards of a line set, the chord of a chord layout line
// and the flared offset bent lines.
#include <algorithm>
#include <cmath>

#include "engine/linesets/LineSetCardChecks.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/run/TextHelpers.hpp"

namespace quillon::engine {

namespace {

constexpr int kReferenceLineCard = 4;
constexpr int kBentLineCard = 6;

// The option columns 39-42 and the columns 43-46 of the selection text.
constexpr size_t kBreakColumn = 0;         // 39
constexpr size_t kFlaredOffsetColumn = 1;  // 40
constexpr size_t kChordColumn = 2;         // 41
constexpr size_t kSuppressColumn = 3;      // 42
constexpr size_t kSelectionColumn = 0;     // 43
constexpr size_t kDeadLoadColumn = 1;      // 44
constexpr size_t kDefinesColumn = 2;       // 45
constexpr size_t kHangsOnColumn = 3;       // 46
constexpr size_t kColumn47 = 4;            // 47

bool Punched(const std::string& text, size_t at) { return text[at] != ' '; }

void WriteBentFatal(EngineRun& run, const std::string& message, const BentLine& bent) {
    WritePlainFatal(run, {message + " -- " + BentLineName(bent)}, kBentLineCard);
}

void WriteChordEndIgnored(EngineRun& run, BentLine& bent) {
    WriteLineSetBox(
        run, {{BentLineName(bent)}, {"COL 41 CONFLICTS WITH COL 11 OR 21"}, {"COL 41 IGNORED"}},
        kLineBoxRoom);
    bent.options[kChordColumn] = ' ';
}

bool AtReferenceLine(const BentLine& bent) {
    return bent.distance == 0.0 && bent.skewType == kDefaultSkew;
}

// What the step keeps while it goes through the slots.
struct BentChoices {
    int chordEnds = 0;
    int flaredBents = 0;
};

// Step d: column 41.
void TakeChordEnd(EngineRun& run, LineSetState& lineSet, BentChoices& choices, int k) {
    BentLine& bent = lineSet.bents.Slot(k);
    if (choices.chordEnds >= 2 || lineSet.reusing ||
        lineSet.reference.layoutLineIs != kChordLayout || !Punched(bent.options, kChordColumn))
        return;
    const int chord = lineSet.chordGirderLine;
    if (chord > 0 && lineSet.girders.Line(chord).lineType == kFlaredLine) return;
    if (bent.distanceType > kNotADistanceType ||
        (bent.skewType == kSkewFromLayoutLine &&
         (chord > 0 || bent.distanceType > kOnLayoutLine))) {
        WriteChordEndIgnored(run, bent);
        return;
    }
    if (AtReferenceLine(bent)) return;
    if (choices.chordEnds == 0) {
        lineSet.chordBentLines = {k, 1};  // with the reference line, until a second comes
        choices.chordEnds = 1;
        return;
    }
    const int first = lineSet.chordBentLines[0];
    const BentLine& other = lineSet.bents.Slot(first);
    if (other.distanceType == kOnLayoutLine || bent.distanceType == kOnLayoutLine) {
        WriteChordEndIgnored(run, bent);
        return;
    }
    // The one with the larger |distance| first; on equal distances the later card.
    if (std::abs(bent.distance) >= std::abs(other.distance))
        lineSet.chordBentLines = {k, first};
    else
        lineSet.chordBentLines = {first, k};
    choices.chordEnds = 2;
}

// Step e: column 40. False when the line set is fatal.
bool TakeFlaredBent(EngineRun& run, LineSetState& lineSet, BentChoices& choices, int k) {
    const BentLine& bent = lineSet.bents.Slot(k);
    if (lineSet.girders.typeCounts[kFlaredLine] == 0 || choices.flaredBents >= 2 ||
        !Punched(bent.options, kFlaredOffsetColumn) || AtReferenceLine(bent))
        return true;
    if (bent.distanceType >= kNotADistanceType) {
        WriteBentFatal(run, "COL 11 CONFLICTS WITH COL 40", bent);
        return false;
    }
    if (choices.flaredBents == 0)
        lineSet.flaredInitialBent = k;
    else
        lineSet.flaredTerminalBent = k;
    ++choices.flaredBents;
    return true;
}

// Step g: flags and codes.
void SetBentCodes(BentLine& bent) {
    bent.suppressed =
        bent.fractionalPointKind == kNoFractionalPoints && Punched(bent.options, kSuppressColumn);
    const char selection = bent.selection[kSelectionColumn];
    if (selection == '*') {
        bent.fractionalPointKind = kNoFractionalPoints;
        bent.selectionCode = kStarSelection;
    } else {
        bent.selectionCode = selection == ' ' ? kNoSelection : CharacterCode(selection);
    }
    bent.noBreak = bent.suppressed || bent.selectionCode > kNoSelection ||
                   !Punched(bent.options, kBreakColumn);
    bent.deadLoadCode =
        bent.fractionalPointKind < 0 ? 0 : CharacterCode(bent.selection[kDeadLoadColumn]);
    bent.definesReference = CharacterCode(bent.selection[kDefinesColumn]);
    bent.hangsOnReference = CharacterCode(bent.selection[kHangsOnColumn]);
}

int Column47Code(char c) {
    if (c == 'B' || c == 'b') return 1;
    if (c == 'S' || c == 's') return 2;
    return 0;
}

// Steps a-j for slot k. False when the line set is fatal.
bool CheckBentLine(EngineRun& run, bool straight, LineSetState& lineSet, BentChoices& choices,
                   const FieldFailure& failure, int k) {
    BentLine& bent = lineSet.bents.Slot(k);
    const ReferenceLine& reference = lineSet.reference;
    if (!failure.failed) {
        if (bent.skewType != kDefaultSkew) {
            if (bent.skewType == kSkewFromLayoutLine && reference.layoutLineIs != kChordLayout)
                bent.skewType = std::min(reference.layoutLineIs + 2, int{kSkewFromAheadTangent});
            if (straight && !lineSet.reusing &&
                !(bent.skewType == kSkewFromLayoutLine && FlaredChordOffsetsDiffer(lineSet)))
                bent.skewType = kSkewFromBackTangent;
        }
        if (bent.skewType == reference.skewRespTo && std::abs(bent.distance) <= kZeroLength &&
            std::abs(bent.skew - reference.skew) <= kSameSkew) {
            if (bent.distanceType == kOnBackTangent) lineSet.tangentsUsed |= kBackTangentMark;
            if (bent.distanceType == kOnAheadTangent) lineSet.tangentsUsed |= kAheadTangentMark;
            bent.distance = 0.0;
            bent.distanceType = kOnControl;
            bent.skewType = kDefaultSkew;
        }
    }
    if (failure.failed) {
        WriteBentFatal(run, FieldFailureText(failure), bent);
        return false;
    }
    if (bent.skewType < kDefaultSkew || bent.skewType > kSkewFromAheadTangent ||
        bent.distanceType < kOnControl || bent.distanceType > kSegmentChordLength ||
        bent.distanceType == kNotADistanceType) {
        WriteBentFatal(run, "COL 11 OR 21 OUT OF RANGE", bent);
        return false;
    }
    TakeChordEnd(run, lineSet, choices, k);
    if (!TakeFlaredBent(run, lineSet, choices, k)) return false;

    const bool heldFirstOnLayout = choices.chordEnds > 0 && lineSet.chordBentLines[0] == k &&
                                   bent.distanceType == kOnLayoutLine;
    const bool allowed = heldFirstOnLayout ||
                         (lineSet.defaultSkewOption == 0 && bent.skewType == kDefaultSkew) ||
                         bent.skewType > kSkewFromControl || bent.distanceType == kOnControl ||
                         bent.distanceType > kNotADistanceType;
    if (!allowed) {
        WriteBentFatal(run, "COL 11 CONFLICTS WITH COL 21", bent);
        return false;
    }
    SetBentCodes(bent);
    const bool hangs = Punched(bent.selection, kHangsOnColumn);
    const bool hangsOk =
        hangs ? (bent.distanceType == kNormalOffset || bent.distanceType == kSegmentChordLength) &&
                    bent.hangsOnReference != bent.definesReference
              : bent.distanceType < kNotADistanceType;
    if (!hangsOk) {
        WriteBentFatal(run, "COL 46 CONFLICTS WITH COL 11 OR 45", bent);
        return false;
    }
    bent.column47Code = Column47Code(bent.selection[kColumn47]);
    if (!reference.fromLayoutLine && lineSet.defaultSkewOption == 1 &&
        bent.skewType <= kDefaultSkew) {
        bent.skewType = kSkewFromControl;
        bent.skew = reference.skewUsed;
    }
    return true;
}

}  // namespace

bool CheckBentLines(EngineRun& run, const AlignmentState& alignment, LineSetState& lineSet,
                    const std::vector<FieldFailure>& failures) {
    const bool straight = alignment.horizontal.horizontalTangent;
    BentChoices choices;
    for (int k = 2; k <= lineSet.bents.Count(); ++k)
        if (!CheckBentLine(run, straight, lineSet, choices, failures[static_cast<size_t>(k - 1)],
                           k))
            return false;
    return true;
}

bool CheckChordDefinition(EngineRun& run, const AlignmentState& alignment,
                          const LineSetState& lineSet) {
    if (lineSet.chordBentLines[1] > 1) return true;  // two chord ends
    const int chord = lineSet.chordGirderLine;
    const bool applies =
        (lineSet.reference.layoutLineIs == kChordLayout && lineSet.chordBentLines[0] == 0) ||
        (chord > 0 && lineSet.reference.skewRespTo == kSkewFromLayoutLine);
    if (!applies) return true;
    if (chord > 0) {
        const int type = lineSet.girders.Line(chord).lineType;
        if (type == kFlaredLine ||
            (type == kParallelToControl && alignment.horizontal.horizontalTangent))
            return true;
    }
    WritePlainFatal(run,
                    {"EITHER  (1) 04 CARD HAS ERROR IN COL 24 OR 26",
                     "    OR  (2) NOT ENOUGH 06 CARDS HAVE PUNCH IN COL 41"},
                    kReferenceLineCard);
    return false;
}

bool CheckFlaredOffsetBents(EngineRun& run, LineSetState& lineSet) {
    if (lineSet.girders.typeCounts[kFlaredLine] == 0) return true;
    if (lineSet.flaredInitialBent == 0) {
        WritePlainFatal(run, {"NOT ENOUGH 06 CARDS HAVE PUNCH IN COL 40"}, kBentLineCard);
        return false;
    }
    if (lineSet.flaredTerminalBent == 0) lineSet.flaredTerminalBent = 1;
    return true;
}

}  // namespace quillon::engine
