// The card types 00-08 of the geometry input deck, each described once:
// for every field its name, columns, edit, implied decimals in a deck in feet
// and in a metric deck, and what blanks mean.
//
// The decimals are those of the deck as it is written: a metric deck carries
// one more implied decimal on lengths and stations than a deck in feet, and a
// small length in millimetres two (against three or four in inches). Angles,
// slopes, grades, percents, codes and texts have the same decimals in both.
//
// What follows from a field's value is each program's own: the engine reads
// decks in feet only, QlM2e turns a metric deck into one in feet, the editor
// reads and writes both. Where a program reads fewer columns than the card
// has (the engine skips the run-outs of the 03 card, the editor keeps the
// maximum transition curve length to one decimal in columns 51-53), that is
// its rule, not the card's.
#pragma once

#include "cards/CardLayout.hpp"

namespace quillon::cards {

namespace layout {

constexpr Field Text(std::string_view name, int first, int last) {
    return {name, first, last, Edit::A, 0, 0, -1, BlankRule::Kept};
}
constexpr Field Code(std::string_view name, int column) {  // I1
    return {name, column, column, Edit::I, 0, 0, -1, BlankRule::Zeros};
}
constexpr Field Number(std::string_view name, int first, int last, int feetDecimals,
                       int metricDecimals, BlankRule blanks = BlankRule::Zeros) {
    return {name, first, last, Edit::F, feetDecimals, metricDecimals, -1, blanks};
}
// A small length: inches or feet in a deck in feet, millimetres or metres in a metric deck.
constexpr Field SmallLength(std::string_view name, int first, int last, int feetDecimals,
                            int millimetreDecimals, int metreDecimals,
                            BlankRule blanks = BlankRule::Zeros) {
    return {name, first, last, Edit::F, feetDecimals, millimetreDecimals, metreDecimals, blanks};
}
constexpr Field Unused(std::string_view name, int first, int last) {
    return {name, first, last, Edit::X, 0, 0, -1, BlankRule::Kept};
}
constexpr Field Group(Field field) {
    field.group = true;
    return field;
}

constexpr BlankRule kNotGiven = BlankRule::NotGiven;

}  // namespace layout

// Columns 1-2 of every card: its type, read with blanks ignored (" 4" and "4 "
// are 4, "  " is 0). A type of "99" marks a comment line.
inline constexpr Field kCardType{"CardType", 1, 2, Edit::I, 0, 0, -1, BlankRule::Ignored};

// 00, the card that opens a Problem. The metric mark stands in the first line of a deck.
inline constexpr Field kDescriptionFields[] = {
    layout::Text("Description.StructureID", 3, 12),  // blank: the previous Problem's ID
    layout::Unused("Unused", 13, 79),
    layout::Text("MetricMark", 80, 80),  // "M" or "m": a metric deck
};
inline constexpr CardLayout kDescriptionCard{0, "DescriptionCard", kDescriptionFields};

// 00, the further cards of a Problem's 00 group: free text, listed as the
// description (the editor's key cards "Units:", "Project:" ... among them).
inline constexpr Field kDescriptionTextFields[] = {
    layout::Text("Description.Text", 3, 80),
};
inline constexpr CardLayout kDescriptionTextCard{0, "DescriptionTextCard", kDescriptionTextFields};

// 01, at most one per Problem.
inline constexpr Field kHorizontalAlignmentFields[] = {
    layout::Text("CurveDirection", 3, 3),  // "L", "l" or "-": a curve to the left
    layout::Group(layout::Text("Horizontal.Delta", 4, 12)),
    layout::Number("Horizontal.Delta degrees", 4, 6, 0, 0),
    layout::Number("Horizontal.Delta minutes", 7, 8, 0, 0),
    layout::Number("Horizontal.Delta seconds", 9, 12, 2, 2),
    layout::Number("Horizontal.PIStation", 13, 23, 4, 5),
    layout::Group(layout::Text("Horizontal.Degree", 24, 31)),  // degree of curve
    layout::Number("Horizontal.Degree degrees", 24, 25, 0, 0),
    layout::Number("Horizontal.Degree minutes", 26, 27, 0, 0),
    layout::Number("Horizontal.Degree seconds", 28, 31, 2, 2),
    layout::Number("Horizontal.InSpiral", 32, 37, 2, 3),
    layout::Number("Horizontal.OutSpiral", 38, 43, 2, 3),
    layout::Number("Horizontal.ProfOffset", 44, 51, 4, 5),
    layout::Number("Horizontal.Radius", 52, 58, 0, 0),
    layout::Number("Horizontal.Back", 59, 69, 4, 5),  // the station equation
    layout::Number("Horizontal.Ahead", 70, 80, 4, 5),
};
inline constexpr CardLayout kHorizontalAlignmentCard{1, "HorizontalAlignmentCard",
                                                     kHorizontalAlignmentFields};

// 02, exactly one per Problem. Grades are percents.
inline constexpr Field kVerticalAlignmentFields[] = {
    layout::Number("Vertical.GradeIn", 3, 11, 6, 6, layout::kNotGiven),
    layout::Number("Vertical.InLength1", 12, 17, 2, 3),
    layout::Number("Vertical.PISta1", 18, 26, 2, 3, layout::kNotGiven),
    layout::Number("Vertical.PIElev1", 27, 35, 4, 5),
    layout::Number("Vertical.OutLength1", 36, 41, 2, 3),
    layout::Number("Vertical.InLength2", 42, 47, 2, 3),
    layout::Number("Vertical.PISta2", 48, 56, 2, 3, layout::kNotGiven),
    layout::Number("Vertical.PIElev2", 57, 65, 4, 5),
    layout::Number("Vertical.OutLength2", 66, 71, 2, 3),
    layout::Number("Vertical.GradeOut", 72, 80, 6, 6, layout::kNotGiven),
};
inline constexpr CardLayout kVerticalAlignmentCard{2, "VerticalAlignmentCard",
                                                   kVerticalAlignmentFields};

// 03, the first of a Problem. Slopes are fractions, the transition percents percents.
inline constexpr Field kCrossSlopeFields[] = {
    layout::Text("CrossTrans.CrownType", 3, 3),
    layout::Number("CrossTrans.CrossSlope", 4, 8, 4, 4),
    layout::Number("CrossTrans.SuperRate", 9, 12, 4, 4, layout::kNotGiven),
    layout::Number("CrossTrans.PivotOffset", 13, 20, 4, 5),
    layout::Number("CrossTrans.InRunOut", 21, 25, 2, 2),
    layout::Number("CrossTrans.InTransLength", 26, 30, 2, 3),
    layout::Number("CrossTrans.InTransPer", 31, 35, 2, 2, layout::kNotGiven),
    layout::Number("CrossTrans.OutRunout", 36, 40, 2, 2),
    layout::Number("CrossTrans.OutTransLength", 41, 45, 2, 3),
    layout::Number("CrossTrans.OutTransPer", 46, 50, 2, 2, layout::kNotGiven),
    layout::Number("CrossTrans.MaxTransVC", 51, 55, 3, 3, layout::kNotGiven),
    layout::Text("VCLengthFlag", 56, 56),
    layout::Number("CrossTrans.CrownWidth", 57, 65, 4, 5),
    layout::SmallLength("CrossTrans.CrownHeight", 66, 70, 3, 2, -1),  // inches or millimetres
    layout::Number("CrossTrans.CrownLeft", 71, 75, 4, 4),
    layout::Number("CrossTrans.CrownRight", 76, 80, 4, 4),
};
inline constexpr CardLayout kCrossSlopeCard{3, "CrossSlopeCard", kCrossSlopeFields};

// 03, the further cards of a Problem: one override row each.
inline constexpr Field kCrossSlopeOverrideFields[] = {
    layout::Number("CrossTrans.OverSta", 3, 11, 2, 3),
    layout::Number("CrossTrans.OverLeft", 12, 16, 4, 4, layout::kNotGiven),
    layout::Number("CrossTrans.OverRight", 17, 21, 4, 4),
    layout::Unused("Unused", 22, 80),
};
inline constexpr CardLayout kCrossSlopeOverrideCard{3, "CrossSlopeOverrideCard",
                                                    kCrossSlopeOverrideFields};

// 04, the first card of a line set.
inline constexpr Field kReferenceLineFields[] = {
    layout::Number("RefLine.RefLineSta", 3, 13, 4, 5),
    layout::Code("RefLine.StaOn", 14),
    layout::Text("RefLine.SkewDirection", 15, 15),  // "L", "l" or "-": a skew to the left
    layout::Group(layout::Text("RefLine.SkewAngle", 16, 23)),
    layout::Number("RefLine.SkewAngle degrees", 16, 17, 0, 0),
    layout::Number("RefLine.SkewAngle minutes", 18, 19, 0, 0),
    layout::Number("RefLine.SkewAngle seconds", 20, 23, 2, 2),
    layout::Code("RefLine.SkewRespTo", 24),
    // 1: bent lines without a skew of their own take the reference line's.
    layout::Code("RefLine.DefaultBentSkew", 25),
    layout::Code("RefLine.LayoutLineIs", 26),
    // Segmented girder lines broken at the reference line; listing suppressed:
    // read and kept, no computation uses them.
    layout::Text("RefLine.BreakAtReferenceLine", 27, 27),
    layout::Text("RefLine.SuppressListing", 28, 28),
    layout::Text("RefLine.PatternShiftOffset", 29, 29),  // offset option of the pattern shift
    layout::Text("RefLine.RevLayoutLine", 30, 30),       // a character code: digits 1-9
    layout::Text("RefLine.XZeroPoints", 31, 31),         // points X-0 requested
    layout::Text("RefLine.SpareFlag", 32, 32),           // read and kept; it changes nothing
    layout::Unused("Unused", 33, 40),
    layout::Number("RefLine.TransX", 41, 49, 4, 5),
    layout::Number("RefLine.TransY", 50, 58, 4, 5),
    layout::Number("RefLine.LimitBegSta", 59, 69, 4, 5, layout::kNotGiven),
    layout::Number("RefLine.LimitEndSta", 70, 80, 4, 5, layout::kNotGiven),
};
inline constexpr CardLayout kReferenceLineCard{4, "ReferenceLineCard", kReferenceLineFields};

// 05, one girder line each.
inline constexpr Field kGirderLineFields[] = {
    layout::Code("LineType", 3),
    layout::Number("InitialOffset", 4, 11, 4, 5),
    layout::Code("InitialOffsetType", 12),
    layout::Number("TerminalOffset", 13, 20, 4, 5),
    layout::Code("TerminalOffsetType", 21),
    // Inches or millimetres; on a line of LineType 4 feet or metres.
    layout::SmallLength("ElevationShift", 22, 29, 4, 3, 5),
    layout::Text("GirderDescription", 30, 49),  // two 10-character halves
    layout::Text("BaseLineFlag", 50, 50),       // base line of the segmented lines
    layout::Text("ChordFlag", 51, 51),          // chord of the layout line
    layout::Group(layout::Text("XTypeFracPoints", 52, 53)),
    layout::Text("ExteriorGirderCode", 52, 52),
    layout::Text("XTypeRequestCode", 53, 53),
    layout::Text("DeadLoadGirderCode", 54, 54),  // column 3 of the line's 07 cards
    layout::Text("CamberDiagramFlag", 55, 55),
    layout::Text("ConstantOffsetFlag", 56, 56),  // line of constant offset of type 4 lines
    layout::Text("SuppressListingFlag", 57, 57),
    layout::Unused("Unused", 58, 80),
};
inline constexpr CardLayout kGirderLineCard{5, "GirderLineCard", kGirderLineFields};

// 06, one bent line each.
inline constexpr Field kBentLineFields[] = {
    layout::Number("BentDistance", 3, 10, 4, 5),
    layout::Code("DistanceType", 11),
    layout::Text("SkewDirection", 12, 12),  // "L", "l" or "-": left
    layout::Group(layout::Text("BentSkew", 13, 20)),
    layout::Number("BentSkew degrees", 13, 14, 0, 0),
    layout::Number("BentSkew minutes", 15, 16, 0, 0),
    layout::Number("BentSkew seconds", 17, 20, 2, 2),
    layout::Code("SkewType", 21),
    // A count of equal parts when its decimals are blank, else a spacing.
    layout::Group(layout::Number("FractionalPoints", 22, 28, 4, 4)),
    layout::Number("FractionalPoints count", 22, 24, 0, 0),
    layout::Number("FractionalPoints decimals", 25, 28, 4, 4),
    layout::Text("BentDescription", 29, 38),
    layout::Group(layout::Text("BentOptions", 39, 42)),
    layout::Text("BreakGirderLines", 39, 39),
    layout::Text("FlaredGirderOffsets", 40, 40),
    layout::Text("ChordLayoutLine", 41, 41),
    layout::Text("SuppressListing", 42, 42),
    layout::Group(layout::Text("BentCodes", 43, 52)),  // kept as one text too
    layout::Text("SelIntersect", 43, 43),
    layout::Text("DeadLoadFlag", 44, 44),
    layout::Group(layout::Text("SecondaryRef", 45, 46)),
    layout::Text("SecondaryRef defines", 45, 45),   // the letter this bent line defines
    layout::Text("SecondaryRef hangs on", 46, 46),  // the letter it hangs on
    layout::Text("BentTypeCode", 47, 47),           // "B" or "S"
    layout::Unused("SpareCodes", 48, 52),
    layout::Unused("Unused", 53, 80),
};
inline constexpr CardLayout kBentLineCard{6, "BentLineCard", kBentLineFields};

// 07, the deflections of a girder line at the tenth points of a span: inches
// or feet in a deck in feet, millimetres or metres in a metric deck, as
// DeflectionUnits says.
inline constexpr Field kDeadLoadFields[] = {
    layout::Group(layout::Text("DeadLoadLabel", 3, 6)),
    layout::Text("GirderCode", 3, 3),
    layout::Text("BentLineCode", 4, 4),  // not blank: the first card of a set
    layout::Text("DeflectionUnits", 5, 5),
    layout::Text("LabelSpare", 6, 6),  // kept with the label
    layout::Unused("Unused", 7, 14),
    layout::SmallLength("Deflection0", 15, 20, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection1", 21, 26, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection2", 27, 32, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection3", 33, 38, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection4", 39, 44, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection5", 45, 50, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection6", 51, 56, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection7", 57, 62, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection8", 63, 68, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection9", 69, 74, 3, 2, 4, layout::kNotGiven),
    layout::SmallLength("Deflection10", 75, 80, 3, 2, 4, layout::kNotGiven),
};
inline constexpr CardLayout kDeadLoadCard{7, "DeadLoadCard", kDeadLoadFields};

// 08, the roadway approaches that close a Problem.
inline constexpr Field kRoadApproachFields[] = {
    layout::Number("RoadAppr.BegStr", 3, 9, 0, 0),
    layout::Number("RoadAppr.EndStr", 10, 16, 0, 0),
    layout::Number("RoadAppr.Length", 17, 24, 1, 2),
    layout::Number("RoadAppr.Off1", 25, 32, 4, 5, layout::kNotGiven),
    layout::Number("RoadAppr.Off2", 33, 40, 4, 5, layout::kNotGiven),
    layout::Number("RoadAppr.Off3", 41, 48, 4, 5, layout::kNotGiven),
    layout::Number("RoadAppr.Off4", 49, 56, 4, 5, layout::kNotGiven),
    layout::Number("RoadAppr.Off5", 57, 64, 4, 5, layout::kNotGiven),
    layout::Number("RoadAppr.Off6", 65, 72, 4, 5, layout::kNotGiven),
    layout::Number("RoadAppr.Off7", 73, 80, 4, 5, layout::kNotGiven),
};
inline constexpr CardLayout kRoadApproachCard{8, "RoadApproachCard", kRoadApproachFields};

// Every layout, in deck order.
inline constexpr const CardLayout* kCardLayouts[] = {
    &kDescriptionCard, &kDescriptionTextCard,    &kHorizontalAlignmentCard, &kVerticalAlignmentCard,
    &kCrossSlopeCard,  &kCrossSlopeOverrideCard, &kReferenceLineCard,       &kGirderLineCard,
    &kBentLineCard,    &kDeadLoadCard,           &kRoadApproachCard,
};

// The name of a card field as the readers and writers of cards take it: a
// name that no card layout has does not compile. (That it names a field of
// the card it is used with is checked when it is looked up.)
class FieldName {
public:
    constexpr FieldName() = default;  // no field
    consteval FieldName(const char* name) : FieldName(std::string_view(name)) {}
    consteval explicit FieldName(std::string_view name) : name_(name) {
        if (!AnyLayoutHas(name_))
            throw std::out_of_range("no card layout has a field of that name");
    }
    constexpr std::string_view View() const { return name_; }

private:
    static consteval bool AnyLayoutHas(std::string_view name) {
        for (const CardLayout* layout : kCardLayouts)
            if (layout->Has(name)) return true;
        return false;
    }

    std::string_view name_;  // empty: no field
};

}  // namespace quillon::cards
