// Test support: a line made of texts placed at their columns (1-based),
// blanks between them.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

namespace quillon::converters::testing {

inline std::string PlacedText(std::initializer_list<std::pair<int, std::string>> pieces) {
    std::string line;
    for (const auto& [first, text] : pieces) {
        size_t at = static_cast<size_t>(first - 1);
        if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
        line.replace(at, text.size(), text);
    }
    return line;
}

}  // namespace quillon::converters::testing
