// A text file read whole, with the system's reason when it cannot be, and its
// lines as the editor reads them: LF or CRLF (one trailing CR dropped), a last
// line without a line end still a line.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::editor {

struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string reason;  // when not ok: "No such file or directory"
};

FileBytes ReadFileBytes(const std::filesystem::path& path);

// The line that starts at `start` into `line`, and `start` moved past its line
// end. False when no line is left.
bool NextLine(std::string_view bytes, std::size_t& start, std::string_view& line);

std::vector<std::string> SplitLines(std::string_view bytes);

}  // namespace quillon::editor
