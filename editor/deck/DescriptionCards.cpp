#include "editor/deck/DescriptionCards.hpp"

#include <array>
#include <string>

#include "cards/CardLayouts.hpp"

namespace quillon::editor {

namespace {

constexpr const cards::CardLayout& kFirst = cards::kDescriptionCard;
constexpr const cards::CardLayout& kTextCard = cards::kDescriptionTextCard;
constexpr cards::FieldName kText("Description.Text");

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The position of `key` in `text` from `from` on, letter case ignored.
size_t FindIgnoringCase(std::string_view text, std::string_view key, size_t from = 0) {
    for (size_t i = from; i + key.size() <= text.size(); ++i) {
        size_t j = 0;
        while (j < key.size() && Lower(text[i + j]) == Lower(key[j])) ++j;
        if (j == key.size()) return i;
    }
    return std::string_view::npos;
}

constexpr std::string_view kUnits = "Units:";
constexpr std::string_view kMetric = "Metric";

struct Key {
    std::string_view key;
    std::string Description::*box;
};
constexpr std::array<Key, 5> kValueKeys = {{{"Project:", &Description::ProjNum},
                                            {"Designer:", &Description::Designer},
                                            {"Detailer:", &Description::Detailer},
                                            {"Subaccount:", &Description::SubAcc},
                                            {"Location:", &Description::Location}}};

bool StartsWithKey(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    if (FindIgnoringCase(text.substr(first, kUnits.size()), kUnits) == 0) return true;
    for (const Key& key : kValueKeys)
        if (FindIgnoringCase(text.substr(first, key.key.size()), key.key) == 0) return true;
    return false;
}

// The key's value: after the key and one blank, up to a ";", trailing blanks cut.
std::string ValueAfter(std::string_view text, size_t keyEnd) {
    size_t start = keyEnd;
    if (start < text.size() && text[start] == ' ') ++start;
    if (start >= text.size()) return std::string();
    std::string_view value = text.substr(start);
    value = value.substr(0, value.find(';'));
    size_t last = value.find_last_not_of(' ');
    return std::string(value.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

std::string TextCard(std::string_view text) { return cards::TypeText(kTextCard) + DeckText(text); }

}  // namespace

void ReadFirstCard(DeckModel& deck, std::string_view card, MessageSink&) {
    CardFieldTexts fields(kFirst, card, deck.MetricFlag);
    deck.description.StructureID = fields.Text("Description.StructureID");
    const char mark = fields.Character("MetricMark");
    deck.MetricFlag = mark == 'M' || mark == 'm';
}

void ReadDescriptionCard(DeckModel& deck, std::string_view card, MessageSink&) {
    deck.ticks.mnuFormDesc = true;
    const std::string_view text = CardFieldTexts(kTextCard, card, deck.MetricFlag).Rest(kText);
    if (!StartsWithKey(text)) {
        deck.description.GenDesc.emplace_back(text);
        return;
    }
    if (size_t units = FindIgnoringCase(text, kUnits); units != std::string_view::npos)
        deck.MetricFlag =
            FindIgnoringCase(text, kMetric, units + kUnits.size()) != std::string_view::npos;
    for (const Key& key : kValueKeys) {
        size_t at = FindIgnoringCase(text, key.key);
        if (at != std::string_view::npos)
            deck.description.*key.box = ValueAfter(text, at + key.key.size());
    }
}

WrittenCards WriteDescriptionCards(const DeckModel& deck) {
    const Description& form = deck.description;
    WrittenCards out;
    CardLineWriter first(kFirst, deck.MetricFlag);
    first.Text("Description.StructureID", form.StructureID);
    if (deck.MetricFlag) first.Character("MetricMark", 'M');
    out.Add(first.Finish());
    out.lines.push_back(TextCard(std::string(" ") + std::string(kUnits) + " " +
                                 (deck.MetricFlag ? "metric" : "feet") + ";"));
    out.lines.push_back(
        TextCard(" Project: " + form.ProjNum + "; Subaccount: " + form.SubAcc + ";"));
    out.lines.push_back(
        TextCard(" Designer: " + form.Designer + "; Detailer: " + form.Detailer + ";"));
    out.lines.push_back(TextCard(" Location: " + form.Location + ";"));
    if (form.GenDesc.empty()) out.lines.push_back(TextCard(""));
    for (const std::string& line : form.GenDesc) out.lines.push_back(TextCard(line));
    return out;
}

}  // namespace quillon::editor
