#include "engine/alignment/AlignmentCardReader.hpp"

#include <cmath>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// A numeric field of the card, blanks as zeros, read into `member`; `name`
// is how the listing names it.
template <class Card>
struct NumberField {
    const cards::Field* field;
    const char* name;
    double Card::*member;
};

// A field read first as text: blank = not given (`member` takes
// `blankValue`), else the text read with the field's implied decimals, kP
// `scale` and the engine's blank rule.
template <class Card>
struct OptionalField {
    const cards::Field* field;
    int scale;
    ff::Blanks blanks;
    const char* name;
    double Card::*member;
    bool Card::*given;  // nullptr: the card keeps no flag
    double blankValue;
};

void NoteFailure(FieldFailure& failure, const cards::Field& field, const char* name) {
    if (failure.failed) return;  // the first failing field is the one named
    failure.failed = true;
    failure.firstColumn = field.first;
    failure.lastColumn = field.last;
    failure.name = name;
}

bool Reads(std::string_view card, const cards::Field& field) {
    return cards::Number(card, field).ok();
}

template <class Card, size_t N>
void ReadNumbers(std::string_view card, const NumberField<Card> (&fields)[N], Card& out,
                 FieldFailure& failure) {
    for (const NumberField<Card>& field : fields) {
        auto read = cards::Number(card, *field.field);
        out.*field.member = read.ok() ? read.value : 0.0;
        if (!read.ok()) NoteFailure(failure, *field.field, field.name);
    }
}

template <class Card>
void ReadOptional(std::string_view card, const OptionalField<Card>& field, Card& out,
                  FieldFailure& failure) {
    const bool given = !cards::IsBlank(card, *field.field);
    if (field.given != nullptr) out.*field.given = given;
    out.*field.member = field.blankValue;
    if (!given) return;
    auto read =
        ff::ReadFwd(cards::Text(card, *field.field), field.field->Decimals(cards::DeckUnits::Feet),
                    field.blanks, field.scale);
    if (read.ok())
        out.*field.member = read.value;
    else
        NoteFailure(failure, *field.field, field.name);
}

// Grades and transition percents are percents on the card, fractions once read.
constexpr int kPercent = 2;

constexpr const cards::CardLayout& k01 = cards::kHorizontalAlignmentCard;
constexpr const cards::CardLayout& k02 = cards::kVerticalAlignmentCard;
constexpr const cards::CardLayout& k03 = cards::kCrossSlopeCard;
constexpr const cards::CardLayout& kOverride = cards::kCrossSlopeOverrideCard;

using H = HorizontalAlignmentCard;
constexpr const cards::Field& kBackStation = k01["Horizontal.Back"];
constexpr const cards::Field& kAheadStation = k01["Horizontal.Ahead"];
constexpr NumberField<H> kHorizontalFields[] = {
    {&k01["Horizontal.Delta degrees"], "DELTA DEGREES", &H::deltaDegrees},
    {&k01["Horizontal.Delta minutes"], "DELTA MINUTES", &H::deltaMinutes},
    {&k01["Horizontal.Delta seconds"], "DELTA SECONDS", &H::deltaSeconds},
    {&k01["Horizontal.PIStation"], "PI STATION", &H::piStation},
    {&k01["Horizontal.Degree degrees"], "DEGREE OF CURVE DEGREES", &H::degreeDegrees},
    {&k01["Horizontal.Degree minutes"], "DEGREE OF CURVE MINUTES", &H::degreeMinutes},
    {&k01["Horizontal.Degree seconds"], "DEGREE OF CURVE SECONDS", &H::degreeSeconds},
    {&k01["Horizontal.InSpiral"], "ENTERING SPIRAL", &H::inSpiral},
    {&k01["Horizontal.OutSpiral"], "LEAVING SPIRAL", &H::outSpiral},
    {&k01["Horizontal.ProfOffset"], "PROFILE OFFSET", &H::profOffset},
    {&k01["Horizontal.Radius"], "RADIUS", &H::radius},
    {&kBackStation, "BACK STATION", &H::back},
    {&kAheadStation, "AHEAD STATION", &H::ahead},
};

using V = VerticalAlignmentCard;
constexpr NumberField<V> kVerticalFields[] = {
    {&k02["Vertical.InLength1"], "CURVE LENGTH BEFORE PI 1", &V::inLength1},
    {&k02["Vertical.PIElev1"], "ELEVATION OF PI 1", &V::piElev1},
    {&k02["Vertical.OutLength1"], "CURVE LENGTH AFTER PI 1", &V::outLength1},
    {&k02["Vertical.InLength2"], "CURVE LENGTH BEFORE PI 2", &V::inLength2},
    {&k02["Vertical.PIElev2"], "ELEVATION OF PI 2", &V::piElev2},
    {&k02["Vertical.OutLength2"], "CURVE LENGTH AFTER PI 2", &V::outLength2},
};
constexpr OptionalField<V> kVerticalOptionalFields[] = {
    {&k02["Vertical.GradeIn"], kPercent, ff::Blanks::AsZeros, "GRADE IN", &V::gradeIn,
     &V::gradeInGiven, 0.0},
    {&k02["Vertical.PISta1"], 0, ff::Blanks::AsZeros, "STATION OF PI 1", &V::piSta1, &V::pi1Given,
     0.0},
    {&k02["Vertical.PISta2"], 0, ff::Blanks::AsZeros, "STATION OF PI 2", &V::piSta2, &V::pi2Given,
     0.0},
    {&k02["Vertical.GradeOut"], kPercent, ff::Blanks::AsZeros, "GRADE OUT", &V::gradeOut,
     &V::gradeOutGiven, 0.0},
};

