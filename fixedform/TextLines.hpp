// Text lines of decks and listings: read with LF or CRLF endings (one trailing
// CR is dropped), written with LF.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace quillon::fixedform {

// Reads the next line into `line` without its line end. False at end of input
// (a last line without a line end is still a line).
bool ReadTextLine(std::istream& in, std::string& line);

// The first `width` columns of a line, padded with blanks where it is shorter.
std::string CardColumns(std::string_view line, int width = 80);

}  // namespace quillon::fixedform
