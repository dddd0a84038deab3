#include "fixedform/RecordWriter.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace quillon::fixedform {

using namespace fixedpoint;

namespace {

std::string Stars(int width) {
    return std::string(static_cast<size_t>(width > 0 ? width : 0), '*');
}

// A value that is not finite prints as asterisks (or as zero digits). No
// field of an input reads as one, so where a program prints one it computed
// it; the fuzz builds make that a finding instead of a silent field.
void NoteNonFinite() {
#ifdef QUILLON_FUZZ_CHECKS
    std::fputs("Quillon fuzz finding: a non-finite number formatted for output\n", stderr);
    std::abort();
#endif
}

std::string NonFiniteStars(int width) {
    NoteNonFinite();
    return Stars(width);
}

std::string RightJustify(const std::string& body, int width) {
    if (static_cast<int>(body.size()) > width) return Stars(width);
    return std::string(static_cast<size_t>(width) - body.size(), ' ') + body;
}

// The value written by std::to_chars at `precision` digits after the point
// (scientific: after the first digit). The text has room for every digit a
// double can show before the point, the sign, the point and an exponent.
std::string ExactText(double value, std::chars_format format, int precision) {
    constexpr size_t kMostWholeDigits = 309;
    std::string text(kMostWholeDigits + static_cast<size_t>(precision) + 8, '\0');
    const std::to_chars_result r =
        std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    text.resize(r.ec == std::errc() ? static_cast<size_t>(r.ptr - text.data()) : 0);
    return text;
}

// Magnitude of x times 10^scale rounded half away from zero to `decimals`
// places, as the digits before and after the point. The scale moves the point
// of the exact decimal expansion, so no binary rounding comes in between.
void RoundExact(double magnitude, int decimals, std::string& whole, std::string& fraction,
                int scale = 0) {
    // The whole decimal expansion: a double is M * 2^(E - 53) with a 53-bit
    // integer M (frexp's E), so its expansion ends within 53 - E places (at
    // most 1074). Asking for all of them leaves std::to_chars nothing to
    // round; it writes a "." whatever the locale.
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    int places = std::max(53 - exponent, 0) + 1;
    const std::string exact = ExactText(magnitude, std::chars_format::fixed, places);
    size_t point = exact.find('.');
    std::string high = exact.substr(0, point), low = exact.substr(point + 1);
    if (scale > 0) {
        size_t shift = static_cast<size_t>(scale);
        if (low.size() < shift) low.resize(shift, '0');
        high += low.substr(0, shift);
        low.erase(0, shift);
    } else if (scale < 0) {
        size_t shift = static_cast<size_t>(-scale);
        if (high.size() < shift) high.insert(0, shift - high.size(), '0');
        low.insert(0, high.substr(high.size() - shift));
        high.erase(high.size() - shift);
    }
    DecimalDigits rounded = RoundDigits({false, high, low}, decimals);
    whole = rounded.whole.empty() ? "0" : rounded.whole;
    fraction = rounded.fraction;
}

// The fast path to the same digits. std::to_chars with a precision rounds
// the exact binary value to the nearest text, so it agrees with rounding half
// away from zero everywhere except on an exact tie, where it may round to
// even. The value x lies exactly halfway between two texts of d decimals when
// x * 10^d is an odd multiple of 1/2, that is, when x * 2^(d+1) is an odd
// integer (5^d is odd and x is a binary fraction). Those values, and values
// outside the range below, are left to the exact expansion: the result is
// false and nothing is written.
constexpr int kShortestDecimals = 40;
constexpr double kShortestMagnitude = 1e30;
constexpr size_t kShortBuffer = 32 + kShortestDecimals;  // 31 whole digits, the point, decimals

bool MayBeATie(double magnitude, int decimals) {
    double scaled = std::ldexp(magnitude, decimals + 1);  // exact: no overflow below 1e30 * 2^41
    return scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes `count` digits of n, two at a time, from the right end of the text
// at `end`, and returns n without them.
std::uint64_t WriteLowDigits(std::uint64_t n, size_t count, char* end) {
    for (; count >= 2; count -= 2) {
        end -= 2;
        std::memcpy(end, kPairs + 2 * (n % 100), 2);
        n /= 100;
    }
    if (count > 0) {
        *--end = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    return n;
}

// n = magnitude * 10^places rounded, cut at the point without a division:
// the whole part is that of the magnitude, or one more where the rounding
// carried into it (n is at least floor(magnitude) * 10^places, since the
// product is rounded from above that exact integer).
struct PointSplit {
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0;
};

PointSplit SplitAtPoint(double magnitude, std::uint64_t n, size_t places) {
    const std::uint64_t power = kIntegerPowersOfTen[places];
    PointSplit split{static_cast<std::uint64_t>(magnitude), 0};
    split.fraction = n - split.whole * power;
    if (split.fraction >= power) {
        ++split.whole;
        split.fraction -= power;
    }
    return split;
}

// Eight digits of v < 10^8 in order (the compiler makes the loop one store
// where the bytes of a word are in that order).
void WriteEightDigits(std::uint32_t v, char* out) {
    const std::uint64_t x = EightDigitsWord(v);
    for (int i = 0; i < 8; ++i) out[i] = static_cast<char>(x >> (8 * i));
}

void WriteSixteenDigits(std::uint64_t n, char* out) {
    WriteEightDigits(static_cast<std::uint32_t>(n / 100000000), out);
    WriteEightDigits(static_cast<std::uint32_t>(n % 100000000), out + 8);
}

size_t RoundByInteger(double magnitude, int decimals, char (&out)[kShortBuffer]) {
    std::uint64_t n = 0;
    if (!RoundedByInteger(magnitude, decimals, n)) return 0;
    // At least one digit before the point; then the point and the decimals
    // (none for d = 0, as std::to_chars writes it).
    const size_t places = static_cast<size_t>(decimals);
    const std::uint64_t whole = SplitAtPoint(magnitude, n, places).whole;
    const size_t wholeDigits = std::max<size_t>(DigitCount(whole), 1);
    const size_t length = wholeDigits + (places > 0 ? places + 1 : 0);
    char* end = out + length;
    n = WriteLowDigits(n, places, end);
    if (places > 0) out[wholeDigits] = '.';
    WriteLowDigits(n, wholeDigits, out + wholeDigits);
    return length;
}

// Fw.d of a finite value by the fixed-point writer (past the one word of
// WriteFInOneWord); false when the value lies outside the fixed-point writer.
bool WriteFByInteger(std::span<char> field, double value, int decimals, PlusSign plus) {
    std::uint64_t n = 0;
    if (!RoundedByInteger(std::fabs(value), decimals, n)) return false;
    const size_t width = field.size();
    const size_t places = static_cast<size_t>(decimals);
    const PointSplit split = SplitAtPoint(std::fabs(value), n, places);
    const size_t wholeDigits = DigitCount(split.whole);
    char sign = 0;
    if (std::signbit(value) && n != 0)  // a value that prints as zero has no sign
        sign = '-';
    else if (plus == PlusSign::Show)
        sign = '+';
    size_t size = (sign ? 1 : 0) + std::max<size_t>(wholeDigits, 1) + 1 + places;
    const bool leadingZero = wholeDigits == 0 && size <= width;  // dropped when room is short
    if (wholeDigits == 0 && !leadingZero) --size;
    if (size > width) {
        std::fill(field.begin(), field.end(), '*');
        return true;
    }
    const size_t shown = leadingZero ? 1 : wholeDigits;  // digits before the point
    // A field is built in a buffer by fixed-size writes and then copied
    // whole: blanks, the whole digits, the point at kPoint and the decimals.
    constexpr size_t kPoint = kFieldRoom + 8;
    if (wholeDigits <= 8 && places <= 8 && width <= kFieldRoom) {
        // Eight whole digits and the decimals padded to eight.
        char text[kPoint + 1 + 8];
        std::memset(text, ' ', kFieldRoom);
        WriteEightDigits(static_cast<std::uint32_t>(split.whole), text + kFieldRoom);
        text[kPoint] = '.';
        WriteEightDigits(
            static_cast<std::uint32_t>(split.fraction * kIntegerPowersOfTen[8 - places]),
            text + kPoint + 1);
        std::memset(text + kFieldRoom - shown, ' ', 8);  // the zeros in front of the digits
        if (sign) text[kPoint - shown - 1] = sign;
        std::memcpy(field.data(), text + kPoint + 1 + places - width, width);
        return true;
    }
    char digits[16];  // n < 2^52 + 1 has at most 16
    WriteSixteenDigits(n, digits);
    char* end = field.data() + width;
    end -= places;
    std::memcpy(end, digits + sizeof digits - places, places);
    *--end = '.';
    end -= shown;
    std::memcpy(end, digits + sizeof digits - places - shown, shown);
    if (sign) *--end = sign;
    std::fill(field.data(), end, ' ');
    return true;
}

// Writes the rounded magnitude into `out` ("123.4560", "0.50", "7" for
// d = 0) and returns its length, or 0 when the exact expansion must do it.
size_t RoundShort(double magnitude, int decimals, char (&out)[kShortBuffer]) {
    if (const size_t length = RoundByInteger(magnitude, decimals, out)) return length;
    if (decimals > kShortestDecimals || !(magnitude < kShortestMagnitude)) return 0;
    if (MayBeATie(magnitude, decimals)) return 0;
    std::to_chars_result r =
        std::to_chars(out, out + kShortBuffer, magnitude, std::chars_format::fixed, decimals);
    if (r.ec != std::errc()) return 0;
    return static_cast<size_t>(r.ptr - out);
}

// Fw.d without a scale by the fast path; false when it cannot be taken.
bool FormatFShort(double value, int width, int decimals, PlusSign plus, std::string& out) {
    char digits[kShortBuffer];
    size_t length = RoundShort(std::fabs(value), decimals, digits);
    if (length == 0) return false;
    bool allZero = true;
    for (size_t i = 0; i < length && allZero; ++i) allZero = digits[i] == '0' || digits[i] == '.';
    char sign = 0;
    if (std::signbit(value) && !allZero)
        sign = '-';
    else if (plus == PlusSign::Show)
        sign = '+';
    std::string_view body(digits, length);
    bool point = decimals > 0;  // to_chars writes no point for d = 0; Fw.0 does
    size_t size = (sign ? 1 : 0) + length + (point ? 0 : 1);
    // Below one the leading zero goes first when room is short ("0" alone at
    // no decimals: then the point stands alone).
    const bool belowOne = body[0] == '0' && (body.size() == 1 || body[1] == '.');
    if (size > static_cast<size_t>(width) && belowOne) {
        body.remove_prefix(1);
        --size;
    }
    if (size > static_cast<size_t>(width)) {
        out = Stars(width);
        return true;
    }
    out.assign(static_cast<size_t>(width) - size, ' ');
    if (sign) out.push_back(sign);
    out.append(body);
    if (!point) out.push_back('.');
    return true;
}

}  // namespace

void WriteI(std::span<char> field, long long value, int minDigits, PlusSign plus) {
    const size_t width = field.size();
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    const size_t least = minDigits < 0 ? 1 : static_cast<size_t>(minDigits);
    const size_t digits = std::max(DigitCount(magnitude), least);
    if (digits == 0) {  // Iw.0 of zero
        std::fill(field.begin(), field.end(), ' ');
        return;
    }
    char sign = 0;
    if (value < 0)
        sign = '-';
    else if (plus == PlusSign::Show)
        sign = '+';
    if (digits + (sign ? 1 : 0) > width) {
        std::fill(field.begin(), field.end(), '*');
        return;
    }
    char* end = field.data() + width;
    WriteLowDigits(magnitude, digits, end);
    end -= digits;
    if (sign) *--end = sign;
    std::fill(field.data(), end, ' ');
}

std::string FormatI(long long value, int width, int minDigits, PlusSign plus) {
    if (width <= 0) return std::string();
    std::string out(static_cast<size_t>(width), ' ');
    WriteI(out, value, minDigits, plus);
    return out;
}

std::string FormatFExact(double value, int width, int decimals, PlusSign plus, int scale) {
    if (width <= 0) return std::string();
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) return NonFiniteStars(width);
    // Beyond these scales every double prints as asterisks or as zero.
    constexpr int kLargestScale = 1500;
    scale = std::clamp(scale, -kLargestScale, kLargestScale);
    std::string whole, fraction;
    RoundExact(std::fabs(value), decimals, whole, fraction, scale);
    bool allZero = whole.find_first_not_of('0') == std::string::npos &&
                   fraction.find_first_not_of('0') == std::string::npos;
    std::string sign;
    if (std::signbit(value) && !allZero)
        sign = "-";
    else if (plus == PlusSign::Show)
        sign = "+";
    std::string body = sign + whole + "." + fraction;
    if (static_cast<int>(body.size()) > width && whole == "0") body = sign + "." + fraction;
    return RightJustify(body, width);
}

namespace {

// Fw.d off the fixed-point writer, through a text: kept out of line, so that the
// fixed-point writer needs no room for strings.
[[gnu::noinline]] void WriteFByText(std::span<char> field, double value, int decimals,
                                    PlusSign plus) {
    const int width = static_cast<int>(field.size());
    std::string text;
    if (!FormatFShort(value, width, decimals, plus, text))
        text = FormatFExact(value, width, decimals, plus);
    std::copy_n(text.data(), field.size(), field.data());
}

}  // namespace

void WriteFGeneral(std::span<char> field, double value, int decimals, PlusSign plus) {
    if (field.empty()) return;
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) {
        std::fill(field.begin(), field.end(), '*');
        return;
    }
    if (WriteFByInteger(field, value, decimals, plus)) return;
    WriteFByText(field, value, decimals, plus);
}

