// Files for the command tests: written as given, decks as lines.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quillon::editor::test {

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// The lines, each ended by LF.
inline std::string LinesText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace quillon::editor::test
