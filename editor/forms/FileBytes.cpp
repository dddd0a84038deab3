#include "editor/forms/FileBytes.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quillon::editor {

FileBytes ReadFileBytes(const std::filesystem::path& path) {
    FileBytes result;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        result.reason = std::strerror(errno);
        return result;
    }
    char buffer[65536];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        result.bytes.append(buffer, read);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        result.bytes.clear();
        result.reason = std::strerror(error);
        return result;
    }
    result.ok = true;
    return result;
}

bool NextLine(std::string_view bytes, std::size_t& start, std::string_view& line) {
    if (start >= bytes.size()) return false;
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = next;
    return true;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::string_view line;
    while (NextLine(bytes, start, line)) lines.emplace_back(line);
    return lines;
}

}  // namespace quillon::editor
