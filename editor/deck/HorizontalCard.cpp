#include "editor/deck/HorizontalCard.hpp"

#include "cards/CardLayouts.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kCard = cards::kHorizontalAlignmentCard;

// The radius is written with its point punched and two decimals, fewer when
// they do not fit; it is read with none implied.
constexpr int kRadiusDecimals = 2;

}  // namespace

void ReadHorizontalCard(DeckModel& deck, std::string_view card, MessageSink&) {
    deck.ticks.mnuFormHoriz = true;
    Horizontal& form = deck.horizontal;
    CardFieldTexts fields(kCard, card, deck.MetricFlag);
    const char direction = fields.Character("CurveDirection");
    if (direction == 'L' || direction == 'l' || direction == '-') {
        form.ChooseLeft();
    } else if (direction == 'R' || direction == 'r') {
        form.ChooseRight();
    } else {
        form.Option1 = false;
        form.Option2 = false;
    }
    form.Delta = fields.AngleText("Horizontal.Delta");
    form.PIStation = fields.StationText("Horizontal.PIStation");
    if (!deck.MetricFlag) form.Degree = fields.AngleText("Horizontal.Degree");
    form.Radius = fields.NumberText("Horizontal.Radius");
    if (!fields.IsBlank("Horizontal.InSpiral"))
        form.InSpiral = fields.NumberText("Horizontal.InSpiral");
    if (!fields.IsBlank("Horizontal.OutSpiral"))
        form.OutSpiral = fields.NumberText("Horizontal.OutSpiral");
    form.ProfOffset = fields.NumberText("Horizontal.ProfOffset");
    form.Back = fields.StationText("Horizontal.Back");
    form.Ahead = fields.StationText("Horizontal.Ahead");
}

WrittenCard WriteHorizontalCard(const DeckModel& deck) {
    const Horizontal& form = deck.horizontal;
    CardLineWriter out(kCard, deck.MetricFlag);
    out.Character("CurveDirection", form.Option1 ? 'L' : 'R');
    out.Angle("Horizontal.Delta", "Combined Delta", form.Delta);
    out.Number("Horizontal.PIStation", "PI Station", form.PIStation);
    if (!deck.MetricFlag) out.Angle("Horizontal.Degree", "Degree", form.Degree);
    out.Number("Horizontal.InSpiral", "In Spiral Length", form.InSpiral);
    out.Number("Horizontal.OutSpiral", "Out Spiral Length", form.OutSpiral);
    out.Number("Horizontal.ProfOffset", "Profile Offset", form.ProfOffset);
    out.NumberWith(out["Horizontal.Radius"], "Radius", form.Radius, kRadiusDecimals,
                   Point::Punched);
    out.Number("Horizontal.Back", "Back", form.Back);
    out.Number("Horizontal.Ahead", "Ahead", form.Ahead);
    return out.Finish();
}

}  // namespace quillon::editor
