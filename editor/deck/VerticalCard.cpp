#include "editor/deck/VerticalCard.hpp"

#include <array>

#include "cards/CardLayouts.hpp"

namespace quillon::editor {

namespace {

const cards::CardLayout& kCard = cards::kVerticalAlignmentCard;

struct Box {
    std::string_view field;
    std::string_view label;
    std::string Vertical::*text;
    bool station;
};

// In column order.
constexpr std::array<Box, 10> kBoxes = {{
    {"Vertical.GradeIn", "% Grade In", &Vertical::GradeIn, false},
    {"Vertical.InLength1", "In Length (Vertical Curve #1)", &Vertical::InLength1, false},
    {"Vertical.PISta1", "PI Station (Vertical Curve #1)", &Vertical::PISta1, true},
    {"Vertical.PIElev1", "PI Elevation (Vertical Curve #1)", &Vertical::PIElev1, false},
    {"Vertical.OutLength1", "Out Length (Vertical Curve #1)", &Vertical::OutLength1, false},
    {"Vertical.InLength2", "In Length (Vertical Curve #2)", &Vertical::InLength2, false},
    {"Vertical.PISta2", "PI Station (Vertical Curve #2)", &Vertical::PISta2, true},
    {"Vertical.PIElev2", "PI Elevation (Vertical Curve #2)", &Vertical::PIElev2, false},
    {"Vertical.OutLength2", "Out Length (Vertical Curve #2)", &Vertical::OutLength2, false},
    {"Vertical.GradeOut", "% Grade Out", &Vertical::GradeOut, false},
}};

}  // namespace

void ReadVerticalCard(DeckModel& deck, std::string_view card, MessageSink&) {
    deck.ticks.mnuFormVert = true;
    CardFieldTexts fields(kCard, card, deck.MetricFlag);
    for (const Box& box : kBoxes)
        deck.vertical.*box.text =
            box.station ? fields.StationText(box.field) : fields.NumberText(box.field);
}

WrittenCard WriteVerticalCard(const DeckModel& deck) {
    CardLineWriter out(kCard, deck.MetricFlag);
    for (const Box& box : kBoxes) out.Number(box.field, box.label, deck.vertical.*box.text);
    return out.Finish();
}

}  // namespace quillon::editor
