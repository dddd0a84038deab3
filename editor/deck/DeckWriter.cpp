#include "editor/deck/DeckWriter.hpp"

#include <string>

#include "editor/deck/BentLineCards.hpp"
#include "editor/deck/CrossSlopeCards.hpp"
#include "editor/deck/DeadLoadCards.hpp"
#include "editor/deck/DescriptionCards.hpp"
#include "editor/deck/GirderLineCards.hpp"
#include "editor/deck/HorizontalCard.hpp"
#include "editor/deck/ReferenceLineCard.hpp"
#include "editor/deck/RoadApproachCard.hpp"
#include "editor/deck/VerticalCard.hpp"
#include "platform/OutputFile.hpp"

namespace quillon::editor {

namespace {

// Adds the group's lines; false (and its failure kept) when one of its cards
// could not be written.
bool AddGroup(WrittenCards& out, WrittenCards group) {
    for (std::string& line : group.lines) out.lines.push_back(std::move(line));
    if (group.ok()) return true;
    out.failure = std::move(group.failure);
    return false;
}

}  // namespace

WrittenCards WriteDeckCards(const DeckModel& deck) {
    WrittenCards out;
    if (AddGroup(out, WriteDescriptionCards(deck)) && out.Add(WriteHorizontalCard(deck)) &&
        out.Add(WriteVerticalCard(deck)) && AddGroup(out, WriteCrossSlopeCards(deck)) &&
        out.Add(WriteReferenceLineCard(deck)) && AddGroup(out, WriteGirderLineCards(deck)) &&
        AddGroup(out, WriteBentLineCards(deck)) && AddGroup(out, WriteDeadLoadCards(deck)))
        AddGroup(out, WriteRoadApproachCard(deck));
    return out;
}

DeckFileResult WriteInputFile(const std::filesystem::path& path, const DeckModel& deck,
                              MessageSink& messages) {
    if (path.empty()) {
        messages.Warning(kNoOutputFile);
        return DeckFileResult::Failed(std::string(kNoOutputFile));
    }
    const WrittenCards cards = WriteDeckCards(deck);
    if (!cards.ok()) return DeckFileResult::Failed(cards.failure->Message());
    std::string content;
    for (const std::string& line : cards.lines) content += line + "\n";
    std::string error;
    if (!WriteOutputFile(path, content, error)) return DeckFileResult::Failed(error);
    return DeckFileResult::Done();
}

}  // namespace quillon::editor
