// The DEAD LOAD DEFLECTION DATA section column by column in both builds, its
// page control, its messages and the checks of the codes. Expected texts
// stand at the columns the section's layout gives; the numbers are the
// polynomials the deflections were made from, evaluated by hand.
#include <gtest/gtest.h>

#include "engine/deadload/DeadLoad.hpp"
#include "engine/deadload/tests/DeadLoadTestSupport.hpp"
#include "engine/run/TextHelpers.hpp"
#include "engine/run/tests/RunTestSupport.hpp"

namespace quillon::engine {
namespace {

using testing::Card;
using testing::ListingRun;
using testing::OneCardSet;

// 0.02 + 0.01 t - 0.03 t^2 feet: inches 0.24 + 0.12 t - 0.36 t^2.
double Quadratic(double t) { return 0.02 + 0.01 * t - 0.03 * t * t; }

// A line set with bent lines CL ABUT 1 (dead-load letter A) and CL PIER 2
// (B) in its bent-line order, and one girder line with letter I.
LineSetState SmallLineSet() {
    LineSetState lineSet;
    lineSet.bents.slots.resize(3);
    lineSet.bents.Slot(1).description = "CL ABUT 1 ";
    lineSet.bents.Slot(1).deadLoadCode = CharacterCode('A');
    lineSet.bents.Slot(2).description = "CL PIER 2 ";
    lineSet.bents.Slot(2).deadLoadCode = CharacterCode('B');
    lineSet.bents.Slot(3).description = "CL ABUT 3 ";
    lineSet.bentLineOrder = {{1, 0.0}, {2, 90.0}, {3, 180.0}};
    GirderLine girder;
    girder.description = {"GIRDER G2 ", "INTERIOR  "};
    girder.deadLoadCode = CharacterCode('I');
    lineSet.girders.lines = {girder};
    lineSet.girders.count = 1;
    return lineSet;
}

std::string Heading(bool continued) {
    return Card({{1, " DEAD LOAD DEFLECTION DATA"},
                 {27, continued ? " (CONT)" : " "},
                 {35, "DEFLECTIONS AT TENTH POINTS FROM FITTED CURVE"}});
}

const std::string kScale = Card({{11, "0.0      0.1      0.2      0.3      0.4      0.5"},
                                 {65, "0.6      0.7      0.8      0.9      1.0"}});

std::string SetHeader(const std::string& name, const std::string& others, const std::string& cards,
                      const std::string& girder) {
    return Card({{6, "FOR BENT LINE:  "},
                 {22, name},
                 {33, others},
                 {48, "07 CARD(S):"},
                 {59, cards},
                 {71, "GIRDER LINES REFERENCED BY:  "},
                 {100, girder}});
}

// The section of a line set, listed on a fresh listing.
struct Listed {
    std::vector<std::string> body;  // without the page headings
    bool fatal = false;
    int pages = 0;
};

Listed ListDeadLoad(LineSetState& lineSet, EngineVariant variant = EngineVariant::English) {
    ListingRun r(variant);
    AlignmentState alignment;
    ProcessDeadLoad(r.run, alignment, lineSet);
    return {r.Body(), r.run.state.fatalFlag, r.Pages()};
}

const std::vector<int> kNoValueGiven = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

std::string BoxFrame() { return Card({{26, "ERROR"}, {96, "ERROR"}}); }
std::string BoxLine(int column, const std::string& text) {
    return Card({{26, "ERROR"}, {column, text}, {96, "ERROR"}});
}

TEST(DeadLoadListing, EnglishSectionColumnByColumn) {
    LineSetState lineSet = SmallLineSet();
    lineSet.bents.Slot(2).deadLoadCode = 0;  // only span A asks for dead load
    lineSet.deadLoad.records = {OneCardSet("IA", Quadratic)};
    const Listed r = ListDeadLoad(lineSet);
    EXPECT_FALSE(r.fatal);
    const std::vector<std::string> expected = {
        "",
        "",
        Heading(false),
        "",
        kScale,
        "",
        "",
        SetHeader("CL ABUT 1 ", "          ", "  1", "I         "),
        // A4 and A3 are 0; G12.6 of 0 is F8.5 and four blanks.
        Card({{119, "A4="}, {122, " 0.00000    "}}),
        // Inches at t = 0, 0.1, ... 1: 0.24 + 0.12t - 0.36t^2.
        Card({{1, " INCH"},
              {6,
               "   0.2400   0.2484   0.2496   0.2436   0.2304   0.2100   0.1824   0.1476   0.1056"
               "   0.0564   0.0000"},
              {108, "INCH"},
              {119, "A3="},
              {122, " 0.00000    "}}),
        Card({{1, " FOOT"},
              {6,
               "   0.0200   0.0207   0.0208   0.0203   0.0192   0.0175   0.0152   0.0123   0.0088"
               "   0.0047   0.0000"},
              {108, "FOOT"},
              {119, "A2="},
              {122, "-.360000    "}}),
        Card({{119, "A1="}, {122, "0.120000    "}}),
        // Slopes in feet per span: 0.01 at t = 0, 0.01 - 2 x 0.03 at t = 1.
        Card({{1, " SLOPE"},
              {7, "  0.010000"},
              {97, " -0.050000"},
              {107, " SLOPE"},
              {119, "A0="},
              {122, "0.240000    "}}),
        "",
        kScale,
    };
    EXPECT_EQ(r.body, expected);
}

TEST(DeadLoadListing, MetricSectionColumnByColumn) {
    LineSetState lineSet = SmallLineSet();
    lineSet.bents.Slot(2).deadLoadCode = 0;
    lineSet.deadLoad.records = {OneCardSet("IA", Quadratic)};
    const Listed r = ListDeadLoad(lineSet, EngineVariant::Metric);
    const std::vector<std::string> body = r.body;
    ASSERT_EQ(body.size(), 15u);
    EXPECT_EQ(body[8], Card({{119, "A4="}, {122, " 0.00000    "}}));
    // Millimetres: feet x 0.3048006096012192 x 1000, F9.2 (0.02 ft = 6.096 mm).
    EXPECT_EQ(body[9], Card({{1, "   mm"},
                             {6,
                              "     6.10     6.31     6.34     6.19     5.85     5.33     4.63"
                              "     3.75     2.68     1.43     0.00"},
                             {108, "mm  "},
                             {119, "A3="},
                             {122, " 0.00000    "}}));
    EXPECT_EQ(body[10], Card({{1, "    m"},
                              {6,
                               "   0.0061   0.0063   0.0063   0.0062   0.0059   0.0053   0.0046"
                               "   0.0037   0.0027   0.0014   0.0000"},
                              {108, " m  "},
                              {119, "A2="},
                              {122, "-9.14400    "}}));
    // Coefficients: inches x 25.4 in single precision (25.399999618530273):
    // 0.12 x 25.4 = 3.048, 0.24 x 25.4 = 6.096 and -0.36 x 25.4 = -9.144.
    EXPECT_EQ(body[11], Card({{119, "A1="}, {122, " 3.04800    "}}));
    // The slopes are not converted.
    EXPECT_EQ(body[12], Card({{1, " SLOPE"},
                              {7, "  0.010000"},
                              {97, " -0.050000"},
                              {107, " SLOPE"},
                              {119, "A0="},
                              {122, " 6.09600    "}}));
}

TEST(DeadLoadListing, UnknownBentSetIsListedAndAFailedFitIsOnlyALine) {
    LineSetState lineSet = SmallLineSet();
    // Column 4 "Z" matches no bent line; no value is given.
    lineSet.deadLoad.records = {OneCardSet(
        " Z", [](double) { return 0.0; }, kNoValueGiven)};
    const Listed r = ListDeadLoad(lineSet);
    EXPECT_FALSE(r.fatal);
    const std::vector<std::string> body = r.body;
    ASSERT_GE(body.size(), 13u);
    EXPECT_EQ(body[7], SetHeader(" * UNKNOWN", "*         ", "  1", "(BLANK)   "));
    EXPECT_EQ(body[8], "");
    EXPECT_EQ(body[9],
              Card({{9, "WARNING:  NOT ENOUGH DEFLECTION VALUES GIVEN FOR ORDINARY CURVE FIT"}}));
    EXPECT_EQ(body[10], "");
    EXPECT_EQ(body[11], Card({{31, "**** NO VALID CURVE FIT FOUND ****"}}));
    EXPECT_EQ(lineSet.deadLoad.records[0].girderCode, kNoDeadLoadGirder);
    EXPECT_EQ(lineSet.deadLoad.records[0].bentCode, 0);
    EXPECT_FALSE(lineSet.deadLoad.records[0].fitted);
}

TEST(DeadLoadListing, FailedFitOfABentLineSetIsFatal) {
    LineSetState lineSet = SmallLineSet();
    lineSet.deadLoad.records = {OneCardSet(
        "IA", [](double) { return 0.0; }, kNoValueGiven)};
    const Listed r = ListDeadLoad(lineSet);
    EXPECT_TRUE(r.fatal);
    const std::vector<std::string> body = r.body;
    ASSERT_GE(body.size(), 15u);
    EXPECT_EQ(body[10], "");
    EXPECT_EQ(body[11], BoxFrame());
    EXPECT_EQ(body[12], BoxLine(52, "FATAL ERROR -- 07 CARDS"));
    EXPECT_EQ(body[13], BoxLine(51, "NO VALID CURVE FIT FOUND"));
    EXPECT_EQ(body[14], BoxFrame());
}

TEST(DeadLoadListing, SecondBentLineWithTheLetterNamesOthersAndNoteTheThirdValueLines) {
    LineSetState lineSet = SmallLineSet();
    lineSet.bents.Slot(3).deadLoadCode = CharacterCode('A');
    // Three values: the warning, then the second-degree try.
    lineSet.deadLoad.records = {OneCardSet("IA", Quadratic, {1, 2, 3, 4, 6, 7, 8, 9})};
    const Listed r = ListDeadLoad(lineSet);
    const std::vector<std::string> body = r.body;
    EXPECT_EQ(body[7], SetHeader("CL ABUT 1 ", "AND OTHERS", "  1", "I         "));
    EXPECT_EQ(body[10], Card({{19, "NOW TRYING FOR A SECOND DEGREE CURVE FIT"}}));
}

TEST(DeadLoadListing, CodesThatAreNotUniqueAreFatalAndBothSetsAreListed) {
    LineSetState lineSet = SmallLineSet();
    lineSet.deadLoad.records = {OneCardSet("IA", Quadratic), OneCardSet("IA", Quadratic)};
    const Listed r = ListDeadLoad(lineSet);
    EXPECT_TRUE(r.fatal);
    const std::vector<std::string> body = r.body;
    // After the first set (header at 7, five lines 8-12), the second header
    // and the box.
    EXPECT_EQ(body[15], SetHeader("CL ABUT 1 ", "          ", "  1", "I         "));
    EXPECT_EQ(body[16], "");
    EXPECT_EQ(body[17], BoxFrame());
    EXPECT_EQ(body[18], BoxLine(52, "FATAL ERROR -- 07 CARD"));
    EXPECT_EQ(body[19], BoxLine(42, "MATCHING CHARACTERS (COLS 3, 4) NOT UNIQUE"));
    EXPECT_EQ(body[20], BoxFrame());
    EXPECT_EQ(body[21], Card({{119, "A4="}, {122, " 0.00000    "}}));
}

TEST(DeadLoadListing, UpliftFromASlopeOf0_001AtEitherEnd) {
    // Two values: the straight line from t = 0 to t = 1. A rise of 0.001 ft
    // (an end slope of 0.001) and a fall of 0.001 (a start slope of -0.001)
    // report uplift; 0.000999 does not.
    struct Case {
        double start, end;
        bool uplift;
    };
    for (const Case& c :
         {Case{0.0, 0.001, true}, Case{0.001, 0.0, true}, Case{0.0, 0.000999, false}}) {
        LineSetState lineSet = SmallLineSet();
        lineSet.deadLoad.records = {
            OneCardSet("IA", [c](double t) { return c.start + (c.end - c.start) * t; },
                       {1, 2, 3, 4, 5, 6, 7, 8, 9})};
        const Listed r = ListDeadLoad(lineSet);
        const std::vector<std::string> body = r.body;
        // header 7, warning 8-9, five lines 10-14, then the uplift line.
        const bool listed =
            body.size() > 15 && body[15] == Card({{40, "DEFLECTIONS SHOW SIGNIFICANT UPLIFT"}});
        EXPECT_EQ(listed, c.uplift) << c.start << " " << c.end;
    }
}

TEST(DeadLoadListing, BoxesOfTheSamePointAndOfTooManyValues) {
    LineSetState lineSet = SmallLineSet();
    lineSet.deadLoad.records = testing::ManyCardSet("IA", 21, [](double t) { return 0.01 * t; });
    lineSet.deadLoad.records[1].deflections[0] += 0.0001;  // differs from card 1's last value
    const Listed r = ListDeadLoad(lineSet);
    const std::vector<std::string> body = r.body;
    EXPECT_EQ(body[7], SetHeader("CL ABUT 1 ", "          ", " 21", "I         "));
    EXPECT_EQ(body[9], BoxFrame());
    EXPECT_EQ(body[10], BoxLine(39, "INCONSISTENT DEFLECTIONS GIVEN AT THE SAME POINT"));
    EXPECT_EQ(body[14], BoxLine(47, "TOO MANY DEFLECTION VALUES GIVEN"));
}

TEST(DeadLoadListing, SetsContinueOnANewPageBelowTwentyOneLines) {
    LineSetState lineSet = SmallLineSet();
    for (int n = 0; n < 4; ++n) {
        const std::string label = std::string("I") + static_cast<char>('A' + n);
        lineSet.deadLoad.records.push_back(OneCardSet(label, Quadratic));
    }
    const Listed r = ListDeadLoad(lineSet);
    // Page 1: 4 + 2 heading lines, then 8 lines a set: 50 - 6 - 8k is 20 or
    // less before the fourth set (k = 3: 20 left), so the third set's 8
    // lines end page 1 and the fourth starts page 2.
    EXPECT_EQ(r.pages, 2);
    const std::vector<std::string> body = r.body;
    // Page 1: 5 lines of heading and scale, 8 lines for each of three sets,
    // then the closing empty line and scale; page 2 opens with the heading
    // "(CONT)" and the scale.
    ASSERT_GT(body.size(), 40u);
    EXPECT_EQ(body[29], "");
    EXPECT_EQ(body[30], kScale);
    EXPECT_EQ(body[31], "");
    EXPECT_EQ(body[32], "");
    EXPECT_EQ(body[33], Heading(true));
    EXPECT_EQ(body[34], "");
    EXPECT_EQ(body[35], kScale);
    EXPECT_EQ(body[38], SetHeader(" * UNKNOWN", "*         ", "  1", "I         "));
}

TEST(DeadLoadListing, ChecksForSpansWithoutASet) {
    LineSetState lineSet = SmallLineSet();
    // Girder letter I has a set for bent A only; bent B asks for dead load.
    lineSet.deadLoad.records = {OneCardSet("IA", Quadratic)};
    const Listed r = ListDeadLoad(lineSet);
    const std::vector<std::string> body = r.body;
    ASSERT_EQ(body.size(), 21u);
    EXPECT_EQ(body[15], "");
    EXPECT_EQ(body[16], BoxFrame());
    EXPECT_EQ(body[17], BoxLine(46, "GIRDER LINE:  GIRDER G2 INTERIOR  "));
    EXPECT_EQ(body[18], BoxLine(41, "NO 07 CARD FOUND WITH MATCHING CHARACTER FOR"));
    EXPECT_EQ(body[19], BoxLine(43, "SPAN BEGINNING AT BENT LINE:  CL PIER 2 "));
    EXPECT_EQ(body[20], BoxFrame());
    EXPECT_EQ(lineSet.bents.Slot(2).deadLoadCode, CharacterCode('B'));  // kept

    // Without girder lines the bent line needs a set of its own letter; B has
    // none and loses its code.
    LineSetState bare = SmallLineSet();
    bare.girders.lines.clear();
    bare.girders.count = 0;
    bare.deadLoad.records = {OneCardSet("IA", Quadratic)};
    const std::vector<std::string> body2 = ListDeadLoad(bare).body;
    ASSERT_EQ(body2.size(), 21u);
    EXPECT_EQ(body2[17], BoxLine(52, "BENT LINE:  CL PIER 2 "));
    EXPECT_EQ(body2[18], BoxLine(43, "NO 07 CARD FOUND WITH MATCHING CHARACTER"));
    EXPECT_EQ(body2[19], BoxLine(56, "COL 44 IGNORED"));
    EXPECT_EQ(bare.bents.Slot(2).deadLoadCode, 0);
    EXPECT_EQ(bare.bents.Slot(1).deadLoadCode, CharacterCode('A'));
}

}  // namespace
}  // namespace quillon::engine
