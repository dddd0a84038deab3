#include "converters/common/NumberText.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::converters {

namespace ff = quillon::fixedform;

namespace {

// The text without its surrounding blanks, when it has no blank inside and at
// least one digit.
std::optional<std::string_view> NumberCore(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    size_t last = text.find_last_not_of(' ');
    std::string_view core = text.substr(first, last - first + 1);
    if (core.find(' ') != std::string_view::npos) return std::nullopt;
    if (std::none_of(core.begin(), core.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return core;
}

}  // namespace

std::optional<double> ReadDecimalText(std::string_view text) {
    std::optional<std::string_view> core = NumberCore(text);
    if (!core) return std::nullopt;
    ff::FieldValue<double> value = ff::ReadFwd(*core, 0, ff::Blanks::Ignored);
    if (!value.ok()) return std::nullopt;
    return value.value;
}

std::optional<int> ReadWholeText(std::string_view text) {
    std::optional<std::string_view> core = NumberCore(text);
    if (!core) return std::nullopt;
    ff::FieldValue<int> value = ff::ReadIw(*core, ff::Blanks::Ignored);
    if (!value.ok()) return std::nullopt;
    return value.value;
}

std::string FormatDecimal(double value, int decimals) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    // A double has at most 309 whole digits; the field is wide enough for every one.
    std::string text = ff::FormatF(value, 312 + std::max(decimals, 0), decimals);
    return text.substr(text.find_first_not_of(' '));
}

}  // namespace quillon::converters
