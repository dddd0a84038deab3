#include "editor/deck/DeadLoadCards.hpp"

#include <string>

#include "cards/CardLayouts.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kCard = cards::kDeadLoadCard;

// In a metric deck the unit letter "M" (the only one the metric converter
// takes for metres) gives deflections in metres, anything else millimetres.
cards::MetricLength DeflectionLength(const DeadLoadRow& row) {
    return row.Text14 == "M" ? cards::MetricLength::Metres : cards::MetricLength::Millimetres;
}

constexpr cards::FieldName kDeflectionFields[DeadLoad::kTenthPoints] = {
    "Deflection0", "Deflection1", "Deflection2", "Deflection3", "Deflection4", "Deflection5",
    "Deflection6", "Deflection7", "Deflection8", "Deflection9", "Deflection10"};

cards::FieldName DeflectionField(int k) { return kDeflectionFields[static_cast<size_t>(k)]; }

}  // namespace

void ReadDeadLoadCard(DeckModel& deck, int row, std::string_view card, MessageSink&) {
    deck.ticks.mnuFormDead = true;
    if (row < 0) return;
    DeadLoad& form = deck.deadLoad;
    DeadLoadRow& line = GrownRow(form.rows, row, [&] { form.AddRecord(); });
    CardFieldTexts fields(kCard, card, deck.MetricFlag);
    line.Text1 = fields.Text("GirderCode");
    line.Text2 = fields.Text("BentLineCode");
    line.Text14 = fields.Text("DeflectionUnits");
    line.HiddenCode = fields.Character("LabelSpare");
    for (int k = 0; k < DeadLoad::kTenthPoints; ++k) {
        const cards::FieldName name = DeflectionField(k);
        line.Deflection(k) = IsBlankField(fields.Text(name))
                                 ? std::string()
                                 : fields.NumberText(name, DeflectionLength(line));
    }
}

WrittenCard WriteDeadLoadCard(const DeckModel& deck, int row) {
    const DeadLoadRow& line = deck.deadLoad.rows.at(static_cast<size_t>(row));
    CardLineWriter out(kCard, deck.MetricFlag, "dead load row", row);
    out.Text("GirderCode", line.Text1);
    out.Text("BentLineCode", line.Text2);
    out.Text("DeflectionUnits", line.Text14);
    out.Character("LabelSpare", line.HiddenCode);
    for (int k = 0; k < DeadLoad::kTenthPoints; ++k)
        out.Number(DeflectionField(k), "Deflection at tenth point " + std::to_string(k),
                   line.Deflection(k), DeflectionLength(line));
    return out.Finish();
}

WrittenCards WriteDeadLoadCards(const DeckModel& deck) {
    WrittenCards out;
    AddRows(
        out, deck.deadLoad.rows, [](const DeadLoadRow& row) { return !row.IsEmpty(); },
        [&](int row) { return WriteDeadLoadCard(deck, row); });
    return out;
}

}  // namespace quillon::editor
