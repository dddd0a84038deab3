#include "converters/m2e/MetricValues.hpp"

#include <cmath>

#include "fixedform/RecordWriter.hpp"

namespace quillon::converters::m2e {

namespace ff = quillon::fixedform;

namespace {

// Output digits are first rounded to this many decimals of the output unit.
constexpr int kConversionDecimals = 6;

// The number with a punched point: sign, whole digits ("0" below 1), ".",
// fraction; without the point when `point` is false.
std::string PointedText(const ff::DecimalDigits& value, bool point) {
    std::string text = value.negative ? "-" : "";
    text += value.whole.empty() ? "0" : value.whole;
    return point ? text + "." + value.fraction : text;
}

// `value` rounded to the decimals chosen by its size, right-justified in
// `width`; `point` false leaves out the point of a value without decimals.
std::optional<std::string> ByDecimals(double value, int decimals, int width, bool point = true) {
    ff::DecimalDigits digits =
        ff::RoundDigits(ff::RoundToDigits(value, kConversionDecimals), decimals);
    std::string text = PointedText(digits, point);
    if (static_cast<int>(text.size()) > width) return std::nullopt;
    return ff::FormatA(text, width);
}

}  // namespace

double MetresToFeet(double metres) { return metres * kFeetPerMetre; }

double MillimetresToInches(double millimetres) {
    return millimetres * 0.001 * kFeetPerMetre * 12.0;
}

ff::DecimalDigits ConvertedDigits(double value, int decimals) {
    return ff::TruncateDigits(ff::RoundToDigits(value, kConversionDecimals), decimals);
}

std::optional<std::string> FormatRadius(double feet) {
    if (feet > 999999.0) return "999999.";
    int decimals = feet > 99999.9   ? 0
                   : feet > 9999.99 ? 1
                   : feet > 999.999 ? 2
                   : feet > 99.9999 ? 3
                   : feet > 9.99999 ? 4
                                    : 5;
    return ByDecimals(feet, decimals, 7, decimals > 0);
}

std::optional<std::string> FormatTransitionCurve(double feet) {
    double size = std::fabs(feet);
    int decimals = size > 999.9 ? 0 : size > 99.99 ? 1 : size > 9.999 ? 2 : 3;
    return ByDecimals(size, decimals, 5);
}

std::optional<std::string> FormatFourDecimals(const ff::DecimalDigits& value) {
    ff::DecimalDigits digits = ff::RoundDigits(value, 4);
    if (!digits.whole.empty()) return std::nullopt;
    return digits.fraction;
}

}  // namespace quillon::converters::m2e
