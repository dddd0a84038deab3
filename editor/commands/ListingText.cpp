#include "editor/commands/ListingText.hpp"

#include "fixedform/TextLines.hpp"

namespace quillon::editor {

ListingDisplay ListingForDisplay(std::string_view fileBytes) {
    ListingDisplay display;
    display.tooLarge = fileBytes.size() > kDisplayLimit;
    std::size_t counted = 0;  // the text as the viewer counts it, two per line end
    std::size_t start = 0;
    std::string_view line;
    while (counted < kDisplayLimit && fixedform::NextTextLine(fileBytes, start, line)) {
        display.text.append(line);
        display.text.push_back('\n');
        counted += line.size() + 2;
    }
    return display;
}

}  // namespace quillon::editor
