#include "engine/alignment/AlignmentCardReader.hpp"

#include <cmath>

#include "engine/run/TextHelpers.hpp"
#include "fixedform/FieldReader.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// A numeric field Fw.d, blanks as zeros, read into `member`.
template <class Card>
struct NumberField {
    int first;
    int width;
    int decimals;
    const char* name;
    double Card::*member;
};

// A field read first as text: blank = not given (`member` takes
// `blankValue`), else the text read as Fw.d (kP `scale`) with its blank rule.
template <class Card>
struct OptionalField {
    int first;
    int width;
    int decimals;
    int scale;
    ff::Blanks blanks;
    const char* name;
    double Card::*member;
    bool Card::*given;  // nullptr: the card keeps no flag
    double blankValue;
};

void NoteFailure(FieldFailure& failure, int first, int width, const char* name) {
    if (failure.failed) return;  // the first failing field is the one named
    failure.failed = true;
    failure.firstColumn = first;
    failure.lastColumn = first + width - 1;
    failure.name = name;
}

template <class Card>
bool Reads(std::string_view card, const NumberField<Card>& field) {
    return ff::ReadReal(card, field.first, field.width, field.decimals).ok();
}

template <class Card, size_t N>
void ReadNumbers(std::string_view card, const NumberField<Card> (&fields)[N], Card& out,
                 FieldFailure& failure) {
    for (const NumberField<Card>& field : fields) {
        auto read = ff::ReadReal(card, field.first, field.width, field.decimals);
        out.*field.member = read.ok() ? read.value : 0.0;
        if (!read.ok()) NoteFailure(failure, field.first, field.width, field.name);
    }
}

template <class Card>
void ReadOptional(std::string_view card, const OptionalField<Card>& field, Card& out,
                  FieldFailure& failure) {
    const std::string text = ff::ReadText(card, field.first, field.width);
    const bool given = !ff::IsBlank(text);
    if (field.given != nullptr) out.*field.given = given;
    out.*field.member = field.blankValue;
    if (!given) return;
    auto read = ff::ReadFwd(text, field.decimals, field.blanks, field.scale);
    if (read.ok())
        out.*field.member = read.value;
    else
        NoteFailure(failure, field.first, field.width, field.name);
}

using H = HorizontalAlignmentCard;
constexpr NumberField<H> kBackStationField = {59, 11, 4, "BACK STATION", &H::back};
constexpr NumberField<H> kAheadStationField = {70, 11, 4, "AHEAD STATION", &H::ahead};
constexpr NumberField<H> kHorizontalFields[] = {
    {4, 3, 0, "DELTA DEGREES", &H::deltaDegrees},
    {7, 2, 0, "DELTA MINUTES", &H::deltaMinutes},
    {9, 4, 2, "DELTA SECONDS", &H::deltaSeconds},
    {13, 11, 4, "PI STATION", &H::piStation},
    {24, 2, 0, "DEGREE OF CURVE DEGREES", &H::degreeDegrees},
    {26, 2, 0, "DEGREE OF CURVE MINUTES", &H::degreeMinutes},
    {28, 4, 2, "DEGREE OF CURVE SECONDS", &H::degreeSeconds},
    {32, 6, 2, "ENTERING SPIRAL", &H::inSpiral},
    {38, 6, 2, "LEAVING SPIRAL", &H::outSpiral},
    {44, 8, 4, "PROFILE OFFSET", &H::profOffset},
    {52, 7, 0, "RADIUS", &H::radius},
    kBackStationField,
    kAheadStationField,
};

using V = VerticalAlignmentCard;
constexpr NumberField<V> kVerticalFields[] = {
    {12, 6, 2, "CURVE LENGTH BEFORE PI 1", &V::inLength1},
    {27, 9, 4, "ELEVATION OF PI 1", &V::piElev1},
    {36, 6, 2, "CURVE LENGTH AFTER PI 1", &V::outLength1},
    {42, 6, 2, "CURVE LENGTH BEFORE PI 2", &V::inLength2},
    {57, 9, 4, "ELEVATION OF PI 2", &V::piElev2},
    {66, 6, 2, "CURVE LENGTH AFTER PI 2", &V::outLength2},
};
constexpr OptionalField<V> kVerticalOptionalFields[] = {
    {3, 9, 6, 2, ff::Blanks::AsZeros, "GRADE IN", &V::gradeIn, &V::gradeInGiven, 0.0},
    {18, 9, 2, 0, ff::Blanks::AsZeros, "STATION OF PI 1", &V::piSta1, &V::pi1Given, 0.0},
    {48, 9, 2, 0, ff::Blanks::AsZeros, "STATION OF PI 2", &V::piSta2, &V::pi2Given, 0.0},
    {72, 9, 6, 2, ff::Blanks::AsZeros, "GRADE OUT", &V::gradeOut, &V::gradeOutGiven, 0.0},
};

using C = CrossSlopeCard;
constexpr NumberField<C> kCrossSlopeFields[] = {
    {4, 5, 4, "NORMAL CROSS SLOPE", &C::crossSlope},
    {13, 8, 4, "PIVOT OFFSET", &C::pivotOffset},
    {26, 5, 2, "ENTERING TRANSITION LENGTH", &C::inTransLength},
    {41, 5, 2, "LEAVING TRANSITION LENGTH", &C::outTransLength},
    {57, 9, 4, "CROWN WIDTH", &C::crownWidth},
    {66, 5, 3, "CROWN HEIGHT", &C::crownHeight},
    {71, 5, 4, "CROWN SLOPE LEFT", &C::crownLeft},
    {76, 5, 4, "CROWN SLOPE RIGHT", &C::crownRight},
};
constexpr OptionalField<C> kSuperRateField = {
    9, 4, 4, 0, ff::Blanks::Ignored, "SUPERELEVATION RATE", &C::superRate, &C::superRateGiven, 0.0};
