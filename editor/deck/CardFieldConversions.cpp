#include "editor/deck/CardFieldConversions.hpp"

#include <optional>
#include <vector>

#include "fixedform/DecimalDigits.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::editor {

namespace ff = quillon::fixedform;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// A text that passes the numeric test, taken apart: its sign and its digits
// with at most one point, blanks around them cut.
struct SignedBody {
    bool negative = false;
    bool signed_ = false;
    std::string body;
};

std::optional<SignedBody> SplitNumber(std::string_view text) {
    std::string_view core = Trimmed(text);
    if (core.empty()) return std::nullopt;
    SignedBody out;
    if (IsSign(core.front())) {
        out.signed_ = true;
        out.negative = core.front() == '-';
        core = Trimmed(core.substr(1));
    } else if (IsSign(core.back())) {
        out.signed_ = true;
        out.negative = core.back() == '-';
        core = Trimmed(core.substr(0, core.size() - 1));
    }
    bool point = false, digit = false;
    for (char c : core) {
        if (IsDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    out.body = std::string(core);
    return out;
}

// The exact value of a card field: the sign taken out, every blank a zero
// digit, `decimals` implied decimals unless a point is punched.
std::optional<ff::DecimalDigits> CardDigits(std::string_view field, int decimals) {
    std::optional<SignedBody> number = SplitNumber(field);
    if (!number) return std::nullopt;
    std::string digits = number->negative ? "-" : "";
    for (char c : field) {
        if (c == ' ')
            digits.push_back('0');
        else if (!IsSign(c))
            digits.push_back(c);
    }
    auto read = ff::ReadFwdDigits(digits, decimals);
    if (!read.ok()) return std::nullopt;
    return read.value;
}

ff::DecimalDigits CardDigitsOrZero(std::string_view field, int decimals) {
    return CardDigits(field, decimals).value_or(ff::DecimalDigits{});
}

// The exact value of a typed number (blanks around it cut, a point honoured).
std::optional<ff::DecimalDigits> TypedDigits(const SignedBody& number) {
    auto read = ff::ReadFwdDigits((number.negative ? "-" : "") + number.body, 0);
    if (!read.ok()) return std::nullopt;
    return read.value;
}

std::optional<ff::DecimalDigits> TypedDigits(std::string_view text) {
    std::optional<SignedBody> number = SplitNumber(text);
    if (!number) return std::nullopt;
    return TypedDigits(*number);
}

// A typed station "W+R" (a "+" after the first character, with digits after
// it): the sign of W times (|W| x 10^k + R). Nothing when the text holds no
// such "+".
struct StationValue {
    bool isStation = false;
    std::optional<ff::DecimalDigits> value;
};

StationValue TypedStation(std::string_view text, bool metric) {
    size_t plus = text.find('+', 1);
    if (plus == std::string_view::npos || plus + 1 >= text.size()) return {};
    std::optional<SignedBody> whole = SplitNumber(text.substr(0, plus));
    std::optional<SignedBody> rest = SplitNumber(text.substr(plus + 1));
    if (!whole || !rest || rest->signed_) return {true, std::nullopt};
    std::optional<ff::DecimalDigits> stations = TypedDigits(*whole);
    std::optional<ff::DecimalDigits> remainder = TypedDigits(*rest);
    if (!stations || !remainder) return {true, std::nullopt};
    ff::DecimalDigits value =
        ff::AddMagnitudes(ff::ShiftPoint(*stations, StationRemainderDigits(metric)), *remainder);
    value.negative = whole->negative && !value.IsZero();
    return {true, value};
}

std::string Blanks(int width) { return std::string(static_cast<size_t>(width), ' '); }

WrittenField Fault(int width, FieldFault fault) { return {Blanks(width), fault}; }

// Whole digits of a value already rounded to 0 decimals, with at least
// `minDigits` digits and its sign, right-justified in `width`.
WrittenField WholeField(const ff::DecimalDigits& whole, int width, size_t minDigits) {
    std::string digits = whole.whole;
    if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), '0');
    if (whole.negative) digits.insert(0, 1, '-');
    if (static_cast<int>(digits.size()) > width) return Fault(width, FieldFault::TooWide);
    return {ff::FormatA(digits, width), FieldFault::None};
}

bool IsWhole(const ff::DecimalDigits& value) {
    return value.fraction.find_first_not_of('0') == std::string::npos;
}

// A degrees or minutes part: a whole number, right-justified in `width`.
WrittenField WholePart(std::string_view part, int width) {
    std::optional<ff::DecimalDigits> value = TypedDigits(part);
    if (!value) return Fault(width, FieldFault::NotANumber);
    if (!IsWhole(*value)) return Fault(width, FieldFault::NotWhole);
    return WholeField(ff::RoundDigits(*value, 0), width, 1);
}

std::string_view WithoutTrailing(std::string_view part, char mark) {
    if (!part.empty() && part.back() == mark) part.remove_suffix(1);
    return part;
}

std::vector<std::string_view> BlankSeparatedParts(std::string_view text) {
    std::vector<std::string_view> parts;
    size_t i = 0;
    while (i < text.size()) {
        size_t first = text.find_first_not_of(' ', i);
        if (first == std::string_view::npos) break;
        size_t end = text.find(' ', first);
        if (end == std::string_view::npos) end = text.size();
        parts.push_back(text.substr(first, end - first));
        i = end;
    }
    return parts;
}

}  // namespace

bool PassesNumericTest(std::string_view text) { return SplitNumber(text).has_value(); }

double ParseCardNumber(std::string_view field, int decimals) {
    std::optional<ff::DecimalDigits> value = CardDigits(field, decimals);
    if (!value) return 0.0;
    return ff::ReadFwd(ff::PlainText(*value), 0).value;
}

