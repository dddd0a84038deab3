// The alignment cards of a Problem, from the card after its first 00 card up
// to its first 04 card: the DESCRIPTION lines, the 01, 02 and 03 cards and
// the override rows, then the horizontal alignment, the limits, the vertical
// profile, the cross-slope table and the LIMITS section.
#include <algorithm>
#include <optional>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "engine/alignment/AlignmentCardReader.hpp"
#include "engine/alignment/AlignmentState.hpp"
#include "engine/alignment/AlignmentStep.hpp"
#include "engine/alignment/HorizontalAlignmentListing.hpp"
#include "engine/alignment/HorizontalAlignmentStep.hpp"
#include "engine/alignment/ValidDataLimits.hpp"
#include "engine/geometry/Tolerance.hpp"
#include "engine/run/CardStream.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kReferenceLineCard = 4;
constexpr size_t kMostOverrideRows = 15;
constexpr double kOverrideSpacing = 1.0;  // feet: rows closer than this are one row
constexpr int kCrownParabolic = 5;

void WriteDescriptionHeading(EngineRun& run) {
    run.listing.WritePageHeading(5, 4);
    run.listing.WriteEmpty();
    run.listing.WriteEmpty();
    run.listing.Write(" DESCRIPTION");
    run.listing.WriteEmpty();
}

void WriteDescriptionLine(EngineRun& run) {
    run.listing.WritePageHeading(1, 1);
    const std::string text =
        cards::Text(run.state.cardImage, cards::kDescriptionTextCard["Description.Text"]);
    run.listing.Write(ff::Record().X(27).Text(text).str());
}

// A field of card `cardType` that is not a number: the card's fatal box
// naming the field. Returns whether it failed.
bool ReportFieldFailure(EngineRun& run, const FieldFailure& failure, int cardType,
                        int titleBlanks) {
    if (!failure.failed) return false;
    const std::string message = FieldFailureText(failure);
    const int messageBlanks = std::max(0, (65 - static_cast<int>(message.size())) / 2);
    WriteFatalCardBox(run, cardType, titleBlanks, message, messageBlanks);
    run.state.fatalFlag = true;
    return true;
}

// A bad 02 or 03 card: the Problem is fatal and its limits become empty.
bool ReportProfileCardFailure(EngineRun& run, AlignmentState& alignment,
                              const FieldFailure& failure, int cardType, int titleBlanks) {
    if (!ReportFieldFailure(run, failure, cardType, titleBlanks)) return false;
    alignment.limits.valid = false;
    return true;
}

// Adds the row at the end and moves it down into station order; a row
// within 1.0 of a held row is taken out again. Returns whether it was kept.
bool InsertOverrideRow(std::vector<CrossSlopeOverrideRow>& rows, const CrossSlopeOverrideRow& row) {
    rows.push_back(row);
    for (size_t i = rows.size() - 1; i > 0; --i) {
        const int order =
            geometry::CompareWithTolerance(rows[i].station, rows[i - 1].station, kOverrideSpacing);
        if (order > 0) return true;
        if (order == 0) {
            rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i));
            return false;
        }
        std::swap(rows[i], rows[i - 1]);
    }
    return true;
}

// The further 03 cards up to the first 04 card.
StepEnd ReadOverrideRows(EngineRun& run, AlignmentState& alignment) {
    AlignmentCards& cards = alignment.cards;
    for (;;) {
        const std::optional<int> type = ReadNextCard(run);
        if (!type) return StepEnd::AtDeckEnd;
        if (*type == kReferenceLineCard) return StepEnd::AtNextCard;
        if (cards.crossSlope.crownCode == kCrownParabolic ||
            cards.overrides.size() >= kMostOverrideRows) {
            RecordIgnoredLine(run.state);
            continue;
        }
        CrossSlopeOverrideRow row;
        if (ReportProfileCardFailure(run, alignment,
                                     ReadCrossSlopeOverrideCard(run.state.cardImage, row), 3, 21))
            continue;
        if (!InsertOverrideRow(cards.overrides, row)) RecordIgnoredLine(run.state);
    }
}

}  // namespace

StepEnd ProcessAlignmentCards(EngineRun& run, AlignmentState& alignment) {
    RunState& state = run.state;
    alignment = AlignmentState{};
    state.fatalFlag = false;

    // Further 00 cards are the description; an 01 card may follow them.
    bool described = false;
    bool horizontalFailed = false;
    std::optional<int> type = ReadNextCard(run);
    while (type == 0 || type == 1) {
        if (type == 0) {
            if (!described) WriteDescriptionHeading(run);
            described = true;
            WriteDescriptionLine(run);
        } else {
            horizontalFailed = ReportFieldFailure(
                run, ReadHorizontalAlignmentCard(state.cardImage, alignment.cards.horizontal), 1,
                22);
        }
        type = ReadNextCard(run);
    }
    if (!type) return StepEnd::AtDeckEnd;

    // The card order lets only the 02 card and then an 03 card through here.
    const bool verticalFailed = ReportProfileCardFailure(
        run, alignment, ReadVerticalAlignmentCard(state.cardImage, alignment.cards.vertical), 2,
        22);
    if (!ReadNextCard(run)) return StepEnd::AtDeckEnd;
    const bool crossSlopeFailed = ReportProfileCardFailure(
        run, alignment, ReadCrossSlopeCard(state.cardImage, alignment.cards.crossSlope), 3, 21);
    if (ReadOverrideRows(run, alignment) == StepEnd::AtDeckEnd) return StepEnd::AtDeckEnd;
    SetUpCrossSlopeTable(alignment.cards.crossSlope, alignment.cards.overrides,
                         alignment.crossSlope);

    const bool superelevation =
        alignment.cards.crossSlope.crownCode != kCrownParabolic && !crossSlopeFailed;
    BuildHorizontalAlignment(run, alignment, horizontalFailed, superelevation);
    state.alignmentMarker = std::max(alignment.horizontal.tsStation, kAlignmentMarkerFloor);

    const Stationing stationing = alignment.Stationing();
    ReadValidDataLimits(run, stationing, alignment.limits);
    if (!verticalFailed)
        BuildVerticalProfile(run, alignment.cards, stationing, alignment.limits, alignment.profile);
    if (!crossSlopeFailed)
        WriteCrossSlopeSection(run, stationing, alignment.cards.crossSlope, alignment.crossSlope,
                               alignment.limits);
    WriteLimitsSection(run, alignment.limits);
    WidenValidDataLimits(alignment.limits);
    return StepEnd::AtNextCard;
}

}  // namespace quillon::engine