constexpr OptionalField<C> kTransitionPercentFields[] = {
    {31, 5, 2, 2, ff::Blanks::AsZeros, "ENTERING TRANSITION PERCENT", &C::inTransPer, nullptr, 0.6},
    {46, 5, 2, 2, ff::Blanks::AsZeros, "LEAVING TRANSITION PERCENT", &C::outTransPer, nullptr, 0.6},
};
constexpr OptionalField<C> kMaxTransVCField = {
    51,      5,   3, 0, ff::Blanks::AsZeros, "MAXIMUM TRANSITION VC LENGTH", &C::maxTransVC,
    nullptr, 50.0};

using O = CrossSlopeOverrideRow;
constexpr NumberField<O> kOverrideFields[] = {
    {3, 9, 2, "OVERRIDE STATION", &O::station},
    {17, 5, 4, "OVERRIDE SLOPE RIGHT", &O::right},
};
constexpr OptionalField<O> kOverrideLeftField = {
    12, 5, 4, 0, ff::Blanks::AsZeros, "OVERRIDE SLOPE LEFT", &O::left, nullptr, 0.0};

constexpr int kCrownParabolic = 5;

// At a PI, a curve length before that is 0 or less takes the absolute value
// of the length after; then a length after that is 0 or less takes the
// length before.
void OneLengthServesBoth(double& before, double& after) {
    if (before <= 0.0) before = std::fabs(after);
    if (after <= 0.0) after = before;
}

}  // namespace

std::string FieldFailureText(const FieldFailure& failure) {
    return "INVALID NUMBER IN COLUMNS " + std::to_string(failure.firstColumn) + "-" +
           std::to_string(failure.lastColumn) + " (" + failure.name + ")";
}

double AngleFromDegreesMinutesSeconds(double degrees, double minutes, double seconds) {
    constexpr double kHalfPi = 1.5707963267948966;
    return ((std::fabs(seconds) / 60.0 + std::fabs(minutes)) / 60.0 + std::fabs(degrees)) *
           kHalfPi / 90.0;
}

int CrownCodeOf(char column3) {
    const int code = CharacterCode(column3);
    if (code >= 1 && code <= 4) return code;
    if (code >= 28 && code <= 31) return code - 27;  // the digits "1"-"4"
    return kCrownParabolic;
}

FieldFailure ReadHorizontalAlignmentCard(std::string_view card, HorizontalAlignmentCard& out) {
    FieldFailure failure;
    out = HorizontalAlignmentCard{};
    out.present = true;
    out.curveDirection = ff::ReadText(card, 3, 1)[0];
    ReadNumbers(card, kHorizontalFields, out, failure);
    // An equation is never made up from a station that did not read.
    out.equationRead = Reads(card, kBackStationField) && Reads(card, kAheadStationField);
    for (double* angle : {&out.deltaDegrees, &out.deltaMinutes, &out.deltaSeconds,
                          &out.degreeDegrees, &out.degreeMinutes, &out.degreeSeconds})
        *angle = std::fabs(*angle);
    return failure;
}

FieldFailure ReadVerticalAlignmentCard(std::string_view card, VerticalAlignmentCard& out) {
    FieldFailure failure;
    out = VerticalAlignmentCard{};
    for (const auto& field : kVerticalOptionalFields) ReadOptional(card, field, out, failure);
    ReadNumbers(card, kVerticalFields, out, failure);
    out.piSta1Text = ff::ReadText(card, 18, 9) + " ";
    out.piSta2Text = ff::ReadText(card, 48, 9) + " ";
    OneLengthServesBoth(out.inLength1, out.outLength1);
    OneLengthServesBoth(out.inLength2, out.outLength2);
    return failure;
}

FieldFailure ReadCrossSlopeCard(std::string_view card, CrossSlopeCard& out) {
    FieldFailure failure;
    out = CrossSlopeCard{};
    out.crownCode = CrownCodeOf(ff::ReadText(card, 3, 1)[0]);
    ReadNumbers(card, kCrossSlopeFields, out, failure);
    ReadOptional(card, kSuperRateField, out, failure);
    for (const auto& field : kTransitionPercentFields) ReadOptional(card, field, out, failure);
    if (out.crownCode != kCrownParabolic) ReadOptional(card, kMaxTransVCField, out, failure);
    out.crossSlope = std::fabs(out.crossSlope);
    out.superRate = std::fabs(out.superRate);
    out.maxTransVC = std::fabs(out.maxTransVC);
    out.vcLengthFlag = ff::ReadText(card, 56, 1)[0];
    if (out.pivotOffset > 0.0) {
        out.pivotSide = "RIGHT     ";
    } else if (out.pivotOffset < 0.0) {
        out.pivotSide = "LEFT      ";
        out.pivotOffset = -out.pivotOffset;
    } else {
        out.pivotSide = std::string(10, ' ');
    }
    return failure;
}

FieldFailure ReadCrossSlopeOverrideCard(std::string_view card, CrossSlopeOverrideRow& out) {
    FieldFailure failure;
    out = CrossSlopeOverrideRow{};
    ReadNumbers(card, kOverrideFields, out, failure);
    ReadOptional(card, kOverrideLeftField, out, failure);
    out.leftText = ff::ReadText(card, 12, 5) + std::string(5, ' ');
    return failure;
}

}  // namespace quillon::engine
