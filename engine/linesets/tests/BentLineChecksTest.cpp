// The checks of the 06 cards, the chord of a chord layout line and the
// flared offset bent lines: every box and plain line column by column, and
// the codes and choices they leave.
#include <gtest/gtest.h>

#include "LineSetTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using linesettest::Card;
using linesettest::CurvedAlignment;
using linesettest::ExpectBox;
using linesettest::ExpectPlain;
using linesettest::LineSetRun;
using linesettest::NoSteps;
using linesettest::ReferenceCard;
using linesettest::StraightAlignment;

const std::string kGirder = Card({{1, "05"}, {3, "0"}, {12, "4"}, {30, "GIRDER"}});
const std::string kReference = ReferenceCard("1200.", "0", "1", "1");
const std::string kDeadLoad = Card({{1, "07"}, {3, "EA"}});

std::string Bent(const std::string& name, const linesettest::Fields& fields) {
    return linesettest::With(Card({{1, "06"}, {29, name}}), fields);
}

std::unique_ptr<LineSetRun> Checked(const std::vector<std::string>& bents,
                                    const std::string& reference = kReference,
                                    std::vector<std::string> girders = {kGirder},
                                    std::vector<std::string> alignment = CurvedAlignment()) {
    std::vector<std::string> cards{reference};
    cards.insert(cards.end(), girders.begin(), girders.end());
    cards.insert(cards.end(), bents.begin(), bents.end());
    cards.push_back(kDeadLoad);
    auto run = std::make_unique<LineSetRun>(alignment, cards);
    EXPECT_TRUE(run->Run(NoSteps()));
    return run;
}

// "BENT LINE:  " and a 10-character name: 22 characters at 52.
const std::string kPierName = "BENT LINE:  PIER 2    ";

TEST(BentLineChecks, SkewOnADistanceTypeThatTakesNone) {
    auto run =
        Checked({Bent("PIER 2", {{3, "   50.00"}, {11, "6"}, {13, "10"}, {21, "1"}, {46, "A"}}),
                 Bent("ABUT A", {{3, "   10.00"}, {45, "A"}})});
    ExpectBox(*run,
              {{52, kPierName}, {49, "COL 11 CONFLICTS WITH COL 21"}, {54, "COLS 12-21 IGNORED"}});
    EXPECT_EQ(run->LineSet().bents.Slot(2).skewType, kDefaultSkew);
    EXPECT_EQ(run->LineSet().bents.Slot(2).skew, 0.0);
    EXPECT_FALSE(run->run.state.fatalFlag);
}

TEST(BentLineChecks, BentLineThatIsTheReferenceLine) {
    // At the reference station with the reference line's skew, skewed from
    // the control as it is: the reference line itself.
    auto run = Checked({Bent("ABUT 1", {{3, "    0.00"}, {11, "0"}, {13, "10"}, {21, "1"}}),
                        Bent("PIER 2", {{3, "    0.00"}, {13, "11"}, {21, "1"}})},
                       ReferenceCard("1200.", "0", "1", "1", {{16, "10"}}));
    EXPECT_EQ(run->LineSet().bents.Slot(2).skewType, kDefaultSkew);
    EXPECT_EQ(run->LineSet().bents.Slot(2).distanceType, kOnControl);
    EXPECT_EQ(run->LineSet().bents.Slot(3).skewType, kSkewFromControl);  // another skew
}

struct PlainCase {
    const char* name;
    std::vector<std::string> bents;
    std::string detail;
};

class BentLineFatal : public ::testing::TestWithParam<PlainCase> {};

