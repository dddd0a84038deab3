#include "editor/commands/FileBytes.hpp"

#include "fixedform/TextLines.hpp"

namespace quillon::editor {

bool NextLine(std::string_view bytes, std::size_t& start, std::string_view& line) {
    return fixedform::NextTextLine(bytes, start, line);
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    return fixedform::SplitTextLines(bytes);
}

}  // namespace quillon::editor
