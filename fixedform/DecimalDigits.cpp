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

DecimalDigits ShiftPoint(const DecimalDigits& number, int places) {
    std::string digits = number.whole + number.fraction;
    long point = static_cast<long>(number.whole.size()) + places;
    if (point < 0) {
        digits.insert(0, static_cast<size_t>(-point), '0');
        point = 0;
    }
    if (point > static_cast<long>(digits.size())) digits.resize(static_cast<size_t>(point), '0');
    DecimalDigits out;
    out.negative = number.negative;
    out.whole = digits.substr(0, static_cast<size_t>(point));
    out.fraction = digits.substr(static_cast<size_t>(point));
    return Normalised(out);
}

DecimalDigits AddMagnitudes(const DecimalDigits& a, const DecimalDigits& b) {
    size_t wholeSize = std::max(a.whole.size(), b.whole.size());
    size_t fractionSize = std::max(a.fraction.size(), b.fraction.size());
    auto aligned = [&](const DecimalDigits& n) {
        std::string fraction = n.fraction;
        fraction.resize(fractionSize, '0');
        return std::string(wholeSize - n.whole.size(), '0') + n.whole + fraction;
    };
    std::string x = aligned(a), y = aligned(b), sum(x.size(), '0');
    int carry = 0;
    for (size_t i = x.size(); i-- > 0;) {
        int digit = (x[i] - '0') + (y[i] - '0') + carry;
        sum[i] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    DecimalDigits out;
    out.whole = (carry ? "1" : "") + sum.substr(0, wholeSize);
    out.fraction = sum.substr(wholeSize);
    return Normalised(out);
}

std::string PlainText(const DecimalDigits& number) {
    DecimalDigits out = Normalised(number);
    size_t last = out.fraction.find_last_not_of('0');
    out.fraction.erase(last == std::string::npos ? 0 : last + 1);
    std::string text = out.negative ? "-" : "";
    text += out.whole.empty() ? "0" : out.whole;
    if (!out.fraction.empty()) text += "." + out.fraction;
    return text;
}

}  // namespace quillon::fixedform
