// Values of a metric card in the units of the English card written for it.
//
// A field is read by the Fw.d rules of the deck (blanks as zeros, the last d
// digits decimals unless a point is punched). A converted value is rounded to
// the nearest 1e-6 of its output unit and then cut to the decimals of its
// output field; a value passed on unconverted keeps its decimal digits exactly
// (no binary rounding between reading and writing).
//
// An output field "w,d" holds no point (fixedform::FormatImpliedDecimal); a
// few fields are written by the size of their value instead.
#pragma once

#include <optional>
#include <string>

#include "fixedform/DecimalDigits.hpp"

namespace quillon::converters::m2e {

// Feet in a metre by the US survey foot (1 / 0.3048006096...): the factor
// every metric value of a deck is converted with.
inline constexpr double kFeetPerMetre = 3.2808333333333333;

// A cross-slope transition vertical curve may be at most this long (metres);
// longer ones do not fit the English card.
inline constexpr double kLongestTransitionCurve = 3047.0;

double MetresToFeet(double metres);
// x 0.001, then x kFeetPerMetre, then x 12, in that order.
double MillimetresToInches(double millimetres);

// A converted value for a "w,d" field: rounded to 6 decimals, then cut to d.
fixedform::DecimalDigits ConvertedDigits(double value, int decimals);

// A radius in feet in 7 columns, rounded: above 999999 "999999."; above
// 99999.9 a whole number without a point; above 9999.99 one decimal with a
// punched point; above 999.999 two;
// above 99.9999 three; above 9.99999 four; otherwise five. Nothing when it
// does not fit (a negative radius).
std::optional<std::string> FormatRadius(double feet);

// A transition vertical curve length in feet in 5 columns, rounded: above
// 999.9 four digits and a point; above 99.99 one decimal; above 9.999 two;
// otherwise three. The engine uses only its size, so the size is written.
std::optional<std::string> FormatTransitionCurve(double feet);

// A slope written as its four decimals alone (0.06 gives "0600"), rounded to
// four places; its sign is dropped (the engine uses the size of the
// superelevation rate). Nothing when the value is 1 or more.
std::optional<std::string> FormatFourDecimals(const fixedform::DecimalDigits& value);

}  // namespace quillon::converters::m2e
