#include "converters/common/ConverterFiles.hpp"

namespace quillon::converters {

namespace {

// Where the file name starts: after the last "/".
size_t FileNameStart(std::string_view path) {
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

size_t FirstDotOfFileName(std::string_view path) { return path.find('.', FileNameStart(path)); }

}  // namespace

std::string BaseName(std::string_view path) {
    return std::string(path.substr(0, FirstDotOfFileName(path)));
}

std::optional<std::string> FileNameExtension(std::string_view path) {
    size_t dot = FirstDotOfFileName(path);
    if (dot == std::string_view::npos) return std::nullopt;
    return std::string(path.substr(dot + 1));
}

std::string ConverterFileName(std::string_view base, std::string_view extension) {
    return std::string(base) + "." + std::string(extension);
}

}  // namespace quillon::converters
