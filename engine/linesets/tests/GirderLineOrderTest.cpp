// The exterior-girder designations (05 column 52), the requests for X-type
// fractional points (column 53), the order of the girder lines and the
// suppressed girder lines, with their boxes column by column (each inner
// line centred in the 65 columns 31-95, the odd blank on the right, the
// frame words in columns 26-30 and 96-100).
#include <gtest/gtest.h>

#include "SegmentedTestSupport.hpp"

namespace quillon::engine {
namespace {

using linesettest::CurvedAlignment;
using linesettest::ExpectBox;
using linesettest::Fields;
using linesettest::ReferenceCard;
using linesettest::StraightAlignment;
using segmentedtest::At;
using segmentedtest::Bent;
using segmentedtest::CountLines;
using segmentedtest::Girder;
using segmentedtest::RunLineSet;

const std::string kReference = ReferenceCard("1000.", "0", "1", "1");
const std::string kPier = Bent("  100.00", "0", "PIER 1");

// Girder line `name` on the control at `offset` with the given columns.
std::string G(const std::string& name, const Fields& codes, const std::string& offset = "") {
    return Girder("0", offset, "4", name, codes);
}

std::unique_ptr<linesettest::LineSetRun> Order(
    std::vector<std::string> girders, std::vector<std::string> alignment = StraightAlignment(),
    std::vector<std::string> bents = {kPier}) {
    std::vector<std::string> cards{kReference};
    cards.insert(cards.end(), girders.begin(), girders.end());
    cards.insert(cards.end(), bents.begin(), bents.end());
    return RunLineSet(alignment, cards);
}

// "GIRDER LINE:  " and the 20-character designation: 34 characters, from
// column 46.
std::pair<int, std::string> Name(const std::string& name) {
    return {46, "GIRDER LINE:  " + name + std::string(20 - name.size(), ' ')};
}

TEST(GirderLineOrder, WithoutRequestsTheDeckOrderStays) {
    auto run = Order({G("G1", {{52, "A"}}), G("G2", {}), G("G3", {{53, "A"}, {52, "A"}})});
    EXPECT_EQ(run->LineSet().girderOrder, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

TEST(GirderLineOrder, ALineTakingPointsFollowsItsExteriorGirder) {
    auto run = Order({G("G1", {{53, "A"}}), G("G2", {}), G("G3", {{52, "A"}})});
    const LineSetState& lineSet = run->LineSet();
    EXPECT_EQ(lineSet.girderOrder, (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(lineSet.girders.Line(1).xPointRequest, 3);
    EXPECT_EQ(lineSet.girders.Line(2).xPointRequest, 0);
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

TEST(GirderLineOrder, ADuplicateDesignationIsIgnored) {
    auto run = Order({G("G1", {{52, "A"}}), G("G2", {{52, "A"}}), G("G3", {{53, "A"}})});
    const LineSetState& lineSet = run->LineSet();
    ExpectBox(
        *run,
        {Name("G2"), {44, "EXTERIOR GIRDER DESIGNATIONS NOT UNIQUE"}, {56, "COL 52 IGNORED"}});
    EXPECT_EQ(lineSet.girders.Line(2).exteriorCode, 0);
    EXPECT_EQ(lineSet.girders.Line(3).xPointRequest, 1);
    EXPECT_EQ(lineSet.girderOrder, (std::vector<int>{1, 3, 2}));
}

TEST(GirderLineOrder, AnUnusedDesignationIsIgnored) {
    auto run = Order({G("G1", {{52, "A"}}), G("G2", {{52, "B"}}), G("G3", {{53, "A"}})});
    ExpectBox(*run, {Name("G2"),
                     {38, "NO GIRDER LINE REQUESTING X-TYPE FRACTIONAL POINTS"},
                     {56, "COL 52 IGNORED"}});
    EXPECT_EQ(run->LineSet().girders.Line(2).exteriorCode, 0);
    EXPECT_EQ(run->LineSet().girders.Line(1).exteriorCode, 1);
}

TEST(GirderLineOrder, ARequestForNoDesignationIsIgnored) {
    auto run = Order({G("G1", {{53, "C"}}), G("G2", {})});
    ExpectBox(*run, {Name("G1"), {49, "NO EXTERIOR GIRDER DESIGNATED"}, {56, "COL 53 IGNORED"}});
    EXPECT_EQ(run->LineSet().girders.Line(1).xTypeRequestCode, 0);
}

TEST(GirderLineOrder, ARequestMayNameABentLinesSelection) {
    // "C" in a bent line's column 43; "1" (not blank, "0" or a letter) is
    // matched by a bent line with "0" there.
    auto run = Order({G("G1", {{53, "C"}}), G("G2", {{53, "1"}})}, StraightAlignment(),
                     {kPier, Bent("  200.00", "0", "PIER 2", {{43, "C"}}),
                      Bent("  300.00", "0", "PIER 3", {{43, "0"}})});
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
    EXPECT_EQ(run->LineSet().girders.Line(1).xTypeRequestCode, 3);
    EXPECT_EQ(run->LineSet().girders.Line(2).xTypeRequestCode, 28);
    EXPECT_EQ(run->LineSet().girders.Line(1).xPointRequest, 0);
}

TEST(GirderLineOrder, ImproperNestingDropsTheSecondExteriorTaker) {
    // G1 is exterior "a"; G2 and G3 take from it and are exterior "b" and
    // "c"; G4 takes from G2, G5 from G3. G2 continues G1's chain (with G4);
    // G3 loses column 53 and starts a chain of its own (with G5).
    auto run = Order({G("G1", {{52, "A"}}), G("G2", {{52, "B"}, {53, "A"}}),
                      G("G3", {{52, "C"}, {53, "A"}}), G("G4", {{53, "B"}}), G("G5", {{53, "C"}})});
    const LineSetState& lineSet = run->LineSet();
    EXPECT_EQ(lineSet.girderOrder, (std::vector<int>{1, 2, 4, 3, 5}));
    ExpectBox(*run, {Name("G3"),
                     {46, "IMPROPER NESTING OF EXTERIOR GIRDER"},
                     {46, "LINES FOR X-TYPE FRACTIONAL POINTS"},
                     {56, "COL 53 IGNORED"}});
    EXPECT_EQ(CountLines(*run, "IMPROPER NESTING"), 1);
    EXPECT_EQ(lineSet.girders.Line(3).xTypeRequestCode, 0);
    EXPECT_EQ(lineSet.girders.Line(3).xPointRequest, 0);
    EXPECT_EQ(lineSet.girders.Line(2).xPointRequest, 1);
    EXPECT_EQ(lineSet.girders.Line(4).xPointRequest, 2);
    EXPECT_EQ(lineSet.girders.Line(5).xPointRequest, 3);
}

TEST(GirderLineOrder, PlainTakersComeBeforeTheExteriorTakerOfTheSameGirder) {
    // G1 "a"; G2 takes from it and is exterior "b"; G3 takes from G1 too;
    // G4 from G2: G3 reads G1's points before G2 lays down its own.
    auto run = Order({G("G1", {{52, "A"}}), G("G2", {{52, "B"}, {53, "A"}}), G("G3", {{53, "A"}}),
                      G("G4", {{53, "B"}})});
    EXPECT_EQ(run->LineSet().girderOrder, (std::vector<int>{1, 3, 2, 4}));
    EXPECT_EQ(run->IndexOf("ERROR"), -1);
}

TEST(GirderLineOrder, ATwoLineCycleIsBrokenAtItsFirstLine) {
    // G1 takes from G2 and G2 from G1: G1 loses column 53; both are in the
    // order once.
    auto run = Order({G("G1", {{52, "A"}, {53, "B"}}), G("G2", {{52, "B"}, {53, "A"}})});
    const LineSetState& lineSet = run->LineSet();
    EXPECT_EQ(lineSet.girderOrder, (std::vector<int>{1, 2}));
    EXPECT_EQ(CountLines(*run, "IMPROPER NESTING OF EXTERIOR GIRDER"), 1);
    ExpectBox(*run, {Name("G1"),
                     {46, "IMPROPER NESTING OF EXTERIOR GIRDER"},
                     {46, "LINES FOR X-TYPE FRACTIONAL POINTS"},
                     {56, "COL 53 IGNORED"}});
    EXPECT_EQ(lineSet.girders.Line(1).xPointRequest, 0);
    EXPECT_EQ(lineSet.girders.Line(2).xPointRequest, 1);
}

TEST(GirderLineOrder, ASuppressedExteriorGirderIsListedAfterAll) {
    auto run = Order({G("G1", {{52, "A"}, {57, "X"}}), G("G2", {{53, "A"}})});
    ExpectBox(*run, {Name("G1"),
                     {45, "SUPPRESS LISTING CANNOT BE USED WHEN"},
                     {47, "X-TYPE POINTS ARE PROJECTED TO A"},
                     {46, "GIRDER LINE WHICH IS NOT SUPPRESSED"},
                     {56, "COL 57 IGNORED"}});
    EXPECT_EQ(run->LineSet().girders.Line(1).suppressCode, 0);
    EXPECT_EQ(run->IndexOf("SUPPRESS LISTING OPTION"), -1);
}

TEST(GirderLineOrder, SuppressedGirderLinesAreListed) {
    auto run = Order({G("G1", {}), G("G2", {{40, "SECOND"}, {57, "X"}}), G("G3", {{57, "1"}})});
    const auto lines = run->From(" SUPPRESS LISTING OPTION");
    ASSERT_GE(lines.size(), 7u);
    const int at = run->IndexOf(" SUPPRESS LISTING OPTION");
    EXPECT_EQ(run->Lines()[static_cast<size_t>(at - 1)], "");
    EXPECT_EQ(run->Lines()[static_cast<size_t>(at - 2)], "");
    EXPECT_EQ(lines[1], At({{29, "THE FOLLOWING GIRDER LINES WILL NOT BE"}}));
    EXPECT_EQ(lines[2], At({{29, "WRITTEN TO DECK ELEVATION PLOT FILE"}}));
    EXPECT_EQ(lines[3], At({{29, "(WHEN ELEVATION SHEETS ARE REQUESTED)"}}));
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], At({{41, "G2        SECOND    "}}));
    EXPECT_EQ(lines[6], At({{41, "G3                  "}}));
}

TEST(GirderLineOrder, SuppressedBentLinesFollowTheGirderLines) {
    // The reference line (04 column 28) and PIER 2 (06 column 42, no
    // fractional points) are suppressed; PIER 1 is not.
    auto run = RunLineSet(StraightAlignment(),
                          {ReferenceCard("1000.", "0", "1", "1", {{28, "X"}}), G("G1", {{57, "X"}}),
                           kPier, Bent("  200.00", "0", "PIER 2", {{42, "X"}})});
    const auto girders = run->From(" SUPPRESS LISTING OPTION");
    ASSERT_GE(girders.size(), 6u);
    EXPECT_EQ(girders[5], At({{41, "G1                  "}}));
    // The bent lines' block asks for 9 lines and here starts a new page.
    const auto lines = run->From("THE FOLLOWING  BENT  LINES WILL NOT BE");
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], At({{29, "THE FOLLOWING  BENT  LINES WILL NOT BE"}}));
    EXPECT_EQ(lines[1], At({{29, "WRITTEN TO DECK ELEVATION PLOT FILE"}}));
    EXPECT_EQ(lines[2], At({{29, "(WHEN ELEVATION SHEETS ARE REQUESTED)"}}));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], At({{41, "*REF LINE*"}}));
    EXPECT_EQ(lines[5], At({{41, "PIER 2    "}}));
    EXPECT_EQ(CountLines(*run, "SUPPRESS LISTING OPTION"), 1);
}

TEST(GirderLineOrder, SuppressedBentLinesAloneHaveTheirOwnTitle) {
    auto run = RunLineSet(StraightAlignment(), {kReference, G("G1", {}), kPier,
                                                Bent("  200.00", "0", "PIER 2", {{42, "X"}})});
    const auto lines = run->From(" SUPPRESS LISTING OPTION");
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[1], At({{29, "THE FOLLOWING  BENT  LINES WILL NOT BE"}}));
    EXPECT_EQ(lines[5], At({{41, "PIER 2    "}}));
}

