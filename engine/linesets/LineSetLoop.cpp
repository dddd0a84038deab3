#include "engine/linesets/LineSetLoop.hpp"

#include <algorithm>

#include "engine/linesets/LayoutLine.hpp"
#include "engine/linesets/LineSetCardFields.hpp"
#include "engine/linesets/LineSetCards.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/FieldReader.hpp"

namespace quillon::engine {

namespace {

constexpr int kReferenceLineCard = 4;

// A 04 card follows the line set. It lends columns 25 and 27-29 to the line set
// that may reuse this reference line; with 3 in column 14 (and a layout line
// computed) the card is consumed and the next line set reuses it.
StepEnd LookAtNextReferenceCard(EngineRun& run, LineSetState& lineSet) {
    ReuseFields fields;
    if (ReadReuseFields(run.state.cardImage, fields).failed) {
        lineSet.sameReferenceAllowed = false;  // the next line set reads the card and reports it
        return StepEnd::AtNextCard;
    }
    ReferenceLine& reference = lineSet.reference;
    reference.defaultSkewColumn = fields.defaultSkew;
    reference.breakColumn = fields.breakColumn;
    reference.suppressColumn = fields.suppressColumn;
    reference.patternShiftColumn = fields.patternShiftColumn;
    lineSet.sameReferenceAllowed =
        lineSet.sameReferenceAllowed && fields.staOn == kSameReferenceLine;
    if (lineSet.sameReferenceAllowed && !ReadNextCard(run)) return StepEnd::AtDeckEnd;
    return StepEnd::AtNextCard;
}

}  // namespace

StepEnd ProcessLineSet(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                       const LineSetSteps& steps) {
    RunState& state = run.state;
    StepEnd end = StepEnd::AtNextCard;
    for (;;) {
        ++state.sectionCounter;
        if (!fixedform::IsBlank(state.headings.SectionNumber()))
            state.headings.SectionNumber() = MakeSectionNumberText(state.sectionCounter);
        end = ReadLineSetCards(run, alignment, lineSet);
        if (end == StepEnd::AtDeckEnd && CardsStillExpected(state)) return end;
        if (!state.fatalFlag) ProcessLayoutLine(run, alignment, lineSet);
        if (end == StepEnd::AtNextCard && state.currentCardType == kReferenceLineCard) {
            end = LookAtNextReferenceCard(run, lineSet);
            if (end == StepEnd::AtDeckEnd) return end;
            if (state.fatalFlag) {
                state.runErrorFlag = true;
                continue;
            }
        }
        break;
    }
    if (state.fatalFlag) return end;

    steps.segmentedGirderLines(run, alignment, lineSet);
    steps.type4GirderLines(run, alignment, lineSet);

    const bool earlierFatal = state.fatalFlag;
    bool deadLoadFailed = lineSet.deadLoadUnreadable;
    if (!deadLoadFailed && !lineSet.deadLoad.records.empty()) {
        steps.deadLoad(run, alignment, lineSet);
        if (!state.fatalFlag || earlierFatal) return end;
        deadLoadFailed = true;
    }
    if (deadLoadFailed) {
        // The line set goes on without dead load and with one girder line at most.
        GirderLineTable& girders = lineSet.girders;
        girders.count = std::min(girders.count, 1);
        state.runErrorFlag = true;
        state.fatalFlag = earlierFatal;
    }
    for (BentLine& bent : lineSet.bents.slots) bent.deadLoadCode = 0;
    return end;
}

}  // namespace quillon::engine
