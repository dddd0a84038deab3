// The type 4 girder lines: the spans between bent lines with fractional
// points, the bent-line description check, the line of constant offset and
// the average cross slope, and the TYPE 4 GIRDER LINE DATA section column by
// column in both builds. The control is straight (the HC frame's y axis)
// with crown type A; hand values: a point d along a line skewed 30 degrees
// from the control's normal lies d cos 30 = 8.660254 (for d = 10) from the
// control; the mean of a piecewise linear slope is its trapezoid area over
// the span's length.
#include <gtest/gtest.h>

#include <cmath>

#include "SegmentedTestSupport.hpp"
#include "engine/linesets/Type4GirderLines.hpp"

namespace quillon::engine {
namespace {

using linesettest::Card;
using linesettest::ExpectBox;
using linesettest::kPi;
using linesettest::kVerticalCard;
using linesettest::LineSetRun;
using linesettest::ReferenceCard;
using segmentedtest::At;
using segmentedtest::Bent;
using segmentedtest::Girder;
using segmentedtest::RunLineSet;

// Crown A with a normal slope of 0.02 (the right slope is +0.02) and no
// transition curves at the override breaks.
const std::string kCrownA = Card({{1, "03"}, {3, "A"}, {4, ".02"}, {51, "0."}});
std::vector<std::string> CrownA(std::vector<std::string> overrides = {}) {
    std::vector<std::string> cards{kVerticalCard, kCrownA};
    cards.insert(cards.end(), overrides.begin(), overrides.end());
    return cards;
}
// A right slope from station `station` on (crown A: the left one its negative).
std::string Override(const std::string& station, const std::string& right) {
    return Card({{1, "03"}, {3, station}, {17, right}});
}

// The reference line at 10+00 skewed 30 degrees.
const std::string kReference = ReferenceCard("1000.", "0", "1", "1", {{16, "30"}});
const std::string kType4 = Girder("4", "   20.00", "4", "TYPE 4");
const std::string kPier1 = Bent("  100.00", "0", "PIER 1");
const std::string kPier2 = Bent("  200.00", "0", "PIER 2");

// The line of constant offset, 10 from its base by offset type `type`.
std::string Constant(const std::string& type) {
    return Girder("0", "   10.00", type, "CONSTANT", {{56, "X"}});
}

std::unique_ptr<LineSetRun> Type4(std::vector<std::string> cards,
                                  std::vector<std::string> alignment = CrownA(),
                                  EngineVariant variant = EngineVariant::English) {
    return RunLineSet(alignment, cards, variant);
}

TEST(Type4GirderLines, TheLineOfConstantOffsetByEachOffsetType) {
    // Types 4 (normal from the control) and 2 (normal from the layout line,
    // here the control): 10; types 3 and 1 (along the reference line from
    // the control or the layout line): 10 cos 30.
    const struct {
        const char* type;
        double offset;
        const char* listed;
    } cases[] = {{"4", 10.0, "10.0000"},
                 {"2", 10.0, "10.0000"},
                 {"3", 10.0 * std::cos(kPi / 6.0), "8.6603"},
                 {"1", 10.0 * std::cos(kPi / 6.0), "8.6603"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        auto run = Type4({kReference, kType4, Constant(c.type), kPier1, kPier2});
        const LineSetState& lineSet = run->LineSet();
        EXPECT_EQ(lineSet.constantOffsetLine, 2);
        EXPECT_NEAR(lineSet.type4.baseOffset, c.offset, 1e-9);
        EXPECT_NEAR(lineSet.girders.Line(2).initialOffset, c.offset, 1e-9);
        EXPECT_EQ(lineSet.girders.Line(2).initialOffsetType, kNormalFromControl);
        const std::string listed = c.listed;
        EXPECT_EQ(run->LineWith("FEET FROM HORIZONTAL CONTROL"),
                  At({{49 - static_cast<int>(listed.size()), listed},
                      {49, " FEET FROM HORIZONTAL CONTROL"}}));
    }
}

TEST(Type4GirderLines, TheSectionColumnByColumn) {
    // One table row: the average is its right slope, 0.02, without the
    // CALCULATED BETWEEN lines.
    auto run = Type4({kReference, kType4, Constant("4"), kPier1, kPier2});
    const auto lines = run->From("  TYPE 4  GIRDER LINE DATA");
    ASSERT_EQ(lines.size(), 7u);
    const int at = run->IndexOf("  TYPE 4  GIRDER LINE DATA");
    EXPECT_EQ(run->Lines()[static_cast<size_t>(at - 1)], "");
    EXPECT_EQ(run->Lines()[static_cast<size_t>(at - 2)], "");
    EXPECT_EQ(lines[0], "  TYPE 4  GIRDER LINE DATA");
    EXPECT_EQ(lines[1], " (OFFSET VARIES WITH SUPER)");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], At({{9, "LINE OF CONSTANT OFFSET IS GIRDER LINE:  CONSTANT            "}}));
    EXPECT_EQ(lines[4], At({{42, "10.0000"}, {49, " FEET FROM HORIZONTAL CONTROL"}}));
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], At({{9, "AVERAGE CROSS-SLOPE ="},
                            {30, " 0.020000"},
                            {39, " FT/FT (RIGHT OF PROFILE CONTROL LINE)"}}));
    const Type4Values& type4 = run->LineSet().type4;
    EXPECT_DOUBLE_EQ(type4.averageCrossSlope, 0.02);
    EXPECT_NEAR(std::abs(type4.unit - Pair(1.0, 0.02) / std::sqrt(1.0004)), 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(type4.firstRowSlope, 0.02);
    EXPECT_DOUBLE_EQ(type4.firstRowFactor, std::sqrt(1.0004));
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

TEST(Type4GirderLines, TheMetricSectionListsMetres) {
    // 10 ft is 3.0480 m; a slope of 0.025 is a ratio in both builds.
    auto run =
        Type4({kReference, kType4, Constant("4"), kPier1, kPier2},
              {kVerticalCard, Card({{1, "03"}, {3, "A"}, {4, ".025"}})}, EngineVariant::Metric);
    EXPECT_EQ(run->LineWith("FROM HORIZONTAL CONTROL"),
              At({{43, "3.0480"}, {49, " m    FROM HORIZONTAL CONTROL"}}));
    EXPECT_EQ(run->LineWith("AVERAGE CROSS-SLOPE ="),
              At({{9, "AVERAGE CROSS-SLOPE ="},
                  {30, " 0.025000"},
                  {39, "  m/m  (RIGHT OF PROFILE CONTROL LINE)"}}));
}

TEST(Type4GirderLines, HorizontalControlAsTheLineOfConstantOffset) {
    auto run = Type4({kReference, kType4, kPier1, kPier2});
    const auto lines = run->From("  TYPE 4  GIRDER LINE DATA");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], At({{9, "LINE OF CONSTANT OFFSET IS HORIZONTAL CONTROL"}}));
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(run->LineSet().constantOffsetLine, 0);
    EXPECT_EQ(run->LineSet().type4.baseOffset, 0.0);
}

