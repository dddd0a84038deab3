// The conversions between a field of a card and the text a form control
// shows: numbers with implied decimals, stations and angles. The card readers
// turn fields into control texts; the card writers turn control texts back
// into fields of exact width.
//
// Numbers. A field or a text passes the numeric test when, blanks around it
// aside, it is one sign before or after the digits (or none) and digits with
// at most one decimal point: no exponent, no separators, no blank between
// digits. A card field without a point has `decimals` implied decimals; its
// blanks count as zero digits ("12  " with 2 decimals is 12). Values are
// exact decimals: no binary rounding happens between a card and a text.
//
// Stations. A station text shows the sign, whole stations, "+", the remainder
// with k digits (2 in an English deck, 3 in a metric one), "." and at least
// the field's decimals ("123+45.67", "12+345.678", "-0+50.00").
//
// Angles. An angle text shows degrees, the degree sign (byte 176), a blank,
// minutes, "' ", seconds with two decimals and a double quote
// ("12\xB0 34' 56.78\""). Typed angles are read as parts split on runs of
// blanks; the marks after each part may be left out.
#pragma once

#include <string>
#include <string_view>

namespace quillon::editor {

inline constexpr char kDegreeSign = '\xB0';

// Remainder digits of a station: 3 in a metric deck, 2 in an English deck.
inline int StationRemainderDigits(bool metric) { return metric ? 3 : 2; }

// The numeric test (see above).
bool PassesNumericTest(std::string_view text);

// The field's value with `decimals` implied decimals; 0 when the field does
// not pass the numeric test.
double ParseCardNumber(std::string_view field, int decimals);

// The field's value as number text: its exact decimal value with no padding,
// no trailing zeros, "-" when negative and "0" for zero or a field that is not
// a number ("  125000" with 4 decimals gives "12.5").
std::string CardNumberText(std::string_view field, int decimals);

// The field's value (no implied decimals) rounded half away from zero to a
// whole number, as number text; "0" for a field that is not a number.
std::string CardWholeNumberText(std::string_view field);

// True when the text passes the numeric test and its value is a whole number
// ("5", "5.00", "-12").
bool IsWholeNumberText(std::string_view text);

// True when the field is empty, or blanks only and at most 20 characters long.
bool IsBlankField(std::string_view field);

// The field read as a station with `decimals` implied decimals; an empty text
// when the field is empty or all blanks.
std::string FormatStationText(std::string_view field, int decimals, bool metric);

// The field of `degreeDigits` degree columns, 2 minute columns and the
// seconds columns (`secondDecimals` implied decimals) as angle text.
std::string FormatAngleText(std::string_view field, int degreeDigits, int secondDecimals);

// Why a control text cannot be written into its field.
enum class FieldFault {
    None,
    NotANumber,  // fails the numeric test (or an angle part does)
    TooWide,     // its digits do not fit the field's columns
    NotWhole,    // a degrees or minutes part with decimals
    NotAnAngle,  // more than degrees, minutes and seconds
};

// The words that say why, as in `"abc" is not a number`.
std::string_view FaultText(FieldFault fault);

// A field built from a control text: `text` has the field's width (blanks
// when the control text cannot be written, see `fault`).
struct WrittenField {
    std::string text;
    FieldFault fault = FieldFault::None;
    bool ok() const { return fault == FieldFault::None; }
};

// The angle text as degrees right-justified in `degreeWidth` columns, minutes
// in 2 and seconds times 10^secondDecimals in secondDecimals + 2 (at least
// secondDecimals + 1 digits); parts left out are zero. Seconds typed without a
// point are whole seconds.
WrittenField FormatAngleField(std::string_view text, int degreeWidth, int secondDecimals);

enum class Point {
    Implied,  // digits only: the value times 10^decimals, rounded
    Punched,  // the point written, `decimals` decimals, fewer when they do not fit
};

// The control text as a number field of `width` columns, right-justified.
// Blanks around the number are cut; an empty or all-blank text gives blanks.
// A station "W+R" is the sign of W times (|W| x 10^k + R). Rounding is half
// away from zero on the exact decimal value ("1.005", 2 decimals: "101").
// Implied point: at least decimals + 1 digits when width > decimals and the
// value is not negative, else at least `decimals` digits.
WrittenField FormatNumberField(std::string_view text, int width, int decimals, Point point,
                               bool metric);

}  // namespace quillon::editor
