// A number that stands on its own as a text, in no fixed columns: a
// command-line argument or a listing field once it is cut out, read; a value
// written with as many columns as it needs.
//
// Reading: blanks before and after the number are ignored, none may stand
// inside it. The number is an optional sign, digits with an optional point,
// and an optional E or D exponent; it needs at least one digit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::converters {

// Nothing for a blank text, a text that is not such a number, or one too
// large for a double.
std::optional<double> ReadDecimalText(std::string_view text);

// A whole number: sign and digits only. Nothing for a blank text, a point, an
// exponent or a value outside int.
std::optional<int> ReadWholeText(std::string_view text);

// The value with `decimals` decimals and no blanks, as wide as it needs to be
// (the "%.<decimals>f" form): rounded half away from zero on the exact binary
// value, no minus sign on a value that prints as zero. An infinity or NaN
// prints as "inf", "-inf" or "nan".
std::string FormatDecimal(double value, int decimals);

}  // namespace quillon::converters
