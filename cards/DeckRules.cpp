#include "cards/DeckRules.hpp"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "fixedform/FieldReader.hpp"

namespace quillon::cards {

namespace {

// The position of `key` in `text` at or after `from`, letter case ignored.
size_t FindIgnoringCase(std::string_view text, std::string_view key, size_t from) {
    if (from > text.size()) return std::string_view::npos;
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    auto at = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), key.begin(),
                          key.end(), same);
    return at == text.end() ? std::string_view::npos : static_cast<size_t>(at - text.begin());
}

bool IsDescriptionCard(std::string_view line) {
    return Text(line, kCardType) == TypeText(kDescriptionCard);
}

}  // namespace

bool IsCommentCard(std::string_view card) { return Text(card, kCardType) == kCommentCardType; }

bool IsMetricDeck(const std::vector<std::string>& lines) {
    // The deck's cards: comment cards and lines of blanks are passed over.
    std::vector<std::string_view> cards;
    for (const std::string& line : lines)
        if (!IsCommentCard(line) && !fixedform::IsBlank(line)) cards.push_back(line);
    if (cards.empty()) return false;
    const char mark = Character(cards.front(), kDescriptionCard["MetricMark"]);
    if (mark == 'M' || mark == 'm') return true;
    // The text of a 00 card, where the editor's units card carries its key.
    const size_t text = static_cast<size_t>(kDescriptionTextCard["Description.Text"].first - 1);
    bool metric = false;
    for (size_t i = 1; i < cards.size() && IsDescriptionCard(cards[i - 1]); ++i) {
        std::string_view card = cards[i];
        constexpr std::string_view kUnits = "Units:";
        size_t units = FindIgnoringCase(card, kUnits, text);
        if (units == std::string_view::npos) continue;
        metric = FindIgnoringCase(card, "Metric", units + kUnits.size()) != std::string_view::npos;
    }
    return metric;
}

}  // namespace quillon::cards