TEST(Type4GirderLines, WithoutType4LinesThereIsNoSection) {
    auto run = Type4({kReference, Constant("4"), kPier1, kPier2});
    EXPECT_EQ(run->LineSet().constantOffsetLine, -1);
    EXPECT_EQ(run->IndexOf("TYPE 4"), -1);
    EXPECT_EQ(run->LineSet().type4.unit, Pair(0.0, 0.0));
}

TEST(Type4GirderLines, ALinearRunoutAveragesToItsMean) {
    // Right slope 0.02 to 10+50, straight up to 0.06 at 11+50 and down to
    // 0.05 at 12+50 (where the valid data end): over 10+00 to 12+00 the area
    // is 0.02 x 50 + 0.04 x 100 + (0.06 + 0.055) / 2 x 50 = 7.875, the mean
    // 7.875 / 200 = 0.039375.
    auto run = Type4(
        {kReference, kType4, kPier1, kPier2},
        CrownA({Override("1050.", ".02"), Override("1150.", ".06"), Override("1250.", ".05")}));
    EXPECT_NEAR(run->LineSet().type4.averageCrossSlope, 0.039375, 1e-9);
    const auto lines = run->From("AVERAGE CROSS-SLOPE CALCULATED BETWEEN STATION");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              At({{9, "AVERAGE CROSS-SLOPE CALCULATED BETWEEN STATION "}, {56, "   10+00.0000"}}));
    EXPECT_EQ(lines[1], At({{44, "AND STATION "}, {56, "   12+00.0000"}}));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], At({{9, "AVERAGE CROSS-SLOPE ="},
                            {30, " 0.039375"},
                            {39, " FT/FT (RIGHT OF PROFILE CONTROL LINE)"}}));
    const double theta = std::atan(0.039375);
    EXPECT_NEAR(std::abs(run->LineSet().type4.unit - Pair(std::cos(theta), std::sin(theta))), 0.0,
                1e-9);
}

