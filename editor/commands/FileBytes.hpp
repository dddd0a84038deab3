// The lines of a text file read whole (platform/FileContents.hpp) as the
// editor reads them: LF or CRLF (one trailing CR dropped), a last line
// without a line end still a line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::editor {

// The line that starts at `start` into `line`, and `start` moved past its line
// end. False when no line is left.
bool NextLine(std::string_view bytes, std::size_t& start, std::string_view& line);

std::vector<std::string> SplitLines(std::string_view bytes);

}  // namespace quillon::editor
