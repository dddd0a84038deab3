#include "converters/common/TextRoutines.hpp"

namespace quillon::converters {

namespace {

unsigned Code(char c) { return static_cast<unsigned char>(c); }

}  // namespace

int FindChar(std::string_view text, int offset, char c, const MessageSink& report) {
    if (offset < 0 || static_cast<size_t>(offset) > text.size()) {
        if (report) report(kFindCharOffsetMessage);
        return 0;
    }
    size_t at = text.find(c, static_cast<size_t>(offset));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string RightTrim(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && Code(text[end - 1]) < 33) --end;
    return std::string(text.substr(0, end));
}

std::string LeftTrim(std::string_view text) {
    size_t begin = 0;
    while (begin < text.size() && Code(text[begin]) < 33) ++begin;
    size_t end = begin;
    while (end < text.size() && Code(text[end]) >= 32) ++end;
    return std::string(text.substr(begin, end - begin));
}

}  // namespace quillon::converters
