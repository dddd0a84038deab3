#include "editor/deck/DeckReader.hpp"

#include <string_view>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "cards/DeckRules.hpp"
#include "editor/deck/BentLineCards.hpp"
#include "editor/deck/CrossSlopeCards.hpp"
#include "editor/deck/DeadLoadCards.hpp"
#include "editor/deck/DescriptionCards.hpp"
#include "editor/deck/GirderLineCards.hpp"
#include "editor/deck/HorizontalCard.hpp"
#include "editor/deck/ReferenceLineCard.hpp"
#include "editor/deck/RoadApproachCard.hpp"
#include "editor/deck/VerticalCard.hpp"
#include "fixedform/FieldReader.hpp"
#include "platform/FileContents.hpp"

namespace quillon::editor {

namespace {

// Columns 1-2 of a line as they stand.
std::string TypeOf(std::string_view line) { return cards::Text(line, cards::kCardType); }

// The cards that the model does not keep.
struct NotKept {
    int count = 0;
    int firstLine = 0;  // from 1
    std::string firstType;

    void Add(size_t index, std::string_view line) {
        if (count++ == 0) {
            firstLine = static_cast<int>(index) + 1;
            firstType = DeckText(TypeOf(line));
        }
    }

    std::string Warning() const {
        const std::string head = "Warning: (" + firstType + ") ";
        const std::string why =
            " (the editor holds one line set of one problem, and no comment cards); a saved deck "
            "leaves ";
        const std::string line = std::to_string(firstLine);
        if (count == 1) return head + "1 card is not kept, at line " + line + why + "it out.";
        return head + std::to_string(count) + " cards are not kept, the first at line " + line +
               why + "them out.";
    }
};

// The deck's cards in order, one offered at a time.
class CardSupply {
public:
    explicit CardSupply(const std::vector<std::string>& lines) : lines_(lines) { SkipUnread(); }

    // The card offered now is of the layout's type.
    bool Is(const cards::CardLayout& layout) const {
        return next_ < lines_.size() && TypeOf(lines_[next_]) == cards::TypeText(layout);
    }
    // The card offered now, which is taken; the next one is offered.
    std::string_view Take() {
        std::string_view card = lines_[next_++];
        SkipUnread();
        return card;
    }
    // Every card left is not kept.
    void LeaveTheRest() {
        for (; next_ < lines_.size(); ++next_)
            if (!fixedform::IsBlank(lines_[next_])) notKept.Add(next_, lines_[next_]);
    }

    NotKept notKept;

private:
    // Passes over comment lines (not kept) and lines of blanks.
    void SkipUnread() {
        for (; next_ < lines_.size(); ++next_) {
            const std::string& line = lines_[next_];
            if (cards::IsCommentCard(line))
                notKept.Add(next_, line);
            else if (!fixedform::IsBlank(line))
                return;
        }
    }

    const std::vector<std::string>& lines_;
    size_t next_ = 0;
};

}  // namespace

void ReadDeckLines(const std::vector<std::string>& lines, DeckModel& deck, MessageSink& messages) {
    deck.Reset();
    CardSupply supply(lines);
    if (supply.Is(cards::kDescriptionCard)) ReadFirstCard(deck, supply.Take(), messages);
    while (supply.Is(cards::kDescriptionTextCard))
        ReadDescriptionCard(deck, supply.Take(), messages);
    // The units of the deck's run, whatever the first card and a units card
    // said on their own.
    deck.MetricFlag = cards::IsMetricDeck(lines);

    if (supply.Is(cards::kHorizontalAlignmentCard))
        ReadHorizontalCard(deck, supply.Take(), messages);
    if (supply.Is(cards::kVerticalAlignmentCard)) ReadVerticalCard(deck, supply.Take(), messages);
    if (supply.Is(cards::kCrossSlopeCard)) {
        ReadCrossSectionCard(deck, supply.Take(), messages);
        for (int row = 0; supply.Is(cards::kCrossSlopeOverrideCard); ++row)
            ReadOverrideCard(deck, row, supply.Take(), messages);
    }
    if (supply.Is(cards::kReferenceLineCard)) ReadReferenceLineCard(deck, supply.Take(), messages);
    for (deck.GirderLineCount = 0; supply.Is(cards::kGirderLineCard); ++deck.GirderLineCount)
        ReadGirderLineCard(deck, deck.GirderLineCount, supply.Take(), messages);
    for (deck.BentLineCount = 0; supply.Is(cards::kBentLineCard); ++deck.BentLineCount)
        ReadBentLineCard(deck, deck.BentLineCount, supply.Take(), messages);
    for (deck.DeadLoadCount = 0; supply.Is(cards::kDeadLoadCard); ++deck.DeadLoadCount)
        ReadDeadLoadCard(deck, deck.DeadLoadCount, supply.Take(), messages);
    if (supply.Is(cards::kRoadApproachCard)) ReadRoadApproachCard(deck, supply.Take(), messages);

    supply.LeaveTheRest();
    if (supply.notKept.count > 0) messages.Warning(supply.notKept.Warning());
}

DeckFileResult ReadInputFile(const std::filesystem::path& path, DeckModel& deck,
                             MessageSink& messages) {
    const FileContents file = ReadFileContents(path);
    if (!file.ok) return DeckFileResult::Failed(file.reason);
    // LF, CRLF and a lone CR each end a line, as in a typed text.
    ReadDeckLines(SplitTypedLines(file.bytes), deck, messages);
    return DeckFileResult::Done();
}

}  // namespace quillon::editor