TEST_P(BentLineFatal, PlainLineAndTheFatalLine) {
    const PlainCase& c = GetParam();
    std::vector<std::string> girders{kGirder};
    if (c.detail.find("COL 40") != std::string::npos)
        girders.push_back(Card({{1, "05"},
                                {3, "3"},
                                {4, "  -10.00"},
                                {12, "4"},
                                {13, "  -12.00"},
                                {21, "4"},
                                {30, "FLARED"}}));
    auto run = Checked(c.bents, kReference, girders);
    ExpectPlain(*run, {c.detail}, " FATAL ERROR -- 06 CARD");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BentLineFatal,
    ::testing::Values(
        PlainCase{"DistanceTypeFive",
                  {Bent("PIER 2", {{3, "   50.00"}, {11, "5"}})},
                  "COL 11 OR 21 OUT OF RANGE -- BENT LINE:  PIER 2    "},
        PlainCase{"SkewTypeSeven",
                  {Bent("PIER 2", {{3, "   50.00"}, {21, "7"}})},
                  "COL 11 OR 21 OUT OF RANGE -- BENT LINE:  PIER 2    "},
        PlainCase{"FlaredOffsetsOnANormalOffset",
                  {Bent("PIER 2", {{3, "   50.00"}, {11, "6"}, {40, "X"}, {46, "A"}})},
                  "COL 11 CONFLICTS WITH COL 40 -- BENT LINE:  PIER 2    "},
        PlainCase{"BackTangentSkewedFromTheControl",
                  {Bent("PIER 2", {{3, "   50.00"}, {11, "2"}, {21, "1"}})},
                  "COL 11 CONFLICTS WITH COL 21 -- BENT LINE:  PIER 2    "},
        PlainCase{"HangsOnALetterFromTheControl",
                  {Bent("PIER 2", {{3, "   50.00"}, {46, "A"}})},
                  "COL 46 CONFLICTS WITH COL 11 OR 45 -- BENT LINE:  PIER 2    "},
        PlainCase{"HangsOnItsOwnLetter",
                  {Bent("PIER 2", {{3, "   50.00"}, {11, "6"}, {45, "A"}, {46, "A"}})},
                  "COL 46 CONFLICTS WITH COL 11 OR 45 -- BENT LINE:  PIER 2    "},
        PlainCase{"NormalOffsetWithoutALetter",
                  {Bent("PIER 2", {{3, "   50.00"}, {11, "6"}})},
                  "COL 46 CONFLICTS WITH COL 11 OR 45 -- BENT LINE:  PIER 2    "},
        PlainCase{"FlaredWithoutColumnForty",
                  {Bent("PIER 2", {{3, "   50.00"}})},
                  "NOT ENOUGH 06 CARDS HAVE PUNCH IN COL 40"},
        PlainCase{"DistanceThatIsNotANumber",
                  {Bent("PIER 2", {{3, "  5O.00"}})},
                  "INVALID NUMBER IN COLUMNS 3-10 (BENT DISTANCE) -- BENT LINE:  PIER 2    "}),
    quillon::testsupport::CaseName());

TEST(BentLineChecks, FlaredGirderLinesWithTheOnlyPunchOnTheReferenceLine) {
    // A bent line on the reference line itself is no flared offset bent line:
    // with it alone, not enough 06 cards have a punch in column 40.
    auto run = Checked({Bent("ABUT 1", {{3, "    0.00"}, {40, "X"}})}, kReference,
                       {Card({{1, "05"},
                              {3, "3"},
                              {4, "  -10.00"},
                              {12, "4"},
                              {13, "  -12.00"},
                              {21, "4"},
                              {30, "FLARED"}})});
    ExpectPlain(*run, {"NOT ENOUGH 06 CARDS HAVE PUNCH IN COL 40"}, " FATAL ERROR -- 06 CARD");
}

TEST(BentLineChecks, FlaredOffsetBentLines) {
    const std::string flared = Card({{1, "05"},
                                     {3, "3"},
                                     {4, "  -10.00"},
                                     {12, "4"},
                                     {13, "  -12.00"},
                                     {21, "4"},
                                     {30, "FLARED"}});
    auto two =
        Checked({Bent("PIER 2", {{3, "   50.00"}, {40, "X"}}), Bent("PIER 3", {{3, "   90.00"}}),
                 Bent("PIER 4", {{3, "  120.00"}, {40, "X"}})},
                kReference, {kGirder, flared});
    EXPECT_FALSE(two->run.state.fatalFlag);
    EXPECT_EQ(two->LineSet().flaredInitialBent, 2);
    EXPECT_EQ(two->LineSet().flaredTerminalBent, 4);
    // One alone: the reference line is the other (terminal) bent; the layout
    // line then puts the two in station order, the reference line first.
    auto one = Checked({Bent("PIER 2", {{3, "   50.00"}, {40, "X"}})}, kReference, {flared});
    EXPECT_FALSE(one->run.state.fatalFlag);
    EXPECT_EQ(one->LineSet().flaredInitialBent, 1);
    EXPECT_EQ(one->LineSet().flaredTerminalBent, 2);
}

