#include "fixedform/ImpliedDecimal.hpp"

#include "fixedform/RecordWriter.hpp"

namespace quillon::fixedform {

std::optional<std::string> FormatImpliedDecimal(const DecimalDigits& value, int width,
                                                int decimals) {
    DecimalDigits digits = TruncateDigits(value, decimals);
    if (digits.negative && digits.whole.empty()) {
        if (width < 1) return std::nullopt;
        return "-" + std::string(static_cast<size_t>(width - 1), ' ') + digits.fraction;
    }
    std::string whole = (digits.negative ? "-" : "") + (digits.whole.empty() ? "0" : digits.whole);
    if (static_cast<int>(whole.size()) > width) return std::nullopt;
    return FormatA(whole, width) + digits.fraction;
}

}  // namespace quillon::fixedform