TEST(Type4GirderLines, BentLinesCloserThanAHundredthTakeTheMiddleSlope) {
    // The reference line at 11+00 and one bent line 0.005 beyond it, in the
    // runout: the slope at 11+00.0025 is 0.02 + 0.04 x 50.0025 / 100.
    auto run = Type4({ReferenceCard("1100.", "0", "1", "1"), kType4, Bent("    .005", "0", "NEAR")},
                     CrownA({Override("1050.", ".02"), Override("1150.", ".06")}));
    EXPECT_NEAR(run->LineSet().type4.averageCrossSlope, 0.02 + 0.04 * 50.0025 / 100.0, 1e-9);
    EXPECT_EQ(run->IndexOf("CALCULATED BETWEEN"), -1);
    EXPECT_GE(run->IndexOf("AVERAGE CROSS-SLOPE = 0.040001"), 0);
}

TEST(Type4GirderLines, TheCrownValues) {
    // The pivot 12 left of the profile control line, which lies on the
    // control: the pivot point's offset is -12.
    auto run = Type4({kReference, kType4, kPier1, kPier2},
                     {kVerticalCard, Card({{1, "03"}, {3, "A"}, {4, ".02"}, {13, "  -12.00"}})});
    EXPECT_DOUBLE_EQ(run->LineSet().type4.pivotOffset, -12.0);
}

TEST(Type4GirderLines, TheSpanTablePointsToTheNextBentLineWithFractionalPoints) {
    // Kinds [-2, 1, -2, 2, 0] by position give [2, 4, 4, 5, 5]; the first
    // position with points beyond the bent line is 2, the last 5.
    LineSetState lineSet;
    lineSet.constantOffsetLine = 0;
    lineSet.bents.slots.resize(5);
    const int kinds[] = {-2, 1, -2, 2, 0};
    for (int k = 1; k <= 5; ++k) {
        lineSet.bents.Slot(k).fractionalPointKind = kinds[k - 1];
        lineSet.bentLineOrder.push_back({k, 10.0 * k});
    }
    const std::vector<int> kAfter = BuildFractionalSpans(lineSet);
    EXPECT_EQ(std::vector<int>(lineSet.spans.next.begin() + 1, lineSet.spans.next.end()),
              (std::vector<int>{2, 4, 4, 5, 5}));
    EXPECT_EQ(lineSet.spans.first, 2);
    EXPECT_EQ(lineSet.spans.last, 5);
    EXPECT_EQ(std::vector<int>(kAfter.begin() + 1, kAfter.end()),
              (std::vector<int>{0, 1, 1, 3, 4}));
    // Without type 4 processing the last position does not set them: first
    // 2, last the bent count.
    lineSet.constantOffsetLine = -1;
    BuildFractionalSpans(lineSet);
    EXPECT_EQ(lineSet.spans.first, 2);
    EXPECT_EQ(lineSet.spans.last, 5);
    // A last position whose span starts after a position without points:
    // kinds [-2, 2, 0, 0] end the span at k + 1 = 3.
    const int more[] = {-2, 2, 0, 0};
    lineSet.constantOffsetLine = 0;
    lineSet.bents.slots.resize(4);
    lineSet.bentLineOrder.resize(4);
    for (int k = 1; k <= 4; ++k) lineSet.bents.Slot(k).fractionalPointKind = more[k - 1];
    BuildFractionalSpans(lineSet);
    EXPECT_EQ(lineSet.spans.last, 3);
}