std::string FormatF(double value, int width, int decimals, PlusSign plus, int scale) {
    if (width <= 0) return std::string();
    if (scale != 0) return FormatFExact(value, width, decimals, plus, scale);
    std::string out(static_cast<size_t>(width), ' ');
    WriteF(out, value, decimals, plus);
    return out;
}

DecimalDigits RoundToDigits(double value, int decimals) {
    if (decimals < 0) decimals = 0;
    DecimalDigits out;
    if (!std::isfinite(value)) {
        NoteNonFinite();
        out.fraction.assign(static_cast<size_t>(decimals), '0');
        return out;
    }
    char digits[kShortBuffer];
    size_t length = RoundShort(std::fabs(value), decimals, digits);
    if (length > 0) {
        std::string_view text(digits, length);
        size_t point = text.find('.');
        out.whole.assign(text.substr(0, point));
        out.fraction.assign(point == std::string_view::npos ? std::string_view()
                                                            : text.substr(point + 1));
    } else {
        RoundExact(std::fabs(value), decimals, out.whole, out.fraction);
    }
    out.negative = std::signbit(value);
    return TruncateDigits(out, decimals);  // drops leading zeros and the sign of a zero
}

namespace {

// Ew.d of a finite non-zero value: "0.", `decimals` digits rounded half away
// from zero on the exact binary value, and the exponent.
std::string FormatE(double value, int width, int decimals) {
    if (decimals < 1) decimals = 1;
    // The exact digits of the value: one before the point, then all of them.
    constexpr int kAllDigits = 1100;  // a double's expansion has at most 767 significant digits
    const std::string exact =
        ExactText(std::fabs(value), std::chars_format::scientific, kAllDigits);
    size_t point = exact.find('.');
    size_t mark = exact.find('e');
    int exponent = std::atoi(exact.c_str() + mark + 1) + 1;  // for 0.d1d2... form
    std::string digits = exact.substr(0, point) + exact.substr(point + 1, mark - point - 1);
    DecimalDigits rounded = RoundDigits({false, "", digits}, decimals);
    std::string mantissa = rounded.fraction;
    if (!rounded.whole.empty()) {  // 0.999..95 rounded up to 1.000..0
        mantissa = "1" + std::string(static_cast<size_t>(decimals - 1), '0');
        ++exponent;
    }
    int magnitude = exponent < 0 ? -exponent : exponent;
    std::string exponentText = std::to_string(magnitude);
    if (exponentText.size() < 2) exponentText.insert(0, 1, '0');
    std::string tail = magnitude > 99
                           ? std::string(exponent < 0 ? "-" : "+") + exponentText
                           : std::string("E") + (exponent < 0 ? "-" : "+") + exponentText;
    if (tail.size() > 4) return Stars(width);
    std::string sign = value < 0.0 ? "-" : "";
    std::string body = sign + "0." + mantissa + tail;
    if (static_cast<int>(body.size()) > width) body = sign + "." + mantissa + tail;
    return RightJustify(body, width);
}

}  // namespace

