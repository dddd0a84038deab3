#include "engine/run/CardStream.hpp"

#include <algorithm>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "cards/DeckRules.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"
#include "fixedform/TextLines.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// May a card of type `next` follow one of type `last`?
bool FollowsInOrder(int last, int next) {
    switch (last) {
        case 0:
            return next == 0 || next == 1 || next == 2;
        case 1:
            return next == 2;
        case 2:
            return next == 3;
        case 3:
            return next == 3 || next == 4;
        case 4:
            return next == 5;
        case 5:
            return next == 5 || next == 6;
        case 6:
            return next == 6 || next == 7 || next == 8 || next == 0 || next == 4;
        case 7:
            return next == 7 || next == 8 || next == 0 || next == 4;
        default:
            return next == 0;  // 8: after a Problem's end only a 00 card
    }
}

}  // namespace

std::optional<int> ReadNextCard(EngineRun& run) {
    RunState& state = run.state;
    if (run.deck.Ended()) return std::nullopt;
    std::string line;
    while (run.deck.NextLine(line)) {
        state.cardImage = ff::CardColumns(line);
        if (cards::IsCommentCard(state.cardImage)) continue;
        auto read = cards::Integer(state.cardImage, cards::kCardType);
        if (!read.ok() || read.value < 0 || read.value > 8 ||
            !FollowsInOrder(state.currentCardType, read.value)) {
            RecordIgnoredLine(state);
            continue;
        }
        state.currentCardType = read.value;
        return read.value;
    }
    run.deck.MarkEnded();
    return std::nullopt;
}

bool CardsStillExpected(const RunState& state) {
    constexpr int kFirstTypeThatMayEndTheDeck = 6;
    return state.currentCardType < kFirstTypeThatMayEndTheDeck;
}

void RecordIgnoredLine(RunState& state) {
    ++state.ignored.count;
    if (state.ignored.count <= IgnoredLines::kKept) state.ignored.lines.push_back(state.cardImage);
}

void WriteIgnoredLinesReport(EngineRun& run) {
    IgnoredLines& ignored = run.state.ignored;
    ListingWriter& out = run.listing;
    out.WriteEmpty();
    out.WriteEmpty();
    out.Write(ErrorBoxLine());
    out.Write(ErrorBoxLine({{58, "FATAL ERROR"}}));
    out.Write(ErrorBoxLine({{44, "THE FOLLOWING INPUT LINES WERE IGNORED:"}}));
    out.Write(ErrorBoxLine());
    int listed = std::min<int>(ignored.count, IgnoredLines::kKept);
    for (int k = 0; k < listed && k < static_cast<int>(ignored.lines.size()); ++k)
        out.Write(
            ff::Record().X(30).Text(ff::CardColumns(ignored.lines[static_cast<size_t>(k)])).str());
    if (listed < IgnoredLines::kKept) out.WriteEmpty();
    if (ignored.count > IgnoredLines::kKept) {
        out.WriteEmpty();
        out.Write(ff::Record()
                      .X(30)
                      .Text("-- AND")
                      .I(ignored.count - IgnoredLines::kKept, 3)
                      .Text(" OTHER(S)")
                      .str());
    }
    ignored.count = 0;
    ignored.lines.clear();
}

void ProcessDescriptionCard(EngineRun& run) {
    RunState& state = run.state;
    if (state.ignored.count > 0) {
        run.listing.WritePageHeading(IgnoredReportLines(state.ignored.count), 0);
        WriteIgnoredLinesReport(run);
        // An earlier Problem has reached its alignment (strictly above the
        // floor): the next Problem starts on a new page.
        if (state.alignmentMarker > kAlignmentMarkerFloor) run.listing.WritePageHeading(-1, 0);
        state.runErrorFlag = true;
    }
    std::string previous = state.headings.StructureId();
    std::string id =
        cards::Text(state.cardImage, cards::kDescriptionCard["Description.StructureID"]);
    bool blankId = ff::IsBlank(id);
    if (!blankId) state.headings.StructureId() = id;
    if (state.NoAlignmentReached()) return;
    if (blankId || WithoutBlanks(id) == WithoutBlanks(previous)) {
        state.sectionCounter = std::max(state.sectionCounter + 1, 2);
        state.headings.SectionNumber() = MakeSectionNumberText(state.sectionCounter);
    } else {
        state.headings.SectionNumber() = std::string(10, ' ');
        state.sectionCounter = 0;
    }
}

}  // namespace quillon::engine
