#include "fixedform/TextLines.hpp"

#include "fixedform/RecordWriter.hpp"

namespace quillon::fixedform {

bool ReadTextLine(std::istream& in, std::string& line) {
    line.clear();
    if (!std::getline(in, line)) return !line.empty();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool NextTextLine(std::string_view text, size_t& start, std::string_view& line) {
    if (start >= text.size()) return false;
    size_t end = text.find('\n', start);
    const size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = next;
    return true;
}

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    std::string_view line;
    while (NextTextLine(text, start, line)) lines.emplace_back(line);
    return lines;
}

std::string CardColumns(std::string_view line, int width) { return PadRight(line, width); }

}  // namespace quillon::fixedform