std::string FormatG(double value, int width, int decimals) {
    if (width <= 0) return std::string();
    if (decimals < 1) decimals = 1;
    if (!std::isfinite(value)) return NonFiniteStars(width);
    const int fixedWidth = width - 4;
    const std::string trailer(4, ' ');
    if (value == 0.0) return FormatF(0.0, fixedWidth, decimals - 1) + trailer;
    // The fixed form with k whole digits fits when the value, rounded to
    // decimals - k places, has exactly k whole digits. k = 0: below 1 at
    // `decimals` places, and at least 0.1 once rounded to `decimals`
    // significant digits (decimals + 1 places below 0.1).
    for (int k = 0; k <= decimals; ++k) {
        DecimalDigits rounded = RoundToDigits(std::fabs(value), decimals - k);
        bool fits = static_cast<int>(rounded.whole.size()) == k;
        if (k == 0 && fits) {
            DecimalDigits significant = RoundToDigits(std::fabs(value), decimals + 1);
            fits = significant.whole.empty() && significant.fraction[0] != '0';
        }
        if (fits) return FormatF(value, fixedWidth, decimals - k) + trailer;
    }
    return FormatE(value, width, decimals);
}

std::string FormatA(std::string_view text, int width) {
    if (width <= 0) return std::string();
    std::string out(static_cast<size_t>(width), ' ');
    WriteA(out, text);
    return out;
}

