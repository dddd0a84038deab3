#include "fixedform/DecimalDigits.hpp"

#include <algorithm>

namespace quillon::fixedform {

namespace {

void DropLeadingZeros(std::string& whole) {
    size_t first = whole.find_first_not_of('0');
    whole.erase(0, first == std::string::npos ? whole.size() : first);
}

DecimalDigits Normalised(DecimalDigits number) {
    DropLeadingZeros(number.whole);
    if (number.IsZero()) number.negative = false;
    return number;
}

}  // namespace

bool DecimalDigits::IsZero() const {
    return whole.find_first_not_of('0') == std::string::npos &&
           fraction.find_first_not_of('0') == std::string::npos;
}

DecimalDigits TruncateDigits(const DecimalDigits& number, int decimals) {
    DecimalDigits out = number;
    size_t keep = static_cast<size_t>(std::max(decimals, 0));
    out.fraction.resize(keep, '0');
    return Normalised(out);
}

DecimalDigits RoundDigits(const DecimalDigits& number, int decimals) {
    size_t keep = static_cast<size_t>(std::max(decimals, 0));
    bool up = number.fraction.size() > keep && number.fraction[keep] >= '5';
    DecimalDigits out = TruncateDigits(number, decimals);
    if (!up) return out;
    std::string digits = out.whole + out.fraction;
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[static_cast<size_t>(i)] == '9') digits[static_cast<size_t>(i--)] = '0';
    if (i < 0)
        digits.insert(digits.begin(), '1');
    else
        ++digits[static_cast<size_t>(i)];
    out.whole = digits.substr(0, digits.size() - keep);
    out.fraction = digits.substr(digits.size() - keep);
    out.negative = number.negative;
    return Normalised(out);
}

}  // namespace quillon::fixedform
