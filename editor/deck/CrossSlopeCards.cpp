#include "editor/deck/CrossSlopeCards.hpp"

#include <array>

#include "cards/CardLayouts.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kFirst = cards::kCrossSlopeCard;
constexpr const cards::CardLayout& kOverride = cards::kCrossSlopeOverrideCard;

// The crown letters of the CrownType items, tested in item order.
constexpr std::array<char, 4> kCrownLetters = {'A', 'B', 'C', 'P'};
constexpr char kDefaultCrownLetter = 'A';

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

struct Box {
    cards::FieldName field;
    std::string_view label;
    std::string CrossTrans::*text;
    bool blankIsEmpty;  // a blank field empties the box, else it shows "0"
};

// The number boxes of the first card in column order, before and after the
// maximum transition curve length.
constexpr std::array<Box, 9> kBoxesBeforeCurve = {{
    {"CrossTrans.CrossSlope", "Nominal Cross-Slope", &CrossTrans::CrossSlope, false},
    {"CrossTrans.SuperRate", "Super Rate (e)", &CrossTrans::SuperRate, true},
    {"CrossTrans.PivotOffset", "Pivot Offset from Profile Line", &CrossTrans::PivotOffset, false},
    {"CrossTrans.InRunOut", "Transition In Run-Out", &CrossTrans::InRunOut, true},
    {"CrossTrans.InTransLength", "Transition In Transition Length", &CrossTrans::InTransLength,
     true},
    {"CrossTrans.InTransPer", "Transition In Percent of Transition", &CrossTrans::InTransPer, true},
    {"CrossTrans.OutRunout", "Transition Out Run-Out", &CrossTrans::OutRunout, true},
    {"CrossTrans.OutTransLength", "Transition Out Transition Length", &CrossTrans::OutTransLength,
     true},
    {"CrossTrans.OutTransPer", "Transition Out Percent of Transition", &CrossTrans::OutTransPer,
     true},
}};
constexpr std::array<Box, 4> kBoxesAfterCurve = {{
    {"CrossTrans.CrownWidth", "Parabolic Crown Width", &CrossTrans::CrownWidth, false},
    {"CrossTrans.CrownHeight", "Parabolic Crown Height", &CrossTrans::CrownHeight, false},
    {"CrossTrans.CrownLeft", "Crown Left Slope", &CrossTrans::CrownLeft, false},
    {"CrossTrans.CrownRight", "Crown Right Slope", &CrossTrans::CrownRight, false},
}};

constexpr cards::FieldName kMaxTransVC("CrossTrans.MaxTransVC");

// The maximum transition curve length is written as it is read, but with
// its last two columns blank where they would hold zeros (the way decks
// have long been written, with one decimal).
std::string WithoutTrailingZeroPair(std::string field) {
    if (field.size() >= 2 && field.compare(field.size() - 2, 2, "00") == 0)
        field.replace(field.size() - 2, 2, "  ");
    return field;
}

}  // namespace

void ReadCrossSectionCard(DeckModel& deck, std::string_view card, MessageSink&) {
    deck.ticks.mnuFormCross = true;
    CrossTrans& form = deck.crossTrans;
    CardFieldTexts fields(kFirst, card, deck.MetricFlag);
    const char crown = fields.Character("CrossTrans.CrownType");
    bool chosen = false;
    for (size_t item = 0; item < kCrownLetters.size() && !chosen; ++item) {
        if (Upper(crown) != kCrownLetters[item]) continue;
        form.CrownType.Choose(static_cast<int>(item));
        chosen = true;
    }
    if (!chosen) form.CrownType.Keep(crown);
    auto read = [&](const Box& box) {
        form.*box.text =
            box.blankIsEmpty ? fields.NumberTextOrEmpty(box.field) : fields.NumberText(box.field);
    };
    for (const Box& box : kBoxesBeforeCurve) read(box);
    form.MaxTransVC = fields.NumberTextOrEmpty(kMaxTransVC);
    form.CurveLengthFlag = fields.Character("VCLengthFlag");
    for (const Box& box : kBoxesAfterCurve) read(box);
}

void ReadOverrideCard(DeckModel& deck, int row, std::string_view card, MessageSink&) {
    CrossTrans& form = deck.crossTrans;
    if (row < 0) return;
    OverrideRow& over = GrownRow(form.OverRows, row, [&] { form.AddOverRecord(); });
    CardFieldTexts fields(kOverride, card, deck.MetricFlag);
    over.OverSta = fields.StationText("CrossTrans.OverSta");
    over.OverLeft = fields.NumberTextOrEmpty("CrossTrans.OverLeft");
    over.OverRight = fields.NumberTextOrEmpty("CrossTrans.OverRight");
    over.readFromDeck = true;
}

WrittenCard WriteCrossSectionCard(const DeckModel& deck) {
    const CrossTrans& form = deck.crossTrans;
    CardLineWriter out(kFirst, deck.MetricFlag);
    out.Character("CrossTrans.CrownType",
                  CodeOf(
                      form.CrownType,
                      [](int item) {
                          return item >= 0 && item < static_cast<int>(kCrownLetters.size())
                                     ? kCrownLetters[static_cast<size_t>(item)]
                                     : kDefaultCrownLetter;
                      },
                      kDefaultCrownLetter));
    for (const Box& box : kBoxesBeforeCurve) out.Number(box.field, box.label, form.*box.text);
    const cards::Field& maxTransVC = out[kMaxTransVC];
    WrittenField curve = FormatNumberField(form.MaxTransVC, maxTransVC.Width(),
                                           maxTransVC.Decimals(UnitsOf(deck.MetricFlag)),
                                           Point::Implied, deck.MetricFlag);
    if (curve.ok())
        out.Put(maxTransVC, WithoutTrailingZeroPair(curve.text));
    else
        out.Number(kMaxTransVC, "Transition Vertical curve Maximum Length", form.MaxTransVC);
    out.Character("VCLengthFlag", form.CurveLengthFlag);
    for (const Box& box : kBoxesAfterCurve) out.Number(box.field, box.label, form.*box.text);
    return out.Finish();
}

WrittenCard WriteOverrideCard(const DeckModel& deck, int row) {
    const OverrideRow& over = deck.crossTrans.OverRows.at(static_cast<size_t>(row));
    CardLineWriter out(kOverride, deck.MetricFlag, "override row", row);
    out.Number("CrossTrans.OverSta", "Station", over.OverSta);
    out.Number("CrossTrans.OverLeft", "Left Slope", over.OverLeft);
    out.Number("CrossTrans.OverRight", "Right Slope", over.OverRight);
    return out.Finish();
}

WrittenCards WriteCrossSlopeCards(const DeckModel& deck) {
    WrittenCards out;
    if (!out.Add(WriteCrossSectionCard(deck))) return out;
    AddRows(
        out, deck.crossTrans.OverRows,
        [](const OverrideRow& row) { return row.readFromDeck || !row.OverSta.empty(); },
        [&](int row) { return WriteOverrideCard(deck, row); });
    return out;
}

}  // namespace quillon::editor
