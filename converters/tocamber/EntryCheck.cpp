#include "converters/tocamber/EntryCheck.hpp"

#include <algorithm>
#include <cctype>

#include "converters/common/ConverterFiles.hpp"

namespace quillon::converters::tocamber {

namespace {

// Digits read as a girder number; a number too long for any girder count
// reads as the largest one, which is out of range like it.
int GirderNumber(std::string_view digits) {
    constexpr int kTooLarge = 1000000;
    int number = 0;
    for (char c : digits) {
        number = number * 10 + (c - '0');
        if (number >= kTooLarge) return kTooLarge;
    }
    return number;
}

EntryCheck CheckListingName(std::string_view name) {
    EntryCheck check;
    if (name.empty()) {
        check.messages.emplace_back("Quillon file name must be entered");
        return check;
    }
    if (std::optional<std::string> extension = FileNameExtension(name)) {
        std::string upper = "." + *extension;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (upper.find(".LIS") == std::string::npos)
            check.messages.emplace_back("Input file name extension is not valid");
    }
    return check;
}

// A "-" gets a blank before it when it has none, and blanks after it are
// dropped, so that "1-3", "1 - 3" and "1 -3" all read "1 -3".
std::string SpacedRanges(std::string_view list) {
    std::string spaced;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i] == ' ' && !spaced.empty() && spaced.back() == '-') continue;
        if (list[i] == '-' && (spaced.empty() || spaced.back() != ' ')) spaced += ' ';
        spaced += list[i];
    }
    return spaced;
}

std::vector<std::string> Pieces(std::string_view text) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text) {
        if (c == ',' || c == ' ') {
            if (!piece.empty()) pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty()) pieces.push_back(piece);
    return pieces;
}

EntryCheck CheckGirderList(std::string_view list, int girderCount) {
    EntryCheck check;
    check.selected.assign(static_cast<size_t>(std::max(girderCount, 0)) + 1, false);
    if (list.find_first_not_of(' ') == std::string_view::npos) {
        check.messages.emplace_back("Please enter something.");
        return check;
    }
    for (char c : list) {
        if (c != ' ' && c != ',' && c != '-' && !std::isdigit(static_cast<unsigned char>(c))) {
            check.messages.push_back(std::string("Illegal character '") + c + "' found, re-enter.");
            return check;
        }
    }
    int before = 0;  // the number read last
    for (const std::string& piece : Pieces(SpacedRanges(list))) {
        const bool range = piece.front() == '-';
        const int number = GirderNumber(std::string_view(piece).substr(range ? 1 : 0));
        if (number < 1 || number > girderCount) {
            std::fill(check.selected.begin(), check.selected.end(), false);
            check.messages.push_back("Select girder numbers between 1 and " +
                                     std::to_string(girderCount));
            return check;
        }
        const int from = range ? std::max(before, 1) : number;
        if (range && number <= from) {
            check.messages.emplace_back("Cannot process range selection in reverse order");
            return check;
        }
        for (int n = from; n <= number; ++n) check.selected[static_cast<size_t>(n)] = true;
        before = number;
    }
    return check;
}

}  // namespace

EntryCheck CheckEntry(EntryKind kind, std::string_view text, int girderCount) {
    return kind == EntryKind::ListingName ? CheckListingName(text)
                                          : CheckGirderList(text, girderCount);
}

}  // namespace quillon::converters::tocamber