std::string CardNumberText(std::string_view field, int decimals) {
    return ff::PlainText(CardDigitsOrZero(field, decimals));
}

std::string CardWholeNumberText(std::string_view field) {
    return ff::PlainText(ff::RoundDigits(CardDigitsOrZero(field, 0), 0));
}

bool IsWholeNumberText(std::string_view text) {
    std::optional<ff::DecimalDigits> value = TypedDigits(text);
    return value && IsWhole(*value);
}

bool IsBlankField(std::string_view field) { return field.size() <= 20 && ff::IsBlank(field); }

std::string FormatStationText(std::string_view field, int decimals, bool metric) {
    if (ff::IsBlank(field)) return std::string();
    ff::DecimalDigits value = CardDigitsOrZero(field, decimals);
    const size_t k = static_cast<size_t>(StationRemainderDigits(metric));
    std::string whole = value.whole;
    if (whole.size() < k + 1) whole.insert(0, k + 1 - whole.size(), '0');
    std::string fraction = value.fraction;
    size_t last = fraction.find_last_not_of('0');
    fraction.erase(last == std::string::npos ? 0 : last + 1);
    size_t shown = static_cast<size_t>(decimals > 1 ? decimals : 1);
    if (fraction.size() < shown) fraction.resize(shown, '0');
    std::string stations = whole.substr(0, whole.size() - k);
    stations.erase(0, std::min(stations.find_first_not_of('0'), stations.size() - 1));
    return (value.negative ? "-" : "") + stations + "+" + whole.substr(whole.size() - k) + "." +
           fraction;
}

std::string FormatAngleText(std::string_view field, int degreeDigits, int secondDecimals) {
    const size_t n = static_cast<size_t>(degreeDigits);
    auto part = [&](size_t first, size_t count) {
        return first < field.size() ? field.substr(first, count) : std::string_view();
    };
    ff::DecimalDigits seconds =
        ff::RoundDigits(CardDigitsOrZero(part(n + 2, std::string_view::npos), secondDecimals), 2);
    std::string secondsText = (seconds.negative ? "-" : "") +
                              (seconds.whole.empty() ? "0" : seconds.whole) + "." +
                              seconds.fraction;
    return CardWholeNumberText(part(0, n)) + kDegreeSign + " " + CardWholeNumberText(part(n, 2)) +
           "' " + secondsText + "\"";
}

std::string_view FaultText(FieldFault fault) {
    switch (fault) {
        case FieldFault::None:
            return "can be written";
        case FieldFault::NotANumber:
            return "is not a number";
        case FieldFault::TooWide:
            return "does not fit its columns";
        case FieldFault::NotWhole:
            return "has decimals in its degrees or minutes";
        case FieldFault::NotAnAngle:
            return "is not degrees, minutes and seconds";
    }
    return "cannot be written";
}

WrittenField FormatAngleField(std::string_view text, int degreeWidth, int secondDecimals) {
    const int width = degreeWidth + 2 + secondDecimals + 2;
    std::vector<std::string_view> parts = BlankSeparatedParts(text);
    if (parts.size() > 3) return Fault(width, FieldFault::NotAnAngle);
    parts.resize(3, "0");
    WrittenField degrees = WholePart(WithoutTrailing(parts[0], kDegreeSign), degreeWidth);
    WrittenField minutes = WholePart(WithoutTrailing(parts[1], '\''), 2);
    if (!degrees.ok()) return Fault(width, degrees.fault);
    if (!minutes.ok()) return Fault(width, minutes.fault);
    // The seconds up to and including their last digit (a closing mark dropped).
    std::string_view secondsText = parts[2];
    size_t lastDigit = secondsText.find_last_of("0123456789");
    secondsText = lastDigit == std::string_view::npos ? std::string_view()
                                                      : secondsText.substr(0, lastDigit + 1);
    std::optional<ff::DecimalDigits> seconds = TypedDigits(secondsText);
    if (!seconds) return Fault(width, FieldFault::NotANumber);
    WrittenField secondsField =
        WholeField(ff::RoundDigits(ff::ShiftPoint(*seconds, secondDecimals), 0), secondDecimals + 2,
                   static_cast<size_t>(secondDecimals + 1));
    if (!secondsField.ok()) return Fault(width, secondsField.fault);
    return {degrees.text + minutes.text + secondsField.text, FieldFault::None};
}

WrittenField FormatNumberField(std::string_view text, int width, int decimals, Point point,
                               bool metric) {
    std::string_view typed = Trimmed(text);
    if (typed.empty()) return {Blanks(width), FieldFault::None};
    StationValue station = TypedStation(typed, metric);
    std::optional<ff::DecimalDigits> value = station.isStation ? station.value : TypedDigits(typed);
    if (!value) return Fault(width, FieldFault::NotANumber);
    if (point == Point::Implied) {
        ff::DecimalDigits scaled = ff::RoundDigits(ff::ShiftPoint(*value, decimals), 0);
        size_t minDigits = static_cast<size_t>(
            width > decimals && !scaled.negative ? decimals + 1 : (decimals > 1 ? decimals : 1));
        return WholeField(scaled, width, minDigits);
    }
    // A punched point: as many of the decimals as fit, down to none.
    for (int places = decimals; places >= 0; --places) {
        ff::DecimalDigits rounded = ff::RoundDigits(*value, places);
        std::string digits = (rounded.negative ? "-" : "") +
                             (rounded.whole.empty() ? "0" : rounded.whole) + "." + rounded.fraction;
        if (static_cast<int>(digits.size()) <= width) return {ff::FormatA(digits, width)};
        if (places == 0) return WholeField(rounded, width, 1);
    }
    return Fault(width, FieldFault::TooWide);
}

}  // namespace quillon::editor
