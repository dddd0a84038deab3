// Reading fixed-column fields of card images: Iw, Fw.d and Aw.
//
// Columns are 1-based byte positions. A card shorter than the field reads as
// if padded with blanks, so under Blanks::AsZeros the padding reads as zeros.
//
// A numeric field holds, after its leading blanks: an optional sign, digits
// with an optional punched point, and an optional exponent (E or D, either
// case, optional sign, digits). Blanks after the first non-blank character are
// zeros (Blanks::AsZeros) or are dropped (Blanks::Ignored). A field of blanks
// alone is zero. Anything else is FieldStatus::NotANumber; nothing throws.
#pragma once

#include <string>
#include <string_view>

#include "fixedform/DecimalDigits.hpp"

namespace quillon::fixedform {

enum class Blanks { AsZeros, Ignored };

enum class FieldStatus {
    Ok,
    NotANumber,  // a character that is not part of a number
    OutOfRange,  // an integer field whose value does not fit an int
};

template <class T>
struct FieldValue {
    T value{};
    FieldStatus status = FieldStatus::Ok;
    bool ok() const { return status == FieldStatus::Ok; }
};

// The text of columns first .. first+width-1, padded with blanks where the
// card is shorter. first < 1 or width < 0 yields an empty text.
std::string Columns(std::string_view card, int first, int width);

// Iw on a field already cut to its w columns: sign and digits only (a point or
// exponent is not a number).
FieldValue<int> ReadIw(std::string_view field, Blanks blanks = Blanks::AsZeros);

// Fw.d on a field already cut to its w columns. Without a punched point the
// last `decimals` digits of the mantissa are decimals. `scale` is the kP scale
// factor: without an exponent the value read is divided by 10^scale (2P reads
// a percent as a fraction).
FieldValue<double> ReadFwd(std::string_view field, int decimals, Blanks blanks = Blanks::AsZeros,
                           int scale = 0);

// Fw.d read as exact decimal digits, by the rules of ReadFwd, for a caller that
// passes a number on digit for digit. A value with more than 400 digits on
// either side of the point is OutOfRange.
FieldValue<DecimalDigits> ReadFwdDigits(std::string_view field, int decimals,
                                        Blanks blanks = Blanks::AsZeros, int scale = 0);

// The same on columns of a card.
FieldValue<int> ReadInteger(std::string_view card, int first, int width,
                            Blanks blanks = Blanks::AsZeros);
FieldValue<double> ReadReal(std::string_view card, int first, int width, int decimals,
                            Blanks blanks = Blanks::AsZeros, int scale = 0);

// Aw: the columns as they stand (padded with blanks).
inline std::string ReadText(std::string_view card, int first, int width) {
    return Columns(card, first, width);
}

// True when every character of the text is a blank (an empty text is blank).
bool IsBlank(std::string_view text);

}  // namespace quillon::fixedform
