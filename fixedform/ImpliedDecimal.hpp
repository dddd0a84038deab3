// Writing a number as a field with implied decimals and no point, digit for
// digit: the "w,d" form of a deck field.
#pragma once

#include <optional>
#include <string>

#include "fixedform/DecimalDigits.hpp"

namespace quillon::fixedform {

// The value cut (toward zero) to `decimals` fraction digits, written without a
// point: its integer part right-justified in `width` columns (a minus sign
// counts as a column), then the fraction digits. A value between -1 and 0 is
// "-", width - 1 blanks and the fraction digits; one that is zero at these
// decimals has no sign. Nothing when the integer part does not fit `width`
// columns.
std::optional<std::string> FormatImpliedDecimal(const DecimalDigits& value, int width,
                                                int decimals);

}  // namespace quillon::fixedform
