#include "editor/deck/GirderLineCards.hpp"

#include <optional>

#include "cards/CardLayouts.hpp"
#include "editor/deck/GirderLineType.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kCard = cards::kGirderLineCard;
constexpr int kSegmentedOffsetCode = 5;  // the segmented line's initial offset type
constexpr int kOffsetTypeCodes = 4;      // codes 1-4: items 0-3

// The option columns, item by item of List1.
constexpr cards::FieldName kOptionFields[] = {"BaseLineFlag", "ChordFlag", "CamberDiagramFlag",
                                              "ConstantOffsetFlag", "SuppressListingFlag"};

// The elevation shift of an "Offset Varies" line is in feet or metres, of
// any other line in inches or millimetres.
cards::MetricLength ElevationShiftLength(const GirderLineRow& row) {
    return row.Combo1.Is(GirderLine::kOffsetVaries) ? cards::MetricLength::Metres
                                                    : cards::MetricLength::Millimetres;
}

std::optional<int> OffsetTypeItem(int code) {
    if (code < 1 || code > kOffsetTypeCodes) return std::nullopt;
    return code - 1;
}

char OffsetTypeCode(int item) { return Digit(item + 1); }

}  // namespace

void ReadGirderLineCard(DeckModel& deck, int row, std::string_view card, MessageSink& sink) {
    deck.ticks.mnuFormGird = true;
    if (row < 0) return;
    GirderLine& form = deck.girderLine;
    GirderLineRow& line = GrownRow(form.rows, row, [&] { form.AddRecord(); });
    CardFieldTexts fields(kCard, card, deck.MetricFlag);

    const char lineTypeCode = fields.Character("LineType");
    Choice probe;
    const int lineType = ReadCode(lineTypeCode, probe, [](int code) -> std::optional<int> {
        if (code < 0 || code >= static_cast<int>(GirderLine::kLineTypes.size()))
            return std::nullopt;
        return code;
    });
    if (probe.chosen)
        ChooseLineType(line, *probe.chosen);
    else
        line.Combo1.Keep(lineTypeCode);
    if (!probe.chosen && (lineType < 0 || lineType > GirderLine::kOffsetVaries))
        sink.Warning("Warning: (05) Girder line data, bad line type.");

    line.Text1 = fields.NumberText("InitialOffset");
    line.Text2 = fields.NumberText("TerminalOffset");

    const char initialCode = fields.Character("InitialOffsetType");
    const int initial = ReadCode(initialCode, line.Combo3, [](int code) -> std::optional<int> {
        if (code == kSegmentedOffsetCode) return 0;
        return OffsetTypeItem(code);
    });
    if (initial < 1 || initial > kSegmentedOffsetCode) {
        sink.Warning("Warning: (05) Girder line data, initial offset type invalid.");
    } else if (initial == kSegmentedOffsetCode && !line.Combo1.Is(GirderLine::kSegmented)) {
        // Only a segmented line offers "Normal from base"; on any other line
        // the code stays as the card has it, or saving would make it a 1.
        line.Combo3.chosen.reset();
        line.Combo3.Keep(initialCode);
    } else if (initial == kSegmentedOffsetCode && line.Combo3.chosen) {
        line.Combo3Items = SegmentedOffsetTypes();
    }

    const char terminalCode = fields.Character("TerminalOffsetType");
    if (line.Combo1.Is(GirderLine::kFlaredGirderLine)) {
        const int terminal = ReadCode(terminalCode, line.Combo2, OffsetTypeItem);
        if (terminal < 1 || terminal > kSegmentedOffsetCode)
            sink.Warning("Warning: (05) Girder line data, terminal offset type invalid.");
    } else {
        line.Combo2.Keep(terminalCode);  // read by the engine, shown by no control
    }

    line.Text3 = fields.NumberText("ElevationShift", ElevationShiftLength(line));
    line.Text4 = fields.Text("GirderDescription");
    line.Text13 = fields.Text("XTypeFracPoints");
    line.Text16.clear();
    if (!fields.IsBlank("DeadLoadGirderCode"))
        line.Text16 = std::string(1, fields.Character("DeadLoadGirderCode"));
    for (size_t item = 0; item < line.List1.size(); ++item)
        if (!fields.IsBlank(kOptionFields[item])) line.List1[item] = true;
    line.readFromDeck = true;
}

WrittenCard WriteGirderLineCard(const DeckModel& deck, int row) {
    const GirderLineRow& line = deck.girderLine.rows.at(static_cast<size_t>(row));
    CardLineWriter out(kCard, deck.MetricFlag, "girder line row", row);
    out.Character("LineType", CodeOf(line.Combo1, Digit, ' '));
    out.Number("InitialOffset", "Initial Offset", line.Text1);
    const bool segmented = line.Combo1.Is(GirderLine::kSegmented);
    out.Character("InitialOffsetType", segmented && !line.Combo3.keptCode
                                           ? Digit(kSegmentedOffsetCode)
                                           : CodeOf(line.Combo3, OffsetTypeCode, '0'));
    out.Number("TerminalOffset", "Terminal Offset", line.Text2);
    const bool flared = line.Combo1.Is(GirderLine::kFlaredGirderLine);
    out.Character("TerminalOffsetType",
                  flared || line.Combo2.keptCode ? CodeOf(line.Combo2, OffsetTypeCode, '0') : ' ');
    out.Number("ElevationShift", "Elevation Shift", line.Text3, ElevationShiftLength(line));
    out.Text("GirderDescription", line.Text4);
    for (size_t item = 0; item < line.List1.size(); ++item)
        out.Flag(kOptionFields[item], line.List1[item]);
    out.Text("XTypeFracPoints", line.Text13);
    out.Text("DeadLoadGirderCode", line.Text16);
    return out.Finish();
}

bool IsWrittenGirderLine(const GirderLineRow& row) {
    return row.readFromDeck ||
           (!row.Text4.empty() &&
            row.Text4 != std::string(static_cast<size_t>(kCard["GirderDescription"].Width()), ' '));
}

WrittenCards WriteGirderLineCards(const DeckModel& deck) {
    WrittenCards out;
    AddRows(out, deck.girderLine.rows, IsWrittenGirderLine,
            [&](int row) { return WriteGirderLineCard(deck, row); });
    return out;
}

}  // namespace quillon::editor
