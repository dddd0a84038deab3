#include "converters/m2e/CardConverters.hpp"

#include <initializer_list>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"

namespace quillon::converters::m2e {

namespace {

using cards::MetricLength;

// How one field of a card, or a run of fields passed on as they stand, is
// written on the English card. Columns and the decimals read come from the
// card layout; a converted number is written with the implied decimals of a
// deck in feet, its integer part in the rest of its columns.
struct Conversion {
    cards::FieldName field;
    FieldRule rule = FieldRule::Copied;
    cards::FieldName through = {};  // Copied: the last field of the run (none: the field alone)
    int columns = 0;                // Copied: only the run's first columns (0: all)
};

CardField Resolve(const cards::CardLayout& layout, const Conversion& conversion,
                  MetricLength length) {
    cards::Field field = conversion.through.View().empty()
                             ? layout.Find(conversion.field.View())
                             : layout.Span(conversion.field.View(), conversion.through.View());
    if (conversion.columns > 0) field.last = field.first + conversion.columns - 1;
    const int decimals = field.Decimals(cards::DeckUnits::Feet);
    return {std::string(field.name),
            field.first,
            field.last,
            conversion.rule,
            field.Decimals(cards::DeckUnits::Metric, length),
            field.Width() - decimals,
            decimals};
}

std::vector<CardField> Fields(const cards::CardLayout& layout,
                              std::initializer_list<Conversion> conversions,
                              MetricLength length = MetricLength::Millimetres) {
    std::vector<CardField> fields;
    for (const Conversion& conversion : conversions)
        fields.push_back(Resolve(layout, conversion, length));
    return fields;
}

constexpr FieldRule kCopied = FieldRule::Copied;
constexpr FieldRule kAsRead = FieldRule::AsRead;
constexpr FieldRule kMetres = FieldRule::Metres;
constexpr FieldRule kMillimetres = FieldRule::Millimetres;

// The English cards of these types end a few columns into the columns that
// no program reads, as they always have.
constexpr int kOverrideTailColumns = 4;
constexpr int kGirderLineTailColumns = 2;

CardConversion Convert(std::string_view card, const cards::CardLayout& layout,
                       const std::vector<CardField>& fields) {
    return ConvertFields(card, cards::TypeText(layout), fields);
}

}  // namespace

std::string ConvertFirstDescriptionCard(std::string_view card) {
    constexpr const cards::CardLayout& layout = cards::kDescriptionCard;
    return cards::CardWriter(layout)
        .Put("Description.StructureID", cards::Text(card, layout["Description.StructureID"]))
        .Put("Unused", cards::Text(card, layout["Unused"]))
        .Put("MetricMark", " ")
        .str();
}

std::string ConvertDescriptionCard(std::string_view card) {
    const cards::Field& text = cards::kDescriptionTextCard["Description.Text"];
    return cards::CardWriter(cards::kDescriptionTextCard).Put(text, cards::Text(card, text)).str();
}

const std::vector<CardField>& HorizontalAlignmentFields() {
    static const std::vector<CardField> fields =
        Fields(cards::kHorizontalAlignmentCard, {
                                                    {"CurveDirection"},
                                                    {"Horizontal.Delta degrees", kAsRead},
                                                    {"Horizontal.Delta minutes", kAsRead},
                                                    {"Horizontal.Delta seconds", kAsRead},
                                                    {"Horizontal.PIStation", kMetres},
                                                    {"Horizontal.Degree degrees", kAsRead},
                                                    {"Horizontal.Degree minutes", kAsRead},
                                                    {"Horizontal.Degree seconds", kAsRead},
                                                    {"Horizontal.InSpiral", kMetres},
                                                    {"Horizontal.OutSpiral", kMetres},
                                                    {"Horizontal.ProfOffset", kMetres},
                                                    {"Horizontal.Radius", FieldRule::Radius},
                                                    {"Horizontal.Back", kMetres},
                                                    {"Horizontal.Ahead", kMetres},
                                                });
    return fields;
}

const std::vector<CardField>& VerticalAlignmentFields() {
    static const std::vector<CardField> fields =
        Fields(cards::kVerticalAlignmentCard, {
                                                  {"Vertical.GradeIn", kAsRead},
                                                  {"Vertical.InLength1", kMetres},
                                                  {"Vertical.PISta1", kMetres},
                                                  {"Vertical.PIElev1", kMetres},
                                                  {"Vertical.OutLength1", kMetres},
                                                  {"Vertical.InLength2", kMetres},
                                                  {"Vertical.PISta2", kMetres},
                                                  {"Vertical.PIElev2", kMetres},
                                                  {"Vertical.OutLength2", kMetres},
                                                  {"Vertical.GradeOut", kAsRead},
                                              });
    return fields;
}

const std::vector<CardField>& CrossSlopeFields() {
    static const std::vector<CardField> fields =
        Fields(cards::kCrossSlopeCard, {
                                           {"CrossTrans.CrownType"},
                                           {"CrossTrans.CrossSlope", kAsRead},
                                           {"CrossTrans.SuperRate", FieldRule::FourDecimals},
                                           {"CrossTrans.PivotOffset", kMetres},
                                           {"CrossTrans.InRunOut", kAsRead},
                                           {"CrossTrans.InTransLength", kMetres},
                                           {"CrossTrans.InTransPer", kAsRead},
                                           {"CrossTrans.OutRunout", kAsRead},
                                           {"CrossTrans.OutTransLength", kMetres},
                                           {"CrossTrans.OutTransPer", kAsRead},
                                           {"CrossTrans.MaxTransVC", FieldRule::TransitionCurve},
                                           {"VCLengthFlag"},
                                           {"CrossTrans.CrownWidth", kMetres},
                                           {"CrossTrans.CrownHeight", kMillimetres},
                                           {"CrossTrans.CrownLeft", FieldRule::CrownSlope},
                                           {"CrossTrans.CrownRight", FieldRule::CrownSlope},
                                       });
    return fields;
}

const std::vector<CardField>& CrossSlopeOverrideFields() {
    static const std::vector<CardField> fields =
        Fields(cards::kCrossSlopeOverrideCard, {
                                                   {"CrossTrans.OverSta", kMetres},
                                                   {"CrossTrans.OverLeft", kAsRead},
                                                   {"CrossTrans.OverRight", kAsRead},
                                                   {"Unused", kCopied, {}, kOverrideTailColumns},
                                               });
    return fields;
}

const std::vector<CardField>& ReferenceLineFields() {
    static const std::vector<CardField> fields =
        Fields(cards::kReferenceLineCard,
               {
                   {"RefLine.RefLineSta", kMetres},
                   {"RefLine.StaOn", kAsRead},
                   {"RefLine.SkewDirection"},
                   {"RefLine.SkewAngle degrees", kAsRead},
                   {"RefLine.SkewAngle minutes", kAsRead},
                   {"RefLine.SkewAngle seconds", kAsRead},
                   {"RefLine.SkewRespTo", kAsRead},
                   {"RefLine.DefaultBentSkew", kAsRead},
                   {"RefLine.LayoutLineIs", kAsRead},
                   {"RefLine.BreakAtReferenceLine", kCopied, "RefLine.PatternShiftOffset"},
                   // Read by the engine as a character code: "-"
                   // reverses the layout line as a digit 4-9 does,
                   // so the character is passed on as it stands,
                   // never turned into "0".
                   {"RefLine.RevLayoutLine"},
                   {"RefLine.XZeroPoints", kCopied, "Unused"},
                   {"RefLine.TransX", kMetres},
                   {"RefLine.TransY", kMetres},
                   {"RefLine.LimitBegSta", kMetres},
                   {"RefLine.LimitEndSta", kMetres},
               });
    return fields;
}

std::vector<CardField> GirderLineFields(bool lineTypeFour) {
    return Fields(cards::kGirderLineCard,
                  {
                      {"LineType"},
                      {"InitialOffset", kMetres},
                      {"InitialOffsetType", kAsRead},
                      {"TerminalOffset", kMetres},
                      {"TerminalOffsetType", kAsRead},
                      {"ElevationShift", lineTypeFour ? kMetres : kMillimetres},
                      {"GirderDescription"},
                      {"BaseLineFlag", kCopied, "SuppressListingFlag"},
                      {"Unused", kCopied, {}, kGirderLineTailColumns},
                  },
                  lineTypeFour ? MetricLength::Metres : MetricLength::Millimetres);
}

const std::vector<CardField>& BentLineFields() {
    static const std::vector<CardField> fields =
        Fields(cards::kBentLineCard, {
                                         {"BentDistance", kMetres},
                                         {"DistanceType", kCopied, "SkewDirection"},
                                         {"BentSkew degrees", kAsRead},
                                         {"BentSkew minutes", kAsRead},
                                         {"BentSkew seconds", kAsRead},
                                         {"SkewType", kAsRead},
                                         {"FractionalPoints", FieldRule::PartsOrLength},
                                         {"BentDescription"},
                                         {"BentOptions", kCopied, "DeadLoadFlag"},
                                         {"SecondaryRef"},
                                         {"BentTypeCode", kCopied, "Unused"},
                                     });
    return fields;
}

std::vector<CardField> DeadLoadFields(bool metres) {
    const FieldRule deflection = metres ? kMetres : kMillimetres;
    // DeflectionUnits, the unit letter, is written by the converter itself.
    return Fields(cards::kDeadLoadCard,
                  {
                      {"GirderCode"},
                      {"BentLineCode"},
                      {"LabelSpare", kCopied, "Unused"},
                      {"Deflection0", deflection},
                      {"Deflection1", deflection},
                      {"Deflection2", deflection},
                      {"Deflection3", deflection},
                      {"Deflection4", deflection},
                      {"Deflection5", deflection},
                      {"Deflection6", deflection},
                      {"Deflection7", deflection},
                      {"Deflection8", deflection},
                      {"Deflection9", deflection},
                      {"Deflection10", deflection},
                  },
                  metres ? MetricLength::Metres : MetricLength::Millimetres);
}

const std::vector<CardField>& RoadApproachFields() {
    static const std::vector<CardField> fields =
        Fields(cards::kRoadApproachCard, {
                                             {"RoadAppr.BegStr", kMetres},
                                             {"RoadAppr.EndStr", kMetres},
                                             {"RoadAppr.Length", kMetres},
                                             {"RoadAppr.Off1", kMetres},
                                             {"RoadAppr.Off2", kMetres},
                                             {"RoadAppr.Off3", kMetres},
                                             {"RoadAppr.Off4", kMetres},
                                             {"RoadAppr.Off5", kMetres},
                                             {"RoadAppr.Off6", kMetres},
                                             {"RoadAppr.Off7", kMetres},
                                         });
    return fields;
}

CardConversion ConvertHorizontalAlignmentCard(std::string_view card) {
    return Convert(card, cards::kHorizontalAlignmentCard, HorizontalAlignmentFields());
}

CardConversion ConvertVerticalAlignmentCard(std::string_view card) {
    return Convert(card, cards::kVerticalAlignmentCard, VerticalAlignmentFields());
}

CardConversion ConvertCrossSlopeCard(std::string_view card) {
    // The transition curve is checked before anything of the card is written.
    for (const CardField& field : CrossSlopeFields()) {
        if (field.rule != FieldRule::TransitionCurve) continue;
        CardConversion check = Convert(card, cards::kCrossSlopeCard, {field});
        if (check.fault) return check;
    }
    return Convert(card, cards::kCrossSlopeCard, CrossSlopeFields());
}

CardConversion ConvertCrossSlopeOverrideCard(std::string_view card) {
    return Convert(card, cards::kCrossSlopeOverrideCard, CrossSlopeOverrideFields());
}

CardConversion ConvertReferenceLineCard(std::string_view card) {
    return Convert(card, cards::kReferenceLineCard, ReferenceLineFields());
}

CardConversion ConvertGirderLineCard(std::string_view card) {
    const bool lineTypeFour = cards::Character(card, cards::kGirderLineCard["LineType"]) == '4';
    return Convert(card, cards::kGirderLineCard, GirderLineFields(lineTypeFour));
}

CardConversion ConvertBentLineCard(std::string_view card) {
    return Convert(card, cards::kBentLineCard, BentLineFields());
}

CardConversion ConvertDeadLoadCard(std::string_view card) {
    const cards::Field& units = cards::kDeadLoadCard["DeflectionUnits"];
    // Only a capital "M" gives metres; the English card says "F" for feet then.
    const bool metres = cards::Character(card, units) == 'M';
    CardConversion out = Convert(card, cards::kDeadLoadCard, DeadLoadFields(metres));
    if (!out.fault) cards::Put(out.card, units, metres ? "F" : " ");
    return out;
}

CardConversion ConvertRoadApproachCard(std::string_view card) {
    return Convert(card, cards::kRoadApproachCard, RoadApproachFields());
}

}  // namespace quillon::converters::m2e
