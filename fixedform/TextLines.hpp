// Text lines of decks and listings: read with LF or CRLF endings (one trailing
// CR is dropped), written with LF.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::fixedform {

// Reads the next line into `line` without its line end. False at end of input
// (a last line without a line end is still a line).
bool ReadTextLine(std::istream& in, std::string& line);

// The same on a text read whole: the line that starts at `start` into `line`
// and `start` moved past its line end; false when no line is left.
bool NextTextLine(std::string_view text, size_t& start, std::string_view& line);
// All its lines.
std::vector<std::string> SplitTextLines(std::string_view text);

// The first `width` columns of a line, padded with blanks where it is shorter.
std::string CardColumns(std::string_view line, int width = 80);

}  // namespace quillon::fixedform