TEST(Type4GirderLines, SelectionsThatMeet) {
    EXPECT_TRUE(SelectionsMeet(-1, -1));  // blank with blank
    EXPECT_TRUE(SelectionsMeet(-1, 3));   // blank with a letter
    EXPECT_TRUE(SelectionsMeet(3, 3));    // the same letter
    EXPECT_FALSE(SelectionsMeet(3, 4));   // two letters
    EXPECT_FALSE(SelectionsMeet(0, 3));   // "0" with a letter
    EXPECT_TRUE(SelectionsMeet(0, 28));   // "0" with "1"
    EXPECT_FALSE(SelectionsMeet(28, 29));
}

// The description box: 37 characters centred (14 blanks), the second line
// with 14 blanks before it.
void ExpectDescriptionBox(const LineSetRun& run, const std::string& name) {
    ExpectBox(run, {{45, "FATAL ERROR -- BENT LINE:  " + name + std::string(10 - name.size(), ' ')},
                    {45, "INVALID OR DUPLICATE DESCRIPTION FIELD"}});
    EXPECT_TRUE(run.run.state.runErrorFlag);
}

TEST(Type4GirderLines, NamesAlikeWithoutBlanksAreDuplicates) {
    // PIER 1 and PIER1, with fractional points: the first gets the box, the
    // girder lines are cut to one, the line set goes on.
    auto run =
        Type4({kReference, kType4, Constant("4"), Bent("  100.00", "0", "PIER 1", {{22, " 10"}}),
               Bent("  200.00", "0", "PIER1", {{22, " 10"}}), kPier2});
    ExpectDescriptionBox(*run, "PIER 1");
    EXPECT_EQ(run->IndexOf("BENT LINE:  PIER1"), -1);
    EXPECT_EQ(run->LineSet().girders.count, 1);
    EXPECT_FALSE(run->run.state.fatalFlag);
    EXPECT_GE(run->IndexOf("  TYPE 4  GIRDER LINE DATA"), 0);
}

TEST(Type4GirderLines, ATenCharacterNameIsInvalid) {
    auto run = Type4({kReference, kType4, kPier1, Bent("  200.00", "0", "PIERNUMBER")});
    ExpectDescriptionBox(*run, "PIERNUMBER");
}

TEST(Type4GirderLines, NamesAreCheckedWithoutType4LinesToo) {
    auto run = Type4({kReference, Constant("4"), kPier1, Bent("  200.00", "0", "PIERNUMBER")});
    ExpectDescriptionBox(*run, "PIERNUMBER");
}

TEST(Type4GirderLines, DuplicatesEarlyWithoutLaterPointsAreNotSought) {
    // No bent line has fractional points: the early positions compare only
    // while points follow, so PIER 1 and PIER1 pass.
    auto run = Type4({kReference, kType4, kPier1, Bent("  200.00", "0", "PIER1")});
    EXPECT_EQ(run->IndexOf("INVALID OR DUPLICATE"), -1);
}

TEST(Type4GirderLines, NamesForDifferentGirderLinesMayRepeat) {
    // Column 43 "A" and "B": no girder line takes both.
    auto run = Type4({kReference, kType4, Bent("  100.00", "0", "PIER 1", {{22, " 10"}, {43, "A"}}),
                      Bent("  200.00", "0", "PIER 1", {{22, " 10"}, {43, "B"}}), kPier2});
    EXPECT_EQ(run->IndexOf("INVALID OR DUPLICATE"), -1);
}

}  // namespace
}  // namespace quillon::engine
