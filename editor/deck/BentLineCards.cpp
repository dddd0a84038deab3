#include "editor/deck/BentLineCards.hpp"

#include <optional>

#include "cards/CardLayouts.hpp"
#include "fixedform/FieldReader.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kCard = cards::kBentLineCard;

// Distance type digits 0-4 are items 0-4; there is no item for 5 (read as
// item 4); 6 and 7 are items 5 and 6.
constexpr int kNormalToRef = 4;
std::optional<int> DistanceTypeItem(int code) {
    int item = code > kNormalToRef ? code - 1 : code;
    if (item < 0 || item >= static_cast<int>(BentLine::kDistanceTypes.size())) return std::nullopt;
    return item;
}
char DistanceTypeCode(int item) { return Digit(item > kNormalToRef ? item + 1 : item); }

std::optional<int> SkewTypeItem(int code) {
    if (code < 0 || code >= static_cast<int>(BentLine::kSkewTypes.size())) return std::nullopt;
    return code;
}

constexpr cards::FieldName kOptionFields[] = {"BreakGirderLines", "FlaredGirderOffsets",
                                              "ChordLayoutLine", "SuppressListing"};

// The codes that follow the secondary reference, up to the end of the bent
// codes, which the engine reads and no control shows.
const cards::Field kHiddenCodes = kCard.Span("BentTypeCode", "SpareCodes");

std::string OneCharacter(char c) { return std::string(1, c); }

}  // namespace

void ReadBentLineCard(DeckModel& deck, int row, std::string_view card, MessageSink& sink) {
    deck.ticks.mnuFormBent = true;
    if (row < 0) return;
    BentLine& form = deck.bentLine;
    BentLineRow& line = GrownRow(form.rows, row, [&] { form.AddRecord(); });
    CardFieldTexts fields(kCard, card, deck.MetricFlag);

    line.Text1 = fields.NumberText("BentDistance");
    const int distanceType =
        ReadCode(fields.Character("DistanceType"), line.Combo1, DistanceTypeItem);
    if (!DistanceTypeItem(distanceType))
        sink.Warning("Warning: (06) Bent line data, distance type invalid.");
    line.Text7 = OneCharacter(fields.Character("SkewDirection"));
    if (line.Text7 != "L" && line.Text7 != "R")
        sink.Warning("Warning: (06) Skew direction invalid. Should be L or R");
    line.Text2 = fields.AngleText("BentSkew");
    const int skewType = ReadCode(fields.Character("SkewType"), line.Combo2, SkewTypeItem);
    if (!SkewTypeItem(skewType)) sink.Warning("Warning: (06) Bent line data, skew type invalid.");

    // A whole number of parts when the field's digits stand in its count
    // columns alone, else a spacing with its decimals.
    const std::string spacing = fields.NumberText("FractionalPoints");
    const std::string parts = CardWholeNumberText(fields.Text("FractionalPoints count"));
    line.Text3 = parts == spacing ? parts : spacing;

    line.Text4 = fields.Text("BentDescription");
    line.Text5 = OneCharacter(fields.Character("SelIntersect"));
    line.Text6.clear();
    if (!fields.IsBlank("DeadLoadFlag"))
        line.Text6 = OneCharacter(fields.Character("DeadLoadFlag"));
    line.Text8 = fields.Text("SecondaryRef");
    for (size_t item = 0; item < line.List1.size(); ++item)
        if (!fields.IsBlank(kOptionFields[item])) line.List1[item] = true;
    line.HiddenCodes = cards::Text(card, kHiddenCodes);
    line.readFromDeck = true;
}

WrittenCard WriteBentLineCard(const DeckModel& deck, int row) {
    const BentLineRow& line = deck.bentLine.rows.at(static_cast<size_t>(row));
    CardLineWriter out(kCard, deck.MetricFlag, "bent line row", row);
    out.Number("BentDistance", "Distance", line.Text1);
    out.Character("DistanceType", CodeOf(line.Combo1, DistanceTypeCode, ' '));
    out.Text("SkewDirection", line.Text7);
    out.Angle("BentSkew", "Skew", line.Text2);
    out.Character("SkewType", CodeOf(line.Combo2, Digit, ' '));

    // A whole number of parts in the count columns with blank decimals, else
    // the spacing with its decimals.
    if (!fixedform::IsBlank(line.Text3)) {
        if (IsWholeNumberText(line.Text3))
            out.Number("FractionalPoints count", "Fractional Points", line.Text3);
        else
            out.Number("FractionalPoints", "Fractional Points", line.Text3);
    }
    out.Text("BentDescription", line.Text4);
    for (size_t item = 0; item < line.List1.size(); ++item)
        out.Flag(kOptionFields[item], line.List1[item]);
    out.Text("SelIntersect", line.Text5);
    out.Text("DeadLoadFlag", line.Text6);
    if (!fixedform::IsBlank(line.HiddenCodes)) {
        out.Text("SecondaryRef", line.Text8);
        out.Text(kHiddenCodes, line.HiddenCodes);
    } else if (line.Text8.empty() || line.Text8 == "  ") {
        out.Text("SecondaryRef defines", " ");
    } else {
        out.Text("SecondaryRef", line.Text8);
    }
    return out.Finish();
}

bool IsWrittenBentLine(const BentLineRow& row) {
    return row.readFromDeck ||
           (!row.Text4.empty() &&
            row.Text4 != std::string(static_cast<size_t>(kCard["BentDescription"].Width()), ' '));
}

WrittenCards WriteBentLineCards(const DeckModel& deck) {
    WrittenCards out;
    AddRows(out, deck.bentLine.rows, IsWrittenBentLine,
            [&](int row) { return WriteBentLineCard(deck, row); });
    return out;
}

}  // namespace quillon::editor
