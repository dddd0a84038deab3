#include "converters/common/DeckUnits.hpp"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace quillon::converters {

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

bool IsDescriptionCard(std::string_view line) { return line.substr(0, 2) == "00"; }

}  // namespace

bool IsMetricDeck(const std::vector<std::string>& lines) {
    if (lines.empty()) return false;
    const std::string& first = lines.front();
    if (first.size() >= 80 && (first[79] == 'M' || first[79] == 'm')) return true;
    bool metric = false;
    for (size_t i = 1; i < lines.size() && IsDescriptionCard(lines[i - 1]); ++i) {
        std::string_view line = lines[i];
        constexpr std::string_view kUnits = "Units:";
        size_t units = FindIgnoringCase(line, kUnits, 2);
        if (units == std::string_view::npos) continue;
        metric = FindIgnoringCase(line, "Metric", units + kUnits.size()) != std::string_view::npos;
    }
    return metric;
}

}  // namespace quillon::converters
