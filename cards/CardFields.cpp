#include "cards/CardFields.hpp"

#include <stdexcept>

#include "fixedform/RecordWriter.hpp"

namespace quillon::cards {

namespace ff = quillon::fixedform;

namespace {

ff::Blanks BlanksOf(const Field& field) {
    return field.blanks == BlankRule::Ignored ? ff::Blanks::Ignored : ff::Blanks::AsZeros;
}

}  // namespace

std::string Text(std::string_view card, const Field& field) {
    return ff::Columns(card, field.first, field.Width());
}

char Character(std::string_view card, const Field& field) {
    return ff::Columns(card, field.first, 1)[0];
}

bool IsBlank(std::string_view card, const Field& field) { return ff::IsBlank(Text(card, field)); }

ff::FieldValue<double> Number(std::string_view card, const Field& field, DeckUnits units,
                              MetricLength length) {
    return ff::ReadFwd(Text(card, field), field.Decimals(units, length), BlanksOf(field));
}

ff::FieldValue<ff::DecimalDigits> Digits(std::string_view card, const Field& field, DeckUnits units,
                                         MetricLength length) {
    return ff::ReadFwdDigits(Text(card, field), field.Decimals(units, length), BlanksOf(field));
}

ff::FieldValue<int> Integer(std::string_view card, const Field& field) {
    return ff::ReadIw(Text(card, field), BlanksOf(field));
}

std::string TypeText(const CardLayout& layout) { return ff::FormatI(layout.type, 2, 2); }

void Put(std::string& card, const Field& field, std::string_view text) {
    if (field.first < 1 || field.last < field.first)
        throw std::invalid_argument("a card field without columns");
    if (static_cast<int>(text.size()) > field.Width())
        throw std::length_error("a text wider than its card field");
    const size_t first = static_cast<size_t>(field.first - 1);
    if (card.size() < first + static_cast<size_t>(field.Width()))
        card.resize(first + static_cast<size_t>(field.Width()), ' ');
    card.replace(first, static_cast<size_t>(field.Width()), ff::PadRight(text, field.Width()));
}

}  // namespace quillon::cards
