#include "editor/deck/ReferenceLineCard.hpp"

#include <optional>

#include "cards/CardLayouts.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kCard = cards::kReferenceLineCard;

// Lists whose item is the card digit itself, and lists whose item is the
// digit less one.
struct CodedList {
    cards::FieldName field;
    Choice RefLine::*list;
    int firstDigit;  // the digit of item 0
    int items;
    const char* warning;
};

const CodedList kStaOn = {"RefLine.StaOn", &RefLine::StaOn, 0, 4,
                          "Warning: (04) Reference line data, bad \"Station is on\" value.  "
                          "Valid values are 0 to 3"};
const CodedList kSkewRespTo = {
    "RefLine.SkewRespTo", &RefLine::SkewRespTo, 1, 4,
    "Warning: (04) Reference line data, bad \"Skew is with respect to\" value.  Valid values "
    "are 1 to 4."};
const CodedList kLayoutLineIs = {"RefLine.LayoutLineIs", &RefLine::LayoutLineIs, 1, 3,
                                 "Warning: (04) Reference line data, bad \"Layout line is\" "
                                 "value."};
const CodedList kRevLayoutLine = {"RefLine.RevLayoutLine", &RefLine::RevLayoutLine, 0, 4,
                                  "Warning: (04) Reference line data, bad \"Reverse layout "
                                  "line\" value."};

void ReadList(const CardFieldTexts& fields, const CodedList& coded, RefLine& form,
              MessageSink& sink) {
    auto toItem = [&](int digit) -> std::optional<int> {
        int item = digit - coded.firstDigit;
        if (item < 0 || item >= coded.items) return std::nullopt;
        return item;
    };
    int value = ReadCode(fields.Character(coded.field), form.*coded.list, toItem);
    if (!toItem(value)) sink.Warning(coded.warning);
}

// The selected item's digit; `none` when no item is selected.
void WriteList(CardLineWriter& out, const CodedList& coded, const RefLine& form, char none) {
    out.Character(coded.field, CodeOf(
                                   form.*coded.list,
                                   [&](int item) { return Digit(item + coded.firstDigit); }, none));
}

// The form's check boxes and the card fields they set.
struct Check {
    cards::FieldName field;
    bool RefLine::*box;
};
constexpr Check kChecks[] = {{"RefLine.BreakAtReferenceLine", &RefLine::Check1},
                             {"RefLine.SuppressListing", &RefLine::Check2},
                             {"RefLine.PatternShiftOffset", &RefLine::Check3},
                             {"RefLine.XZeroPoints", &RefLine::Check4}};

}  // namespace

void ReadReferenceLineCard(DeckModel& deck, std::string_view card, MessageSink& sink) {
    deck.ticks.mnuFormRef = true;
    RefLine& form = deck.refLine;
    CardFieldTexts fields(kCard, card, deck.MetricFlag);
    form.RefLineSta = fields.StationText("RefLine.RefLineSta");
    ReadList(fields, kStaOn, form, sink);
    const char skew = fields.Character("RefLine.SkewDirection");
    if (skew == 'L' || skew == 'l' || skew == '-')
        form.ChooseSkewLeft();
    else
        form.ChooseSkewRight();
    form.SkewAngle = fields.AngleText("RefLine.SkewAngle");
    ReadList(fields, kSkewRespTo, form, sink);
    if (fields.Character("RefLine.DefaultBentSkew") == '1')
        form.ChooseSameBentSkew();
    else
        form.ChooseParallelBentSkew();
    ReadList(fields, kLayoutLineIs, form, sink);
    ReadList(fields, kRevLayoutLine, form, sink);
    form.TransX = fields.NumberText("RefLine.TransX");
    form.TransY = fields.NumberText("RefLine.TransY");
    form.LimitBegSta = fields.StationText("RefLine.LimitBegSta");
    form.LimitEndSta = fields.StationText("RefLine.LimitEndSta");
    for (const Check& check : kChecks)
        if (!fields.IsBlank(check.field)) form.*check.box = true;
}

WrittenCard WriteReferenceLineCard(const DeckModel& deck) {
    const RefLine& form = deck.refLine;
    CardLineWriter out(kCard, deck.MetricFlag);
    out.Number("RefLine.RefLineSta", "Reference Station", form.RefLineSta);
    WriteList(out, kStaOn, form, ' ');
    out.Character("RefLine.SkewDirection", form.Option2 ? 'R' : 'L');
    out.Angle("RefLine.SkewAngle", "Skew Angle", form.SkewAngle);
    WriteList(out, kSkewRespTo, form, '0');
    out.Character("RefLine.DefaultBentSkew", form.Option4 ? '1' : '0');
    WriteList(out, kLayoutLineIs, form, '0');
    for (const Check& check : kChecks) out.Flag(check.field, form.*check.box);
    WriteList(out, kRevLayoutLine, form, ' ');
    out.Number("RefLine.TransX", "Transform Constant X", form.TransX);
    out.Number("RefLine.TransY", "Transform Constant Y", form.TransY);
    out.Number("RefLine.LimitBegSta", "Begin Station", form.LimitBegSta);
    out.Number("RefLine.LimitEndSta", "End Station", form.LimitEndSta);
    return out.Finish();
}

}  // namespace quillon::editor
