// The field of a card and the layout of a card type, as plain constexpr data.
//
// A card is one line of the geometry input deck: 80 columns, counted from 1,
// columns 1-2 holding its type "00" to "08". Each card type is described
// once, in CardLayouts.hpp, as a table of fields; every program that reads or
// writes cards takes its columns from there and keeps only its own rules
// (what a blank stands for, which fields it converts), keyed by the fields'
// names.
#pragma once

#include <span>
#include <stdexcept>
#include <string_view>

namespace quillon::cards {

// The edit descriptor of a field.
enum class Edit {
    I,  // Iw: a whole number (sign and digits)
    F,  // Fw.d: a number with d implied decimals (a punched point overrides them)
    A,  // Aw: characters as they stand
    X,  // nX: columns that hold no value; writers leave them blank or pass them on
};

// What blanks in a field mean on the deck.
enum class BlankRule {
    Zeros,     // blanks read as zeros: a blank field is 0
    NotGiven,  // a field of blanks only gives no value (each reader says what stands
               // for it); otherwise blanks read as zeros
    Ignored,   // blanks are dropped: "4 " and " 4" are 4, a blank field is 0
    Kept,      // text: blanks are characters like any other
};

// The units of the deck a card belongs to. The engine reads decks in feet only;
// a metric deck carries one more implied decimal on lengths and stations.
enum class DeckUnits { Feet, Metric };

// How a metric deck gives a small length that the card may hold in millimetres
// or in metres: the ElevationShift of a line of LineType 4 and the deflections
// of a DeadLoadCard whose DeflectionUnits is "M" are in metres.
enum class MetricLength { Millimetres, Metres };

struct Field {
    std::string_view name;  // unique within its card type
    int first = 0;          // first column, 1-based
    int last = 0;           // last column
    Edit edit = Edit::A;
    int feetDecimals = 0;     // implied decimals d in a deck in feet (0 unless Edit::F)
    int metricDecimals = 0;   // implied decimals in a metric deck
    int metresDecimals = -1;  // in a metric deck that gives the value in metres
                              // (MetricLength::Metres); -1 where there is no such choice
    BlankRule blanks = BlankRule::Kept;
    // A group spans several fields of the card (an angle of degrees, minutes and
    // seconds, a number whose parts are looked at alone, a text of codes); the
    // fields that are no group cover the card's columns without gap or overlap.
    bool group = false;

    constexpr int Width() const { return last - first + 1; }

    // The implied decimals of the field in a deck of `units`.
    constexpr int Decimals(DeckUnits units, MetricLength length = MetricLength::Millimetres) const {
        if (units == DeckUnits::Feet) return feetDecimals;
        if (length == MetricLength::Metres && metresDecimals >= 0) return metresDecimals;
        return metricDecimals;
    }
};

struct CardLayout {
    int type = 0;                   // 0-8, the number in columns 1-2
    std::string_view name;          // "HorizontalAlignmentCard"
    std::span<const Field> fields;  // in column order from column 3; a group stands
                                    // before the first field it spans

    // The field of that name, looked up when the program is compiled: a name
    // the card does not have does not compile.
    consteval const Field& operator[](std::string_view fieldName) const { return Find(fieldName); }

    // The same lookup when the program runs, for a name held in a variable
    // (a FieldName, checked when it was compiled); a name the card does not
    // have is a fault of the caller (std::out_of_range).
    constexpr const Field& Find(std::string_view fieldName) const {
        for (const Field& field : fields)
            if (field.name == fieldName) return field;
        throw std::out_of_range("the card layout has no field of that name");
    }

    constexpr bool Has(std::string_view fieldName) const {
        for (const Field& field : fields)
            if (field.name == fieldName) return true;
        return false;
    }

    // The columns from the first column of field `from` to the last column of
    // field `to` as one text field (for a program that passes them on as they
    // stand), named after `from`.
    constexpr Field Span(std::string_view from, std::string_view to) const {
        const Field& start = Find(from);
        const Field& end = Find(to);
        if (end.last < start.first) throw std::out_of_range("the span ends before it starts");
        Field span{start.name, start.first, end.last, Edit::A};
        span.group = true;
        return span;
    }
};

}  // namespace quillon::cards