TEST(BentLineChecks, ChordEnds) {
    // A chord layout line: the two column-41 bent lines, the one with the
    // larger |distance| first; on equal distances the later card first; with
    // one, the reference line is the other end.
    const std::string chord = ReferenceCard("1200.", "0", "1", "2");
    auto two = Checked(
        {Bent("PIER 2", {{3, "   50.00"}, {41, "X"}}), Bent("PIER 3", {{3, " -150.00"}, {41, "X"}}),
         Bent("PIER 4", {{3, "  300.00"}, {41, "X"}})},
        chord);
    EXPECT_EQ(two->LineSet().chordBentLines, (std::array<int, 2>{3, 2}));
    auto equal = Checked({Bent("PIER 2", {{3, "  100.00"}, {41, "X"}}),
                          Bent("PIER 3", {{3, " -100.00"}, {41, "X"}})},
                         chord);
    EXPECT_EQ(equal->LineSet().chordBentLines, (std::array<int, 2>{3, 2}));
    auto one = Checked({Bent("ABUT 1", {{3, "    0.00"}, {41, "X"}}),
                        Bent("PIER 2", {{3, "   50.00"}, {41, "X"}})},
                       chord);
    EXPECT_EQ(one->LineSet().chordBentLines, (std::array<int, 2>{3, 1}));
    // On a layout line that is no chord, column 41 means nothing.
    auto none = Checked({Bent("PIER 2", {{3, "   50.00"}, {41, "X"}})});
    EXPECT_EQ(none->LineSet().chordBentLines, (std::array<int, 2>{0, 0}));
}

TEST(BentLineChecks, ChordEndThatCannotBeOne) {
    // A chord end by segment chord length, and a second chord end when the
    // first is a chord distance: the box "COL 41 CONFLICTS ..." (46, 56).
    const std::string chord = ReferenceCard("1200.", "0", "1", "2");
    auto seven = Checked({Bent("PIER 2", {{3, "   50.00"}, {11, "7"}, {41, "X"}, {46, "A"}}),
                          Bent("PIER 3", {{3, "   90.00"}, {41, "X"}, {45, "A"}})},
                         chord);
    ExpectBox(
        *seven,
        {{52, kPierName}, {46, "COL 41 CONFLICTS WITH COL 11 OR 21"}, {56, "COL 41 IGNORED"}});
    EXPECT_EQ(seven->LineSet().chordBentLines, (std::array<int, 2>{3, 1}));
    auto layout = Checked({Bent("PIER 1", {{3, "   50.00"}, {11, "1"}, {41, "X"}}),
                           Bent("PIER 2", {{3, "   90.00"}, {41, "X"}})},
                          chord);
    ExpectBox(
        *layout,
        {{52, kPierName}, {46, "COL 41 CONFLICTS WITH COL 11 OR 21"}, {56, "COL 41 IGNORED"}});
    EXPECT_EQ(layout->LineSet().chordBentLines, (std::array<int, 2>{2, 1}));
}

TEST(BentLineChecks, ChordLayoutLineWithoutItsChord) {
    // Three empty records, the two lines, the 04 fatal line.
    auto run = Checked({Bent("PIER 2", {{3, "   50.00"}})}, ReferenceCard("1200.", "0", "1", "2"));
    ExpectPlain(*run,
                {"EITHER  (1) 04 CARD HAS ERROR IN COL 24 OR 26",
                 "    OR  (2) NOT ENOUGH 06 CARDS HAVE PUNCH IN COL 41"},
                " FATAL ERROR -- 04 CARD");
}

