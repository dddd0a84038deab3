// Reading the fields of one card into control texts, and building a card line
// from control texts, by the fields of the card's layout: every column comes
// from cards/CardLayouts.hpp. The card readers and writers of each card group
// are built on these two.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/CardFields.hpp"
#include "cards/CardLayout.hpp"
#include "editor/deck/CardFieldConversions.hpp"
#include "editor/deck/Choice.hpp"

namespace quillon::editor {

// Why a card cannot be written: the card, its row, the field and its text.
struct WriteFailure {
    std::string card;     // the card type, "05"
    std::string rowKind;  // "girder line row"; empty for a card that is no row
    int row = -1;         // index from 0 (shown from 1); -1 for a card that is no row
    std::string field;    // the field's label on its form, "Elevation Shift"
    std::string text;     // what the control holds
    FieldFault fault = FieldFault::NotANumber;

    // Cannot write card 05, girder line row 3: Elevation Shift "abc" is not a number.
    std::string Message() const;
};

// One card line, or why it could not be written.
struct WrittenCard {
    std::string line;
    std::optional<WriteFailure> failure;
    bool ok() const { return !failure.has_value(); }
};

// The lines of a card group in deck order, up to the first card that could
// not be written (`failure` then says why).
struct WrittenCards {
    std::vector<std::string> lines;
    std::optional<WriteFailure> failure;
    bool ok() const { return !failure.has_value(); }

    // Adds the card's line; false (and the failure kept) when it has none.
    bool Add(WrittenCard card);
};

// Row `row` of a row form's rows; `addRow` (the form's add-row operation) is
// called first, once per missing row, when the form holds fewer rows.
template <class Rows, class AddRow>
typename Rows::value_type& GrownRow(Rows& rows, int row, AddRow addRow) {
    while (static_cast<int>(rows.size()) <= row) addRow();
    return rows[static_cast<size_t>(row)];
}

// Adds the card of every row that `isWritten` keeps, in row order, up to the
// first card that cannot be written; false then.
template <class Rows, class IsWritten, class WriteRow>
bool AddRows(WrittenCards& out, const Rows& rows, IsWritten isWritten, WriteRow writeRow) {
    for (size_t row = 0; row < rows.size(); ++row) {
        if (!isWritten(rows[row])) continue;
        if (!out.Add(writeRow(static_cast<int>(row)))) return false;
    }
    return true;
}

inline cards::DeckUnits UnitsOf(bool metric) {
    return metric ? cards::DeckUnits::Metric : cards::DeckUnits::Feet;
}

// A card line's characters as the deck holds them (the line as the file holds
// it, of any length); each read gives the text a control shows.
class CardFieldTexts {
public:
    // `card` must outlive the reader.
    CardFieldTexts(const cards::CardLayout& layout, std::string_view card, bool metric)
        : layout_(layout), card_(card), metric_(metric) {}

    const cards::Field& operator[](cards::FieldName name) const {
        return layout_.Find(name.View());
    }
    bool Metric() const { return metric_; }

    // The columns as they stand (padded with blanks where the line is shorter).
    std::string Text(cards::FieldName name) const {
        return cards::Text(card_, layout_.Find(name.View()));
    }
    char Character(cards::FieldName name) const {
        return cards::Character(card_, layout_.Find(name.View()));
    }
    bool IsBlank(cards::FieldName name) const {
        return cards::IsBlank(card_, layout_.Find(name.View()));
    }
    // The field's number text, with its implied decimals in this deck.
    std::string NumberText(cards::FieldName name,
                           cards::MetricLength length = cards::MetricLength::Millimetres) const;
    // The same, and an empty text when the field is blank.
    std::string NumberTextOrEmpty(cards::FieldName name) const;
    std::string StationText(cards::FieldName name) const;
    // An angle group "<name>" of the fields "<name> degrees", "<name> minutes"
    // and "<name> seconds".
    std::string AngleText(cards::FieldName name) const;
    // The line from the field's first column to the line's end, as it stands.
    std::string_view Rest(cards::FieldName name) const;

private:
    const cards::CardLayout& layout_;
    std::string_view card_;
    bool metric_;
};

// Reads a one-column code into a combo box or list box. `toItem` maps the
// column's value (ParseCardNumber: a blank, a letter or a sign reads as 0) to
// an item, or to none. A digit or a blank whose value maps to an item chooses
// it; any other character is kept (the choice stays as it was). Returns the
// column's value, for the caller's range warning.
template <class ToItem>
int ReadCode(char column, Choice& choice, ToItem toItem) {
    const int value = static_cast<int>(ParseCardNumber(std::string_view(&column, 1), 0));
    const std::optional<int> item = toItem(value);
    if (item && ((column >= '0' && column <= '9') || column == ' '))
        choice.Choose(*item);
    else
        choice.Keep(column);
    return value;
}

// The character a code column is written with: a kept card character as it
// stood, else `fromItem` of the chosen item, else `none`.
template <class FromItem>
char CodeOf(const Choice& choice, FromItem fromItem, char none) {
    if (choice.keptCode) return *choice.keptCode;
    if (choice.chosen) return fromItem(*choice.chosen);
    return none;
}

// The digit of a small whole number 0-9.
inline char Digit(int value) { return static_cast<char>('0' + value); }

// The text of a control written into the deck: control characters become
// blanks.
std::string DeckText(std::string_view text);

// The first `width` characters of a text, padded with blanks to `width`.
std::string FirstCharacters(std::string_view text, int width);

// A card line built from control texts, field by field; the first field that
// cannot be written makes the card fail, naming it.
class CardLineWriter {
public:
    CardLineWriter(const cards::CardLayout& layout, bool metric, std::string rowKind = {},
                   int row = -1);

    const cards::Field& operator[](cards::FieldName name) const {
        return layout_.Find(name.View());
    }
    bool Metric() const { return metric_; }

    // A number with the field's implied decimals in this deck, or `decimals`.
    void Number(cards::FieldName name, std::string_view label, std::string_view text,
                cards::MetricLength length = cards::MetricLength::Millimetres);
    void NumberWith(const cards::Field& field, std::string_view label, std::string_view text,
                    int decimals, Point point = Point::Implied);
    // An angle group (see CardFieldTexts::AngleText).
    void Angle(cards::FieldName name, std::string_view label, std::string_view text);
    // A text: its first characters, padded with blanks to the field's width.
    void Text(cards::FieldName name, std::string_view text);
    void Text(const cards::Field& field, std::string_view text);
    void Character(cards::FieldName name, char c);
    // A check box or option flag: "X" when set, else a blank.
    void Flag(cards::FieldName name, bool set) { Character(name, set ? 'X' : ' '); }
    // A text placed as it is, fitted to the field by the caller.
    void Put(const cards::Field& field, std::string_view text) { writer_.Put(field, text); }

    WrittenCard Finish() const;

private:
    void Fail(std::string_view label, std::string_view text, FieldFault fault);

    const cards::CardLayout& layout_;
    bool metric_;
    cards::CardWriter writer_;
    std::string rowKind_;
    int row_;
    std::optional<WriteFailure> failure_;
};

}  // namespace quillon::editor
