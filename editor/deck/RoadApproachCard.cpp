#include "editor/deck/RoadApproachCard.hpp"

#include <array>

#include "cards/CardLayouts.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kCard = cards::kRoadApproachCard;

struct Offset {
    cards::FieldName field;
    std::string_view label;
    std::string RoadAppr::*box;
};
constexpr std::array<Offset, 7> kOffsets = {{
    {"RoadAppr.Off1", "Offset 1 from Horizontal Control", &RoadAppr::Off1},
    {"RoadAppr.Off2", "Offset 2 from Horizontal Control", &RoadAppr::Off2},
    {"RoadAppr.Off3", "Offset 3 from Horizontal Control", &RoadAppr::Off3},
    {"RoadAppr.Off4", "Offset 4 from Horizontal Control", &RoadAppr::Off4},
    {"RoadAppr.Off5", "Offset 5 from Horizontal Control", &RoadAppr::Off5},
    {"RoadAppr.Off6", "Offset 6 from Horizontal Control", &RoadAppr::Off6},
    {"RoadAppr.Off7", "Offset 7 from Horizontal Control", &RoadAppr::Off7},
}};

}  // namespace

void ReadRoadApproachCard(DeckModel& deck, std::string_view card, MessageSink&) {
    deck.ticks.mnuFormRoadApp = true;
    RoadAppr& form = deck.roadAppr;
    CardFieldTexts fields(kCard, card, deck.MetricFlag);
    form.BegStr = fields.StationText("RoadAppr.BegStr");
    form.EndStr = fields.StationText("RoadAppr.EndStr");
    form.Length = fields.NumberText("RoadAppr.Length");
    for (const Offset& offset : kOffsets) form.*offset.box = fields.NumberTextOrEmpty(offset.field);
    form.readFromDeck = true;
}

WrittenCards WriteRoadApproachCard(const DeckModel& deck) {
    const RoadAppr& form = deck.roadAppr;
    WrittenCards out;
    if (!form.readFromDeck &&
        (form.BegStr.empty() ||
         form.BegStr == std::string(static_cast<size_t>(kCard["RoadAppr.BegStr"].Width()), ' ')))
        return out;
    CardLineWriter line(kCard, deck.MetricFlag);
    line.Number("RoadAppr.BegStr", "Begin Structure", form.BegStr);
    line.Number("RoadAppr.EndStr", "End Structure", form.EndStr);
    line.Number("RoadAppr.Length", "Approach Length", form.Length);
    for (const Offset& offset : kOffsets) line.Number(offset.field, offset.label, form.*offset.box);
    out.Add(line.Finish());
    return out;
}

}  // namespace quillon::editor
