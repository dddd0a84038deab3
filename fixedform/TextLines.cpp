#include "fixedform/TextLines.hpp"

#include "fixedform/RecordWriter.hpp"

namespace quillon::fixedform {

bool ReadTextLine(std::istream& in, std::string& line) {
    line.clear();
    if (!std::getline(in, line)) return !line.empty();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string CardColumns(std::string_view line, int width) { return PadRight(line, width); }

}  // namespace quillon::fixedform
