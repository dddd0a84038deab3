// A number that stands on its own as a text: a command-line argument, or a
// listing field once it is cut out. Blanks before and after it are ignored,
// none may stand inside it. The number is an optional sign, digits with an
// optional point, and an optional E or D exponent; it needs at least one digit.
#pragma once

#include <optional>
#include <string_view>

namespace quillon::converters {

// Nothing for a blank text, a text that is not such a number, or one too
// large for a double.
std::optional<double> ReadDecimalText(std::string_view text);

// A whole number: sign and digits only. Nothing for a blank text, a point, an
// exponent or a value outside int.
std::optional<int> ReadWholeText(std::string_view text);

}  // namespace quillon::converters
