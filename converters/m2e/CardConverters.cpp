#include "converters/m2e/CardConverters.hpp"

#include "fixedform/FieldReader.hpp"

namespace quillon::converters::m2e {

namespace ff = quillon::fixedform;

namespace {

CardField Copy(std::string name, int first, int last) {
    return {std::move(name), first, last, FieldRule::Copied};
}
// A number passed on unconverted, written "w,d" with its own decimals.
CardField Same(std::string name, int first, int last, int decimals, int width) {
    return {std::move(name), first, last, FieldRule::AsRead, decimals, width, decimals};
}
CardField Metres(std::string name, int first, int last, int decimalsIn, int width, int decimals) {
    return {std::move(name), first, last, FieldRule::Metres, decimalsIn, width, decimals};
}
CardField Millimetres(std::string name, int first, int last, int decimalsIn, int width,
                      int decimals) {
    return {std::move(name), first, last, FieldRule::Millimetres, decimalsIn, width, decimals};
}
CardField Special(std::string name, int first, int last, FieldRule rule, int decimalsIn) {
    return {std::move(name), first, last, rule, decimalsIn};
}

}  // namespace

std::string convertFirstDescriptionCard(std::string_view card) {
    return "00" + ff::Columns(card, 3, 10) + ff::Columns(card, 13, 67) + " ";
}

std::string convertDescriptionCard(std::string_view card) {
    return "00" + ff::Columns(card, 3, 78);
}

const std::vector<CardField>& HorizontalAlignmentFields() {
    static const std::vector<CardField> fields = {
        Copy("Horizontal.CurveDirection", 3, 3),
        Same("Horizontal.Delta degrees", 4, 6, 0, 3),
        Same("Horizontal.Delta minutes", 7, 8, 0, 2),
        Same("Horizontal.Delta seconds", 9, 12, 2, 2),
        Metres("Horizontal.PIStation", 13, 23, 5, 7, 4),
        Same("Horizontal.Degree degrees", 24, 25, 0, 2),
        Same("Horizontal.Degree minutes", 26, 27, 0, 2),
        Same("Horizontal.Degree seconds", 28, 31, 2, 2),
        Metres("Horizontal.InSpiral", 32, 37, 3, 4, 2),
        Metres("Horizontal.OutSpiral", 38, 43, 3, 4, 2),
        Metres("Horizontal.ProfOffset", 44, 51, 5, 4, 4),
        Special("Horizontal.Radius", 52, 58, FieldRule::Radius, 0),
        Metres("Horizontal.Back", 59, 69, 5, 7, 4),
        Metres("Horizontal.Ahead", 70, 80, 5, 7, 4),
    };
    return fields;
}

const std::vector<CardField>& VerticalAlignmentFields() {
    static const std::vector<CardField> fields = {
        Same("Vertical.GradeIn", 3, 11, 6, 3),
        Metres("Vertical.InLength1", 12, 17, 3, 4, 2),
        Metres("Vertical.PISta1", 18, 26, 3, 7, 2),
        Metres("Vertical.PIElev1", 27, 35, 5, 5, 4),
        Metres("Vertical.OutLength1", 36, 41, 3, 4, 2),
        Metres("Vertical.InLength2", 42, 47, 3, 4, 2),
        Metres("Vertical.PISta2", 48, 56, 3, 7, 2),
        Metres("Vertical.PIElev2", 57, 65, 5, 5, 4),
        Metres("Vertical.OutLength2", 66, 71, 3, 4, 2),
        Same("Vertical.GradeOut", 72, 80, 6, 3),
    };
    return fields;
}

const std::vector<CardField>& CrossSlopeFields() {
    static const std::vector<CardField> fields = {
        Copy("CrossTrans.CrownType", 3, 3),
        Same("CrossTrans.CrossSlope", 4, 8, 4, 1),
        Special("CrossTrans.SuperRate", 9, 12, FieldRule::FourDecimals, 4),
        Metres("CrossTrans.PivotOffset", 13, 20, 5, 4, 4),
        Same("CrossTrans.InRunOut", 21, 25, 2, 3),
        Metres("CrossTrans.InTransLength", 26, 30, 3, 3, 2),
        Same("CrossTrans.InTransPer", 31, 35, 2, 3),
        Same("CrossTrans.OutRunout", 36, 40, 2, 3),
        Metres("CrossTrans.OutTransLength", 41, 45, 3, 3, 2),
        Same("CrossTrans.OutTransPer", 46, 50, 2, 3),
        Special("CrossTrans.MaxTransVC", 51, 55, FieldRule::TransitionCurve, 3),
        Copy("VCLengthFlag", 56, 56),
        Metres("CrossTrans.CrownWidth", 57, 65, 5, 5, 4),
        Millimetres("CrossTrans.CrownHeight", 66, 70, 2, 2, 3),
        Special("CrossTrans.CrownLeft", 71, 75, FieldRule::CrownSlope, 4),
        Special("CrossTrans.CrownRight", 76, 80, FieldRule::CrownSlope, 4),
    };
    return fields;
}

const std::vector<CardField>& CrossSlopeOverrideFields() {
    static const std::vector<CardField> fields = {
        Metres("CrossTrans.OverSta", 3, 11, 3, 7, 2),
        Same("CrossTrans.OverLeft", 12, 16, 4, 1),
        Same("CrossTrans.OverRight", 17, 21, 4, 1),
        Copy("columns 22-24", 22, 24),
        Copy("column 25", 25, 25),
    };
    return fields;
}

const std::vector<CardField>& ReferenceLineFields() {
    static const std::vector<CardField> fields = {
        Metres("RefLine.RefLineSta", 3, 13, 5, 7, 4),
        Same("RefLine.StaOn", 14, 14, 0, 1),
        Copy("RefLine.Option1", 15, 15),
        Same("RefLine.SkewAngle degrees", 16, 17, 0, 2),
        Same("RefLine.SkewAngle minutes", 18, 19, 0, 2),
        Same("RefLine.SkewAngle seconds", 20, 23, 2, 2),
        Same("RefLine.SkewRespTo", 24, 24, 0, 1),
        Same("RefLine.Option4", 25, 25, 0, 1),
        Same("RefLine.LayoutLineIs", 26, 26, 0, 1),
        Copy("RefLine.Check1 to RefLine.Check3", 27, 29),
        // Read by the engine as a character code: "-" reverses the layout line as a digit
        // 4-9 does, so the character is passed on as it stands, never turned into "0".
        Copy("RefLine.RevLayoutLine", 30, 30),
        Copy("RefLine.Check4 and columns 32-40", 31, 40),
        Metres("RefLine.TransX", 41, 49, 5, 5, 4),
        Metres("RefLine.TransY", 50, 58, 5, 5, 4),
        Metres("RefLine.LimitBegSta", 59, 69, 5, 7, 4),
        Metres("RefLine.LimitEndSta", 70, 80, 5, 7, 4),
    };
    return fields;
}

std::vector<CardField> GirderLineFields(bool lineTypeFour) {
    return {
        Copy("LineType", 3, 3),
        Metres("InitialOffset", 4, 11, 5, 4, 4),
        Same("InitialOffsetType", 12, 12, 0, 1),
        Metres("TerminalOffset", 13, 20, 5, 4, 4),
        Same("TerminalOffsetType", 21, 21, 0, 1),
        lineTypeFour ? Metres("ElevationShift", 22, 29, 5, 4, 4)
                     : Millimetres("ElevationShift", 22, 29, 3, 4, 4),
        Copy("GirderDescription", 30, 49),
        Copy("GirderOptions, DeadLoadChar, XTypeFracPoints", 50, 57),
        Copy("columns 58-59", 58, 59),
    };
}

const std::vector<CardField>& BentLineFields() {
    static const std::vector<CardField> fields = {
        Metres("BentDistance", 3, 10, 5, 4, 4),
        Copy("DistanceType, SkewDirection", 11, 12),
        Same("BentSkew degrees", 13, 14, 0, 2),
        Same("BentSkew minutes", 15, 16, 0, 2),
        Same("BentSkew seconds", 17, 20, 2, 2),
        Same("SkewType", 21, 21, 0, 1),
        {"FractionalPoints", 22, 28, FieldRule::PartsOrLength, 4, 3, 4},
        Copy("BentDescription", 29, 38),
        Copy("BentOptions, SelIntersect, DeadLoadFlag", 39, 44),
        Copy("SecondaryRef", 45, 46),
        Copy("columns 47-80", 47, 80),
    };
    return fields;
}

std::vector<CardField> DeadLoadFields(bool metres) {
    std::vector<CardField> fields = {Copy("GirderCode", 3, 3), Copy("BentLineCode", 4, 4)};
    // Column 5, the unit letter, is written by the converter itself.
    fields.push_back(Copy("columns 6-14", 6, 14));
    for (int k = 0; k <= 10; ++k) {
        std::string name = "Deflection" + std::to_string(k);
        int first = 15 + 6 * k;
        fields.push_back(metres ? Metres(name, first, first + 5, 4, 3, 3)
                                : Millimetres(name, first, first + 5, 2, 3, 3));
    }
    return fields;
}

const std::vector<CardField>& RoadApproachFields() {
    static const std::vector<CardField> fields = [] {
        std::vector<CardField> list = {
            Metres("RoadAppr.BegStr", 3, 9, 0, 7, 0),
            Metres("RoadAppr.EndStr", 10, 16, 0, 7, 0),
            Metres("RoadAppr.Length", 17, 24, 2, 7, 1),
        };
        for (int k = 1; k <= 7; ++k) {
            int first = 25 + 8 * (k - 1);
            list.push_back(Metres("RoadAppr.Off" + std::to_string(k), first, first + 7, 5, 4, 4));
        }
        return list;
    }();
    return fields;
}

CardConversion convertHorizontalAlignmentCard(std::string_view card) {
    return convertFields(card, "01", HorizontalAlignmentFields());
}

CardConversion convertVerticalAlignmentCard(std::string_view card) {
    return convertFields(card, "02", VerticalAlignmentFields());
}

CardConversion convertCrossSlopeCard(std::string_view card) {
    // The transition curve is checked before anything of the card is written.
    for (const CardField& field : CrossSlopeFields()) {
        if (field.rule != FieldRule::TransitionCurve) continue;
        CardConversion check = convertFields(card, "03", {field});
        if (check.fault) return check;
    }
    return convertFields(card, "03", CrossSlopeFields());
}

CardConversion convertCrossSlopeOverrideCard(std::string_view card) {
    return convertFields(card, "03", CrossSlopeOverrideFields());
}

CardConversion convertReferenceLineCard(std::string_view card) {
    return convertFields(card, "04", ReferenceLineFields());
}

CardConversion convertGirderLineCard(std::string_view card) {
    return convertFields(card, "05", GirderLineFields(ff::Columns(card, 3, 1) == "4"));
}

CardConversion convertBentLineCard(std::string_view card) {
    return convertFields(card, "06", BentLineFields());
}

CardConversion convertDeadLoadCard(std::string_view card) {
    bool metres = ff::Columns(card, 5, 1) == "M";
    CardConversion out = convertFields(card, "07", DeadLoadFields(metres));
    if (!out.fault) out.card[4] = metres ? 'F' : ' ';
    return out;
}

CardConversion convertRoadApproachCard(std::string_view card) {
    return convertFields(card, "08", RoadApproachFields());
}

}  // namespace quillon::converters::m2e
