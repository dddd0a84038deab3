// A number as exact decimal digits: what a field holds, or what a double is
// worth to a given number of places, without a binary rounding in between.
#pragma once

#include <string>

namespace quillon::fixedform {

struct DecimalDigits {
    bool negative = false;
    std::string whole;     // digits before the point, without leading zeros ("" below 1)
    std::string fraction;  // digits after the point, as many as were asked for or read

    // True when every digit is zero (a zero has no sign).
    bool IsZero() const;
};

// The same number cut to `decimals` fraction digits (toward zero), or
// padded with zeros to that many.
DecimalDigits TruncateDigits(const DecimalDigits& number, int decimals);

// The same number rounded half away from zero to `decimals` fraction digits.
DecimalDigits RoundDigits(const DecimalDigits& number, int decimals);

// The number times 10^places (places < 0 divides), exactly: the point moves,
// no digit changes.
DecimalDigits ShiftPoint(const DecimalDigits& number, int places);

// |a| + |b|, exactly (the result has no sign).
DecimalDigits AddMagnitudes(const DecimalDigits& a, const DecimalDigits& b);

// The number as plain decimal text: "-" when negative, no leading zeros
// before the point ("0" below 1), no trailing zeros after it, no point for a
// whole number, never an exponent ("0" for zero, "-0.05", "12.5", "1200").
std::string PlainText(const DecimalDigits& number);

}  // namespace quillon::fixedform
