// The 04-07 cards read into the line set's tables: every field and code, the
// skew of degrees, minutes and seconds, the fractional-point kinds, the
// dead-load markers and the cards beyond the limits of the tables.
#include <gtest/gtest.h>

#include "LineSetTestSupport.hpp"
#include "engine/problem/tests/EngineTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using linesettest::Card;
using linesettest::CurvedAlignment;
using linesettest::Degrees;
using linesettest::LineSetRun;
using linesettest::NoSteps;
using linesettest::ReferenceCard;
using linesettest::StraightAlignment;

const std::string kGirder = Card({{1, "05"}, {3, "0"}, {12, "4"}, {30, "GIRDER"}});
const std::string kBent = Card({{1, "06"}, {3, "50."}, {29, "PIER"}});

TEST(ReferenceLineCard, EveryFieldAsRead) {
    // L 30 15 30.00 is -(30 + (15 + 30/60)/60) = -30.258333 degrees.
    LineSetRun run(CurvedAlignment(), {Card({{1, "04"},
                                             {3, "1234.5678"},
                                             {14, "0"},
                                             {15, "L"},
                                             {16, "30"},
                                             {18, "15"},
                                             {20, "3000"},
                                             {24, "1"},
                                             {25, "2"},
                                             {26, "1"},
                                             {27, "X"},
                                             {28, "Y"},
                                             {29, "Z"},
                                             {30, "4"},
                                             {31, "A"},
                                             {32, "B"},
                                             {41, "100.5"},
                                             {50, "-20.25"}}),
                                       kGirder, kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    const ReferenceLine& r = run.LineSet().reference;
    EXPECT_DOUBLE_EQ(r.cardStation, 1234.5678);
    EXPECT_NEAR(Degrees(r.skew), -30.258333333333333, 1e-12);
    EXPECT_EQ(r.skewRespTo, 1);
    EXPECT_EQ(r.defaultSkewColumn, 2);
    EXPECT_EQ(run.LineSet().defaultSkewOption, 2);
    EXPECT_EQ(r.layoutLineIs, 1);
    EXPECT_EQ(r.breakColumn, 'X');
    EXPECT_EQ(r.suppressColumn, 'Y');
    EXPECT_EQ(r.patternShiftColumn, 'Z');
    EXPECT_EQ(r.revLayoutLine, 4);
    EXPECT_EQ(r.xZeroColumn, 'A');
    EXPECT_EQ(r.column32, 'B');
    EXPECT_DOUBLE_EQ(r.transX, 100.5);
    EXPECT_DOUBLE_EQ(r.transY, -20.25);
    EXPECT_TRUE(r.decreasing);
    EXPECT_EQ(r.axisSign, Pair(-1.0, 0.0));
    EXPECT_FALSE(run.run.state.fatalFlag);
}

TEST(ReferenceLineCard, ImpliedDecimalsOfStationSkewAndTransform) {
    // "   12345678" is 1234.5678; "1" "2" "345" in 16-23 is 1 degree 2
    // minutes 3.45 seconds; "12345" in 45-49 is 1.2345.
    LineSetRun run(CurvedAlignment(), {Card({{1, "04"},
                                             {3, "   12345678"},
                                             {16, " 1"},
                                             {18, " 2"},
                                             {20, " 345"},
                                             {24, "1"},
                                             {26, "1"},
                                             {45, "12345"}}),
                                       kGirder, kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    const ReferenceLine& r = run.LineSet().reference;
    EXPECT_DOUBLE_EQ(r.cardStation, 1234.5678);
    EXPECT_NEAR(Degrees(r.skew), 1.0 + (2.0 + 3.45 / 60.0) / 60.0, 1e-12);
    EXPECT_DOUBLE_EQ(r.transX, 1.2345);
}

struct ReversedCase {
    const char* name;
    const char* column30;
    int code;
    bool decreasing;
    double axis;
};

class ReversedLayoutLine : public ::testing::TestWithParam<ReversedCase> {};

// The code is CharacterCode - 27: digits give themselves; blank, "0" and
// letters 0 or less; other characters 33 ("-" has code 60).
TEST_P(ReversedLayoutLine, DecreasingFlagAndAxisSign) {
    const ReversedCase& c = GetParam();
    LineSetRun run(CurvedAlignment(),
                   {ReferenceCard("1200.", "0", "1", "1", {{30, c.column30}}), kGirder, kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    const ReferenceLine& r = run.LineSet().reference;
    EXPECT_EQ(r.revLayoutLine, c.code);
    EXPECT_EQ(r.decreasing, c.decreasing);
    EXPECT_EQ(r.axisSign, Pair(c.axis, 0.0));
}

INSTANTIATE_TEST_SUITE_P(Codes, ReversedLayoutLine,
                         ::testing::Values(ReversedCase{"Blank", " ", -27, false, 1.0},
                                           ReversedCase{"Zero", "0", -27, false, 1.0},
                                           ReversedCase{"One", "1", 1, true, -1.0},
                                           ReversedCase{"Two", "2", 2, true, 1.0},
                                           ReversedCase{"Three", "3", 3, false, -1.0},
                                           ReversedCase{"Nine", "9", 9, true, -1.0},
                                           ReversedCase{"Letter", "C", -24, false, 1.0},
                                           ReversedCase{"Minus", "-", 33, true, -1.0}),
                         quillon::testsupport::CaseName());

TEST(GirderLineCard, EveryFieldAndTheEightCodes) {
    // Crown type A, so that the type 4 line is allowed.
    LineSetRun run({linesettest::kCurveCard, linesettest::kVerticalCard,
                    Card({{1, "03"}, {3, "A"}, {4, ".02"}})},
                   {ReferenceCard("1200.", "0", "1", "1"),
                    Card({{1, "05"},
                          {3, "0"},
                          {4, "-12.5"},
                          {12, "4"},
                          {21, "0"},
                          {22, "-10.5"},
                          {30, "GIRDER G1 "},
                          {40, "EXT LEFT"},
                          {50, "0"},
                          {52, "E"},
                          {53, "e"},
                          {54, "I"},
                          {55, "0"},
                          {57, "x"}}),
                    Card({{1, "05"}, {3, "4"}, {4, "   30000"}, {12, "4"}, {22, "12.5"}}), kBent});
    ASSERT_TRUE(run.Run(NoSteps()));
    const GirderLineTable& g = run.LineSet().girders;
    ASSERT_EQ(g.lines.size(), 2u);
    EXPECT_EQ(g.count, 2);
    const GirderLine& one = g.Line(1);
    EXPECT_EQ(one.lineType, 0);
    EXPECT_DOUBLE_EQ(one.initialOffset, -12.5);
    EXPECT_EQ(one.initialOffsetType, 4);
    EXPECT_DOUBLE_EQ(one.elevationShift, -10.5 / 12.0);  // inches to feet
    EXPECT_EQ(one.description[0], "GIRDER G1 ");
    EXPECT_EQ(one.description[1], "EXT LEFT  ");
    EXPECT_EQ(one.baseLineCode, 28);  // "0" counts as "1": code 28
    EXPECT_EQ(one.chordCode, 0);
    EXPECT_EQ(one.exteriorCode, 5);      // "E"
    EXPECT_EQ(one.xTypeRequestCode, 5);  // "e"
    EXPECT_EQ(one.xPointRequest, 0);
    EXPECT_EQ(one.deadLoadCode, 9);  // "I"
    EXPECT_EQ(one.optionCode, 28);
    EXPECT_EQ(one.suppressCode, 24);  // "x"
    EXPECT_EQ(one.constantOffsetCode, 0);
    const GirderLine& two = g.Line(2);
    EXPECT_DOUBLE_EQ(two.initialOffset, 3.0);    // "30000" with four implied decimals
    EXPECT_DOUBLE_EQ(two.elevationShift, 12.5);  // a type 4 line keeps it as punched
    EXPECT_EQ(g.typeCounts, (std::array<int, 5>{1, 0, 0, 0, 1}));
}

TEST(BentLineCard, EveryFieldAndTheSkew) {
    LineSetRun run(CurvedAlignment(), {ReferenceCard("1200.", "0", "1", "1"), kGirder,
                                       Card({{1, "06"},
                                             {3, "   90.25"},
                                             {11, "0"},
                                             {12, "L"},
                                             {13, "10"},
                                             {15, "30"},
                                             {17, "1500"},
                                             {21, "1"},
                                             {22, "  5"},
                                             {29, "*CL PIER 2"},
                                             {39, "X X "},
                                             {43, "AB"}}),
                                       Card({{1, "07"}, {3, "EA"}})});
    ASSERT_TRUE(run.Run(NoSteps()));
    const BentLineTable& b = run.LineSet().bents;
    ASSERT_EQ(b.Count(), 2);
    const BentLine& bent = b.Slot(2);
    EXPECT_DOUBLE_EQ(bent.distance, 90.25);
    EXPECT_EQ(bent.distanceType, 0);
    EXPECT_EQ(bent.skewType, 1);
    EXPECT_NEAR(Degrees(bent.skew), -(10.0 + (30.0 + 15.0 / 60.0) / 60.0), 1e-12);
    EXPECT_EQ(bent.description, " CL PIER 2");  // the leading "*" becomes a blank
    EXPECT_EQ(bent.options, "X X ");
    EXPECT_EQ(bent.selection, "AB        ");
    EXPECT_EQ(bent.selectionCode, 1);  // "A"
    EXPECT_EQ(bent.deadLoadCode, 2);   // "B"
    EXPECT_EQ(bent.fractionalPointKind, kEqualParts);
    EXPECT_TRUE(bent.noBreak);  // column 39 punched, but column 43 selects an intersection
    EXPECT_EQ(b.Slot(1).description, kReferenceLineName);
}

struct FractionCase {
    const char* name;
    const char* columns22to28;
    int kind;
    double value;
};

class FractionalPoints : public ::testing::TestWithParam<FractionCase> {};

TEST_P(FractionalPoints, KindAndValue) {
    const FractionCase& c = GetParam();
    LineSetRun run(CurvedAlignment(), {ReferenceCard("1200.", "0", "1", "1"), kGirder,
                                       Card({{1, "06"}, {3, "50."}, {22, c.columns22to28}})});
    ASSERT_TRUE(run.Run(NoSteps()));
    const BentLine& bent = run.LineSet().bents.Slot(2);
    EXPECT_EQ(bent.fractionalPointKind, c.kind);
    EXPECT_DOUBLE_EQ(bent.fractionalPoints, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FractionalPoints,
    ::testing::Values(FractionCase{"FiveParts", "  5    ", kEqualParts, 5.0},
                      FractionCase{"OneParts", "  1    ", kSingleFractionalPoint, 1.0},
                      FractionCase{"SpacingWithDecimals", "  25000", kSpacingFromBent, 2.5},
                      FractionCase{"NegativeSpacing", " -25000", kSpacingFromNextBent, 2.5},
                      FractionCase{"Zeros", "0000000", kNoFractionalPoints, 0.0},
                      FractionCase{"Blank", "       ", kNoFractionalPoints, 0.0}),
    quillon::testsupport::CaseName());

TEST(DeadLoadCard, MarkersAndUnits) {
    // Initial card in inches: tenth point 0 punched "0" is not given, 1 is
    // 0.473 in = 0.473/12 ft, 2 is blank (not given), 5 a punched zero (given,
    // 0.0). A continuation card follows whose tenth point 0 punched "0" is
    // given. The set's last tenth point 10, a zero, is not given. Then a set
    // in feet ("F").
    auto card = [](const char* label, const std::vector<std::pair<int, std::string>>& values) {
        std::string c = Card({{1, "07"}, {3, label}});
        c.resize(80, ' ');
        for (const auto& [k, text] : values)
            c.replace(static_cast<size_t>(14 + 6 * k), text.size(), text);  // columns 15 + 6k on
        return c;
    };
    std::vector<std::pair<int, std::string>> ones;
    for (int k = 0; k <= 10; ++k) ones.push_back({k, "   100"});
    LineSetRun run(CurvedAlignment(),
                   {ReferenceCard("1200.", "0", "1", "1"), kGirder, kBent,
                    card("EA", {{0, "     0"},
                                {1, "   473"},
                                {3, "  1200"},
                                {4, "   120"},
                                {5, "     0"},
                                {6, "   240"},
                                {7, "   360"},
                                {8, "   480"},
                                {9, "   600"},
                                {10, "   720"}}),
                    card("E ", {{0, "     0"}, {1, "  1200"}, {10, "     0"}}), card("IBF", ones)});
    ASSERT_TRUE(run.Run(NoSteps()));
    const auto& records = run.LineSet().deadLoad.records;
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].label, "EA        ");
    EXPECT_EQ(records[0].cardCount, 2);
    EXPECT_EQ(records[0].deflections[0], kNoDeflection);
    EXPECT_DOUBLE_EQ(records[0].deflections[1], 0.473 / 12.0);
    EXPECT_EQ(records[0].deflections[2], kNoDeflection);
    EXPECT_DOUBLE_EQ(records[0].deflections[3], 0.1);  // 1.2 in
    EXPECT_EQ(records[0].deflections[5], 0.0);
    EXPECT_DOUBLE_EQ(records[0].deflections[10], 0.06);  // 0.72 in
    EXPECT_EQ(records[1].cardCount, 0);
    EXPECT_EQ(records[1].deflections[0], 0.0);  // not the set's initial card
    EXPECT_DOUBLE_EQ(records[1].deflections[1], 0.1);
    EXPECT_EQ(records[1].deflections[2], kNoDeflection);   // blank
    EXPECT_EQ(records[1].deflections[10], kNoDeflection);  // a zero ends the set
    EXPECT_EQ(records[2].cardCount, 1);
    EXPECT_DOUBLE_EQ(records[2].deflections[4], 0.1);  // feet as punched
    EXPECT_DOUBLE_EQ(records[2].deflections[10], 0.1);
    EXPECT_FALSE(run.run.state.fatalFlag);
}

struct DroppedCase {
    const char* name;
    std::vector<std::string> labels;  // columns 3-4 of the 07 cards
    int column;                       // of the last box line
    const char* last;
    size_t kept;
};

class ImproperDeadLoad : public ::testing::TestWithParam<DroppedCase> {};

// The box: "IMPROPER USE ..." at 40, "INITIAL CARD ..." at 42, "MUST NOT ..."
// at 50, then the outcome, each at 31 + (65 - its length) / 2.
TEST_P(ImproperDeadLoad, BoxAndWhatIsKept) {
    const DroppedCase& c = GetParam();
    std::vector<std::string> deck{ReferenceCard("1200.", "0", "1", "1"), kGirder, kBent};
    for (const std::string& label : c.labels)
        deck.push_back(Card({{1, "07"}, {3, label}, {15, "   100"}}));
    LineSetRun run(CurvedAlignment(), deck);
    ASSERT_TRUE(run.Run(NoSteps()));
    const auto lines = run.From("IMPROPER USE");
    ASSERT_GE(lines.size(), 5u);
    const auto all = run.Lines();
    const int at = run.IndexOf("IMPROPER USE");
    EXPECT_EQ(all[static_cast<size_t>(at - 2)], "");
    EXPECT_EQ(all[static_cast<size_t>(at - 1)], ErrorBoxLine());
    EXPECT_EQ(lines[0], ErrorBoxLine({{40, "IMPROPER USE OF DEAD LOAD DEFLECTION DATA CARDS"}}));
    EXPECT_EQ(lines[1], ErrorBoxLine({{42, "INITIAL CARD (FOR EACH SET OF DEFLECTIONS)"}}));
    EXPECT_EQ(lines[2], ErrorBoxLine({{50, "MUST NOT BE BLANK IN COL 4"}}));
    EXPECT_EQ(lines[3], ErrorBoxLine({{c.column, c.last}}));
    EXPECT_EQ(lines[4], ErrorBoxLine());
    EXPECT_EQ(run.LineSet().deadLoad.records.size(), c.kept);
    if (c.kept > 0) {
        EXPECT_EQ(run.LineSet().deadLoad.records[0].label, "EA        ");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImproperDeadLoad,
    ::testing::Values(DroppedCase{"OneBefore", {"E ", "EA", "E "}, 53, "FIRST 07 CARD IGNORED", 2},
                      DroppedCase{
                          "TwoBefore", {"E ", "E ", "EA"}, 51, "FIRST  2 07 CARDS IGNORED", 1},
                      DroppedCase{"NoInitialCard", {"E ", "E "}, 53, "ALL 07 CARDS IGNORED", 0}),
    quillon::testsupport::CaseName());

TEST(LineSetCards, NinetyNineGirderLinesAreStoredAndTheHundredthIgnored) {
    std::vector<std::string> deck{ReferenceCard("1200.", "0", "1", "1")};
    for (int i = 0; i < 101; ++i) deck.push_back(kGirder);
    deck.push_back(kBent);
    LineSetRun run(CurvedAlignment(), deck);
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.LineSet().girders.lines.size(), 99u);
    EXPECT_EQ(run.run.state.ignored.count, 2);
    EXPECT_EQ(run.LineSet().bents.Count(), 2);  // reading went on with the 06 card
}

TEST(LineSetCards, EightyBentLinesAreStoredAndTheEightyFirstIgnored) {
    std::vector<std::string> deck{ReferenceCard("1200.", "0", "1", "1"), kGirder};
    for (int i = 0; i < 81; ++i) deck.push_back(kBent);
    deck.push_back(Card({{1, "07"}, {3, "EA"}}));
    LineSetRun run(CurvedAlignment(), deck);
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.LineSet().bents.Count(), 81);  // slot 1 and 80 bent lines
    EXPECT_EQ(run.run.state.ignored.count, 1);
    EXPECT_EQ(run.LineSet().deadLoad.records.size(), 1u);
}

TEST(LineSetCards, TwoHundredDeadLoadCardsAreStoredAndTheTwoHundredFirstIgnored) {
    std::vector<std::string> deck{ReferenceCard("1200.", "0", "1", "1"), kGirder, kBent};
    for (int i = 0; i < 201; ++i) deck.push_back(Card({{1, "07"}, {3, "EA"}, {15, "   100"}}));
    LineSetRun run(CurvedAlignment(), deck);
    ASSERT_TRUE(run.Run(NoSteps()));
    EXPECT_EQ(run.LineSet().deadLoad.records.size(), 200u);
    EXPECT_EQ(run.run.state.ignored.count, 1);
}

TEST(LineSetCards, CardsBeyondTheTablesEndTheRunWithStatusFour) {
    // 100 girder lines, 81 bent lines and 201 dead-load cards: three ignored
    // lines, listed at the end of the run, and no clean end.
    std::string deck = "00BRIDGE 1\n" + linesettest::kCurveCard + "\n" +
                       linesettest::kVerticalCard + "\n" + linesettest::kCrossSlopeCard + "\n" +
                       ReferenceCard("1200.", "0", "1", "1") + "\n";
    for (int i = 0; i < 100; ++i) deck += kGirder + "\n";
    for (int i = 0; i < 81; ++i) deck += kBent + "\n";
    for (int i = 0; i < 201; ++i) deck += Card({{1, "07"}, {3, "EA"}, {15, "   100"}}) + "\n";
    const auto result = testing::RunOnDeck(deck);
    EXPECT_EQ(result.status, 4);
    EXPECT_NE(result.listing.find("THE FOLLOWING INPUT LINES WERE IGNORED:"), std::string::npos);
    EXPECT_NE(result.listing.find(std::string(30, ' ') + fixedform::PadRight(kGirder, 80)),
              std::string::npos);
    EXPECT_EQ(result.console, "");
}

TEST(LineSetCards, StraightControlTurnsTangentDistancesAndSkewsToItsOwn) {
    // On a straight control a bent line on the back or ahead tangent stands on
    // the control, and a skew from the control becomes one from the back
    // tangent (the same direction there).
    LineSetRun run(StraightAlignment(),
                   {ReferenceCard("1200.", "0", "1", "1"), kGirder,
                    Card({{1, "06"}, {3, "50."}, {11, "2"}, {13, "10"}, {21, "1"}}),
                    Card({{1, "06"}, {3, "80."}, {11, "3"}, {13, "10"}, {21, "4"}}),
                    Card({{1, "06"}, {3, "90."}, {11, "0"}, {13, "10"}, {21, "2"}})});
    ASSERT_TRUE(run.Run(NoSteps()));
    const BentLineTable& b = run.LineSet().bents;
    EXPECT_EQ(b.Slot(2).distanceType, kOnControl);
    EXPECT_EQ(b.Slot(3).distanceType, kOnControl);
    EXPECT_EQ(b.Slot(2).skewType, kSkewFromBackTangent);
    EXPECT_EQ(b.Slot(3).skewType, kSkewFromBackTangent);
    EXPECT_EQ(b.Slot(4).skewType, kSkewFromBackTangent);  // from the layout line, itself a tangent
    EXPECT_EQ(run.LineSet().defaultSkewOption, 0);
}

}  // namespace
}  // namespace quillon::engine
