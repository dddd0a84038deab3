#include "fixedform/FieldReader.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

namespace quillon::fixedform {

std::string Columns(std::string_view card, int first, int width) {
    if (first < 1 || width <= 0) return std::string();
    std::string out(static_cast<size_t>(width), ' ');
    size_t start = static_cast<size_t>(first - 1);
    for (size_t i = 0; i < out.size() && start + i < card.size(); ++i) out[i] = card[start + i];
    return out;
}

bool IsBlank(std::string_view text) {
    for (char c : text)
        if (c != ' ') return false;
    return true;
}

namespace {

// The field with its blanks resolved: leading blanks dropped, later blanks
// turned into zeros or removed.
std::string ResolveBlanks(std::string_view field, Blanks blanks) {
    std::string out;
    size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    for (; i < field.size(); ++i) {
        char c = field[i];
        if (c == ' ') {
            if (blanks == Blanks::AsZeros) out.push_back('0');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct ParsedNumber {
    bool negative = false;
    std::string digits;  // all mantissa digits, the point removed
    bool hasPoint = false;
    int pointPosition = 0;  // digits before the point
    bool hasExponent = false;
    long exponent = 0;
};

bool Parse(const std::string& text, bool allowPointAndExponent, ParsedNumber& out) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            out.digits.push_back(c);
        } else if (c == '.' && allowPointAndExponent && !out.hasPoint) {
            out.hasPoint = true;
            out.pointPosition = static_cast<int>(out.digits.size());
        } else {
            break;
        }
    }
    if (i == text.size()) return true;
    char e = text[i];
    if (!allowPointAndExponent || !(e == 'E' || e == 'e' || e == 'D' || e == 'd')) return false;
    if (out.digits.empty()) return false;  // an exponent needs a mantissa
    ++i;
    out.hasExponent = true;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativeExponent = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return false;  // an exponent letter needs digits
    long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return false;
        if (value < 100000) value = value * 10 + (text[i] - '0');
    }
    out.exponent = negativeExponent ? -value : value;
    return true;
}

}  // namespace

FieldValue<int> ReadIw(std::string_view field, Blanks blanks) {
    ParsedNumber number;
    if (!Parse(ResolveBlanks(field, blanks), false, number)) return {0, FieldStatus::NotANumber};
    long long value = 0;
    for (char c : number.digits) {
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return {0, FieldStatus::OutOfRange};
    }
    if (number.negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return {0, FieldStatus::OutOfRange};
    return {static_cast<int>(value), FieldStatus::Ok};
}

FieldValue<double> ReadFwd(std::string_view field, int decimals, Blanks blanks, int scale) {
    ParsedNumber number;
    if (!Parse(ResolveBlanks(field, blanks), true, number)) return {0.0, FieldStatus::NotANumber};
    if (number.digits.empty()) return {0.0, FieldStatus::Ok};
    // value = digits x 10^power, built as a decimal text so that the one
    // rounding to binary is done by std::from_chars (which, unlike strtod,
    // reads the same whatever the locale).
    long power = number.hasPoint ? number.pointPosition - static_cast<long>(number.digits.size())
                                 : -static_cast<long>(decimals);
    if (number.hasExponent)
        power += number.exponent;
    else
        power -= scale;
    const std::string text =
        (number.negative ? "-" : "") + number.digits + "e" + std::to_string(power);
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // Too small for a double it reads as zero; too large it is out of range.
        const size_t first = number.digits.find_first_not_of('0');
        const long wholeDigits =
            static_cast<long>(number.digits.size() - std::min(first, number.digits.size())) + power;
        if (wholeDigits > 0) return {0.0, FieldStatus::OutOfRange};
        value = number.negative ? -0.0 : 0.0;
    } else if (read.ec != std::errc() || !std::isfinite(value)) {
        return {0.0, FieldStatus::OutOfRange};
    }
    return {value, FieldStatus::Ok};
}

FieldValue<DecimalDigits> ReadFwdDigits(std::string_view field, int decimals, Blanks blanks,
                                        int scale) {
    constexpr long kMostDigits = 400;
    ParsedNumber number;
    if (!Parse(ResolveBlanks(field, blanks), true, number)) return {{}, FieldStatus::NotANumber};
    const long count = static_cast<long>(number.digits.size());
    // Digits before the point once implied decimals, exponent and scale are applied.
    long point = number.hasPoint ? number.pointPosition : count - decimals;
    if (number.hasExponent)
        point += number.exponent;
    else
        point -= scale;
    if (point > kMostDigits || count - point > kMostDigits) return {{}, FieldStatus::OutOfRange};
    DecimalDigits out;
    out.negative = number.negative;
    if (point <= 0) {
        out.fraction = std::string(static_cast<size_t>(-point), '0') + number.digits;
    } else if (point >= count) {
        out.whole = number.digits + std::string(static_cast<size_t>(point - count), '0');
    } else {
        out.whole = number.digits.substr(0, static_cast<size_t>(point));
        out.fraction = number.digits.substr(static_cast<size_t>(point));
    }
    // Drop leading zeros, and the sign of a zero.
    return {TruncateDigits(out, static_cast<int>(out.fraction.size())), FieldStatus::Ok};
}

FieldValue<int> ReadInteger(std::string_view card, int first, int width, Blanks blanks) {
    return ReadIw(Columns(card, first, width), blanks);
}

FieldValue<double> ReadReal(std::string_view card, int first, int width, int decimals,
                            Blanks blanks, int scale) {
    return ReadFwd(Columns(card, first, width), decimals, blanks, scale);
}

}  // namespace quillon::fixedform
