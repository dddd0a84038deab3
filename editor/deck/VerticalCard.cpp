#include "editor/deck/VerticalCard.hpp"

#include <array>

#include "cards/CardLayouts.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kCard = cards::kVerticalAlignmentCard;

enum class Kind {
    Number,  // a blank field shows "0"
    Grade,   // a blank field is a grade not given: an empty box, written blank again
    Station  // a blank field is no PI: an empty box
};

struct Box {
    cards::FieldName field;
    std::string_view label;
    std::string Vertical::*text;
    Kind kind;
};

// In column order.
constexpr std::array<Box, 10> kBoxes = {{
    {"Vertical.GradeIn", "% Grade In", &Vertical::GradeIn, Kind::Grade},
    {"Vertical.InLength1", "In Length (Vertical Curve #1)", &Vertical::InLength1, Kind::Number},
    {"Vertical.PISta1", "PI Station (Vertical Curve #1)", &Vertical::PISta1, Kind::Station},
    {"Vertical.PIElev1", "PI Elevation (Vertical Curve #1)", &Vertical::PIElev1, Kind::Number},
    {"Vertical.OutLength1", "Out Length (Vertical Curve #1)", &Vertical::OutLength1, Kind::Number},
    {"Vertical.InLength2", "In Length (Vertical Curve #2)", &Vertical::InLength2, Kind::Number},
    {"Vertical.PISta2", "PI Station (Vertical Curve #2)", &Vertical::PISta2, Kind::Station},
    {"Vertical.PIElev2", "PI Elevation (Vertical Curve #2)", &Vertical::PIElev2, Kind::Number},
    {"Vertical.OutLength2", "Out Length (Vertical Curve #2)", &Vertical::OutLength2, Kind::Number},
    {"Vertical.GradeOut", "% Grade Out", &Vertical::GradeOut, Kind::Grade},
}};

}  // namespace

void ReadVerticalCard(DeckModel& deck, std::string_view card, MessageSink&) {
    deck.ticks.mnuFormVert = true;
    CardFieldTexts fields(kCard, card, deck.MetricFlag);
    for (const Box& box : kBoxes) {
        std::string& text = deck.vertical.*box.text;
        switch (box.kind) {
            case Kind::Number:
                text = fields.NumberText(box.field);
                break;
            case Kind::Grade:
                text = fields.NumberTextOrEmpty(box.field);
                break;
            case Kind::Station:
                text = fields.StationText(box.field);
                break;
        }
    }
}

WrittenCard WriteVerticalCard(const DeckModel& deck) {
    CardLineWriter out(kCard, deck.MetricFlag);
    for (const Box& box : kBoxes) out.Number(box.field, box.label, deck.vertical.*box.text);
    return out.Finish();
}

}  // namespace quillon::editor
