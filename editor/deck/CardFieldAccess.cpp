#include "editor/deck/CardFieldAccess.hpp"

#include <string>

namespace quillon::editor {

namespace {

std::string Joined(std::string_view a, std::string_view b) {
    std::string name(a);
    name += " ";
    name += b;
    return name;
}

}  // namespace

std::string WriteFailure::Message() const {
    std::string message = "Cannot write card " + card;
    if (row >= 0) message += ", " + rowKind + " " + std::to_string(row + 1);
    message += ": " + field + " \"" + text + "\" " + std::string(FaultText(fault)) + ".";
    return message;
}

bool WrittenCards::Add(WrittenCard card) {
    if (!card.ok()) {
        failure = std::move(card.failure);
        return false;
    }
    lines.push_back(std::move(card.line));
    return true;
}

std::string CardFieldTexts::NumberText(cards::FieldName name, cards::MetricLength length) const {
    const cards::Field& field = layout_.Find(name.View());
    return CardNumberText(cards::Text(card_, field), field.Decimals(UnitsOf(metric_), length));
}

std::string CardFieldTexts::NumberTextOrEmpty(cards::FieldName name) const {
    return IsBlank(name) ? std::string() : NumberText(name);
}

std::string CardFieldTexts::StationText(cards::FieldName name) const {
    const cards::Field& field = layout_.Find(name.View());
    return FormatStationText(cards::Text(card_, field), field.Decimals(UnitsOf(metric_)), metric_);
}

std::string CardFieldTexts::AngleText(cards::FieldName name) const {
    return FormatAngleText(Text(name), layout_.Find(Joined(name.View(), "degrees")).Width(),
                           layout_.Find(Joined(name.View(), "seconds")).Decimals(UnitsOf(metric_)));
}

std::string_view CardFieldTexts::Rest(cards::FieldName name) const {
    const size_t first = static_cast<size_t>(layout_.Find(name.View()).first - 1);
    return first < card_.size() ? card_.substr(first) : std::string_view();
}

std::string DeckText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    return out;
}

std::string FirstCharacters(std::string_view text, int width) {
    std::string out = DeckText(text.substr(0, static_cast<size_t>(width)));
    out.resize(static_cast<size_t>(width), ' ');
    return out;
}

CardLineWriter::CardLineWriter(const cards::CardLayout& layout, bool metric, std::string rowKind,
                               int row)
    : layout_(layout), metric_(metric), writer_(layout), rowKind_(std::move(rowKind)), row_(row) {}

void CardLineWriter::Fail(std::string_view label, std::string_view text, FieldFault fault) {
    if (failure_) return;  // the first field that fails is the one named
    failure_ = WriteFailure{cards::TypeText(layout_), rowKind_,       row_,
                            std::string(label),       DeckText(text), fault};
}

void CardLineWriter::Number(cards::FieldName name, std::string_view label, std::string_view text,
                            cards::MetricLength length) {
    const cards::Field& field = layout_.Find(name.View());
    NumberWith(field, label, text, field.Decimals(UnitsOf(metric_), length));
}

void CardLineWriter::NumberWith(const cards::Field& field, std::string_view label,
                                std::string_view text, int decimals, Point point) {
    WrittenField written = FormatNumberField(text, field.Width(), decimals, point, metric_);
    if (!written.ok()) Fail(label, text, written.fault);
    writer_.Put(field, written.text);
}

void CardLineWriter::Angle(cards::FieldName name, std::string_view label, std::string_view text) {
    WrittenField written =
        FormatAngleField(text, layout_.Find(Joined(name.View(), "degrees")).Width(),
                         layout_.Find(Joined(name.View(), "seconds")).Decimals(UnitsOf(metric_)));
    if (!written.ok()) Fail(label, text, written.fault);
    writer_.Put(layout_.Find(name.View()), written.text);
}

void CardLineWriter::Text(cards::FieldName name, std::string_view text) {
    Text(layout_.Find(name.View()), text);
}

void CardLineWriter::Text(const cards::Field& field, std::string_view text) {
    writer_.Put(field, FirstCharacters(text, field.Width()));
}

void CardLineWriter::Character(cards::FieldName name, char c) {
    writer_.Put(layout_.Find(name.View()), DeckText(std::string_view(&c, 1)));
}

WrittenCard CardLineWriter::Finish() const {
    if (failure_) return {std::string(), failure_};
    return {writer_.str(), std::nullopt};
}

}  // namespace quillon::editor
