// The fields of a metric card and how each is written on the English card.
//
// Every field keeps its columns, which come from the card layouts. A blank field is written as
// blanks of its width. A number that is not converted and does not read as a number is passed on as
// it stands, so that the engine reports it at its card. Each card type is a table of these fields,
// left to right.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::converters::m2e {

enum class FieldRule {
    Copied,           // the characters as they stand
    AsRead,           // a number not converted (angle, slope, percent, code):
                      // its digits rewritten "w,d"; a text that is no number is copied
    Metres,           // metres to feet, written "w,d"
    Millimetres,      // millimetres to inches, written "w,d"
    Radius,           // metres to feet, 7 columns by size (FormatRadius)
    TransitionCurve,  // `CrossTrans.MaxTransVC`: metres to feet, 5 columns by size,
                      // at most kLongestTransitionCurve metres in size
    CrownSlope,       // read from its second column on; written "-" and its 4 decimals
    FourDecimals,     // a slope written as its four decimals (FormatFourDecimals)
    PartsOrLength,    // `FractionalPoints`: a count when its decimals are blank
                      // (written "%3d" and blanks), else a length in metres, "3,4"
};

struct CardField {
    std::string name;  // the field's name in its card layout, for messages
    int first = 0;     // first column
    int last = 0;      // last column
    FieldRule rule = FieldRule::Copied;
    int decimalsIn = 0;  // implied decimals of the metric field
    int width = 0;       // w of "w,d": integer columns of the English field
    int decimals = 0;    // d of "w,d": fraction digits of the English field

    int Columns() const { return last - first + 1; }
};

// Why a card could not be converted.
struct FieldFault {
    enum class Kind {
        NotANumber,              // a converted field holds no number
        TooWide,                 // the value does not fit its columns
        TransitionCurveTooLong,  // `CrossTrans.MaxTransVC` above kLongestTransitionCurve
    };
    Kind kind = Kind::NotANumber;
    std::string field;  // CardField::name
    int first = 0;
    int last = 0;
    std::string value;  // the field's text, or the value that does not fit, with its unit
};

// A card converted, or the fault that stopped it.
struct CardConversion {
    std::string card;  // without a line end; it ends after its last field
    std::optional<FieldFault> fault;
};

// The card type text followed by each field converted, in column order.
CardConversion ConvertFields(std::string_view card, std::string_view type,
                             const std::vector<CardField>& fields);

}  // namespace quillon::converters::m2e