std::string PadRight(std::string_view text, int width) {
    if (width <= 0) return std::string();
    std::string out(text.substr(0, static_cast<size_t>(width)));
    out.resize(static_cast<size_t>(width), ' ');
    return out;
}

Record& Record::operator=(const Record& other) {
    if (this == &other) return *this;
    if (other.data_ == other.inline_) {
        std::memcpy(inline_, other.inline_, kInlineLength);
        heap_.clear();
        data_ = inline_;
        capacity_ = kInlineLength;
    } else {
        heap_ = other.heap_;
        data_ = heap_.data();
        capacity_ = heap_.size();
    }
    size_ = other.size_;
    cursor_ = other.cursor_;
    plus_ = other.plus_;
    scale_ = other.scale_;
    return *this;
}

void Record::Grow(size_t length) {
    std::string grown(std::max(length, 2 * capacity_), ' ');
    std::memcpy(grown.data(), data_, size_);
    heap_.swap(grown);
    data_ = heap_.data();
    capacity_ = heap_.size();
}

Record& Record::I(long long value, int width, int minDigits) {
    if (width > 0) WriteI(Room(static_cast<size_t>(width)), value, minDigits, plus_);
    return *this;
}

Record& Record::F(double value, int width, int decimals) {
    if (width <= 0) return *this;
    if (scale_ != 0) return Put(FormatFExact(value, width, decimals, plus_, scale_));
    WriteF(Room(static_cast<size_t>(width)), value, decimals, plus_);
    return *this;
}

Record& Record::Column(int column) {
    cursor_ = column > 1 ? static_cast<size_t>(column - 1) : 0;
    if (size_ < cursor_) {  // the columns up to the cursor are blanks already
        if (cursor_ > capacity_) Grow(cursor_);
        size_ = cursor_;
    }
    return *this;
}

}  // namespace quillon::fixedform
