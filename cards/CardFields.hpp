// Reading and writing the fields of a card by their layout.
//
// A card shorter than a field reads as if padded with blanks (under blanks
// as zeros the padding reads as zeros too). Numbers are read by the rules of
// fixedform/FieldReader.hpp: nothing throws, a field that is not a number is
// a status. A field of BlankRule::NotGiven reads as 0 when blank; a reader
// that gives such a field another meaning tests IsBlank first.
//
//     constexpr const cards::CardLayout& card01 = cards::kHorizontalAlignmentCard;
//     auto pi = cards::Number(line, card01["Horizontal.PIStation"]);
//     cards::CardWriter out(card01);
//     out.Put("Horizontal.Radius", fixedform::FormatF(716.2, 7, 2));
#pragma once

#include <string>
#include <string_view>

#include "cards/CardLayout.hpp"
#include "cards/CardLayouts.hpp"
#include "fixedform/DecimalDigits.hpp"
#include "fixedform/FieldReader.hpp"

namespace quillon::cards {

// The columns of the field as they stand, padded with blanks where the card
// is shorter.
std::string Text(std::string_view card, const Field& field);

// The first column of the field (a blank where the card is shorter).
char Character(std::string_view card, const Field& field);

// True when the field's columns hold blanks only.
bool IsBlank(std::string_view card, const Field& field);

// The number of an Fw.d field with its implied decimals in a deck of `units`
// (an Iw field reads with none); blanks are dropped under BlankRule::Ignored
// and read as zeros otherwise.
fixedform::FieldValue<double> Number(std::string_view card, const Field& field,
                                     DeckUnits units = DeckUnits::Feet,
                                     MetricLength length = MetricLength::Millimetres);

// The same number as exact decimal digits, for a program that passes it on
// digit for digit.
fixedform::FieldValue<fixedform::DecimalDigits> Digits(
    std::string_view card, const Field& field, DeckUnits units = DeckUnits::Feet,
    MetricLength length = MetricLength::Millimetres);

// An Iw field: sign and digits only.
fixedform::FieldValue<int> Integer(std::string_view card, const Field& field);

// The card type text, "00" to "08".
std::string TypeText(const CardLayout& layout);

// Places `text` in the field's columns of `card`, left-justified and padded
// with blanks to the field's width; a card shorter than the field is first
// padded with blanks. A text wider than the field is a fault of the caller
// (std::length_error): numbers are formatted to their width first.
void Put(std::string& card, const Field& field, std::string_view text);

// A card read by field names.
class CardReader {
public:
    // `card` must outlive the reader.
    CardReader(const CardLayout& layout, std::string_view card, DeckUnits units = DeckUnits::Feet)
        : layout_(layout), card_(card), units_(units) {}

    std::string Text(FieldName name) const { return cards::Text(card_, Of(name)); }
    char Character(FieldName name) const { return cards::Character(card_, Of(name)); }
    bool IsBlank(FieldName name) const { return cards::IsBlank(card_, Of(name)); }
    fixedform::FieldValue<double> Number(FieldName name,
                                         MetricLength length = MetricLength::Millimetres) const {
        return cards::Number(card_, Of(name), units_, length);
    }
    fixedform::FieldValue<fixedform::DecimalDigits> Digits(
        FieldName name, MetricLength length = MetricLength::Millimetres) const {
        return cards::Digits(card_, Of(name), units_, length);
    }
    fixedform::FieldValue<int> Integer(FieldName name) const {
        return cards::Integer(card_, Of(name));
    }

private:
    const Field& Of(FieldName name) const { return layout_.Find(name.View()); }

    const CardLayout& layout_;
    std::string_view card_;
    DeckUnits units_;
};

// A card written field by field: its type in columns 1-2, then each field in
// its columns. Columns not written are blanks; the card ends after the
// rightmost column written (it is not padded to 80 columns).
class CardWriter {
public:
    explicit CardWriter(const CardLayout& layout) : layout_(layout), card_(TypeText(layout)) {}

    CardWriter& Put(FieldName name, std::string_view text) {
        return Put(layout_.Find(name.View()), text);
    }
    CardWriter& Put(const Field& field, std::string_view text) {
        cards::Put(card_, field, text);
        return *this;
    }
    const std::string& str() const { return card_; }

private:
    const CardLayout& layout_;
    std::string card_;
};

}  // namespace quillon::cards
