#include "engine/run/TextHelpers.hpp"

#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

int SqueezeText(int n, std::string& text) {
    size_t count = n < 0 ? text.size() : std::min(static_cast<size_t>(n), text.size());
    std::string kept;
    int blanks = 0;
    for (size_t i = 0; i < count; ++i) {
        if (text[i] == ' ')
            ++blanks;
        else
            kept.push_back(text[i]);
    }
    kept.resize(count, ' ');
    text.replace(0, count, kept);
    return blanks;
}

int ReplaceCharacterAt(std::span<char> text, int position, char from, char to) {
    if (position < 1 || static_cast<size_t>(position) > text.size()) return -1;
    char& c = text[static_cast<size_t>(position - 1)];
    if (from != to) {
        if (c != from) return 0;
        c = to;
        return 1;
    }
    if (c == from) return 0;
    c = from;
    return 1;
}

int CharacterCode(char c) {
    if (c == ' ' || c == '0') return 0;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    // Otherwise the ASCII code minus 21, kept within 28-60.
    int code = static_cast<unsigned char>(c) - 21;
    if (code < 28 || code > 60) return 60;
    return code;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out.push_back(c);
    return out;
}

std::string MakeSectionNumberText(int number) {
    std::string text = fixedform::Record().Text("(").I(number, 4).Text(")").X(4).str();
    SqueezeText(static_cast<int>(text.size()), text);
    return text;
}

}  // namespace quillon::engine
