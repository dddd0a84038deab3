#include "converters/m2e/FieldConversion.hpp"

#include <cmath>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "converters/m2e/MetricValues.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/ImpliedDecimal.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::converters::m2e {

namespace ff = quillon::fixedform;

namespace {

struct FieldOutput {
    std::string text;
    std::optional<FieldFault> fault;
};

FieldFault Fault(FieldFault::Kind kind, const CardField& field, std::string value) {
    return {kind, field.name, field.first, field.last, std::move(value)};
}

std::string Shown(const ff::DecimalDigits& value, std::string_view unit) {
    std::string text = value.negative ? "-" : "";
    text += value.whole.empty() ? "0" : value.whole;
    if (!value.fraction.empty()) text += "." + value.fraction;
    return unit.empty() ? text : text + " " + std::string(unit);
}

FieldOutput TooWide(const CardField& field, const ff::DecimalDigits& value, std::string_view unit) {
    return {{}, Fault(FieldFault::Kind::TooWide, field, Shown(value, unit))};
}

// A value so large that its conversion leaves the range of numbers.
FieldOutput TooLarge(const CardField& field, std::string_view text) {
    return {{}, Fault(FieldFault::Kind::TooWide, field, "'" + std::string(text) + "'")};
}

FieldOutput NotANumber(const CardField& field, std::string_view text) {
    return {{}, Fault(FieldFault::Kind::NotANumber, field, "'" + std::string(text) + "'")};
}

FieldOutput AsRead(const CardField& field, const std::string& text) {
    auto read = ff::ReadFwdDigits(text, field.decimalsIn);
    if (!read.ok()) return {text, {}};  // not a number: the engine judges it
    auto written = ff::FormatImpliedDecimal(read.value, field.width, field.decimals);
    if (!written) return TooWide(field, read.value, "");
    return {*written, {}};
}

// A length in metres (or millimetres), converted to feet (or inches) and
// written "w,d".
FieldOutput Converted(const CardField& field, const std::string& text, bool millimetres) {
    auto read = ff::ReadFwd(text, field.decimalsIn, ff::Blanks::AsZeros);
    if (!read.ok()) return NotANumber(field, text);
    double value = millimetres ? MillimetresToInches(read.value) : MetresToFeet(read.value);
    if (!std::isfinite(value)) return TooLarge(field, text);
    ff::DecimalDigits digits = ConvertedDigits(value, field.decimals);
    auto written = ff::FormatImpliedDecimal(digits, field.width, field.decimals);
    if (!written) return TooWide(field, digits, millimetres ? "in" : "ft");
    return {*written, {}};
}

FieldOutput BySize(const CardField& field, const std::string& text) {
    auto read = ff::ReadFwd(text, field.decimalsIn, ff::Blanks::AsZeros);
    if (!read.ok()) return NotANumber(field, text);
    if (field.rule == FieldRule::TransitionCurve && std::fabs(read.value) > kLongestTransitionCurve)
        return {{}, Fault(FieldFault::Kind::TransitionCurveTooLong, field, text)};
    double feet = MetresToFeet(read.value);
    if (!std::isfinite(feet)) return TooLarge(field, text);
    auto written =
        field.rule == FieldRule::Radius ? FormatRadius(feet) : FormatTransitionCurve(feet);
    if (!written) return TooWide(field, ConvertedDigits(feet, 6), "ft");
    return {*written, {}};
}

FieldOutput FourDigits(std::string_view card, const CardField& field, const std::string& text,
                       bool crown) {
    auto read = ff::ReadFwdDigits(text, field.decimalsIn);
    // Not a number: the columns are passed on as they stand, for the engine to judge.
    if (!read.ok()) return {ff::Columns(card, field.first, field.Columns()), {}};
    auto digits = FormatFourDecimals(read.value);
    if (!digits) return TooWide(field, read.value, "");
    return {crown ? "-" + *digits : *digits, {}};
}

// A count of equal parts when the field's decimals are blank (the count is
// written in the count's columns, the decimals stay blank), else a length.
FieldOutput PartsOrLength(std::string_view card, const CardField& field, const std::string& text) {
    constexpr const cards::CardLayout& layout = cards::kBentLineCard;
    if (!cards::IsBlank(card, layout["FractionalPoints decimals"]))
        return Converted(field, text, false);
    auto read = ff::ReadFwdDigits(text, field.decimalsIn);
    if (!read.ok()) return {text, {}};
    auto count = ff::FormatImpliedDecimal(read.value, layout["FractionalPoints count"].Width(), 0);
    if (!count) return TooWide(field, read.value, "");
    return {ff::PadRight(*count, field.Columns()), {}};
}

FieldOutput ConvertField(std::string_view card, const CardField& field) {
    const bool crown = field.rule == FieldRule::CrownSlope;
    // A crown slope is read without its first column, which is written "-".
    std::string text = crown ? ff::Columns(card, field.first + 1, field.Columns() - 1)
                             : ff::Columns(card, field.first, field.Columns());
    if (field.rule == FieldRule::Copied) return {text, {}};
    if (ff::IsBlank(text)) return {(crown ? "-" : "") + text, {}};
    switch (field.rule) {
        case FieldRule::AsRead:
            return AsRead(field, text);
        case FieldRule::Metres:
            return Converted(field, text, false);
        case FieldRule::Millimetres:
            return Converted(field, text, true);
        case FieldRule::Radius:
        case FieldRule::TransitionCurve:
            return BySize(field, text);
        case FieldRule::CrownSlope:
        case FieldRule::FourDecimals:
            return FourDigits(card, field, text, crown);
        case FieldRule::PartsOrLength:
            return PartsOrLength(card, field, text);
        case FieldRule::Copied:
            break;
    }
    return {text, {}};
}

}  // namespace

CardConversion ConvertFields(std::string_view card, std::string_view type,
                             const std::vector<CardField>& fields) {
    ff::Record record;
    record.Text(type);
    for (const CardField& field : fields) {
        FieldOutput out = ConvertField(card, field);
        if (out.fault) return {{}, out.fault};
        record.Column(field.first).Text(out.text);
    }
    return {record.str(), std::nullopt};
}

}  // namespace quillon::converters::m2e
