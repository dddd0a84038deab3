#include "cards/DeckRules.hpp"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"

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
    if (lines.empty()) return false;
    const char mark = Character(lines.front(), kDescriptionCard["MetricMark"]);
    if (mark == 'M' || mark == 'm') return true;
    // The text of a 00 card, where the editor's units card carries its key.
    const size_t text = static_cast<size_t>(kDescriptionTextCard["Description.Text"].first - 1);
    bool metric = false;
    for (size_t i = 1; i < lines.size() && IsDescriptionCard(lines[i - 1]); ++i) {
        std::string_view line = lines[i];
        constexpr std::string_view kUnits = "Units:";
        size_t units = FindIgnoringCase(line, kUnits, text);
        if (units == std::string_view::npos) continue;
        metric = FindIgnoringCase(line, "Metric", units + kUnits.size()) != std::string_view::npos;
    }
    return metric;
}

}  // namespace quillon::cards