using C = CrossSlopeCard;
constexpr NumberField<C> kCrossSlopeFields[] = {
    {&k03["CrossTrans.CrossSlope"], "NORMAL CROSS SLOPE", &C::crossSlope},
    {&k03["CrossTrans.PivotOffset"], "PIVOT OFFSET", &C::pivotOffset},
    {&k03["CrossTrans.InTransLength"], "ENTERING TRANSITION LENGTH", &C::inTransLength},
    {&k03["CrossTrans.OutTransLength"], "LEAVING TRANSITION LENGTH", &C::outTransLength},
    {&k03["CrossTrans.CrownWidth"], "CROWN WIDTH", &C::crownWidth},
    {&k03["CrossTrans.CrownHeight"], "CROWN HEIGHT", &C::crownHeight},
    {&k03["CrossTrans.CrownLeft"], "CROWN SLOPE LEFT", &C::crownLeft},
    {&k03["CrossTrans.CrownRight"], "CROWN SLOPE RIGHT", &C::crownRight},
};
// The superelevation rate alone is read with its blanks ignored.
constexpr OptionalField<C> kSuperRateField = {
    &k03["CrossTrans.SuperRate"], 0,  ff::Blanks::Ignored, "SUPERELEVATION RATE", &C::superRate,
    &C::superRateGiven,           0.0};
constexpr double kTransitionOnTangent = 0.6;  // blank transition percents
constexpr OptionalField<C> kTransitionPercentFields[] = {
    {&k03["CrossTrans.InTransPer"], kPercent, ff::Blanks::AsZeros, "ENTERING TRANSITION PERCENT",
     &C::inTransPer, nullptr, kTransitionOnTangent},
    {&k03["CrossTrans.OutTransPer"], kPercent, ff::Blanks::AsZeros, "LEAVING TRANSITION PERCENT",
     &C::outTransPer, nullptr, kTransitionOnTangent},
};
constexpr double kBlankMaxTransVC = 50.0;
constexpr OptionalField<C> kMaxTransVCField = {&k03["CrossTrans.MaxTransVC"],
                                               0,
                                               ff::Blanks::AsZeros,
                                               "MAXIMUM TRANSITION VC LENGTH",
                                               &C::maxTransVC,
                                               nullptr,
                                               kBlankMaxTransVC};

using O = CrossSlopeOverrideRow;
constexpr NumberField<O> kOverrideFields[] = {
    {&kOverride["CrossTrans.OverSta"], "OVERRIDE STATION", &O::station},
    {&kOverride["CrossTrans.OverRight"], "OVERRIDE SLOPE RIGHT", &O::right},
};
constexpr OptionalField<O> kOverrideLeftField = {&kOverride["CrossTrans.OverLeft"],
                                                 0,
                                                 ff::Blanks::AsZeros,
                                                 "OVERRIDE SLOPE LEFT",
                                                 &O::left,
                                                 nullptr,
                                                 0.0};

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

int CrownCodeOf(char crownType) {
    const int code = CharacterCode(crownType);
    if (code >= 1 && code <= 4) return code;
    if (code >= 28 && code <= 31) return code - 27;  // the digits "1"-"4"
    return kCrownParabolic;
}

FieldFailure ReadHorizontalAlignmentCard(std::string_view card, HorizontalAlignmentCard& out) {
    FieldFailure failure;
    out = HorizontalAlignmentCard{};
    out.present = true;
    out.curveDirection = cards::Character(card, k01["CurveDirection"]);
    ReadNumbers(card, kHorizontalFields, out, failure);
    // An equation is never made up from a station that did not read.
    out.equationRead = Reads(card, kBackStation) && Reads(card, kAheadStation);
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
    out.piSta1Text = cards::Text(card, k02["Vertical.PISta1"]) + " ";
    out.piSta2Text = cards::Text(card, k02["Vertical.PISta2"]) + " ";
    OneLengthServesBoth(out.inLength1, out.outLength1);
    OneLengthServesBoth(out.inLength2, out.outLength2);
    return failure;
}

FieldFailure ReadCrossSlopeCard(std::string_view card, CrossSlopeCard& out) {
    FieldFailure failure;
    out = CrossSlopeCard{};
    out.crownCode = CrownCodeOf(cards::Character(card, k03["CrossTrans.CrownType"]));
    ReadNumbers(card, kCrossSlopeFields, out, failure);
    ReadOptional(card, kSuperRateField, out, failure);
    for (const auto& field : kTransitionPercentFields) ReadOptional(card, field, out, failure);
    if (out.crownCode != kCrownParabolic) ReadOptional(card, kMaxTransVCField, out, failure);
    out.crossSlope = std::fabs(out.crossSlope);
    out.superRate = std::fabs(out.superRate);
    out.maxTransVC = std::fabs(out.maxTransVC);
    out.vcLengthFlag = cards::Character(card, k03["VCLengthFlag"]);
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
    out.leftText = ff::PadRight(cards::Text(card, kOverride["CrossTrans.OverLeft"]), 10);
    return failure;
}

}  // namespace quillon::engine
