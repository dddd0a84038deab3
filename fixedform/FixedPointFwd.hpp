// The fixed-point Fw.d writer: how a listing-sized value is rounded on
// integers and written without a decimal expansion. Kept inline, so that a field written with a
// fixed width and number of decimals (most of a listing's) is built by
// fixed-size writes. RecordWriter.cpp takes the values this writer leaves.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace quillon::fixedform {

enum class PlusSign { Suppress, Show };  // S and SP

namespace fixedpoint {

// x * 10^d split exactly into p + e (p the rounded product, e what the
// rounding left out, exact by a fused multiply-add while nothing
// underflows). Below 2^52 the fraction of p is exact and a multiple of p's
// ulp, which is at most 1/2, and |e| is at most half an ulp, so e decides
// only where p's fraction is exactly 1/2: above (or at) the tie the
// magnitude rounds up, below it down.
constexpr int kFixedPointDecimals = 15;
constexpr double kFixedPointSmallest = 1e-200;  // e is exact above this
constexpr double kPowersOfTen[kFixedPointDecimals + 1] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The magnitude times 10^d rounded half away from zero, as an integer; false
// when the value lies outside the fixed-point writer (NaN and infinities too). A half is
// added without a branch: whether a listing value's fraction lies above it
// is a coin toss that no branch predictor wins.
inline bool RoundedByInteger(double magnitude, int decimals, std::uint64_t& n) {
    if (decimals < 0 || decimals > kFixedPointDecimals) return false;
    if (!(magnitude >= kFixedPointSmallest) && magnitude != 0.0) return false;
    const double power = kPowersOfTen[decimals];
    const double p = magnitude * power;
    if (!(p < 0x1p52)) return false;
    n = static_cast<std::uint64_t>(p);
    const double fraction = p - static_cast<double>(n);
    n += fraction > 0.5 ? 1 : 0;
    if (fraction == 0.5 && std::fma(magnitude, power, -p) >= 0.0) ++n;
    return true;
}

constexpr std::array<std::uint64_t, 20> kIntegerPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;  // the last product wraps and is not kept
    }
    return powers;
}();

// The decimal digits of n, none for 0: floor(log10 n) + 1 from the bit
// width (1233 / 4096 is just above log10 2), put right by one comparison.
inline size_t DigitCount(std::uint64_t n) {
    if (n == 0) return 0;
    const size_t guess = static_cast<size_t>(std::bit_width(n)) * 1233 >> 12;
    return guess + (n >= kIntegerPowersOfTen[guess] ? 1 : 0);
}

// Eight digits of v < 10^8 at once, in the bytes of one word: v is cut into
// two lanes of four digits, each lane into two of two digits and each of
// those into two of one, by multiplications that stand for divisions by 100
// (10486 / 2^20, exact below 43699) and by 10 (103 / 2^10, exact below 179);
// then '0' is added to every byte. The first digit is the lowest byte.
inline std::uint64_t EightDigitsWord(std::uint32_t v) {
    std::uint64_t x = (v / 10000) | (static_cast<std::uint64_t>(v % 10000) << 32);
    const std::uint64_t hundreds = ((x * 10486) >> 20) & 0x0000007F0000007FULL;
    x = hundreds | ((x - 100 * hundreds) << 16);
    const std::uint64_t tens = ((x * 103) >> 10) & 0x000F000F000F000FULL;
    x = tens | ((x - 10 * tens) << 8);
    return x + 0x3030303030303030ULL;
}

constexpr size_t kFieldRoom = 40;  // the widest field built in a buffer

// Fw.d (1 <= d <= 8) of a value of at most eight digits that fits its
// field, written as it stands; false for any other value, which the general
// writer takes. All digits come in one word: its first 8 - d bytes are the
// whole part (with leading zeros), the rest the decimals. The field is
// built in a buffer by fixed-size writes (blanks, the whole digits, the
// point at kPoint, the decimals) and then copied whole.
inline bool WriteFInOneWord(std::span<char> field, double value, int decimals, PlusSign plus) {
    if constexpr (std::endian::native != std::endian::little) return false;
    const size_t width = field.size();
    if (decimals < 1 || decimals > 8 || width > kFieldRoom) return false;
    std::uint64_t n = 0;
    if (!RoundedByInteger(std::fabs(value), decimals, n) || n >= 100000000) return false;
    const size_t places = static_cast<size_t>(decimals);
    const size_t total = DigitCount(n);
    const size_t wholeDigits = total > places ? total - places : 0;
    char sign = 0;
    if (std::signbit(value) && n != 0)  // a value that prints as zero has no sign
        sign = '-';
    else if (plus == PlusSign::Show)
        sign = '+';
    size_t size = (sign ? 1 : 0) + (wholeDigits > 0 ? wholeDigits : 1) + 1 + places;
    const bool leadingZero = wholeDigits == 0 && size <= width;  // dropped when room is short
    if (wholeDigits == 0 && !leadingZero) --size;
    if (size > width) return false;
    const size_t shown = leadingZero ? 1 : wholeDigits;  // digits before the point
    constexpr size_t kPoint = kFieldRoom + 8;
    char text[kPoint + 1 + 8];
    std::memset(text, ' ', kFieldRoom);
    const std::uint64_t word = EightDigitsWord(static_cast<std::uint32_t>(n));
    const unsigned wholeBits = 8 * static_cast<unsigned>(8 - places);
    const std::uint64_t wholeWord = word & ((std::uint64_t{1} << wholeBits) - 1);
    const std::uint64_t fractionWord = word >> wholeBits;
    std::memcpy(text + kPoint - (8 - places), &wholeWord, 8);
    text[kPoint] = '.';
    std::memcpy(text + kPoint + 1, &fractionWord, 8);
    std::memset(text + kPoint - shown - 8, ' ', 8);  // the zeros in front of the digits
    if (leadingZero) text[kPoint - 1] = '0';
    if (sign) text[kPoint - shown - 1] = sign;
    std::memcpy(field.data(), text + kPoint + 1 + places - width, width);
    return true;
}

}  // namespace fixedpoint

}  // namespace quillon::fixedform
