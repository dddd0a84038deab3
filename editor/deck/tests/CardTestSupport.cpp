#include "CardTestSupport.hpp"

#include <map>

namespace quillon::editor::test {

std::string Card(const std::string& type, const std::vector<At>& texts, size_t length) {
    std::string card = type;
    for (const At& at : texts) {
        size_t first = static_cast<size_t>(at.column - 1);
        if (card.size() < first + at.text.size()) card.resize(first + at.text.size(), ' ');
        card.replace(first, at.text.size(), at.text);
    }
    if (card.size() < length) card.resize(length, ' ');
    return card;
}

Texts Changed(Texts base, const Texts& changes) {
    std::map<std::string, std::string> changed(changes.begin(), changes.end());
    for (auto& [name, text] : base)
        if (auto found = changed.find(name); found != changed.end()) text = found->second;
    return base;
}

namespace {

std::string Bool(bool value) { return value ? "True" : "False"; }

template <class Items>
std::string ChoiceText(const Choice& choice, const Items& items, std::string_view prompt) {
    std::string text = "(none)";
    if (choice.chosen && *choice.chosen >= 0 && *choice.chosen < static_cast<int>(items.size()))
        text = std::string(items[static_cast<size_t>(*choice.chosen)]);
    else if (choice.chosen)
        text = "(item " + std::to_string(*choice.chosen) + ")";
    else if (!prompt.empty())
        text = std::string(prompt);
    if (choice.keptCode) text += std::string(" kept '") + *choice.keptCode + "'";
    return text;
}

template <size_t N>
std::string Flags(const std::array<bool, N>& flags) {
    std::string text;
    for (bool flag : flags) text += flag ? 'X' : '.';
    return text;
}

Texts DescriptionTexts(const DeckModel& deck) {
    const Description& f = deck.description;
    std::string lines;
    for (size_t i = 0; i < f.GenDesc.size(); ++i) lines += (i ? "|" : "") + f.GenDesc[i];
    return {{"mnuFormDesc", Bool(deck.ticks.mnuFormDesc)},
            {"Units", deck.MetricFlag ? "Metric" : "English"},
            {"StructureID", f.StructureID},
            {"ProjNum", f.ProjNum},
            {"SubAcc", f.SubAcc},
            {"Designer", f.Designer},
            {"Detailer", f.Detailer},
            {"Location", f.Location},
            {"GenDesc", lines}};
}

Texts HorizontalTexts(const DeckModel& deck) {
    const Horizontal& f = deck.horizontal;
    return {{"mnuFormHoriz", Bool(deck.ticks.mnuFormHoriz)},
            {"Option1", Bool(f.Option1)},
            {"Option2", Bool(f.Option2)},
            {"Delta", f.Delta},
            {"PIStation", f.PIStation},
            {"Degree", f.Degree},
            {"Radius", f.Radius},
            {"InSpiral", f.InSpiral},
            {"OutSpiral", f.OutSpiral},
            {"ProfOffset", f.ProfOffset},
            {"Back", f.Back},
            {"Ahead", f.Ahead}};
}

Texts VerticalTexts(const DeckModel& deck) {
    const Vertical& f = deck.vertical;
    return {{"mnuFormVert", Bool(deck.ticks.mnuFormVert)},
            {"GradeIn", f.GradeIn},
            {"InLength1", f.InLength1},
            {"PISta1", f.PISta1},
            {"PIElev1", f.PIElev1},
            {"OutLength1", f.OutLength1},
            {"InLength2", f.InLength2},
            {"PISta2", f.PISta2},
            {"PIElev2", f.PIElev2},
            {"OutLength2", f.OutLength2},
            {"GradeOut", f.GradeOut}};
}

Texts CrossTransTexts(const DeckModel& deck) {
    const CrossTrans& f = deck.crossTrans;
    return {{"mnuFormCross", Bool(deck.ticks.mnuFormCross)},
            {"CrownType", ChoiceText(f.CrownType, CrossTrans::kCrownTypeItems, "")},
            {"CrossSlope", f.CrossSlope},
            {"SuperRate", f.SuperRate},
            {"PivotOffset", f.PivotOffset},
            {"InRunOut", f.InRunOut},
            {"InTransLength", f.InTransLength},
            {"InTransPer", f.InTransPer},
            {"OutRunout", f.OutRunout},
            {"OutTransLength", f.OutTransLength},
            {"OutTransPer", f.OutTransPer},
            {"MaxTransVC", f.MaxTransVC},
            {"CurveLengthFlag", std::string(1, f.CurveLengthFlag)},
            {"CrownWidth", f.CrownWidth},
            {"CrownHeight", f.CrownHeight},
            {"CrownLeft", f.CrownLeft},
            {"CrownRight", f.CrownRight}};
}

Texts OverrideTexts(const DeckModel& deck, int row) {
    const OverrideRow& r = deck.crossTrans.OverRows.at(static_cast<size_t>(row));
    return {{"OverSta", r.OverSta}, {"OverLeft", r.OverLeft}, {"OverRight", r.OverRight}};
}

Texts RefLineTexts(const DeckModel& deck) {
    const RefLine& f = deck.refLine;
    return {{"mnuFormRef", Bool(deck.ticks.mnuFormRef)},
            {"RefLineSta", f.RefLineSta},
            {"StaOn", ChoiceText(f.StaOn, RefLine::kStaOnItems, "")},
            {"Option1", Bool(f.Option1)},
            {"Option2", Bool(f.Option2)},
            {"SkewAngle", f.SkewAngle},
            {"SkewRespTo", ChoiceText(f.SkewRespTo, RefLine::kSkewRespToItems, "")},
            {"Option3", Bool(f.Option3)},
            {"Option4", Bool(f.Option4)},
            {"LayoutLineIs", ChoiceText(f.LayoutLineIs, RefLine::kLayoutLineIsItems, "")},
            {"Check1", Bool(f.Check1)},
            {"Check2", Bool(f.Check2)},
            {"Check3", Bool(f.Check3)},
            {"RevLayoutLine", ChoiceText(f.RevLayoutLine, RefLine::kRevLayoutLineItems, "")},
            {"Check4", Bool(f.Check4)},
            {"TransX", f.TransX},
            {"TransY", f.TransY},
            {"LimitBegSta", f.LimitBegSta},
            {"LimitEndSta", f.LimitEndSta}};
}

Texts GirderLineTexts(const DeckModel& deck, int row) {
    const GirderLineRow& r = deck.girderLine.rows.at(static_cast<size_t>(row));
    std::string items;
    for (size_t i = 0; i < r.Combo3Items.size(); ++i) items += (i ? "/" : "") + r.Combo3Items[i];
    return {{"mnuFormGird", Bool(deck.ticks.mnuFormGird)},
            {"Combo1", ChoiceText(r.Combo1, GirderLine::kLineTypes, GirderLine::kLineTypePrompt)},
            {"Text1", r.Text1},
            {"Combo3", ChoiceText(r.Combo3, r.Combo3Items, GirderLine::kOffsetTypePrompt)},
            {"Combo3Items", items},
            {"Text2", r.Text2},
            {"Combo2",
             ChoiceText(r.Combo2, GirderLine::kTerminalOffsetTypes, GirderLine::kOffsetTypePrompt)},
            {"TerminalEnabled", Bool(r.TerminalEnabled)},
            {"Text3", r.Text3},
            {"Text4", r.Text4},
            {"List1", Flags(r.List1)},
            {"Text13", r.Text13},
            {"Text16", r.Text16}};
}

Texts BentLineTexts(const DeckModel& deck, int row) {
    const BentLineRow& r = deck.bentLine.rows.at(static_cast<size_t>(row));
    return {
        {"mnuFormBent", Bool(deck.ticks.mnuFormBent)},
        {"Text1", r.Text1},
        {"Combo1", ChoiceText(r.Combo1, BentLine::kDistanceTypes, BentLine::kDistanceTypePrompt)},
        {"Text7", r.Text7},
        {"Text2", r.Text2},
        {"Combo2", ChoiceText(r.Combo2, BentLine::kSkewTypes, BentLine::kSkewTypePrompt)},
        {"Text3", r.Text3},
        {"Text4", r.Text4},
        {"List1", Flags(r.List1)},
        {"Text5", r.Text5},
        {"Text6", r.Text6},
        {"Text8", r.Text8},
        {"HiddenCodes", r.HiddenCodes}};
}

Texts DeadLoadTexts(const DeckModel& deck, int row) {
    const DeadLoadRow& r = deck.deadLoad.rows.at(static_cast<size_t>(row));
    Texts texts = {{"mnuFormDead", Bool(deck.ticks.mnuFormDead)},
                   {"Text1", r.Text1},
                   {"Text2", r.Text2},
                   {"Text14", r.Text14},
                   {"HiddenCode", std::string(1, r.HiddenCode)}};
    for (int k = 0; k < DeadLoad::kTenthPoints; ++k)
        texts.emplace_back("Text" + std::to_string(3 + k), r.Deflection(k));
    return texts;
}

Texts RoadApprTexts(const DeckModel& deck) {
    const RoadAppr& f = deck.roadAppr;
    return {{"mnuFormRoadApp", Bool(deck.ticks.mnuFormRoadApp)},
            {"BegStr", f.BegStr},
            {"EndStr", f.EndStr},
            {"Length", f.Length},
            {"Off1", f.Off1},
            {"Off2", f.Off2},
            {"Off3", f.Off3},
            {"Off4", f.Off4},
            {"Off5", f.Off5},
            {"Off6", f.Off6},
            {"Off7", f.Off7}};
}

}  // namespace

Texts ControlTexts(const DeckModel& deck, Form form, int row) {
    switch (form) {
        case Form::Description:
            return DescriptionTexts(deck);
        case Form::Horizontal:
            return HorizontalTexts(deck);
        case Form::Vertical:
            return VerticalTexts(deck);
        case Form::CrossTrans:
            return CrossTransTexts(deck);
        case Form::OverrideRow:
            return OverrideTexts(deck, row);
        case Form::RefLine:
            return RefLineTexts(deck);
        case Form::GirderLine:
            return GirderLineTexts(deck, row);
        case Form::BentLine:
            return BentLineTexts(deck, row);
        case Form::DeadLoad:
            return DeadLoadTexts(deck, row);
        case Form::RoadAppr:
            return RoadApprTexts(deck);
    }
    return {};
}

void CheckReadCase(const ReadCase& c, Form form, const Reader& read, const Writer& write, int row) {
    DeckModel deck;
    deck.MetricFlag = c.metric;
    CollectedWarnings ignored, warnings;
    if (!c.before.empty()) read(deck, c.before, ignored);
    read(deck, c.card, warnings);

    std::map<std::string, std::string> expected(c.controls.begin(), c.controls.end());
    for (const auto& [name, text] : ControlTexts(deck, form, row)) {
        auto found = expected.find(name);
        if (found == expected.end()) {
            ADD_FAILURE() << "the case does not say what " << name << " shows (it shows \"" << text
                          << "\")";
            continue;
        }
        EXPECT_EQ(text, found->second) << name;
        expected.erase(found);
    }
    for (const auto& [name, text] : expected) ADD_FAILURE() << "no control " << name;
    EXPECT_EQ(warnings.warnings, c.warnings);

    WrittenCard written = write(deck);
    ASSERT_TRUE(written.ok()) << written.failure->Message();
    EXPECT_EQ(written.line, c.written);

    DeckModel again;
    again.MetricFlag = c.metric;
    read(again, written.line, ignored);
    WrittenCard rewritten = write(again);
    ASSERT_TRUE(rewritten.ok()) << rewritten.failure->Message();
    EXPECT_EQ(rewritten.line, written.line) << "written, read and written again";
}

void CheckWriteCase(const WriteCase& c, const Writer& write) {
    DeckModel deck;
    deck.MetricFlag = c.metric;
    c.set(deck);
    WrittenCard written = write(deck);
    if (c.fails) {
        ASSERT_FALSE(written.ok()) << "wrote \"" << written.line << "\"";
        EXPECT_EQ(written.failure->Message(), c.written);
        return;
    }
    ASSERT_TRUE(written.ok()) << written.failure->Message();
    EXPECT_EQ(written.line, c.written);
}

}  // namespace quillon::editor::test
