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

}  // namespace quillon::fixedform
