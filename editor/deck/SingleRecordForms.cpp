#include "editor/deck/SingleRecordForms.hpp"

namespace quillon::editor {

std::vector<std::string> SplitTypedLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            line.push_back(c);
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    // An empty last line shows as a line end of its own.
    if (!lines.empty() && lines.back().empty()) text += "\r\n";
    return text;
}

}  // namespace quillon::editor
