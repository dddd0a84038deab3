// Each card type's layout against the deck's column tables, typed here a
// second time: columns, edit and width, implied decimals in a deck in feet
// (the edit's d, as the engine reads the card) and in a metric deck (as QlM2e
// reads a metric deck and the editor writes one), and the blank rule.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "cards/CardLayouts.hpp"

namespace quillon::cards {
namespace {

constexpr BlankRule Z = BlankRule::Zeros;
constexpr BlankRule N = BlankRule::NotGiven;
constexpr BlankRule K = BlankRule::Kept;
constexpr bool kGroup = true;

struct Row {
    const char* name;
    int first;
    int last;
    const char* edit;  // "F11.4", "I1", "A10", "X8": letter, width, decimals in feet
    int metricDecimals;
    BlankRule blanks;
    bool group = false;
    int metresDecimals = -1;  // a metric deck's small length given in metres
};

struct LayoutCase {
    const char* name;
    const CardLayout* layout;
    int type;
    std::vector<Row> rows;
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

// The parts of an edit text such as "F11.4".
struct EditText {
    Edit edit;
    int width;
    int decimals;
};

EditText ParseEdit(const std::string& text) {
    const char letter = text[0];
    const Edit edit = letter == 'I'   ? Edit::I
                      : letter == 'F' ? Edit::F
                      : letter == 'A' ? Edit::A
                                      : Edit::X;
    const size_t point = text.find('.');
    const int width = std::stoi(text.substr(1, point == std::string::npos ? point : point - 1));
    const int decimals = point == std::string::npos ? 0 : std::stoi(text.substr(point + 1));
    return {edit, width, decimals};
}

class CardLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(CardLayoutTable, MatchesTheDeckColumnsFieldByField) {
    const LayoutCase& c = GetParam();
    const CardLayout& layout = *c.layout;
    EXPECT_EQ(layout.type, c.type);
    ASSERT_EQ(layout.fields.size(), c.rows.size()) << c.name;
    for (size_t i = 0; i < c.rows.size(); ++i) {
        const Row& row = c.rows[i];
        const Field& field = layout.fields[i];
        const EditText edit = ParseEdit(row.edit);
        SCOPED_TRACE(std::string(c.name) + " " + row.name);
        EXPECT_EQ(field.name, row.name);
        EXPECT_EQ(field.first, row.first);
        EXPECT_EQ(field.last, row.last);
        EXPECT_EQ(field.Width(), edit.width);
        EXPECT_EQ(row.last - row.first + 1, edit.width) << "the expected row itself";
        EXPECT_EQ(field.edit, edit.edit);
        EXPECT_EQ(field.Decimals(DeckUnits::Feet), edit.decimals);
        EXPECT_EQ(field.Decimals(DeckUnits::Metric), row.metricDecimals);
        EXPECT_EQ(field.Decimals(DeckUnits::Metric, MetricLength::Metres),
                  row.metresDecimals >= 0 ? row.metresDecimals : row.metricDecimals);
        EXPECT_EQ(field.blanks, row.blanks);
        EXPECT_EQ(field.group, row.group);
    }
}

// The fields that are no group cover columns 3-80 in order, without gap or
// overlap; a group starts and ends where fields do; names are unique.
TEST_P(CardLayoutTable, FieldsCoverTheCardOnce) {
    const CardLayout& layout = *GetParam().layout;
    int next = 3;
    std::set<int> starts, ends;
    std::set<std::string_view> names;
    for (const Field& field : layout.fields) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        EXPECT_LE(field.Decimals(DeckUnits::Feet), field.Width()) << field.name;
        EXPECT_LE(field.Decimals(DeckUnits::Metric), field.Width()) << field.name;
        if (field.group) continue;
        EXPECT_EQ(field.first, next) << field.name;
        next = field.last + 1;
        starts.insert(field.first);
        ends.insert(field.last);
    }
    EXPECT_EQ(next, 81);
    for (const Field& field : layout.fields) {
        if (!field.group) continue;
        EXPECT_TRUE(starts.count(field.first)) << field.name;
        EXPECT_TRUE(ends.count(field.last)) << field.name;
    }
}

std::string CaseName(const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.name; }

// The 00 cards: the structure identifier of the card that opens a Problem and
// the metric mark of a deck's first line; the text of the further 00 cards.
INSTANTIATE_TEST_SUITE_P(
    Cards, CardLayoutTable,
    ::testing::Values(LayoutCase{"Description",
                                 &kDescriptionCard,
                                 0,
                                 {{"Description.StructureID", 3, 12, "A10", 0, K},
                                  {"Unused", 13, 79, "X67", 0, K},
                                  {"MetricMark", 80, 80, "A1", 0, K}}},
                      LayoutCase{"DescriptionText",
                                 &kDescriptionTextCard,
                                 0,
                                 {{"Description.Text", 3, 80, "A78", 0, K}}},
                      LayoutCase{"HorizontalAlignment",
                                 &kHorizontalAlignmentCard,
                                 1,
                                 {{"CurveDirection", 3, 3, "A1", 0, K},
                                  {"Horizontal.Delta", 4, 12, "A9", 0, K, kGroup},
                                  {"Horizontal.Delta degrees", 4, 6, "F3.0", 0, Z},
                                  {"Horizontal.Delta minutes", 7, 8, "F2.0", 0, Z},
                                  {"Horizontal.Delta seconds", 9, 12, "F4.2", 2, Z},
                                  {"Horizontal.PIStation", 13, 23, "F11.4", 5, Z},
                                  {"Horizontal.Degree", 24, 31, "A8", 0, K, kGroup},
                                  {"Horizontal.Degree degrees", 24, 25, "F2.0", 0, Z},
                                  {"Horizontal.Degree minutes", 26, 27, "F2.0", 0, Z},
                                  {"Horizontal.Degree seconds", 28, 31, "F4.2", 2, Z},
                                  {"Horizontal.InSpiral", 32, 37, "F6.2", 3, Z},
                                  {"Horizontal.OutSpiral", 38, 43, "F6.2", 3, Z},
                                  {"Horizontal.ProfOffset", 44, 51, "F8.4", 5, Z},
                                  {"Horizontal.Radius", 52, 58, "F7.0", 0, Z},
                                  {"Horizontal.Back", 59, 69, "F11.4", 5, Z},
                                  {"Horizontal.Ahead", 70, 80, "F11.4", 5, Z}}},
                      LayoutCase{"VerticalAlignment",
                                 &kVerticalAlignmentCard,
                                 2,
                                 {{"Vertical.GradeIn", 3, 11, "F9.6", 6, N},
                                  {"Vertical.InLength1", 12, 17, "F6.2", 3, Z},
                                  {"Vertical.PISta1", 18, 26, "F9.2", 3, N},
                                  {"Vertical.PIElev1", 27, 35, "F9.4", 5, Z},
                                  {"Vertical.OutLength1", 36, 41, "F6.2", 3, Z},
                                  {"Vertical.InLength2", 42, 47, "F6.2", 3, Z},
                                  {"Vertical.PISta2", 48, 56, "F9.2", 3, N},
                                  {"Vertical.PIElev2", 57, 65, "F9.4", 5, Z},
                                  {"Vertical.OutLength2", 66, 71, "F6.2", 3, Z},
                                  {"Vertical.GradeOut", 72, 80, "F9.6", 6, N}}},
                      LayoutCase{
                          "CrossSlope",
                          &kCrossSlopeCard,
                          3,
                          {{"CrossTrans.CrownType", 3, 3, "A1", 0, K},
                           {"CrossTrans.CrossSlope", 4, 8, "F5.4", 4, Z},
                           {"CrossTrans.SuperRate", 9, 12, "F4.4", 4, N},
                           {"CrossTrans.PivotOffset", 13, 20, "F8.4", 5, Z},
                           {"CrossTrans.InRunOut", 21, 25, "F5.2", 2, Z},
                           {"CrossTrans.InTransLength", 26, 30, "F5.2", 3, Z},
                           {"CrossTrans.InTransPer", 31, 35, "F5.2", 2, N},
                           {"CrossTrans.OutRunout", 36, 40, "F5.2", 2, Z},
                           {"CrossTrans.OutTransLength", 41, 45, "F5.2", 3, Z},
                           {"CrossTrans.OutTransPer", 46, 50, "F5.2", 2, N},
                           {"CrossTrans.MaxTransVC", 51, 55, "F5.3", 3, N},
                           {"VCLengthFlag", 56, 56, "A1", 0, K},
                           {"CrossTrans.CrownWidth", 57, 65, "F9.4", 5, Z},
                           {"CrossTrans.CrownHeight", 66, 70, "F5.3", 2, Z},  // inches, millimetres
                           {"CrossTrans.CrownLeft", 71, 75, "F5.4", 4, Z},
                           {"CrossTrans.CrownRight", 76, 80, "F5.4", 4, Z}}},
                      LayoutCase{"CrossSlopeOverride",
                                 &kCrossSlopeOverrideCard,
                                 3,
                                 {{"CrossTrans.OverSta", 3, 11, "F9.2", 3, Z},
                                  {"CrossTrans.OverLeft", 12, 16, "F5.4", 4, N},
                                  {"CrossTrans.OverRight", 17, 21, "F5.4", 4, Z},
                                  {"Unused", 22, 80, "X59", 0, K}}},
                      LayoutCase{"ReferenceLine",
                                 &kReferenceLineCard,
                                 4,
                                 {{"RefLine.RefLineSta", 3, 13, "F11.4", 5, Z},
                                  {"RefLine.StaOn", 14, 14, "I1", 0, Z},
                                  {"RefLine.SkewDirection", 15, 15, "A1", 0, K},
                                  {"RefLine.SkewAngle", 16, 23, "A8", 0, K, kGroup},
                                  {"RefLine.SkewAngle degrees", 16, 17, "F2.0", 0, Z},
                                  {"RefLine.SkewAngle minutes", 18, 19, "F2.0", 0, Z},
                                  {"RefLine.SkewAngle seconds", 20, 23, "F4.2", 2, Z},
                                  {"RefLine.SkewRespTo", 24, 24, "I1", 0, Z},
                                  {"RefLine.DefaultBentSkew", 25, 25, "I1", 0, Z},
                                  {"RefLine.LayoutLineIs", 26, 26, "I1", 0, Z},
                                  {"RefLine.BreakAtReferenceLine", 27, 27, "A1", 0, K},
                                  {"RefLine.SuppressListing", 28, 28, "A1", 0, K},
                                  {"RefLine.PatternShiftOffset", 29, 29, "A1", 0, K},
                                  {"RefLine.RevLayoutLine", 30, 30, "A1", 0, K},
                                  {"RefLine.XZeroPoints", 31, 31, "A1", 0, K},
                                  {"RefLine.SpareFlag", 32, 32, "A1", 0, K},
                                  {"Unused", 33, 40, "X8", 0, K},
                                  {"RefLine.TransX", 41, 49, "F9.4", 5, Z},
                                  {"RefLine.TransY", 50, 58, "F9.4", 5, Z},
                                  {"RefLine.LimitBegSta", 59, 69, "F11.4", 5, N},
                                  {"RefLine.LimitEndSta", 70, 80, "F11.4", 5, N}}},
                      LayoutCase{"GirderLine",
                                 &kGirderLineCard,
                                 5,
                                 {{"LineType", 3, 3, "I1", 0, Z},
                                  {"InitialOffset", 4, 11, "F8.4", 5, Z},
                                  {"InitialOffsetType", 12, 12, "I1", 0, Z},
                                  {"TerminalOffset", 13, 20, "F8.4", 5, Z},
                                  {"TerminalOffsetType", 21, 21, "I1", 0, Z},
                                  // Inches or millimetres; on a type 4 line feet or metres.
                                  {"ElevationShift", 22, 29, "F8.4", 3, Z, false, 5},
                                  {"GirderDescription", 30, 49, "A20", 0, K},
                                  {"BaseLineFlag", 50, 50, "A1", 0, K},
                                  {"ChordFlag", 51, 51, "A1", 0, K},
                                  {"XTypeFracPoints", 52, 53, "A2", 0, K, kGroup},
                                  {"ExteriorGirderCode", 52, 52, "A1", 0, K},
                                  {"XTypeRequestCode", 53, 53, "A1", 0, K},
                                  {"DeadLoadGirderCode", 54, 54, "A1", 0, K},
                                  {"CamberDiagramFlag", 55, 55, "A1", 0, K},
                                  {"ConstantOffsetFlag", 56, 56, "A1", 0, K},
                                  {"SuppressListingFlag", 57, 57, "A1", 0, K},
                                  {"Unused", 58, 80, "X23", 0, K}}},
                      LayoutCase{"BentLine",
                                 &kBentLineCard,
                                 6,
                                 {{"BentDistance", 3, 10, "F8.4", 5, Z},
                                  {"DistanceType", 11, 11, "I1", 0, Z},
                                  {"SkewDirection", 12, 12, "A1", 0, K},
                                  {"BentSkew", 13, 20, "A8", 0, K, kGroup},
                                  {"BentSkew degrees", 13, 14, "F2.0", 0, Z},
                                  {"BentSkew minutes", 15, 16, "F2.0", 0, Z},
                                  {"BentSkew seconds", 17, 20, "F4.2", 2, Z},
                                  {"SkewType", 21, 21, "I1", 0, Z},
                                  {"FractionalPoints", 22, 28, "F7.4", 4, Z, kGroup},
                                  {"FractionalPoints count", 22, 24, "F3.0", 0, Z},
                                  {"FractionalPoints decimals", 25, 28, "F4.4", 4, Z},
                                  {"BentDescription", 29, 38, "A10", 0, K},
                                  {"BentOptions", 39, 42, "A4", 0, K, kGroup},
                                  {"BreakGirderLines", 39, 39, "A1", 0, K},
                                  {"FlaredGirderOffsets", 40, 40, "A1", 0, K},
                                  {"ChordLayoutLine", 41, 41, "A1", 0, K},
                                  {"SuppressListing", 42, 42, "A1", 0, K},
                                  {"BentCodes", 43, 52, "A10", 0, K, kGroup},
                                  {"SelIntersect", 43, 43, "A1", 0, K},
                                  {"DeadLoadFlag", 44, 44, "A1", 0, K},
                                  {"SecondaryRef", 45, 46, "A2", 0, K, kGroup},
                                  {"SecondaryRef defines", 45, 45, "A1", 0, K},
                                  {"SecondaryRef hangs on", 46, 46, "A1", 0, K},
                                  {"BentTypeCode", 47, 47, "A1", 0, K},
                                  {"SpareCodes", 48, 52, "X5", 0, K},
                                  {"Unused", 53, 80, "X28", 0, K}}},
                      LayoutCase{"DeadLoad",
                                 &kDeadLoadCard,
                                 7,
                                 {{"DeadLoadLabel", 3, 6, "A4", 0, K, kGroup},
                                  {"GirderCode", 3, 3, "A1", 0, K},
                                  {"BentLineCode", 4, 4, "A1", 0, K},
                                  {"DeflectionUnits", 5, 5, "A1", 0, K},
                                  {"LabelSpare", 6, 6, "A1", 0, K},
                                  {"Unused", 7, 14, "X8", 0, K},
                                  // Inches or feet: three decimals; millimetres two, metres four.
                                  {"Deflection0", 15, 20, "F6.3", 2, N, false, 4},
                                  {"Deflection1", 21, 26, "F6.3", 2, N, false, 4},
                                  {"Deflection2", 27, 32, "F6.3", 2, N, false, 4},
                                  {"Deflection3", 33, 38, "F6.3", 2, N, false, 4},
                                  {"Deflection4", 39, 44, "F6.3", 2, N, false, 4},
                                  {"Deflection5", 45, 50, "F6.3", 2, N, false, 4},
                                  {"Deflection6", 51, 56, "F6.3", 2, N, false, 4},
                                  {"Deflection7", 57, 62, "F6.3", 2, N, false, 4},
                                  {"Deflection8", 63, 68, "F6.3", 2, N, false, 4},
                                  {"Deflection9", 69, 74, "F6.3", 2, N, false, 4},
                                  {"Deflection10", 75, 80, "F6.3", 2, N, false, 4}}},
                      // The metric decimals are those QlM2e reads a metric 08 card with.
                      LayoutCase{"RoadApproach",
                                 &kRoadApproachCard,
                                 8,
                                 {{"RoadAppr.BegStr", 3, 9, "F7.0", 0, Z},
                                  {"RoadAppr.EndStr", 10, 16, "F7.0", 0, Z},
                                  {"RoadAppr.Length", 17, 24, "F8.1", 2, Z},
                                  {"RoadAppr.Off1", 25, 32, "F8.4", 5, N},
                                  {"RoadAppr.Off2", 33, 40, "F8.4", 5, N},
                                  {"RoadAppr.Off3", 41, 48, "F8.4", 5, N},
                                  {"RoadAppr.Off4", 49, 56, "F8.4", 5, N},
                                  {"RoadAppr.Off5", 57, 64, "F8.4", 5, N},
                                  {"RoadAppr.Off6", 65, 72, "F8.4", 5, N},
                                  {"RoadAppr.Off7", 73, 80, "F8.4", 5, N}}}),
    CaseName);

TEST(CardLayouts, TheCardTypeIsColumnsOneAndTwoWithBlanksIgnored) {
    EXPECT_EQ(kCardType.first, 1);
    EXPECT_EQ(kCardType.last, 2);
    EXPECT_EQ(kCardType.edit, Edit::I);
    EXPECT_EQ(kCardType.blanks, BlankRule::Ignored);
}

TEST(CardLayouts, EveryLayoutIsListedOnceInDeckOrder) {
    int lastType = -1;
    std::set<std::string_view> names;
    for (const CardLayout* layout : kCardLayouts) {
        EXPECT_GE(layout->type, lastType);
        lastType = layout->type;
        EXPECT_TRUE(names.insert(layout->name).second) << layout->name;
    }
    EXPECT_EQ(names.size(), 11u);
}

// Looking a field up by name is checked when the program is compiled.
static_assert(kHorizontalAlignmentCard["Horizontal.PIStation"].first == 13);
static_assert(kGirderLineCard["ElevationShift"].Decimals(DeckUnits::Metric, MetricLength::Metres) ==
              5);
static_assert(kBentLineCard.Span("BentTypeCode", "Unused").Width() == 34);

// A name in brackets that the card does not have does not compile (see
// tests/MisspeltFieldName.cpp); looked up when the program runs, it throws.
TEST(CardLayouts, AFieldNameTheCardDoesNotHaveIsRefused) {
    EXPECT_THROW(kHorizontalAlignmentCard.Find("Horizontal.PiStation"), std::out_of_range);
    EXPECT_TRUE(kHorizontalAlignmentCard.Has("Horizontal.PIStation"));
    EXPECT_FALSE(kVerticalAlignmentCard.Has("Horizontal.PIStation"));
    EXPECT_THROW(kBentLineCard.Span("Unused", "BentDistance"), std::out_of_range);
}

TEST(CardLayouts, ASpanRunsFromTheFirstFieldToTheLastAsText) {
    const Field span = kGirderLineCard.Span("BaseLineFlag", "SuppressListingFlag");
    EXPECT_EQ(span.name, "BaseLineFlag");
    EXPECT_EQ(span.first, 50);
    EXPECT_EQ(span.last, 57);
    EXPECT_EQ(span.edit, Edit::A);
}

}  // namespace
}  // namespace quillon::cards