TEST(GirderLineOrder, CurvedExteriorGirdersGiveAWarning) {
    // Two exterior girders parallel to a curved control weigh 98 each.
    std::vector<std::string> girders{G("G1", {{52, "A"}}), G("G2", {{52, "B"}}),
                                     G("G3", {{53, "A"}}), G("G4", {{53, "B"}})};
    auto run = Order(girders, CurvedAlignment());
    const int at = run->IndexOf("WARNING:  X-TYPE FRACTIONAL POINTS");
    ASSERT_GE(at, 3);
    const auto lines = run->Lines();
    EXPECT_EQ(lines[static_cast<size_t>(at)],
              At({{9,
                   "WARNING:  X-TYPE FRACTIONAL POINTS SHOULD NOT BE TAKEN FROM A CURVED "
                   "EXTERIOR GIRDER"}}));
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(lines[static_cast<size_t>(at - i)], "");
    // One of them is no warning, nor any on a straight control.
    EXPECT_EQ(
        Order({G("G1", {{52, "A"}}), G("G3", {{53, "A"}})}, CurvedAlignment())->IndexOf("WARNING:"),
        -1);
    EXPECT_EQ(Order(girders)->IndexOf("WARNING:"), -1);
}

}  // namespace
}  // namespace quillon::engine