TEST(BentLineChecks, FlagsAndCodes) {
    auto run = Checked(
        {Bent("PIER 2", {{3, "   50.00"}, {42, "X"}, {44, "B"}, {47, "b"}}),
         Bent("PIER 3", {{3, "   90.00"}, {22, "  4"}, {39, "X"}, {43, "*"}, {44, "C"}}),
         Bent("PIER 4", {{3, "  120.00"}, {22, "  4"}, {39, "X"}, {44, "D"}, {45, "E"}, {47, "S"}}),
         Bent("PIER 5", {{3, "  150.00"}, {11, "6"}, {22, "  4"}, {46, "E"}})});
    ASSERT_FALSE(run->run.state.fatalFlag);
    const BentLineTable& b = run->LineSet().bents;
    // No fractional points and column 42: not listed; no break (column 39 blank).
    EXPECT_TRUE(b.Slot(2).suppressed);
    EXPECT_TRUE(b.Slot(2).noBreak);
    EXPECT_EQ(b.Slot(2).deadLoadCode, 0);  // no fractional points: no dead load
    EXPECT_EQ(b.Slot(2).selectionCode, kNoSelection);
    EXPECT_EQ(b.Slot(2).column47Code, 1);
    // "*": no fractional points and code 61.
    EXPECT_EQ(b.Slot(3).fractionalPointKind, kNoFractionalPoints);
    EXPECT_EQ(b.Slot(3).selectionCode, kStarSelection);
    EXPECT_TRUE(b.Slot(3).noBreak);
    EXPECT_EQ(b.Slot(3).deadLoadCode, 0);
    // Breaks, its dead-load letter and the letter it defines.
    EXPECT_FALSE(b.Slot(4).noBreak);
    EXPECT_FALSE(b.Slot(4).suppressed);
    EXPECT_EQ(b.Slot(4).deadLoadCode, 4);      // "D"
    EXPECT_EQ(b.Slot(4).definesReference, 5);  // "E"
    EXPECT_EQ(b.Slot(4).column47Code, 2);
    EXPECT_EQ(b.Slot(5).hangsOnReference, 5);
}

TEST(BentLineChecks, DefaultSkewOfTheReferenceLine) {
    // Column 25 = 1: bent lines without a skew of their own take the
    // reference line's skew used (from the control).
    auto run = Checked({Bent("PIER 2", {{3, "   50.00"}}),
                        Bent("PIER 3", {{3, "   90.00"}, {13, "20"}, {21, "3"}})},
                       ReferenceCard("1200.", "0", "1", "1", {{16, "10"}, {25, "1"}}));
    const BentLineTable& b = run->LineSet().bents;
    EXPECT_EQ(b.Slot(2).skewType, kSkewFromControl);
    EXPECT_NEAR(b.Slot(2).skew, 10.0 * linesettest::kPi / 180.0, 1e-15);
    EXPECT_EQ(b.Slot(3).skewType, kSkewFromBackTangent);
    EXPECT_NEAR(b.Slot(3).skew, 20.0 * linesettest::kPi / 180.0, 1e-15);
}

TEST(BentLineChecks, TangentMarksAreBitsNotSums) {
    // Two bent lines at zero distance on the ahead tangent mark it once:
    // marks 1 (2 would read as the back tangent).
    auto run =
        Checked({Bent("A", {{3, "    0.00"}, {11, "3"}}), Bent("B", {{3, "    0.00"}, {11, "3"}})});
    EXPECT_EQ(run->LineSet().tangentsUsed, kAheadTangentMark);
    EXPECT_EQ(run->LineSet().bents.Slot(2).distanceType, kOnControl);
    auto both =
        Checked({Bent("A", {{3, "    0.00"}, {11, "3"}}), Bent("B", {{3, "    0.00"}, {11, "2"}}),
                 Bent("C", {{3, "    0.00"}, {11, "3"}})});
    EXPECT_EQ(both->LineSet().tangentsUsed, kAheadTangentMark | kBackTangentMark);
}

}  // namespace
}  // namespace quillon::engine
